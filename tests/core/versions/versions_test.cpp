#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "fault_sweep.h"
#include "io/file_system.h"
#include "temp_dir.h"
#include "test_rows.h"
#include "versions/keeping_rule.h"
#include "versions/version_list.h"
#include "versions/version_store.h"

namespace zorva {
namespace {

using testing::Row;
using testing::TempDir;
using Outcome = KeptVersion::Outcome;

// The first day of the runs, and a moment `days` after it.
LocalDateTime At(int days, int hour = 9, int minute = 0, int second = 0) {
    using namespace std::chrono;
    const year_month_day date{sys_days{2026y / 1 / 1} + std::chrono::days{days}};
    return {{int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))},
            hour,
            minute,
            second};
}

std::string Name(const LocalDateTime& time, int sequence = 1) {
    return FormatVersionName({time, sequence});
}

// A save as the program makes it: the version first, then the new bytes.
KeptVersion Save(TempDir& dir, const LocalDateTime& now, const std::string& bytes) {
    KeptVersion kept = KeepVersion(dir.File("sp9x.txt"), now);
    if (kept.ok()) dir.Write("sp9x.txt", bytes);
    return kept;
}

std::string Version(const TempDir& dir, const std::string& name) {
    return dir.Read("kopie/sp9x.txt/" + name);
}

std::string Station(const std::string& call) {
    return testing::StationBytes("SP9X", {Row("230", "", "DL", "Niemcy", call, "2021-03-04")});
}

TEST(VersionName, OnlyNamesTheProgramGivesAreVersions) {
    EXPECT_EQ(Name(At(40, 7, 5, 3)), "2026-02-10_070503.txt");
    EXPECT_EQ(Name(At(40, 7, 5, 3), 12), "2026-02-10_070503_12.txt");
    for (const char* name :
         {"2026-02-10_070503.txt", "2026-02-10_070503_2.txt", "2026-12-31_235959.txt"})
        EXPECT_EQ(FormatVersionName(*ParseVersionName(name)), name);
    for (const char* name :
         {"2026-02-10_070503", "2026-02-10_070503_1.txt", "2026-02-10_070503_02.txt",
          "2026-02-30_070503.txt", "2026-02-10_240000.txt", "2026-2-10_070503.txt",
          "../2026-02-10_070503.txt", "notatki.txt", " 2026-02-10_070503.txt"})
        EXPECT_FALSE(ParseVersionName(name)) << name;
}

// 100 saves over 90 days: one each day, two on days 0-4 and 80-84, each with new bytes.
TEST(KeepVersion, KeepsTheLastTwentyAndTheNewestOfEachDayForSixtyDays) {
    TempDir dir;
    dir.Write("sp9x.txt", "first");
    std::filesystem::create_directories(dir.File("kopie/sp9x.txt"));
    dir.Write("kopie/sp9x.txt/notatki.txt", "mine");
    int saves = 0;
    for (int day = 0; day < 90; ++day) {
        const bool twice = day < 5 || (day >= 80 && day < 85);
        for (int hour : {9, 18}) {
            if (hour == 18 && !twice) continue;
            ASSERT_EQ(Save(dir, At(day, hour), "save " + std::to_string(++saves)).outcome,
                      Outcome::Kept);
        }
    }
    ASSERT_EQ(saves, 100);
    struct Expectation {
        LocalDateTime time;
        bool kept;
    };
    const Expectation table[] = {
        {At(89), true},      // the newest
        {At(80, 9), true},   // not the newest of its day, but among the last 20
        {At(75), true},      // the 20th newest
        {At(74), true},      // beyond 20: the newest of a day 15 days ago
        {At(30), true},      // ... 59 days ago
        {At(29), false},     // 60 days ago
        {At(2, 18), false},  // 87 days ago
        {At(2, 9), false},
    };
    for (const Expectation& e : table)
        EXPECT_EQ(dir.Exists("kopie/sp9x.txt/" + Name(e.time)), e.kept) << Name(e.time);
    EXPECT_EQ(ListVersions(dir.File("sp9x.txt")).newestFirst.size(), 20u + 45u);
    EXPECT_EQ(dir.Read("kopie/sp9x.txt/notatki.txt"), "mine");
    EXPECT_EQ(Version(dir, Name(At(89))), "save 99");
}

TEST(KeepVersion, NothingWhenNoFileOrNothingChangedAndASecondSaveInTheSameSecondGetsItsOwn) {
    TempDir dir;
    EXPECT_EQ(Save(dir, At(0), "a").outcome, Outcome::NoFile);
    EXPECT_FALSE(dir.Exists("kopie"));
    EXPECT_EQ(Save(dir, At(1), "b").name, Name(At(1)));
    EXPECT_EQ(Save(dir, At(1), "c").name, Name(At(1), 2));
    EXPECT_EQ(Save(dir, At(1), "c").name, Name(At(1), 3));
    EXPECT_EQ(Save(dir, At(2), "c").outcome, Outcome::Unchanged);
    EXPECT_EQ(Version(dir, Name(At(1))), "a");
    EXPECT_EQ(Version(dir, Name(At(1), 2)), "b");
    EXPECT_EQ(Version(dir, Name(At(1), 3)), "c");
    EXPECT_FALSE(dir.Exists("kopie/sp9x.txt/" + Name(At(2))));
}

// A clock once set ahead left versions named later today and on later days.
TEST(KeepVersion, VersionsNamedAfterNowAreKeptButPushNothingOut) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("kopie/sp9x.txt"));
    std::vector<std::string> kept;
    for (int i = 0; i < 25; ++i) kept.push_back(Name(i < 15 ? At(0, 20, i) : At(i, 9)));
    for (const std::string& name : kept) dir.Write("kopie/sp9x.txt/" + name, "later");
    for (int minute = 0; minute < 3; ++minute)
        kept.push_back(Save(dir, At(0, 9, minute), std::to_string(minute)).name);
    for (const std::string& name : kept) EXPECT_TRUE(dir.Exists("kopie/sp9x.txt/" + name)) << name;
}

TEST(ListVersions, NewestFirstWithTheCountersEachWouldShow) {
    TempDir dir;
    const std::string empty = EncodeLines(testing::StationLines("SP9X", {})).bytes;
    const std::string three =
        EncodeLines(
            testing::StationLines(
                "SP9X", {Row("230", "", "DL", "Niemcy", "DL1A", "2021-03-04", "LoTW", "2022-01-02"),
                         Row("  1", "D", "VE", "Kanada", "VE3X", "2020-01-01", "QSL"),
                         Row("269", "", "SP", "Polska", "SP1A", "2020-02-02", "QSL")}))
            .bytes;
    dir.Write("sp9x.txt", empty);
    const std::chrono::sys_seconds june{std::chrono::sys_days{std::chrono::year{2020} / 6 / 15}};
    std::filesystem::last_write_time(dir.File("sp9x.txt"), std::chrono::file_clock::from_sys(june));
    Save(dir, At(3), three);
    Save(dir, At(4), "");
    EXPECT_TRUE(ListVersions(dir.File("inna.txt")).newestFirst.empty());
    VersionList list = ListVersions(dir.File("sp9x.txt"));
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list.newestFirst.size(), 2u);
    EXPECT_EQ(list.newestFirst[0].name, Name(At(4)));
    EXPECT_EQ(DateTimeText(list.newestFirst[0].time), "2026-01-05 09:00:00");
    EXPECT_EQ(list.newestFirst[0].counterTexts,
              (std::array<std::string, 4>{"Razem:       2/3", "Zweryfikowane:   1/1",
                                          "Do weryfikacji:  1/2", "QSL/LoTW:  2/1"}));
    EXPECT_EQ(list.newestFirst[1].error,
              "nie do przywrócenia: plik nie zawiera żadnej linii podmiotu");
    EXPECT_EQ(IsoDate(list.newestFirst[1].saved.date).substr(0, 7), "2020-06");  // not day 3
}

TEST(RestoreVersion, ReplacesTheFileAndKeepsItFirstSoTheRestoreCanBeUndone) {
    TempDir dir;
    dir.Write("sp9x.txt", Station("A"));
    Save(dir, At(0), Station("B"));
    ASSERT_TRUE(RestoreVersion(dir.File("sp9x.txt"), Name(At(0)), At(1)).ok());
    EXPECT_EQ(dir.Read("sp9x.txt"), Station("A"));
    EXPECT_EQ(Version(dir, Name(At(1))), Station("B"));
    ASSERT_TRUE(RestoreVersion(dir.File("sp9x.txt"), Name(At(1)), At(2)).ok());
    EXPECT_EQ(dir.Read("sp9x.txt"), Station("B"));
    EXPECT_EQ(RestoreVersion(dir.File("sp9x.txt"), "notatki.txt", At(3)).error,
              "Nie ma wersji notatki.txt pliku " + dir.File("sp9x.txt") + ".");
    const std::pair<std::string, std::string> notStations[] = {
        {"", "plik jest pusty (0 bajtów)"},
        {std::string(9, '\n') + std::string(900, '\x9c'),
         "plik zawiera linię, która nie jest linią podmiotu"}};
    for (const auto& [bytes, why] : notStations) {
        dir.Write("kopie/sp9x.txt/" + Name(At(5)), bytes);
        EXPECT_EQ(RestoreVersion(dir.File("sp9x.txt"), Name(At(5)), At(6)).error,
                  "Wersja " + Name(At(5)) + " pliku " + dir.File("sp9x.txt") +
                      " nie może zostać przywrócona: " + why + ".");
        EXPECT_EQ(dir.Read("sp9x.txt"), Station("B"));
    }
}

using Command = std::function<std::string(TempDir&)>;  // the error it reports

struct FaultRun {
    testing::FileSet before, after;
    testing::OpCounts counts;
    std::string error;
};

// 25 versions of days 0-24, then the command at day 70, which lets 6 of them go.
FaultRun RunCommand(const testing::FaultPoint& point, const Command& command) {
    TempDir dir;
    dir.Write("sp9x.txt", "A");
    std::filesystem::create_directories(dir.File("kopie/sp9x.txt"));
    for (int day = 0; day < 25; ++day)
        dir.Write("kopie/sp9x.txt/" + Name(At(day)), Station("B" + std::to_string(day)));
    FaultRun run;
    run.before = testing::FilesIn(dir.Path());
    run.counts = testing::RunWithFault(point, [&] { run.error = command(dir); });
    run.after = testing::FilesIn(dir.Path());
    return run;
}

// Every single failing file operation leaves each file old or new; a version that
// was not written stops the save or the restore, which says so.
TEST(VersionFaults, AFailedVersionLeavesTheStationFileAsItWasAndIsReported) {
    const Command keep = [](TempDir& dir) {
        KeptVersion kept = Save(dir, At(70), "C");
        return kept.ok() ? "" : VersionNotKeptMessage(dir.File("sp9x.txt"), kept.error);
    };
    const Command restore = [](TempDir& dir) {
        return RestoreVersion(dir.File("sp9x.txt"), Name(At(3)), At(70)).error;
    };
    const std::string newVersion = "kopie/sp9x.txt/" + Name(At(70));
    for (const Command& command : {keep, restore}) {
        const FaultRun clean = RunCommand({}, command);
        ASSERT_EQ(clean.error, "");
        for (const testing::FaultPoint& point : testing::FaultPointsOf(clean.counts)) {
            const FaultRun run = RunCommand(point, command);
            EXPECT_TRUE(testing::OldOrNew(run.before, clean.after, run.after)) << point.Describe();
            const bool stationKept = run.after.at("sp9x.txt") == run.before.at("sp9x.txt");
            if (!run.after.count(newVersion)) {
                EXPECT_TRUE(stationKept) << point.Describe();
            }
            if (stationKept) {
                EXPECT_NE(run.error, "") << point.Describe();
            }
        }
    }
    const std::string reason = testing::IoReason();
    const FaultRun failed = RunCommand({FileOp::Write, 1}, keep);
    EXPECT_NE(failed.error.find("Nie można zapisać kopii pliku "), std::string::npos);
    EXPECT_NE(failed.error.find(reason), std::string::npos);
    EXPECT_NE(failed.error.find("Można je zapisać pod inną nazwą (Zapisz jako..)."),
              std::string::npos);
}

}  // namespace
}  // namespace zorva
