#include "import_fixture.h"

namespace zorva::testing {
namespace {

using ImportRecords = ImportTest;

TEST_F(ImportRecords, ConfirmationFlagsYesOrVerifiedInAnyCaseAndWithTypeIndicator) {
    ImportOne(kHeader + Record("<CALL:4>VE1A<QSL_RCVD:1>y<DXCC:1>1") +
              Record("<CALL:4>EA6B<QSL_RCVD:1:S>V<DXCC:2>21") +
              Record("<CALL:4>DL1C<LOTW_QSL_RCVD:1:s>v<DXCC:3:N>230") +
              Record("<CALL:4>Z6AB<LOTW_QSL_RCVD:1>Y<DXCC:3>522") +
              Record("<CALL:3>K1D<QSL_RCVD:1>N<LOTW_QSL_RCVD:1>R<DXCC:3>291"));
    EXPECT_EQ(Row(1).call, "VE1A");
    EXPECT_EQ(Row(2).confirmation, "QSL");
    EXPECT_EQ(Row(3).confirmation, "LoTW");
    EXPECT_EQ(Row(6).confirmation, "LoTW");
    EXPECT_EQ(Row(5).call, "");
    EXPECT_EQ(ErrorFile(), ErrorTitle());  // an unconfirmed record is no error
}

TEST_F(ImportRecords, EntityNumberOfOneOrThreeDigitsFindsItsRowLastRowIncluded) {
    ImportOne(kHeader + Qso("VE1A", "1", "Y", "N") + Qso("K1A", "291", "Y", "N") +
              Qso("ZA1A", "522", "Y", "N") + Qso("EA6A", "021", "Y", "N"));
    EXPECT_EQ(Row(1).call, "VE1A");
    EXPECT_EQ(Row(2).call, "EA6A");
    EXPECT_EQ(Row(5).call, "K1A");
    EXPECT_EQ(Row(6).call, "ZA1A");
}

TEST_F(ImportRecords, OnlyTheDxccFieldGivesTheEntityNotMyDxcc) {
    ImportOne(kHeader + Record("<MY_DXCC:3>269<CALL:3>K1A<QSL_RCVD:1>Y<DXCC:3>291"));
    EXPECT_EQ(Row(4).call, "");
    EXPECT_EQ(Row(5).call, "K1A");
}

TEST_F(ImportRecords, ConfirmedRecordsWithoutUsableEntityOrCallGoToErrorFile) {
    const std::string zero = Record("<CALL:3>K1A<QSL_RCVD:1>Y<DXCC:1>0");
    const std::string missing = Record("<CALL:3>K1B<QSL_RCVD:1>Y");
    const std::string unknown = Record("<CALL:3>K1C<QSL_RCVD:1>Y<DXCC:3>999");
    const std::string tooLarge = Record("<CALL:3>K1D<QSL_RCVD:1>Y<DXCC:4>1291");
    const std::string notNumber = Record("<CALL:3>K1E<QSL_RCVD:1>Y<DXCC:3>2x1");
    const std::string noCall = Record("<QSL_RCVD:1>Y<DXCC:3>291");
    const std::string emptyCall = Record("<CALL:0><QSL_RCVD:1>Y<DXCC:3>291");
    ImportOne(kHeader + zero + missing + unknown + tooLarge + notNumber + noCall + emptyCall, true);
    EXPECT_EQ(Row(5).call, "");
    EXPECT_EQ(ErrorFile(), ErrorTitle() +
                               "<call:3>k1a<qsl_rcvd:1>y<dxcc:1>0<eor>\r\n"
                               "<call:3>k1b<qsl_rcvd:1>y<eor>\r\n"
                               "<call:3>k1c<qsl_rcvd:1>y<dxcc:3>999<eor>\r\n"
                               "<call:3>k1d<qsl_rcvd:1>y<dxcc:4>1291<eor>\r\n"
                               "<call:3>k1e<qsl_rcvd:1>y<dxcc:3>2x1<eor>\r\n"
                               "<qsl_rcvd:1>y<dxcc:3>291<eor>\r\n"
                               "<call:0><qsl_rcvd:1>y<dxcc:3>291<eor>\r\n");
}

TEST_F(ImportRecords, CallIsUpperCasedWholeAndDateIsFormatted) {
    ImportOne(kHeader + Record("<call:6>sp9xyz<QSO_DATE:8:D>20231224<QSL_RCVD:1>Y<DXCC:1>1") +
              Record("<CALL:10:S>VE3ABC/VE8<QSO_DATE:8>19991231<QSL_RCVD:1>Y<DXCC:3>291") +
              Record("<CALL:4>DL1A<QSL_RCVD:1>Y<DXCC:3>230"));
    EXPECT_EQ(Row(1).call, "SP9XYZ");
    EXPECT_EQ(Row(1).qsoDate, "2023-12-24");
    EXPECT_EQ(Row(5).call, "VE3ABC/VE8");
    EXPECT_EQ(Row(5).qsoDate, "1999-12-31");
    EXPECT_EQ(Row(3).call, "DL1A");
    EXPECT_EQ(Row(3).qsoDate, "");  // no QSO_DATE: the row is filled with an empty date
}

TEST_F(ImportRecords, ValueHoldingTagsAndLineBreaksIsTakenWhole) {
    ImportOne(kHeader +
              Record("<COMMENT:17>x<eor>\r\n<DXCC:1>1 <CALL:3>K1A<QSL_RCVD:1>Y<DXCC:3>291"));
    EXPECT_EQ(Row(1).call, "");
    EXPECT_EQ(Row(5).call, "K1A");
}

TEST_F(ImportRecords, EveryLayoutOfTheSameLogImportsAlike) {
    const std::string records[] = {
        "<CALL:4>VE1A<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:1>1<EOR>",
        "<CALL:3>K1A<QSO_DATE:8>20240106<LOTW_QSL_RCVD:1>Y<DXCC:3>291<EOR>",
    };
    auto perTag = [](const std::string& r) {
        std::string out;
        for (char c : r) {
            if (c == '<' && !out.empty()) out += "\r\n";
            out += c;
        }
        return out + "\r\n";
    };
    const std::vector<std::string> files = {
        kHeader + records[0] + "\r\n" + records[1] + "\r\n",
        kHeader + perTag(records[0]) + perTag(records[1]),
        "Log <EOH> \r\n" + records[0] + "\r\n" + records[1] + "\r\n",
        "Log <ADIF_VER:5>3.1.0<EOH>" + records[0] + records[1],
        records[0] + records[1],
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file);
        for (int i = 1; i <= station.Document().Table().Count(); ++i) {
            EditedRows rows(station.Document());
            rows->Row(i).call = rows->Row(i).qsoDate = rows->Row(i).confirmation = "";
        }
        ImportOne(file);
        EXPECT_EQ(Row(1).call, "VE1A");
        EXPECT_EQ(Row(1).qsoDate, "2024-01-05");
        EXPECT_EQ(Row(1).confirmation, "QSL");
        EXPECT_EQ(Row(5).call, "K1A");
        EXPECT_EQ(Row(5).confirmation, "LoTW");
    }
}

TEST_F(ImportRecords, EmptyAndHeaderOnlyFilesImportNothingButStillAsk) {
    for (const std::string file :
         {"", "Header only\r\n<PROGRAMID:4>Test\r\n<EOH>\r\n",
          "Header without end\r\n<CALL:3>K1A<QSL_RCVD:1>Y<DXCC:3>291<EOR>"}) {
        ImportOne(file);
        EXPECT_EQ(Row(5).call, "") << file;
        EXPECT_FALSE(station.Document().IsModified()) << file;
    }
}

TEST_F(ImportRecords, CutRecordsGoToErrorFileAndTheRunGoesOn) {
    const std::string before = Qso("VE1A", "1", "Y", "N");
    const std::string badCallLength = Record("<CALL:x>K1A<QSL_RCVD:1>Y<DXCC:3>291");
    const std::string after = Qso("DL1A", "230", "Y", "N");
    const std::string truncated = "<CALL:3>Z6A<QSL_RCVD:1>Y<DXCC:3>522<COMMENT:40>cut\r\n";
    ImportOne(kHeader + before + badCallLength + after + truncated, true);
    EXPECT_EQ(Row(1).call, "VE1A");
    EXPECT_EQ(Row(3).call, "DL1A");
    EXPECT_EQ(Row(5).call, "");
    EXPECT_EQ(Row(6).call, "");
    EXPECT_EQ(ErrorFile(), ErrorTitle() + "<call:x>k1a<qsl_rcvd:1>y<dxcc:3>291<eor>\r\n" +
                               "<call:3>z6a<qsl_rcvd:1>y<dxcc:3>522<comment:40>cut\r\n");
}

TEST_F(ImportRecords, MalformedTagsCostNoRecordAndAreNoError) {
    ImportOne(kHeader + Record("<CALL:4>VE1A<NOTES:-5>x<QSL_RCVD:1>Y<DXCC:1>1") +
              Record("<APP_X:1.5>ab<CALL:4>DL1A a<b:c>d <QSL_RCVD:1>Y<DXCC:3>230") +
              Record("<CALL:3>K1A<NOTES:-5>x<QSL_RCVD:1>N<DXCC:3>291") +
              Record("<CALL:3>Z6A<APP_X:1.5>x<QSL_RCVD:1>N"));
    EXPECT_EQ(Row(1).call, "VE1A");
    EXPECT_EQ(Row(3).call, "DL1A");
    EXPECT_EQ(ErrorFile(), ErrorTitle());
}

TEST_F(ImportRecords, NewEntryCountsAsToVerifyAndMarksModified) {
    ImportOne(kHeader + Qso("VE1A", "1", "Y", "N") + Qso("SP1A", "269", "Y", "N"));
    EXPECT_EQ(station.Document().Counts().toVerifyActive,
              1);  // the deleted entity counts only in the total
    EXPECT_EQ(station.Document().Counts().toVerifyAll, 2);
    EXPECT_TRUE(station.Document().IsModified());
    EXPECT_EQ(station.View().texts.modifiedPanel, "   Modyfikacja");
    EXPECT_EQ(station.View().texts.counterPanels[0], "Razem:       1/2");
    EXPECT_EQ(station.View().texts.counterPanels[2], "Do weryfikacji:  1/2");
    EXPECT_EQ(station.View().texts.counterPanels[3], "QSL/LoTW:  2/0");
}

TEST_F(ImportRecords, LotwReportWithoutDetailIsExplainedInTheFinalMessage) {
    const std::string lotwHeader =
        "ARRL Logbook of the World Status Report\r\n<PROGRAMID:4>LoTW\r\n<eoh>\r\n";
    const std::string noDetail = Record("<CALL:4>DL1A<QSO_DATE:8>20240105<QSL_RCVD:1>Y");
    import.controls.source = ImportSource::Lotw;
    ImportOne(lotwHeader + noDetail + Qso("K1A", "291", "Y", "N"), true, kImportLotwWithoutDetail);
    EXPECT_EQ(Row(5).confirmation, "LoTW");
    ImportOne(kHeader + noDetail, true);  // an own log without DXCC gets the usual message
}

TEST_F(ImportRecords, FileThatIsNotAdifIsRefusedAndNothingImported) {
    BeginSeries();
    dir.Write("x.adi", "<?xml version=\"1.0\"?>\r\n<ADX>" + Qso("K1A", "291", "Y", "N"));
    import.controls.fileName = dir.File("x.adi");
    prompter.ExpectError("Plik \"" + dir.File("x.adi") + "\" nie jest plikiem ADIF!");
    EXPECT_EQ(import.Import(), RunEnd::Refused);
    EXPECT_EQ(Row(5).call, "");
    EXPECT_TRUE(prompter.Done());
}

}  // namespace
}  // namespace zorva::testing
