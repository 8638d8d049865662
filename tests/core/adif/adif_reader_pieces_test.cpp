#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adif/adif_reader.h"
#include "fuzz_seeds.h"

namespace zorva {
namespace {

std::vector<std::string> Calls(std::string_view bytes, size_t piece, AdifLimits limits = {}) {
    MemoryByteSource source(bytes, piece);
    AdifReader reader(source, {"CALL"}, limits);
    std::vector<std::string> calls;
    while (reader.Next()) calls.emplace_back(reader.Field(0).value_or("-"));
    return calls;
}

const std::string kMarkedLog = "\xEF\xBB\xBF<CALL:2>AB<EOR>\r\n<CALL:3>CDE<EOR>\r\n";
const std::string kMarkedLogWithHeader =
    "\xEF\xBB\xBFLog\r\n<ADIF_VER:5>3.1.0<EOH>\r\n<CALL:2>AB<EOR>\r\n<CALL:3>CDE<EOR>\r\n";

// A source may stop after the byte order mark even when more data follows.
TEST(AdifReaderPieces, ByteOrderMarkArrivingAloneStillGivesEveryRecord) {
    const std::vector<std::string> both = {"AB", "CDE"};
    for (size_t piece : {1, 2, 3, 4, 7}) {
        EXPECT_EQ(Calls(kMarkedLog, piece), both) << piece;
        EXPECT_EQ(Calls(kMarkedLogWithHeader, piece), both) << piece;
        EXPECT_EQ(Calls(kMarkedLog, SIZE_MAX, AdifLimits{piece, 1024, 64}), both) << piece;
    }
}

TEST(AdifReaderPieces, ByteOrderMarkAloneIsAnEmptyLog) {
    EXPECT_TRUE(Calls("\xEF\xBB\xBF", 1).empty());
    EXPECT_TRUE(Calls("\xEF\xBB", 1).empty());
}

TEST(AdifReaderPieces, FuzzSeedsReadAsLogs) {
    const std::string log =
        "Log\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n"
        "<CALL:5>DL1AA<QSO_DATE:8>20240105<QSL_RCVD:1>Y<LOTW_QSL_RCVD:1>N<DXCC:3>230<EOR>\r\n"
        "<call:3>K1X<dxcc:3>291<lotw_qsl_rcvd:1>y<eor>\r\n<CALL:1>X<DXCC:3>999<EOR>\r\n"
        "<CALL:2>G4<DXCC:x>223<EOR>\r\n<CALL:4>SP1A<QSL_RCVD:1>Y<DXCC:3>269";
    EXPECT_EQ(Calls(log, 5), (std::vector<std::string>{"DL1AA", "K1X", "X", "G4", "SP1A"}));
    testing::WriteFuzzSeed("adif_reader", "log", log + std::string("\x07\x03\0\0", 4));
    testing::WriteFuzzSeed("adif_reader", "marked", kMarkedLogWithHeader + std::string(4, '\0'));
    // Log source, QSL priority, QSL extract; every question answered No.
    testing::WriteFuzzSeed("adif_import", "log", log + std::string("\x04\x55\x55\x55", 4));
    testing::WriteFuzzSeed("adif_import", "lotw", log + std::string("\x1b\x55\x55\x55", 4));
}

}  // namespace
}  // namespace zorva
