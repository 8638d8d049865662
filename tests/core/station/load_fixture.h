#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "files/station_file.h"
#include "io/text_file.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva {
// Readable rows in failure messages.
inline void PrintTo(const EntityRow& row, std::ostream* out) {
    *out << "[";
    for (int i = 0; i < EntityRow::kFieldCount; ++i) *out << (i ? "|" : "") << row.Field(i);
    *out << "]";
}
}  // namespace zorva

namespace zorva::station_files_test {

using zorva::testing::CrLf;
using zorva::testing::Encoded;
using zorva::testing::FixedClock;
using zorva::testing::Row;
using zorva::testing::ScriptedPrompter;
using zorva::testing::StationBytes;
using zorva::testing::TempDir;

// A small entity list in prefix order, as the reference file holds it.
inline std::vector<std::string> SmallReference() {
    return {" 24|D|3Y/B |Bouvet                  |", "230| |DL   |Germany                 |",
            "269| |SP   |Poland                  |", "  1| |VE   |Canada                  |"};
}

// The same entities as a station has them, with a few confirmations.
inline std::vector<EntityRow> SmallStation() {
    return {Row(" 24", "D", "3Y/B", "Bouvet", "3Y0C", "2001-01-01", "QSL", "2002-02-02"),
            Row("230", "", "DL", "Germany", "DL1ABC", "2021-03-04", "LoTW", ""),
            Row("269", "", "SP", "Poland"),
            Row("  1", "", "VE", "Canada", "VE3XX", "2020-05-06", "QSL", "2021-01-01")};
}

inline MessageBox Info(const std::string& text) {
    return {text, "Informacja", Icon::Information, Buttons::Ok, {}};
}
inline MessageBox Warning(const std::string& text, Buttons buttons) {
    return {text, "Ostrzeżenie", Icon::Warning, buttons, {}};
}
inline MessageBox Mismatch(const std::string& text) {
    return {text, "Niezgodność danych", Icon::Warning, Buttons::YesNo, {}};
}

inline constexpr const char* kSaved = "Dane zostały zapisane.";
inline constexpr const char* kUnsavedBeforeLeaving =
    "Dotychczasowe dane nie zostały zapisane!\nZapisać?";

// A program directory with a reference file, a station and a scripted prompter.
class StationFiles : public ::testing::Test {
  protected:
    StationFiles() : station(prompter, clock, dir.Path()) { WriteReference(SmallReference()); }
    ~StationFiles() override { EXPECT_TRUE(prompter.Done()); }

    void WriteReference(const std::vector<std::string>& lines) {
        dir.Write("dxcc_adif.kvt", Encoded(lines));
    }
    void WriteStation(const std::string& name, const std::string& call,
                      const std::vector<EntityRow>& rows) {
        dir.Write(name, StationBytes(call, rows));
    }
    // Loads a file of the program directory as start-up or "Otwórz" would.
    void Load(const std::string& name) {
        station.SetCurrentFileName(dir.File(name));
        station.LoadStationFile();
    }
    std::vector<std::string> TableAdifs() const {
        std::vector<std::string> adifs;
        for (const auto& row : station.Document().Table().Rows()) adifs.push_back(row.adif);
        return adifs;
    }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock;
    Station station;
};

}  // namespace zorva::station_files_test
