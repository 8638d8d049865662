#include "files/settings_file.h"

#include <gtest/gtest.h>

#include "io/fault_injection.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using testing::TempDir;

TEST(Settings, EmptyTextGivesEveryDefault) {
    EXPECT_EQ(ParseSettings(""), Settings{});
}

TEST(Settings, ReadsEveryKeyOfEverySection) {
    Settings s = ParseSettings(
        "[Konfiguracja]\nZnak=SP5ABC\nPlik=/home/op/sp5abc.txt\n"
        "[Widok]\nWysokosc okna=500\nSzerokosc okna=700\n"
        "[Tabela]\nSzerokosc ADIF=1\nSzerokosc Deleted=2\nSzerokosc prefiksu=3\nSzerokosc nazwy=4\n"
        "Szerokosc znaku=5\nSzerokosc daty QSO=6\nSzerokosc QSL=7\nSzerokosc daty weryfikacji=8\n"
        "Wysokosc wierszy=30\nCzcionka=Courier New\nWielkosc czcionki=12\nGrubosc czcionki=1\n"
        "Kolor potwierdzonych=1\nKolor zweryfikowanych=2\nKolor usunietych=3\nKolor pozostalych=4\n"
        "[Wyswietlanie]\nUsuniete=1\nWszystkie=0\nWszystkie bez zweryfikowanych=0\nDo "
        "weryfikacji=1\n"
        "Potwierdzone=0\nZweryfikowane=0\n");
    EXPECT_EQ(s.call, "SP5ABC");
    EXPECT_EQ(s.file, "/home/op/sp5abc.txt");
    EXPECT_EQ(s.windowHeight, 500);
    EXPECT_EQ(s.windowWidth, 700);
    EXPECT_EQ(s.columnWidths, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s.rowHeight, 30);
    EXPECT_EQ(s.fontName, "Courier New");
    EXPECT_EQ(s.fontSize, 12);
    EXPECT_TRUE(s.fontBold);
    EXPECT_EQ(s.confirmedColour, 1);
    EXPECT_EQ(s.verifiedColour, 2);
    EXPECT_EQ(s.deletedColour, 3);
    EXPECT_EQ(s.otherColour, 4);
    EXPECT_TRUE(s.hideDeleted);
    EXPECT_FALSE(s.viewAll);
    EXPECT_TRUE(s.viewToVerify);
}

TEST(Settings, TextWhereANumberBelongsGivesTheDefault) {
    Settings s = ParseSettings(
        "[Tabela]\nSzerokosc ADIF=abc\nSzerokosc nazwy=12px\nWielkosc czcionki=\nKolor "
        "pozostalych=99999999999\n"
        "Wysokosc wierszy= 25 \nSzerokosc znaku=-4\n[Wyswietlanie]\nWszystkie=tak\nUsuniete=7\n");
    EXPECT_EQ(s.columnWidths[0], 35);
    EXPECT_EQ(s.columnWidths[3], 167);
    EXPECT_EQ(s.fontSize, 10);
    EXPECT_EQ(s.otherColour, 16777215);
    EXPECT_EQ(s.rowHeight, 25);
    EXPECT_EQ(s.columnWidths[4], 0);
    EXPECT_TRUE(s.viewAll);
    EXPECT_TRUE(s.hideDeleted);  // any non-zero number is true
}

TEST(Settings, NumbersOutOfRangeAreBroughtIntoIt) {
    struct Case {
        const char* line;
        int Settings::*field;
        int expected;
    };
    const Case cases[] = {
        {"[Tabela]\nWielkosc czcionki=2147483647", &Settings::fontSize, kMaxFontSize},
        {"[Tabela]\nWielkosc czcionki=-3", &Settings::fontSize, kMinFontSize},
        {"[Tabela]\nWysokosc wierszy=0", &Settings::rowHeight, kMinRowHeight},
        {"[Tabela]\nWysokosc wierszy=5000", &Settings::rowHeight, kMaxRowHeight},
        {"[Widok]\nWysokosc okna=-2147483648", &Settings::windowHeight, kMinWindowHeight},
        {"[Widok]\nSzerokosc okna=2147483647", &Settings::windowWidth, kMaxWindowSize},
        {"[Tabela]\nKolor usunietych=16777216", &Settings::deletedColour, 12632256},
        {"[Tabela]\nKolor pozostalych=-1", &Settings::otherColour, 16777215},
        {"[Tabela]\nKolor usunietych=16777215", &Settings::deletedColour, 16777215},
        {"[Tabela]\nKolor potwierdzonych=0", &Settings::confirmedColour, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSettings(c.line).*c.field, c.expected) << c.line;

    std::string widths = "[Tabela]\n";
    for (const char* key : kColumnWidthKeys) widths += std::string(key) + "=2147483647\n";
    const Settings wide = ParseSettings(widths);
    for (int width : wide.columnWidths) EXPECT_EQ(width, kMaxColumnWidth);
}

TEST(Settings, FontIsBoldOnlyForExactlyOne) {
    EXPECT_FALSE(ParseSettings("[Tabela]\nGrubosc czcionki=0\n").fontBold);
    EXPECT_FALSE(ParseSettings("[Tabela]\nGrubosc czcionki=2\n").fontBold);
    EXPECT_FALSE(ParseSettings("[Tabela]\nCzcionka=Arial\n").fontBold);
    EXPECT_TRUE(ParseSettings("[Tabela]\nGrubosc czcionki=1\n").fontBold);
}

TEST(Settings, FirstOfDuplicateKeysCountsAndSectionsMayRepeat) {
    Settings s = ParseSettings(
        "[Konfiguracja]\nZnak=SP1A\nZnak=SP2B\n[Tabela]\n[Konfiguracja]\nPlik=x.txt\n");
    EXPECT_EQ(s.call, "SP1A");
    EXPECT_EQ(s.file, "x.txt");
}

TEST(Settings, JunkAndNulBytesDoNotHideLaterKeys) {
    const char text[] = "garbage without equals\n\0\x01[[[\n[Konfiguracja]\nZnak=SP3C\n";
    Settings s = ParseSettings(std::string(text, sizeof text - 1));
    EXPECT_EQ(s.call, "SP3C");
}

TEST(Settings, WrittenAsKeyValueLinesInTheWritingOrder) {
    Settings s;
    s.call = "SP5ABC";
    s.file = "/home/op/Łódź/sp5abc.txt";
    s.fontBold = true;
    s.viewAll = false;
    s.viewVerified = true;
    std::string text = FormatSettings(s);
    EXPECT_NE(text.find("[Konfiguracja]\nZnak=SP5ABC\nPlik=/home/op/Łódź/sp5abc.txt\n"),
              std::string::npos);
    EXPECT_NE(text.find("[Widok]\nWysokosc okna=416\nSzerokosc okna=666\n"), std::string::npos);
    EXPECT_NE(
        text.find("Szerokosc daty weryfikacji=74\nWysokosc wierszy=21\nCzcionka=Arial\n"
                  "Wielkosc czcionki=10\nGrubosc czcionki=1\nKolor potwierdzonych=11195903\n"),
        std::string::npos);
    EXPECT_NE(text.find("[Wyswietlanie]\nUsuniete=0\nWszystkie=0\nWszystkie bez zweryfikowanych=0\n"
                        "Do weryfikacji=0\nPotwierdzone=0\nZweryfikowane=1\n"),
              std::string::npos);
    EXPECT_LT(text.find("[Konfiguracja]"), text.find("[Widok]"));
    EXPECT_LT(text.find("[Widok]"), text.find("[Tabela]"));
    EXPECT_LT(text.find("[Tabela]"), text.find("[Wyswietlanie]"));
    EXPECT_EQ(ParseSettings(text), s);
}

TEST(SettingsFile, RoundTripsThroughWindows1250WithCrLf) {
    TempDir dir;
    Settings s;
    s.file = "/dom/Żółć/sp5abc.txt";
    s.columnWidths[2] = 60;
    ASSERT_TRUE(WriteSettingsFile(dir.File("z.ini"), s).ok());
    std::string bytes = dir.Read("z.ini");
    EXPECT_NE(bytes.find("Plik=/dom/\xAF\xF3\xB3\xE6/sp5abc.txt\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    SettingsRead read = ReadSettingsFile(dir.File("z.ini"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.settings, s);
}

TEST(SettingsFile, TextThatCannotStandInTheFileIsWrittenEmptyAndTheRestStays) {
    TempDir dir;
    Settings s;
    s.file = "/home/日本/a.txt";
    s.fontName = "Noto 日本";
    s.call = "SP1A\r\nPlik=/etc/passwd";
    s.columnWidths[3] = 300;
    ASSERT_TRUE(WriteSettingsFile(dir.File("z.ini"), s).ok());
    SettingsRead read = ReadSettingsFile(dir.File("z.ini"));
    ASSERT_TRUE(read.ok());
    s.call.clear();
    s.file.clear();
    s.fontName.clear();
    EXPECT_EQ(read.settings, s);
}

TEST(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    dir.Write("z.ini", "old");
    fault_injection::FailNth(FileOp::Write, 1);
    IoStatus status = WriteSettingsFile(dir.File("z.ini"), Settings{});
    fault_injection::Disarm();
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(dir.Read("z.ini"), "old");
}

}  // namespace
}  // namespace zorva
