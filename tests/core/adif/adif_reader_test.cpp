#include "adif/adif_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace zorva {
namespace {

using Status = AdifReader::Status;

struct ReadRecord {
    Status status;
    std::string raw;
    std::vector<std::optional<std::string>> fields;
    bool operator==(const ReadRecord&) const = default;
};

const std::vector<std::string> kNames = {"CALL", "QSL_RCVD", "DXCC"};

std::vector<ReadRecord> ReadAll(std::string_view bytes, size_t piece = SIZE_MAX,
                                AdifLimits limits = {}) {
    MemoryByteSource source(bytes, piece);
    AdifReader reader(source, kNames, limits);
    std::vector<ReadRecord> records;
    while (reader.Next()) {
        ReadRecord r{reader.status(), std::string(reader.Raw()), {}};
        for (size_t i = 0; i < kNames.size(); ++i) {
            auto value = reader.Field(i);
            r.fields.push_back(value ? std::optional<std::string>(std::string(*value))
                                     : std::nullopt);
        }
        records.push_back(r);
    }
    EXPECT_EQ(reader.BytesRead(), bytes.size());
    return records;
}

std::optional<std::string> None() {
    return std::nullopt;
}

TEST(AdifReaderFields, NamesInAnyCaseWithOrWithoutTypeIndicator) {
    auto records = ReadAll("<call:6>SP1ABC<Qsl_Rcvd:1:S>Y<DXCC:3:N>269<eor>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].status, Status::Ok);
    EXPECT_EQ(records[0].fields, (std::vector<std::optional<std::string>>{"SP1ABC", "Y", "269"}));
}

TEST(AdifReaderFields, ValueIsExactlyLengthBytesWhateverItHolds) {
    auto records = ReadAll("<CALL:14>A<b>\r\n<eor>xyz<DXCC:1>7 <EOR>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields[0], "A<b>\r\n<eor>xyz");
    EXPECT_EQ(records[0].fields[2], "7");
}

TEST(AdifReaderFields, FirstOccurrenceWinsAndLookalikeNamesDoNotMatch) {
    auto records = ReadAll("<MY_DXCC:3>269<DXCC:3>291<DXCC:3>001<CALLSIGN:2>XX<EOR>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, (std::vector<std::optional<std::string>>{None(), None(), "291"}));
}

TEST(AdifReaderFields, ZeroLengthValueIsPresentAndEmpty) {
    auto records = ReadAll("<CALL:0><QSL_RCVD:1>Y<EOR>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields[0], "");
}

TEST(AdifReaderRecords, RawRecordRunsFromFirstTagToEorInclusive) {
    auto records = ReadAll("<EOH>\r\n\r\n  <CALL:2>AB\r\n<eor>\r\n<CALL:2>CD<EoR>\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].raw, "<CALL:2>AB\r\n<eor>");
    EXPECT_EQ(records[1].raw, "<CALL:2>CD<EoR>");
}

TEST(AdifReaderRecords, MarkersAreSkippedAndTrailingMarkerMakesNoRecord) {
    auto records = ReadAll("<CALL:2>AB<APP_LoTW_MODEGROUP><eor>\r\n<APP_LoTW_EOF>\r\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields[0], "AB");
    EXPECT_EQ(records[0].status, Status::Ok);
}

TEST(AdifReaderRecords, EmptyRecordIsReportedWithNoFields) {
    auto records = ReadAll("<EOR><CALL:1>X<EOR>");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields[0], None());
    EXPECT_EQ(records[1].fields[0], "X");
}

TEST(AdifReaderRecords, LoneAngleBracketsBetweenFieldsAreText) {
    auto records = ReadAll("<CALL:2>AB a < b <QSL_RCVD:1>Y <x<DXCC:1>1<EOR>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, (std::vector<std::optional<std::string>>{"AB", "Y", "1"}));
}

TEST(AdifReaderHeader, EverythingBeforeFirstEohIsHeaderEvenOnOneLine) {
    const std::vector<std::string> files = {
        "Log export\r\n<PROGRAMID:5>Tests<EOH> \r\n<CALL:2>AB<EOR>\r\n",
        "Log export <ADIF_VER:5>3.1.0 <eoh><CALL:2>AB<EOR>",
        "Log <eoh><CALL:2>AB<EOR>\r\n",
    };
    for (const auto& file : files) {
        auto records = ReadAll(file);
        ASSERT_EQ(records.size(), 1u) << file;
        EXPECT_EQ(records[0].fields[0], "AB") << file;
    }
}

TEST(AdifReaderHeader, HeaderFieldValueHoldingEohDoesNotEndHeader) {
    auto records = ReadAll("Hdr <NOTE:10><eoh><CALL<EOH><CALL:2>AB<EOR>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].raw, "<CALL:2>AB<EOR>");
}

TEST(AdifReaderHeader, FileBeginningWithTagHasNoHeader) {
    auto records = ReadAll("<CALL:2>AB<EOR><CALL:2>CD<EOR>");
    EXPECT_EQ(records.size(), 2u);
}

TEST(AdifReaderHeader, EohLaterInTheDataStartsRecordsAfresh) {
    auto records = ReadAll(
        "<ADIF_VER:5>3.1.0<CALL:2>XX<EOH>\r\n<CALL:2>AB<EOR>\r\nSecond file<EOH><CALL:2>CD<EOR>");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].raw, "<CALL:2>AB<EOR>");
    EXPECT_EQ(records[1].raw, "<CALL:2>CD<EOR>");
}

TEST(AdifReaderHeader, TextWithoutEohIsAllHeader) {
    EXPECT_TRUE(ReadAll("Header only\r\n<CALL:2>AB<EOR>\r\n").empty());
    EXPECT_TRUE(ReadAll("Header only\r\n<PROGRAMID:3>abc<EOH>\r\n").empty());
    EXPECT_TRUE(ReadAll("").empty());
}

TEST(AdifReaderHeader, ByteOrderMarkBeforeFirstTagIsIgnored) {
    EXPECT_EQ(ReadAll("\xEF\xBB\xBF<CALL:2>AB<EOR>").size(), 1u);
}

TEST(AdifReaderRecords, TagWithUnreadableLengthIsTextAndTheRecordKeepsItsFields) {
    for (const std::string bad : {"<NOTES:-5>", "<APP_X:1.5>", "a<b:c>d", "<CALL:abc>", "<CALL:>",
                                  "<CALL:6x>", "<CALL:99999999999999999999999>"}) {
        auto records = ReadAll("<QSL_RCVD:1>Y" + bad + "SP1ABC<DXCC:1>1<EOR><CALL:2>CD<EOR>");
        ASSERT_EQ(records.size(), 2u) << bad;
        EXPECT_EQ(records[0], (ReadRecord{Status::Ok,
                                          "<QSL_RCVD:1>Y" + bad + "SP1ABC<DXCC:1>1<EOR>",
                                          {None(), "Y", "1"}}))
            << bad;
        EXPECT_EQ(records[1].fields[0], "CD") << bad;
    }
}

TEST(AdifReaderRecords, DataEndingBetweenFieldsEndsTheLastRecordButInsideAFieldCutsIt) {
    for (const auto& [tail, status] :
         {std::pair{"<CALL:3>SP1", Status::Ok}, std::pair{"<CALL:3>SP1\r\n", Status::Ok},
          std::pair{"<CALL:9>SP1", Status::Truncated},
          std::pair{"<CALL:3>SP1<QSL_RC", Status::Truncated}}) {
        auto records = ReadAll(std::string("<CALL:2>AB<EOR>") + tail);
        ASSERT_EQ(records.size(), 2u) << tail;
        EXPECT_EQ(records[1].status, status) << tail;
        EXPECT_EQ(records[1].raw, tail);
    }
}

TEST(AdifReaderErrors, AbsurdLengthNeverOverreadsOrHangs) {
    auto records = ReadAll("<CALL:4194304>AB<EOR>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].status, Status::Truncated);
    EXPECT_EQ(records[0].raw, "<CALL:4194304>AB<EOR>");
}

TEST(AdifReaderErrors, OverlongRecordIsReportedByItsBeginningAndNextRecordIsRead) {
    AdifLimits small{8, 64, 16};
    std::string longValue(50, 'x');
    std::string file =
        "<CALL:2>AB<NOTES:50>" + longValue + "<COMMENT:50>" + longValue + "<EOR><CALL:2>CD<EOR>";
    for (size_t piece : {size_t{1}, size_t{3}, size_t{100}}) {
        auto records = ReadAll(file, piece, small);
        ASSERT_EQ(records.size(), 2u) << piece;
        EXPECT_EQ(records[0].status, Status::TooLong);
        EXPECT_EQ(records[0].raw.substr(0, 10), "<CALL:2>AB");
        EXPECT_EQ(records[0].fields[0], None());
        EXPECT_EQ(records[1].status, Status::Ok);
        EXPECT_EQ(records[1].fields[0], "CD");
    }
}

TEST(AdifReaderErrors, OverlongRecordIsTheSameWhetherItArrivesWholeOrInPieces) {
    std::string file = "<CALL:2>AB<NOTES:50>" + std::string(50, 'x') + "<EOR><CALL:2>CD<EOR>";
    const auto whole = ReadAll(file, SIZE_MAX, AdifLimits{4096, 64, 16});
    ASSERT_EQ(whole.size(), 2u);
    EXPECT_EQ(whole[0].status, Status::TooLong);
    EXPECT_EQ(whole[0].raw, file.substr(0, 64));
    for (size_t chunk : {size_t{1}, size_t{7}, size_t{64}})
        EXPECT_EQ(ReadAll(file, chunk, AdifLimits{chunk, 64, 16}), whole) << chunk;
}

TEST(AdifReaderStreaming, ResultDoesNotDependOnHowTheBytesArrive) {
    const std::string file =
        "Header <PROGRAMID:4>Test\r\n<EOH>\r\n"
        "<CALL:6>SP1ABC <QSL_RCVD:1:S>Y\r\n<DXCC:3>269 <COMMENT:9>a<eor>\r\nb<EOR>\r\n"
        "<call:4>DL1A<bad:x>ZZ<dxcc:2>23\r\n<eor>\r\n"
        "<CALL:3>OK1<APP_X> < <QSL_RCVD:1>N<EOR>\r\n<APP_LoTW_EOF>\r\n<CALL:4>G4";
    const auto whole = ReadAll(file);
    ASSERT_EQ(whole.size(), 4u);
    EXPECT_EQ(whole[0].fields, (std::vector<std::optional<std::string>>{"SP1ABC", "Y", "269"}));
    EXPECT_EQ(whole[1].fields, (std::vector<std::optional<std::string>>{"DL1A", None(), "23"}));
    EXPECT_EQ(whole[2].fields[1], "N");
    EXPECT_EQ(whole[3].status, Status::Truncated);
    for (size_t piece = 1; piece <= 40; ++piece)
        EXPECT_EQ(ReadAll(file, piece, AdifLimits{piece, 1024, 64}), whole) << piece;
}

class FailingSource : public ByteSource {
  public:
    long Read(char* into, size_t size) override {
        if (calls_++ > 0) return -1;
        std::string first = "<CALL:2>AB<EOR><CALL:2>C";
        size_t n = std::min(size, first.size());
        first.copy(into, n);
        return static_cast<long>(n);
    }
    const IoStatus& Error() const override { return error_; }

  private:
    int calls_ = 0;
    IoStatus error_ = IoStatus::System(IoStep::Read, "x", EIO);
};

TEST(AdifReaderErrors, FailedReadEndsReadingWithTheReason) {
    FailingSource source;
    AdifReader reader(source, kNames);
    ASSERT_TRUE(reader.Next());
    EXPECT_FALSE(reader.Next());
    EXPECT_EQ(reader.ReadError().step, IoStep::Read);
    EXPECT_EQ(reader.ReadError().reason, "Input/output error");
    EXPECT_FALSE(reader.Next());
}

TEST(AdifReaderHeader, KindOfDataIsToldFromItsHeaderOrItsBytes) {
    const struct {
        std::string data;
        bool lotw, notAdif;
    } cases[] = {
        {"ARRL Logbook of the World Status Report\r\nGenerated at 2024-01-01\r\n<eoh>", 1, 0},
        {"Report\r\n<APP_X:1>1<programid:4:S>lotw<EOH>", 1, 0},
        {"Log <PROGRAMID:6>LoTWx1<EOH>", 0, 0},
        {"<PROGRAMID:4>LoTW<EOR>", 0, 0},
        {"Header without end <CALL:2>AB<EOR>", 0, 0},
        {"", 0, 0},
        {"\xEF\xBB\xBF \r\n", 0, 0},
        {"  <adx><HEADER><ADIF_VER>3.1.0</ADIF_VER></HEADER></adx>", 0, 1},
        {std::string("\xFF\xFE<\0C\0A\0L\0L\0:\0\x32\0>\0", 18), 0, 1},
        {std::string("\x7F"
                     "ELF\2\1\1\0<CALL:2>AB<EOR>",
                     23),
         0, 1},
        {"CALL,QSO_DATE,DXCC\r\nSP1ABC,20240105,269\r\n", 0, 1},
    };
    for (const auto& c : cases) {
        MemoryByteSource source(c.data, 3);
        AdifReader reader(source, kNames);
        reader.ReadHeader();
        EXPECT_EQ(reader.LotwReport(), c.lotw) << c.data;
        while (reader.Next()) EXPECT_FALSE(c.notAdif) << c.data;
        EXPECT_EQ(reader.NotAdif(), c.notAdif) << c.data;
    }
}

TEST(AdifReaderFile, MissingFileIsReportedWithReason) {
    FileByteSource source("/nonexistent/dir/log.adi");
    EXPECT_FALSE(source.IsOpen());
    EXPECT_EQ(source.Error().path, "/nonexistent/dir/log.adi");
    EXPECT_EQ(source.Error().kind, IoKind::NotFound);
}

TEST(AdifJoinLines, RemovesLineBreaksAndLowersOnlyAsciiLetters) {
    EXPECT_EQ(JoinLines("<CALL:2>AB\r\n<EOR>\n"), "<CALL:2>AB<EOR>");
    EXPECT_EQ(JoinLinesLower("<CALL:3>\xA3"
                             "AB\r\n<EOR>"),
              "<call:3>\xA3"
              "ab<eor>");
}

}  // namespace
}  // namespace zorva

namespace zorva {
namespace {

TEST(AdifReaderFields, ManyWantedNamesAlikeInLengthAndLastLetterAreAllFound) {
    const std::vector<std::string> names = {"AX", "BX", "CX", "DX", "EX", "FX", "long_name_x"};
    MemoryByteSource source("<fx:1>6<ax:1>1<EX:1>5<Cx:1>3<bx:1>2<dX:1>4<LONG_NAME_X:1>7<eor>");
    AdifReader reader(source, names);
    ASSERT_TRUE(reader.Next());
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(reader.Field(i), std::to_string(i + 1));
}

}  // namespace
}  // namespace zorva
