#include "files/reference_file.h"

#include <gtest/gtest.h>

#include <set>

#include "files/file_messages.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva {
namespace {

using testing::CrLf;
using testing::Row;
using testing::TempDir;

TEST(ReferenceLine, FormatsThe37CharacterLayout) {
    EntityRow row = Row("246", "", "1A0", "Military Order of Malta", "SP1X", "d", "QSL", "v");
    EXPECT_EQ(FormatReferenceLine(row), "246| |1A0  |Military Order of Malta |");
    EXPECT_EQ(FormatReferenceLine(Row("1", "D", "VERYLONG", std::string(30, 'n'))),
              "  1|D|VERYL|" + std::string(24, 'n') + "|");
}

TEST(ReferenceLine, ParsesKeyUntrimmedAndFieldsTrimmed) {
    EntityRow row = ParseReferenceLine(" 12|D|3Y/B |Bouvet                  |");
    EXPECT_EQ(row.adif, " 12");
    EXPECT_EQ(row.deleted, "D");
    EXPECT_EQ(row.prefix, "3Y/B");
    EXPECT_EQ(row.name, "Bouvet");
    EXPECT_TRUE(row.call.empty());
    EXPECT_EQ(ReferenceKey("  1"), "  1");
    EXPECT_EQ(ReferenceKey("7"), "7");
}

TEST(ReferenceLine, BadLineLacksASeparator) {
    EXPECT_FALSE(IsBadReferenceLine("246| |1A0  |Military Order of Malta |"));
    EXPECT_TRUE(IsBadReferenceLine("246| |1A0  |Military Order of Malta"));
    EXPECT_TRUE(IsBadReferenceLine("246|  1A0  |Military Order of Malta |"));
    EXPECT_TRUE(IsBadReferenceLine(""));
}

TEST(ReferenceDataView, ShowsDOnlyForExactlyD) {
    EXPECT_EQ(ReferenceDataView(Row("246", "D", "1A0", "Malta")),
              "246|D|1A0  |Malta                   ");
    EXPECT_EQ(ReferenceDataView(Row("246", "x", "1A0", "Malta")),
              "246| |1A0  |Malta                   ");
}

TEST(ReferenceList, StopsAtTheFirstLineThatIsNotAnEntityLine) {
    TempDir dir;
    for (const std::string bad : {"   ", "12", "bad"}) {
        dir.Write("ref.kvt", CrLf({"  1| |VE   |Canada                  |", "", bad,
                                   "230| |DL   |Germany                 |"}));
        ReferenceList list = ReadReferenceList(dir.File("ref.kvt"));
        ASSERT_TRUE(list.ok());
        EXPECT_EQ(list.lines, (std::vector<std::string>{"  1| |VE   |Canada                  |"}));
        EXPECT_EQ(list.badLine, bad);
    }
    EXPECT_FALSE(ReadReferenceList(dir.File("missing.kvt")).ok());
}

TEST(ShippedReferenceFile, HoldsEveryEntityOnce) {
    ReferenceList list = ReadReferenceList(std::string(ZORVA_SOURCE_DIR) + "/data/dxcc_adif.kvt");
    ASSERT_TRUE(list.ok()) << FileErrorMessage(list.status);
    std::set<std::string> keys;
    int current = 0;
    for (const auto& line : list.lines) {
        EXPECT_FALSE(IsBadReferenceLine(line)) << line;
        EntityRow row = ParseReferenceLine(line);
        EXPECT_TRUE(keys.insert(row.adif).second) << line;
        EXPECT_EQ(FormatReferenceLine(row), line);
        if (row.deleted.empty()) ++current;
    }
    EXPECT_EQ(list.lines.size(), 402u);
    EXPECT_EQ(current, 340);
}

TEST(MissingReference, NamesThePathInQuotes) {
    EXPECT_EQ(MissingReferenceMessage("/opt/z/dxcc_adif.kvt"),
              "Plik wzorcowy \"/opt/z/dxcc_adif.kvt\" nie został znaleziony!\n"
              "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.");
}

}  // namespace
}  // namespace zorva
