#pragma once

#include <string>

#include "document/station_document.h"
#include "ports/prompter.h"

namespace zorva {

enum class ListKind { Verified, ToVerify, Qsl, Lotw };

// One list to write: where, and for the list for verification the call it is
// for; the verified list always carries the station's own call.
struct ListRequest {
    ListKind kind = ListKind::Verified;
    std::string path;
    std::string call;
    std::string shortDate;  // today in the user's short date format
};

// Writes the list whole or nothing, then says so as the menu command does: the
// reason of a failure, else the saved message of the verified list and the
// list for verification. True when written.
bool WriteList(const StationDocument& document, const ListRequest& request, Prompter& prompter);

// The typed call as the list for verification holds it.
std::string ListCall(const std::string& typed);

}  // namespace zorva
