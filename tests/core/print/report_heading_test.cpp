#include "print/report_heading.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(ReportHeading, CountersAreActiveSlashAllCutToEightCharacters) {
    Counters counters;
    counters.verifiedActive = 123456;
    counters.verifiedAll = 1234567;
    counters.toVerifyActive = 3;
    counters.toVerifyAll = 4;
    const ReportHeading heading = MakeHeading("SP1ABC", "SP1ABC", "08.12.2026", counters);
    EXPECT_EQ(heading.verifiedCounter, "123456/1");
    EXPECT_EQ(heading.toVerifyCounter, "3/4");
    EXPECT_EQ(counters.VerifiedText(), "Zweryfikowane:   123456/1234567");
}

}  // namespace
}  // namespace zorva
