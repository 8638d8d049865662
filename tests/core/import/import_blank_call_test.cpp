#include "import_fixture.h"

namespace zorva::testing {
namespace {

using ImportBlankCall = ImportTest;
using namespace std::string_literals;

// A call of line breaks or control characters is written as nothing, so the row would
// hold a confirmation without a call and the counters would count it as waiting.
TEST_F(ImportBlankCall, CallOfControlCharactersGoesToErrorFileAndTheRowStaysEmpty) {
    const std::string lineBreak = Record("<CALL:2>\r\n<LOTW_QSL_RCVD:1>Y<DXCC:3>291");
    const std::string zeros = Record("<CALL:3>\0\0\0<QSL_RCVD:1>Y<DXCC:3>291"s);
    const Counters before = station.counters;
    ImportOne(kHeader + lineBreak + zeros, true);
    EXPECT_EQ(Row(5).call, "");
    EXPECT_EQ(Row(5).confirmation, "");
    EXPECT_EQ(station.counters, before);
    EXPECT_EQ(ErrorFile(), ErrorTitle() + "<call:2><lotw_qsl_rcvd:1>y<dxcc:3>291<eor>\r\n" +
                               "<call:3>\0\0\0<qsl_rcvd:1>y<dxcc:3>291<eor>\r\n"s);
}

}  // namespace
}  // namespace zorva::testing
