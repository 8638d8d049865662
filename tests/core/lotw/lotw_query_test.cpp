#include "lotw/lotw_query.h"

#include <gtest/gtest.h>

#include "lotw/lotw_download.h"

namespace zorva {
namespace {

TEST(LotwQuery, EncodesEveryValueAndAsksForEverythingWithoutADate) {
    LotwQuery query{"ja ", "p&ss=w?rd/é", "SP5ABC/P", std::nullopt};
    EXPECT_EQ(
        LotwQueryUrl("https://h/r.adi", query),
        "https://h/r.adi?login=ja%20&password=p%26ss%3Dw%3Frd%2F%C3%A9&qso_query=1&qso_qsl=yes"
        "&qso_qsldetail=yes&qso_owncall=SP5ABC%2FP&qso_qslsince=1945-01-01");
    EXPECT_EQ(LotwQueryUrl("https://h/r.adi?x=1", query).rfind("https://h/r.adi?x=1&login=", 0),
              0u);
}

TEST(LotwQuery, RedactionHidesOnlyThePasswordValue) {
    const std::pair<std::string, std::string> cases[] = {
        {"https://h/r?login=a&password=p%26q&qso_query=1",
         "https://h/r?login=a&password=*****&qso_query=1"},
        {"https://h/r?password=secret", "https://h/r?password=*****"},
        {"https://h/r?mypassword=x&password=y#f", "https://h/r?mypassword=x&password=*****#f"},
        {"https://h/password=x", "https://h/password=x"},
    };
    for (const auto& [url, shown] : cases) EXPECT_EQ(RedactPassword(url), shown) << url;
    EXPECT_EQ(HidePassword("a p q b p%20q", "p q"), "a ***** b *****");
    EXPECT_EQ(HidePassword("text", ""), "text");
}

TEST(LotwQuery, ReportIsNamedForTheCallBesideTheStationFile) {
    EXPECT_EQ(LotwReportPath("/dom/log/st.txt", "SP5ABC/P", {2024, 3, 6}),
              "/dom/log/sp5abc_p_lotw_2024-03-06.adi");
}

TEST(IsoDates, OnlyRealDaysInTheirExactFormParse) {
    for (const char* good : {"2024-02-29", "2000-02-29", "2024-12-31", "2024-01-01"})
        EXPECT_EQ(IsoDate(ParseIsoDate(good).value_or(CivilDate{})), good);
    for (const char* bad : {"2023-02-29", "1900-02-29", "2024-13-01", "2024-04-31", "2024-00-10",
                            "24-01-01", "2024-1-011", "2024/01/01", "", "2024-01-0x"})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
}

}  // namespace
}  // namespace zorva
