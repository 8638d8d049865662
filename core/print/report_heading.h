#pragma once

#include <string>

#include "model/counters.h"

namespace zorva {

// The texts a printed report shows besides its rows.
struct ReportHeading {
    std::string titleCall;        // the answer of the call prompt, as typed
    std::string stationCall;      // the open station's call, for the footers
    std::string date;             // today in the short date format
    std::string verifiedCounter;  // "VerifiedActive/VerifiedAll"
    std::string toVerifyCounter;  // "ToVerifyActive/ToVerifyAll"
};

ReportHeading MakeHeading(const std::string& titleCall, const std::string& stationCall,
                          const std::string& date, const Counters& counters);

}  // namespace zorva
