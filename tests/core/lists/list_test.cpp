#include <gtest/gtest.h>

#include "document_rows.h"
#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/text_file.h"
#include "lists/list_commands.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"
#include "text/cp1250.h"
#include "text/utf8.h"

namespace zorva {
namespace {

using testing::FixedClock;
using testing::Row;
using testing::ScriptedPrompter;
using testing::TempDir;

// A station with a verified QSL and LoTW row, waiting QSL, LoTW and deleted rows,
// a "qsl" in small letters, a call without a method, an unconfirmed row, and a
// call and a name over their widths.
EntityTable SmallStation() {
    EntityTable table;
    table.Append(Row("  1", "", "VE", "Canada", "VE3ABC", "2019-05-06", "QSL", "2020-01-01"));
    table.Append(Row(" 12", "", "T5", "Somalia", "T5X", "2020-01-02", "QSL"));
    table.Append(Row("230", "", "SP", "Polska Łódź", "SP9ABC", "2021-02-03", "LoTW"));
    table.Append(
        Row(" 53", "D", "Y2", "German Dem. Rep.", "Y21ABCDEFGHIJKLMNOP", "1980-01-01", "QSL"));
    table.Append(
        Row("291", "", "K", "United States of America and more", "W1AW", "2018-01-01", "qsl"));
    table.Append(Row(" 21", "", "EA6", "Balearic Is."));
    table.Append(Row("150", "", "VK", "Australia", "VK2A", "2017-01-01", "LoTW", "2019-09-09"));
    table.Append(Row("100", "", "LU", "Argentina", "LU1A", "2016-01-01", ""));
    return table;
}

std::string FileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += *EncodeCp1250(line) + "\r\n";
    return bytes;
}

void ExpectWidth(const std::vector<std::string>& lines, size_t from, size_t width) {
    for (size_t i = from; i < lines.size(); ++i) EXPECT_EQ(width, CharCount(lines[i])) << lines[i];
}

TEST(ListLines, VerifiedListShowsOnlyVerifiedConfirmations) {
    const auto lines = VerifiedListLines(SmallStation(), "sp1abc", "08.12.2026");
    const auto header = StationHeaderLines("SP1ABC", "08.12.2026");
    ASSERT_EQ(7u + 8u, lines.size());
    EXPECT_EQ("; SP1ABC  08.12.2026", lines[0]);
    EXPECT_EQ(header, std::vector<std::string>(lines.begin(), lines.begin() + 7));
    const std::vector<std::string> rows = {
        "  1| |VE   |Canada                  |VE3ABC         |2019-05-06|QSL |2020-01-01|",
        " 12| |T5   |Somalia                 |               |          |    |          |",
        "230| |SP   |Polska Łódź             |               |          |    |          |",
        " 53|D|Y2   |German Dem. Rep.        |               |          |    |          |",
        "291| |K    |United States of America|               |          |    |          |",
        " 21| |EA6  |Balearic Is.            |               |          |    |          |",
        "150| |VK   |Australia               |VK2A           |2017-01-01|LoTW|2019-09-09|",
        "100| |LU   |Argentina               |               |          |    |          |",
    };
    EXPECT_EQ(rows, std::vector<std::string>(lines.begin() + 7, lines.end()));
    ExpectWidth(lines, 7, 80);
}

TEST(ListLines, VerificationListHasItsHeaderThenQslThenLotw) {
    const EntityTable table = SmallStation();
    const auto lines = VerificationListLines(table, "sp9xyz", "08.12.2026", Counters::Of(table));
    const std::vector<std::string> expected = {
        "; SP9XYZ",
        "; 08.12.2026",
        ";",
        ";",
        ";Stan zweryfikowanych  : 2/2",
        ";Stan do zweryfikowania: 4/5",
        "---------------------------------------------------------------------",
        " 12| |T5   |Somalia                 |T5X            |2020-01-02|QSL |",
        " 53|D|Y2   |German Dem. Rep.        |Y21ABCDEFGHIJKL|1980-01-01|QSL |",
        "230| |SP   |Polska Łódź             |SP9ABC         |2021-02-03|LoTW|",
    };
    EXPECT_EQ(expected, lines);
    ExpectWidth(lines, 6, 69);
}

TEST(ListLines, ConfirmationListsTakeTheExactMethodOnly) {
    const EntityTable table = SmallStation();
    const std::vector<std::string> qsl = {
        "VE3ABC         2019-05-06  VE       1  Canada                    QSL  2020-01-01",
        "T5X            2020-01-02  T5      12  Somalia                   QSL            ",
        "Y21ABCDEFGHIJKL1980-01-01  Y2      53  German Dem. Rep.          QSL            ",
    };
    const std::vector<std::string> lotw = {
        "SP9ABC         2021-02-03  SP     230  Polska Łódź               LoTW           ",
        "VK2A           2017-01-01  VK     150  Australia                 LoTW 2019-09-09",
    };
    EXPECT_EQ(qsl, ConfirmationListLines(table, Confirmation::Qsl));
    EXPECT_EQ(lotw, ConfirmationListLines(table, Confirmation::Lotw));
    ExpectWidth(ConfirmationListLines(table, Confirmation::Qsl), 0, 80);
    ExpectWidth(ConfirmationListLines(table, Confirmation::Lotw), 0, 80);
    EXPECT_TRUE(ConfirmationListLines(EntityTable{}, Confirmation::Qsl).empty());
}

TEST(ListNames, DotRuleSearchesTheWholePath) {
    EXPECT_EQ("/home/op/lista.txt", WithTxtWhenNoDot("/home/op/lista"));
    EXPECT_EQ("/home/op.sp/lista", WithTxtWhenNoDot("/home/op.sp/lista"));
    EXPECT_EQ("/home/op/lista.TXT", WithTxtWhenNoDot("/home/op/lista.TXT"));
}

TEST(ListNames, ProposedNames) {
    EXPECT_EQ("sp9xyz_08.12.2026.txt", VerificationListName("sp9xyz", "08.12.2026"));
    EXPECT_EQ("sp9xyz-p_2026-12-08.txt", VerificationListName("sp9xyz/p", "2026/12/08"));
    EXPECT_EQ("a-b-c-d-e-f-g-h-i_x.txt", VerificationListName("a\\b:c*d?e\"f<g>h|i", "x"));
    EXPECT_EQ("/home/op/sp1abc_qsl.txt",
              ConfirmationListName("/home/op/sp1abc.txt", Confirmation::Qsl));
    EXPECT_EQ("/home/op/sp1abc_lotw.txt",
              ConfirmationListName("/home/op/sp1abc.txt", Confirmation::Lotw));
    EXPECT_EQ("/home/op/SP1ABC.TXT_qsl.txt",
              ConfirmationListName("/home/op/SP1ABC.TXT", Confirmation::Qsl));
    EXPECT_EQ("/a/b.txt_qsl.txt", ConfirmationListName("/a.txt/b.txt", Confirmation::Qsl));
}

class ShortDateClock : public Clock {
  public:
    CivilDate Today() const override { return {2026, 12, 8}; }
    std::string TodayShort() const override { return "2026/12/08"; }
    LocalDateTime Now() const override { return {Today(), 12, 0, 0}; }
};

class ListCommands : public ::testing::Test {
  protected:
    ListCommands() : station(prompter, clock, dir.Path()) {
        *RowsOf(station.Document()) = SmallStation();
        SetCounters(station.Document(), Counters::Of(station.Document().Table()));
        station.Document().SetCall("SP1ABC");
        station.Document().SetFileName(dir.File("sp1abc.txt"));
    }

    FileChoice Choice(const std::string& preset) const { return {kFileFilter, preset, ""}; }
    void ExpectReplace(Answer answer) {
        prompter.ExpectBox({"Plik o tej nazwie już istnieje!\nZastąpić go?",
                            "Ostrzeżenie",
                            Icon::Warning,
                            Buttons::YesNoCancel,
                            {}},
                           answer);
    }
    void ExpectCall(std::optional<std::string> answer) {
        prompter.ExpectInput("Identyfikacja stacji",
                             "Podaj znak stacji, której zapisywany plik:", "SP1ABC", answer);
    }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock;
    Station station;
};

TEST_F(ListCommands, VerifiedListIsWrittenInTheCodePageAndKeepsModified) {
    station.Document().SetModified(true);
    station.View().texts.modifiedPanel = "Modyfikacja";
    prompter.ExpectSaveFile(Choice(""), dir.File("zweryfikowane"));
    prompter.ExpectBox(
        {"Dane zostały zapisane.", "Informacja", Icon::Information, Buttons::Ok, {}});
    SaveVerifiedList(station.Document(), prompter, clock);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(FileBytes(VerifiedListLines(station.Document().Table(), "SP1ABC", "08.12.2026")),
              dir.Read("zweryfikowane.txt"));
    EXPECT_NE(std::string::npos, dir.Read("zweryfikowane.txt")
                                     .find("Polska \xA3\xF3"
                                           "d\x9F"));
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ("Modyfikacja", station.View().texts.modifiedPanel);
}

TEST_F(ListCommands, NoToReplacingAsksForAnotherFileAndCancelLeavesTheOldOne) {
    dir.Write("stara.txt", "old");
    prompter.ExpectSaveFile(Choice(""), dir.File("stara.txt"));
    ExpectReplace(Answer::No);
    prompter.ExpectSaveFile(Choice(""), dir.File("stara.txt"));
    ExpectReplace(Answer::Cancel);
    EXPECT_FALSE(SaveVerifiedList(station.Document(), prompter, clock));
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ("old", dir.Read("stara.txt"));

    prompter.ExpectSaveFile(Choice(""), std::nullopt);
    SaveVerifiedList(station.Document(), prompter, clock);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ListCommands, VerificationListProposesCallAndDateAndAsksTheCallAgainAfterNo) {
    dir.Write("sp9xyz.txt", "old");
    ExpectCall("SP9xyz");
    prompter.ExpectSaveFile(Choice("sp9xyz_08.12.2026.txt"), dir.File("sp9xyz.txt"));
    ExpectReplace(Answer::No);
    ExpectCall("sp9abc");
    prompter.ExpectSaveFile(Choice("sp9abc_08.12.2026.txt"), dir.File("sp9xyz.txt"));
    ExpectReplace(Answer::Yes);
    prompter.ExpectBox({"Dane zostały zapisane!", "Komunikat", Icon::Information, Buttons::Ok, {}});
    SaveVerificationList(station.Document(), prompter, clock);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(FileBytes(VerificationListLines(station.Document().Table(), "SP9ABC", "08.12.2026",
                                              station.Document().Counts())),
              dir.Read("sp9xyz.txt"));
    EXPECT_EQ("SP1ABC", station.Document().Call());
    EXPECT_FALSE(station.Document().IsModified());
}

TEST_F(ListCommands, VerificationListEndsOnCancelOrAnEmptyCall) {
    ExpectCall(std::nullopt);
    SaveVerificationList(station.Document(), prompter, clock);
    ExpectCall("");
    SaveVerificationList(station.Document(), prompter, clock);
    ExpectCall("SP9XYZ");
    prompter.ExpectSaveFile(Choice("sp9xyz_08.12.2026.txt"), std::nullopt);
    SaveVerificationList(station.Document(), prompter, clock);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ListCommands, VerificationListNameHoldsNoCharacterAFileNameCannotHave) {
    ShortDateClock slashes;
    Station other(prompter, slashes, dir.Path());
    other.Document().SetCall("SP1ABC");
    ExpectCall("SP9XYZ/P");
    prompter.ExpectSaveFile(Choice("sp9xyz-p_2026-12-08.txt"), std::nullopt);
    SaveVerificationList(other.Document(), prompter, slashes);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ListCommands, ACallTheCodePageCannotHoldIsReportedAndNothingIsWritten) {
    ExpectCall("SP9Ω");
    prompter.ExpectSaveFile(Choice("sp9Ω_08.12.2026.txt"), dir.File("lista.txt"));
    const std::string reason = FileErrorMessage(
        EncodeLines(VerificationListLines(station.Document().Table(), "sp9Ω", "08.12.2026",
                                          station.Document().Counts()))
            .status);
    ASSERT_FALSE(reason.empty());
    prompter.ExpectError(reason);
    SaveVerificationList(station.Document(), prompter, clock);
    EXPECT_TRUE(prompter.Done());
    EXPECT_FALSE(dir.Exists("lista.txt"));
}

TEST_F(ListCommands, ConfirmationListsOverwriteWithoutAskingAndShowNothing) {
    dir.Write("sp1abc_qsl.txt", "old");
    prompter.ExpectSaveFile(Choice(dir.File("sp1abc_qsl.txt")), dir.File("sp1abc_qsl.txt"));
    SaveConfirmationList(station.Document(), prompter, Confirmation::Qsl);
    prompter.ExpectSaveFile(Choice(dir.File("sp1abc_lotw.txt")), dir.File("lotw"));
    SaveConfirmationList(station.Document(), prompter, Confirmation::Lotw);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(FileBytes(ConfirmationListLines(station.Document().Table(), Confirmation::Qsl)),
              dir.Read("sp1abc_qsl.txt"));
    EXPECT_EQ(FileBytes(ConfirmationListLines(station.Document().Table(), Confirmation::Lotw)),
              dir.Read("lotw.txt"));
}

TEST_F(ListCommands, AFailedWriteIsReportedWithItsReason) {
    const std::string target = dir.File("brak/lista.txt");
    const std::string reason = FileErrorMessage(WriteTextLines(target, {"x"}));
    ASSERT_FALSE(reason.empty());
    prompter.ExpectSaveFile(Choice(""), target);
    prompter.ExpectError(reason);
    EXPECT_FALSE(SaveVerifiedList(station.Document(), prompter, clock));
    EXPECT_TRUE(prompter.Done());
}

}  // namespace
}  // namespace zorva
