#pragma once

#include <string>

#include "model/entity_row.h"

namespace zorva {

class EntityTable;

// The six status counters. The first number of each pair leaves deleted
// entities out; the second takes them in.
struct Counters {
    int verifiedActive = 0;
    int verifiedAll = 0;
    int toVerifyActive = 0;
    int toVerifyAll = 0;
    int qslCount = 0;
    int lotwCount = 0;

    // Adds one row as it is read: every rule whose condition holds applies.
    void CountRow(const EntityRow& row);
    static Counters Of(const EntityTable& table);

    // The four status-bar texts: a label, then the counter.
    std::string TotalText() const;
    std::string VerifiedText() const;
    std::string ToVerifyText() const;
    std::string QslLotwText() const;

    // A counter as lists and reports show it: "active/all", at most eight characters.
    std::string VerifiedCounter() const;
    std::string ToVerifyCounter() const;

    bool operator==(const Counters&) const = default;
};

}  // namespace zorva
