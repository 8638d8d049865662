#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document_rows.h"
#include "import/adif_import.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"
#include "text/cp1250.h"

namespace zorva::testing {

// An entity named after its prefix.
inline EntityRow Entity(const std::string& adif, const std::string& prefix, bool deleted = false) {
    return Row(adif, deleted ? "D" : "", prefix, "Entity " + prefix);
}

inline EntityRow Confirmed(EntityRow row, const std::string& call, const std::string& method,
                           const std::string& verified = "") {
    row.call = call;
    row.qsoDate = "2001-02-03";
    row.confirmation = method;
    row.verifiedDate = verified;
    return row;
}

// A record as loggers write it: one field after another, ended by <EOR> and CR LF.
inline std::string Record(const std::string& fields) {
    return fields + "<EOR>\r\n";
}

inline std::string Field(const std::string& name, const std::string& value) {
    return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

inline std::string Qso(const std::string& call, const std::string& dxcc, const std::string& qsl,
                       const std::string& lotw, const std::string& date = "20240105") {
    return Record(Field("CALL", call) + Field("QSO_DATE", date) + Field("QSL_RCVD", qsl) +
                  Field("LOTW_QSL_RCVD", lotw) + Field("DXCC", dxcc));
}

inline const std::string kHeader = "Exported log\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n";

// A station of six entities: "  1", " 21", "230", "269" (deleted), "291", "522" (last row).
class ImportTest : public ::testing::Test {
  protected:
    ImportTest() {
        for (const auto& row : {Entity("  1", "VE"), Entity(" 21", "EA6"), Entity("230", "DL"),
                                Entity("269", "SP", true), Entity("291", "K"), Entity("522", "Z6")})
            RowsOf(station.Document())->Append(row);
        SetCounters(station.Document(), Counters::Of(station.Document().Table()));
    }

    const EntityRow& Row(int i) const { return station.Document().Table().Row(i); }

    void BeginSeries() { ASSERT_TRUE(import.BeginSeries()); }

    // One run of "Importuj" over the text, answered at the continuation question; with No the
    // final message follows.
    RunEnd Run(const std::string& name, const std::string& text, Answer answer = Answer::No,
               bool errorsWritten = false, const std::string& addedMessage = "") {
        dir.Write(name, text);
        import.controls.fileName = dir.File(name);
        prompter.ExpectBox({kImportContinueQuestion, "Kontynuacja importu", Icon::Question,
                            Buttons::YesNo, Answer::No},
                           answer);
        if (answer == Answer::No)
            prompter.ExpectBox(
                {(errorsWritten ? ImportDoneWithErrorsMessage(dir.Path()) : kImportDone) +
                     addedMessage,
                 "Komunikat",
                 Icon::Information,
                 Buttons::Ok,
                 {}});
        return import.Import();
    }

    // Series of one file.
    void ImportOne(const std::string& text, bool errorsWritten = false,
                   const std::string& addedMessage = "") {
        BeginSeries();
        EXPECT_EQ(Run("log.adi", text, Answer::No, errorsWritten, addedMessage), RunEnd::Finished);
    }

    std::string ErrorFile() const { return dir.Read("bledy_dxcc.txt"); }
    // The title line in the file's encoding, as every error file begins.
    static std::string ErrorTitle() { return *EncodeCp1250(kImportErrorFileTitle) + "\r\n"; }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock;
    Station station{prompter, clock, dir.Path()};
    AdifImport import{station};
};

}  // namespace zorva::testing
