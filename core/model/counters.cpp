#include "model/counters.h"

#include "model/confirmation.h"
#include "model/entity_table.h"

namespace zorva {

void Counters::CountRow(const EntityRow& row) {
    const bool deleted = row.IsDeleted();
    const bool active = !deleted;
    if (row.IsVerified() && active) {
        ++verifiedActive;
        ++verifiedAll;
    }
    if (row.IsConfirmed() && !row.IsVerified() && active) {
        ++toVerifyActive;
        ++toVerifyAll;
    }
    if (row.IsConfirmed() && row.IsVerified() && deleted) ++verifiedAll;
    if (row.IsConfirmed() && !row.IsVerified() && deleted) ++toVerifyAll;
    const std::optional<Confirmation> method = ConfirmationOf(row.confirmation);
    if (method == Confirmation::Qsl) ++qslCount;
    if (method == Confirmation::Lotw) ++lotwCount;
}

Counters Counters::Of(const EntityTable& table) {
    Counters c;
    for (const auto& row : table.Rows()) c.CountRow(row);
    return c;
}

std::string Counters::TotalText() const {
    return "Razem:       " + std::to_string(verifiedActive + toVerifyActive) + "/" +
           std::to_string(toVerifyAll + verifiedAll);
}

namespace {

std::string Pair(int active, int all) {
    return std::to_string(active) + "/" + std::to_string(all);
}

// The printed reports leave room for eight characters.
std::string Cut(std::string counter) {
    if (counter.size() > 8) counter.resize(8);
    return counter;
}

}  // namespace

std::string Counters::VerifiedText() const {
    return "Zweryfikowane:   " + Pair(verifiedActive, verifiedAll);
}

std::string Counters::ToVerifyText() const {
    return "Do weryfikacji:  " + Pair(toVerifyActive, toVerifyAll);
}

std::string Counters::VerifiedCounter() const {
    return Cut(Pair(verifiedActive, verifiedAll));
}

std::string Counters::ToVerifyCounter() const {
    return Cut(Pair(toVerifyActive, toVerifyAll));
}

std::string Counters::QslLotwText() const {
    return "QSL/LoTW:  " + std::to_string(qslCount) + "/" + std::to_string(lotwCount);
}

}  // namespace zorva
