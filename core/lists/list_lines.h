#pragma once

#include <string>
#include <vector>

#include "model/confirmation.h"
#include "model/counters.h"
#include "model/entity_table.h"

namespace zorva {

// The lines of the four text lists, in table order.

// The station file layout, with the confirmation columns left blank for every
// row the club has not verified yet.
std::vector<std::string> VerifiedListLines(const EntityTable& table, const std::string& stationCall,
                                           const std::string& shortDate);

// Seven header lines, then the confirmations waiting for verification: the
// QSL ones first, then the LoTW ones, 69 characters each.
std::vector<std::string> VerificationListLines(const EntityTable& table, const std::string& call,
                                               const std::string& shortDate,
                                               const Counters& counters);

// Every row confirmed exactly by "QSL" (or "LoTW"), 80 characters each, no header.
std::vector<std::string> ConfirmationListLines(const EntityTable& table, Confirmation kind);

}  // namespace zorva
