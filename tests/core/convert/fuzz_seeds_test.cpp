// Old station files the conversion fuzz target starts from; each is a file the
// conversion takes, so the seeds reach past the recognition of the list.
#include "fuzz_seeds.h"

#include <gtest/gtest.h>

#include "convert/convert.h"
#include "convert/old_entity_lists.h"
#include "convert/old_station_file.h"
#include "old_file_fixture.h"

namespace zorva {
namespace {

using testing::k2001Line;
using testing::k2006Line;
using testing::OldFileLines;

std::string Bytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

TEST(FuzzSeeds, OldStationFilesOfBothListsAreRecognised) {
    const auto old2001 = OldFileLines(
        rade1, k2001Line, {{0, {"DU1/SP9ABC", "", "2004-01-20"}}, {3, {"SP9XYZ", "17.05.2003"}}});
    const auto old2006 = OldFileLines(rade2, k2006Line, {{0, {"9H1SMO", "05.06.2007", ""}}}, 20);
    EXPECT_NE(RecogniseOldList(old2001[2]), nullptr);
    EXPECT_NE(RecogniseOldList(old2006[2]), nullptr);
    EXPECT_TRUE(ConvertOldLines(old2001, ConversionTemplate{"t", {}, true}, "08.12.2026").ok());
    testing::WriteFuzzSeed("old_station_file", "list_2001",
                           testing::WithYesAnswers(Bytes(old2001)));
    testing::WriteFuzzSeed("old_station_file", "list_2006",
                           testing::WithYesAnswers(Bytes(old2006)));
}

}  // namespace
}  // namespace zorva
