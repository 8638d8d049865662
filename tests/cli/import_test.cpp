#include <gtest/gtest.h>

#include "run_zorva.h"

namespace zorva::testing {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliImport : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
        file = home.File("sp5abc.txt");
        ASSERT_EQ(0, home.Run({"confirm", file, "230", "--call", "DL1OLD", "--date", "2000-01-01"})
                         .exitCode);
        home.Write(
            "log.adi",
            "Log\r\n<EOH>\r\n<CALL:4>K1AA<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:3>291<EOR>\r\n"
            "<CALL:4>ZZ9Z<QSL_RCVD:1>Y<DXCC:3>999<EOR>\r\n");
        home.Write("lotw.adi",
                   "LoTW report<eoh>\r\n<call:5>dl2new<qso_date:8:d>20230303<qsl_rcvd:1:s>y"
                   "<dxcc:3>230<eor>\r\n<call:4>ea6a<lotw_qsl_rcvd:1>Y<dxcc:2>21<eor>\r\n"
                   "<APP_LoTW_EOF>\r\n");
    }

    CliHome home;
    std::string file;
};

TEST_F(CliImport, SeriesOfTwoFilesFillsRowsAndWritesErrorFileAndExtract) {
    auto run = home.Run({"import", file, home.File("log.adi"), home.File("lotw.adi"), "--source",
                         "lotw", "--extract", "lotw"});
    ASSERT_EQ(0, run.exitCode) << run.err;
    EXPECT_EQ(run.out, "Dane zostały zaimportowane.\n\nDane zostały zapisane.\n");
    auto shown = home.Run({"show", file});
    EXPECT_TRUE(
        Contains(shown.out, "291\t\tK\tUnited States of America\tK1AA\t2024-01-05\tLoTW\t\n"))
        << shown.out;
    EXPECT_TRUE(
        Contains(shown.out, "230\t\tDL\tFed. Rep. of Germany\tDL1OLD\t2000-01-01\tQSL\t\n"));
    EXPECT_TRUE(Contains(shown.out, " 21\t\tEA6\tBalearic Is.\tEA6A\t\tLoTW\t\n"));
    EXPECT_TRUE(Contains(shown.out, "Do weryfikacji:  3/3\nQSL/LoTW:  1/2\n"));
    EXPECT_TRUE(
        Contains(home.Read("bledy_dxcc.txt"), "\r\n<call:4>zz9z<qsl_rcvd:1>y<dxcc:3>999<eor>\r\n"));
    const std::string extract = home.Read("lotw_lotw.adi");
    EXPECT_TRUE(Contains(extract, "<call:4>ea6a<lotw_qsl_rcvd:1>Y<dxcc:2>21<eor>\r\n"));
    EXPECT_TRUE(
        Contains(extract, "<CALL:4>K1AA<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:3>291<EOR>\r\n"));
}

TEST_F(CliImport, ErrorsOfTheLastFileSelectTheLongMessage) {
    auto run = home.Run({"import", file, home.File("lotw.adi"), home.File("log.adi")});
    ASSERT_EQ(0, run.exitCode) << run.err;
    EXPECT_TRUE(
        Contains(run.out, "zapisane w pliku bledy_dxcc.txt\nw folderze " + home.Path() + "."))
        << run.out;
}

TEST_F(CliImport, MissingFileOrWrongOptionSavesNothing) {
    const std::string before = home.Read("sp5abc.txt");
    auto missing = home.Run({"import", file, home.File("log.adi"), home.File("brak.adi")});
    EXPECT_EQ(1, missing.exitCode);
    EXPECT_TRUE(
        Contains(missing.err, "Plik \"" + home.File("brak.adi") + "\" nie został znaleziony!"));
    EXPECT_EQ(2, home.Run({"import", file, home.File("log.adi"), "--source", "qrz"}).exitCode);
    EXPECT_EQ(2, home.Run({"import", file}).exitCode);
    EXPECT_EQ(before, home.Read("sp5abc.txt"));
}

TEST_F(CliImport, LotwReportIsReadAsLotwUnlessSourceSaysOtherwise) {
    home.Write("report.adi",
               "ARRL Logbook of the World Status Report\r\n<PROGRAMID:4>LoTW\r\n<eoh>\r\n"
               "<CALL:4>K1AA<QSO_DATE:8>20240105<QSL_RCVD:1>Y<DXCC:3>291<eor>\r\n");
    for (const auto& [options, method] :
         {std::pair{std::vector<std::string>{}, "LoTW"},
          std::pair{std::vector<std::string>{"--source", "log"}, "QSL"}}) {
        std::vector<std::string> command = {"import", file, home.File("report.adi")};
        command.insert(command.end(), options.begin(), options.end());
        ASSERT_EQ(0, home.Run(command).exitCode);
        EXPECT_TRUE(Contains(home.Run({"show", file}).out,
                             std::string("K1AA\t2024-01-05\t") + method + "\t\n"));
        ASSERT_EQ(0, home.Run({"clear", file, "291"}).exitCode);
    }
}

}  // namespace
}  // namespace zorva::testing
