#include "import_fixture.h"

namespace zorva::testing {
namespace {

using ImportBlankCall = ImportTest;
using namespace std::string_literals;

// A call of line breaks or control characters is written as nothing, so the row would
// hold a confirmation without a call and the counters would count it as waiting; one
// inside a call would split the station file's line.
TEST_F(ImportBlankCall, CallWithControlCharactersGoesToErrorFileAndTheRowStaysEmpty) {
    const std::string lineBreak = Record("<CALL:2>\r\n<LOTW_QSL_RCVD:1>Y<DXCC:3>291");
    const std::string zeros = Record("<CALL:3>\0\0\0<QSL_RCVD:1>Y<DXCC:3>291"s);
    const std::string inside = Record("<CALL:5>AB\nCD<QSL_RCVD:1>Y<DXCC:3>291");
    const Counters before = station.Document().Counts();
    ImportOne(kHeader + lineBreak + zeros + inside, true);
    EXPECT_EQ(Row(5).call, "");
    EXPECT_EQ(Row(5).confirmation, "");
    EXPECT_EQ(station.Document().Counts(), before);
    EXPECT_EQ(ErrorFile(), ErrorTitle() + "<call:2><lotw_qsl_rcvd:1>y<dxcc:3>291<eor>\r\n" +
                               "<call:3>\0\0\0<qsl_rcvd:1>y<dxcc:3>291<eor>\r\n"s +
                               "<call:5>abcd<qsl_rcvd:1>y<dxcc:3>291<eor>\r\n");
}

}  // namespace
}  // namespace zorva::testing
