#include "import_fixture.h"

namespace zorva::testing {
namespace {

using ImportFileKinds = ImportTest;

const std::string kLotwHeader =
    "ARRL Logbook of the World Status Report\r\nGenerated at 2024-03-01 10:00:00\r\n"
    "<PROGRAMID:4>LoTW\r\n<APP_LoTW_NUMREC:1>2\r\n<eoh>\r\n";

TEST_F(ImportFileKinds, ChoosingALotwReportSelectsLotwAndAnyOtherFileLog) {
    dir.Write("lotw.adi", kLotwHeader);
    dir.Write("log.adi", kHeader);
    const FileChoice choice{kAdifFileFilter, "", ""};
    for (const auto& [name, source] : {std::pair{"lotw.adi", ImportSource::Lotw},
                                       std::pair{"log.adi", ImportSource::Log}}) {
        prompter.ExpectOpenFile(choice, dir.File(name));
        import.ChooseFile();
        EXPECT_EQ(import.controls.source, source) << name;
    }
    EXPECT_FALSE(IsLotwReport(dir.File("brak.adi")));
}

TEST_F(ImportFileKinds, LotwReportWithoutDetailIsExplainedInTheFinalMessage) {
    const std::string noDetail = Record("<CALL:4>DL1A<QSO_DATE:8>20240105<QSL_RCVD:1>Y");
    const std::string detail = Record("<CALL:3>K1A<QSL_RCVD:1>Y<DXCC:3>291");
    BeginSeries();
    import.controls.source = ImportSource::Lotw;
    dir.Write("lotw.adi", kLotwHeader + noDetail + detail);
    import.controls.fileName = dir.File("lotw.adi");
    prompter.ExpectBox({kImportContinueQuestion, "Kontynuacja importu", Icon::Question,
                        Buttons::YesNo, Answer::No},
                       Answer::No);
    prompter.ExpectBox({std::string(kImportDoneWithErrors) + kImportLotwWithoutDetail,
                        "Komunikat",
                        Icon::Information,
                        Buttons::Ok,
                        {}});
    EXPECT_EQ(import.Import(), RunEnd::Finished);
    EXPECT_EQ(Row(5).confirmation, "LoTW");
    // The same records in an own log, or a report with every entity, get the usual message.
    ImportOne(kHeader + noDetail, true);
    ImportOne(kLotwHeader + detail);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ImportFileKinds, FileThatIsNotAdifIsRefusedAndNothingImported) {
    const std::string records = Qso("K1A", "291", "Y", "N");
    for (const std::string& file :
         {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ADX><RECORDS>" + records,
          std::string("\xFF\xFE<\0C\0", 6) + records, std::string("\x7F" "ELF\0\0", 6) + records,
          std::string("Not a log at all\r\n")}) {
        BeginSeries();
        dir.Write("x.adi", file);
        import.controls.fileName = dir.File("x.adi");
        prompter.ExpectError("Plik \"" + dir.File("x.adi") + "\" nie jest plikiem ADIF!");
        EXPECT_EQ(import.Import(), RunEnd::Refused);
        EXPECT_EQ(Row(5).call, "");
        EXPECT_FALSE(station.modified);
        EXPECT_TRUE(prompter.Done());
    }
}

}  // namespace
}  // namespace zorva::testing
