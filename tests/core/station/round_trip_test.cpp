// A station file loads and saves back byte for byte, whatever bytes its fields
// hold and however full they are.
#include "fault_sweep.h"
#include "files/reference_file.h"
#include "load_fixture.h"
#include "text/columns.h"

namespace zorva::station_files_test {
namespace {

std::string Header(const std::string& call) {
    return Encoded(StationHeaderLines(call, "08.12.2026"));
}

// A raw Windows-1250 data line: adif, deleted mark and the six padded fields.
std::string RawLine(std::string adif, char deleted, const std::array<std::string, 6>& fields) {
    static constexpr std::array<size_t, 6> kWidths = {5, 24, 15, 10, 4, 10};
    std::string line = adif + "|" + deleted + "|";
    for (size_t i = 0; i < fields.size(); ++i) {
        std::string field = fields[i];
        field.resize(kWidths[i], ' ');
        line += field + "|";
    }
    return line + "\r\n";
}

// A key of its own for each line, as a station holds each entity once.
std::string Key(size_t group, int value) {
    return {char('A' + group), char('a' + value / 16), char('a' + value % 16)};
}

// Loads the file and saves it back; the reference entity is in no file.
std::string LoadAndSave(const std::string& bytes, testing::RecordingPrompter& prompter) {
    TempDir dir;
    dir.Write("dxcc_adif.kvt", "XXX| |X    |X                       |\r\n");
    dir.Write("s.txt", bytes);
    FixedClock clock;
    Station station(prompter, clock, dir.Path());
    station.SetCurrentFileName(dir.File("s.txt"));
    station.LoadStationFile();
    EXPECT_EQ(station.Document().FileName(), dir.File("s.txt"));
    EXPECT_TRUE(station.Save());
    return dir.Read("s.txt");
}

std::string FirstDifferentLine(const std::string& a, const std::string& b) {
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    size_t begin = a.rfind('\n', at == 0 ? 0 : at - 1);
    begin = begin == std::string::npos ? 0 : begin + 1;
    return "first difference at byte " + std::to_string(at) +
           " in line: " + QuotableLine(a.substr(begin, 82));
}

// Blanks and control characters at a field's edges are trimmed as the columns are
// read, so each byte sits between two letters; LF alone ends a line.
TEST(StationRoundTrip, EveryByteInEveryTextFieldSavesBackUnchanged) {
    std::string bytes = Header("SP5ABC");
    for (int value = 0; value < 256; ++value) {
        if (value == '\n') continue;
        const char b = static_cast<char>(value);
        const std::string inner = std::string("A") + b + "B";
        bytes += RawLine(std::string("1") + b + "2", ' ', {"P", "N", "C", "D", "Q", "V"});
        for (size_t field = 0; field < 6; ++field) {
            std::array<std::string, 6> fields = {"P", "N", "C", "D", "Q", "V"};
            fields[field] = inner;
            bytes += RawLine(Key(field, value), ' ', fields);
        }
    }
    testing::RecordingPrompter prompter;
    prompter.questions = Answer::No;
    const std::string saved = LoadAndSave(bytes, prompter);
    EXPECT_TRUE(prompter.Errors().empty()) << prompter.Errors().front();
    EXPECT_TRUE(saved == bytes) << FirstDifferentLine(bytes, saved);
}

// Any mark in the deleted column is the flag, and the flag is written "D".
TEST(StationRoundTrip, DeletedColumnHoldsAFlag) {
    std::string bytes = Header("SP5ABC");
    for (int value = 0x21; value < 256; ++value)
        bytes += RawLine(Key(6, value), static_cast<char>(value), {"P", "N", "", "", "", ""});
    std::string expected = Header("SP5ABC");
    for (int value = 0x21; value < 256; ++value)
        expected += RawLine(Key(6, value), 'D', {"P", "N", "", "", "", ""});
    testing::RecordingPrompter prompter;
    prompter.questions = Answer::No;
    EXPECT_EQ(LoadAndSave(bytes, prompter), expected);
}

TEST(StationRoundTrip, EveryFieldAtItsWidestSavesBackUnchanged) {
    const EntityRow widest = {
        "999",        "D",    "ŻÓŁW/",     "Wyspa Świętego Łukasza Ę", "SP5ABCDEFGHIJŁŻ",
        "2026-12-08", "LoTW", "2027-01-31"};
    ASSERT_EQ(FormatStationLine(widest).size(), 80u + 9u);  // nine two-byte letters in UTF-8
    std::vector<std::string> reference = {FormatReferenceLine(widest)};
    std::vector<std::string> lines =
        StationHeaderLines("SP5ABCDEFGHIJKLMNOPQRSTUVWXYZ/ŁŻ", "08.12.2026");
    for (int i = 0; i < 400; ++i) {
        EntityRow row = widest;
        if (i < 399) row.adif = Key(static_cast<size_t>(i / 256), i % 256);
        lines.push_back(FormatStationLine(row));
    }
    const std::string bytes = Encoded(lines);

    TempDir dir;
    dir.Write("dxcc_adif.kvt", Encoded(reference));
    dir.Write("s.txt", bytes);
    ScriptedPrompter prompter;
    FixedClock clock;
    Station station(prompter, clock, dir.Path());
    station.SetCurrentFileName(dir.File("s.txt"));
    station.LoadStationFile();
    ASSERT_EQ(station.Document().Table().Count(), 400);
    EXPECT_EQ(station.Document().Table().Row(400), widest);
    prompter.ExpectBox(Info(kSaved));
    EXPECT_TRUE(station.Save());
    EXPECT_EQ(dir.Read("s.txt"), bytes);
    EXPECT_TRUE(prompter.Done());
}

}  // namespace
}  // namespace zorva::station_files_test
