#include "files/entity_line.h"

#include <gtest/gtest.h>

#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/text_file.h"
#include "text/utf8.h"

namespace zorva {
namespace {

TEST(EntityLine, ParsesAndFormatsTheFourFields) {
    const std::string line = " 12|D|3Y/B |Bouvet                  |";
    EXPECT_TRUE(HasEntitySeparators(line));
    EntityRow row = ParseEntityLine(line);
    EXPECT_EQ(row.adif, " 12");
    EXPECT_EQ(row.deleted, "D");
    EXPECT_EQ(row.prefix, "3Y/B");
    EXPECT_EQ(row.name, "Bouvet");
    EXPECT_EQ(FormatEntityLine(row.adif, true, row.prefix, row.name), line);
    EXPECT_EQ(FormatEntityLine("  1", false, "VERYLONG", std::string(30, 'n')),
              "  1| |VERYL|" + std::string(24, 'n') + "|");
}

TEST(EntityLine, ShippedReferenceFilesReadBackThroughTheLayout) {
    for (const char* name : {"/data/dxcc_adif.kvt", "/data/dxcc_adif_backup.kvt"}) {
        SCOPED_TRACE(name);
        TextLines file = ReadTextLines(std::string(ZORVA_SOURCE_DIR) + name);
        ASSERT_TRUE(file.ok()) << FileErrorMessage(file.status);
        ASSERT_FALSE(file.lines.empty());
        for (const std::string& line : file.lines) {
            ASSERT_TRUE(HasEntitySeparators(line)) << line;
            EXPECT_EQ(CharCount(line), entity_line::kWidth) << line;
            const EntityRow row = ParseEntityLine(line);
            EXPECT_EQ(FormatEntityLine(row.adif, row.deleted == "D", row.prefix, row.name), line);
            EXPECT_EQ(FormatStationLine(row).substr(0, line.size()), line);
        }
    }
}

}  // namespace
}  // namespace zorva
