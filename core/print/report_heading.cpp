#include "print/report_heading.h"

#include "text/columns.h"

namespace zorva {

std::string CounterTextOf(const std::string& panelText) {
    return Columns(panelText, 17, 8);
}

ReportHeading MakeHeading(const std::string& titleCall, const std::string& stationCall,
                          const std::string& date, const Counters& counters) {
    return {titleCall, stationCall, date, CounterTextOf(counters.VerifiedText()),
            CounterTextOf(counters.ToVerifyText())};
}

}  // namespace zorva
