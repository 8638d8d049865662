#include "print/report_heading.h"

namespace zorva {

ReportHeading MakeHeading(const std::string& titleCall, const std::string& stationCall,
                          const std::string& date, const Counters& counters) {
    return {titleCall, stationCall, date, counters.VerifiedCounter(), counters.ToVerifyCounter()};
}

}  // namespace zorva
