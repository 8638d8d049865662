#pragma once

#include <array>
#include <string>

namespace zorva {

// Any mark in the deleted column deletes the entity: a save writes every mark as "D".
inline bool IsDeletedMark(const std::string& mark) {
    return !mark.empty();
}

// One DXCC entity of a station. The field order is the order of the grid
// columns and of the station file columns.
struct EntityRow {
    std::string adif;  // three characters, right-aligned, held untrimmed: the key
    std::string deleted;
    std::string prefix;
    std::string name;
    std::string call;  // empty: not confirmed
    std::string qsoDate;
    std::string confirmation;  // "QSL", "LoTW" or empty
    std::string verifiedDate;  // non-empty: verified

    static constexpr int kFieldCount = 8;

    const std::string& Field(int index) const;
    std::string& Field(int index);

    bool IsConfirmed() const { return !call.empty(); }
    bool IsVerified() const { return !verifiedDate.empty(); }
    bool IsToVerify() const { return IsConfirmed() && !IsVerified(); }
    bool IsDeleted() const { return IsDeletedMark(deleted); }

    bool operator==(const EntityRow&) const = default;
};

inline constexpr std::array<const char*, EntityRow::kFieldCount> kColumnTitles = {
    "ADIF", "D", "Prefiks", "Podmiot", "Znak", "Data QSO", "Potw.", "Data wer."};

}  // namespace zorva
