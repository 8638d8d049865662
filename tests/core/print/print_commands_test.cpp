#include "print/print_commands.h"

#include <gtest/gtest.h>

#include "document_rows.h"
#include "recording_page_sink.h"
#include "report_fixtures.h"
#include "scripted_prompter.h"

namespace zorva {
namespace {

using testing::CountStartingWith;
using testing::FixedClock;
using testing::RecordingPageSink;
using testing::Row;
using testing::ScriptedPrompter;

const MessageBox kSent{
    "Dane zostały wysłane do drukarki!", "Komunikat", Icon::Information, Buttons::Ok, {}};

class PrintCommands : public ::testing::Test {
  protected:
    PrintCommands() : station(prompter, clock, "/tmp") {
        station.Document().SetCall("SP1ABC");
        RowsOf(station.Document())->Append(Row(1, "T5", "Somalia", "T5X", "2020-01-02", "QSL"));
        RowsOf(station.Document())
            ->Append(Row(2, "SP", "Poland", "SP9A", "2019-03-04", "LoTW", "2021-05-06"));
        SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    }

    ChoosePrinter Printer() {
        return [this] { return &sink; };
    }
    static ChoosePrinter Cancelled() {
        return [] { return nullptr; };
    }
    void ExpectCall(const std::string& offered, std::optional<std::string> answer) {
        prompter.ExpectInput("Identyfikacja stacji",
                             "Podaj znak stacji, której dotyczy wydruk:", offered, answer);
    }

    ScriptedPrompter prompter;
    FixedClock clock;
    Station station;
    RecordingPageSink sink;
};

TEST_F(PrintCommands, NormalListAsksForTheCallPrintsAndReports) {
    ExpectCall("SP1ABC", "sp9xyz");
    prompter.ExpectBox(kSent);
    PrintNormalList(station, PrintMode::Complete, Printer());
    EXPECT_TRUE(prompter.Done());
    ASSERT_TRUE(sink.Finished());
    ASSERT_EQ(1u, sink.Pages().size());
    const Page& page = sink.Pages()[0];
    EXPECT_EQ("SP9XYZ", page[1].text);
    EXPECT_EQ("Data: 08.12.2026", page[2].text);
    EXPECT_EQ("Stan zweryfikowanych: 1/1", page[3].text);
    EXPECT_EQ("Stan do zweryfikowania: 1/1", page[4].text);
    EXPECT_EQ("SP1ABC", station.Document().Call());  // the typed call is for the title only
}

TEST_F(PrintCommands, CancelledPrintDialogEndsTheCommand) {
    PrintNormalList(station, PrintMode::Verified, Cancelled());
    PrintSimplifiedList(station, PrintMode::ToVerify, Cancelled());
    PrintVerificationReport(station, Cancelled());
    EXPECT_TRUE(prompter.Done());
}

TEST_F(PrintCommands, CancelOrAnEmptyCallEndsEveryPrintWithoutPrinting) {
    ExpectCall("SP1ABC", std::nullopt);
    PrintNormalList(station, PrintMode::Verified, Printer());
    ExpectCall("", "");
    PrintSimplifiedList(station, PrintMode::Complete, Printer());
    ExpectCall("SP1ABC", "  ");
    PrintVerificationReport(station, Printer());
    EXPECT_TRUE(prompter.Done());
    EXPECT_TRUE(sink.Calls().empty());
}

TEST_F(PrintCommands, LandscapeWarnsThenTheNormalListAndTheReportPrintButTheSimplifiedListStops) {
    RecordingPageSink landscape(Orientation::Landscape);
    ChoosePrinter choose = [&] { return &landscape; };
    prompter.ExpectError("Ustaw pionową orientację papieru w drukarce!");
    PrintSimplifiedList(station, PrintMode::Complete, choose);
    EXPECT_TRUE(landscape.Calls().empty());

    prompter.ExpectError("Ustaw pionową orientację papieru w drukarce!");
    ExpectCall("SP1ABC", "SP1ABC");
    prompter.ExpectBox(kSent);
    PrintNormalList(station, PrintMode::Complete, choose);
    EXPECT_TRUE(landscape.Finished());

    RecordingPageSink again(Orientation::Landscape);
    prompter.ExpectError("Ustaw pionową orientację papieru w drukarce!");
    ExpectCall("SP1ABC", "SP1ABC");
    prompter.ExpectBox(kSent);
    PrintVerificationReport(station, [&] { return &again; });
    EXPECT_TRUE(again.Finished());
    EXPECT_TRUE(prompter.Done());
}

TEST_F(PrintCommands, TheModeChoosesTheEntitiesOfOnePrint) {
    ExpectCall("", "SP1ABC");
    prompter.ExpectBox(kSent);
    PrintSimplifiedList(station, PrintMode::ToVerify, Printer());
    EXPECT_EQ(0, CountStartingWith(sink.Pages()[0], "Stan zweryfikowanych"));

    RecordingPageSink next;
    ExpectCall("", "SP1ABC");
    prompter.ExpectBox(kSent);
    PrintSimplifiedList(station, PrintMode::Complete, [&] { return &next; });
    EXPECT_EQ(1, CountStartingWith(next.Pages()[0], "Stan zweryfikowanych"));
    EXPECT_TRUE(prompter.Done());
}

TEST_F(PrintCommands, VerificationReportListsTheWaitingEntityUnderTheTypedTitle) {
    ExpectCall("SP1ABC", "SP9XYZ");
    prompter.ExpectBox(kSent);
    PrintVerificationReport(station, Printer());
    ASSERT_TRUE(sink.Finished());
    const Page& page = sink.Pages()[0];
    EXPECT_EQ(1, CountStartingWith(page, "|  1|  1| |T5"));
    EXPECT_EQ(0, CountStartingWith(page, "|  2|"));
    EXPECT_EQ(" Zestawienie: SP1ABC   08.12.2026   Strona 1", page.back().text);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(PrintCommands, APrinterThatRefusesTheDocumentIsReportedNotAnnouncedAsSent) {
    sink.FailWith("Nie można zapisać pliku /brak/raport.pdf");
    ExpectCall("SP1ABC", "SP1ABC");
    prompter.ExpectError("Nie można zapisać pliku /brak/raport.pdf");
    PrintNormalList(station, PrintMode::Verified, Printer());
    EXPECT_TRUE(prompter.Done());
}

}  // namespace
}  // namespace zorva
