#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <future>
#include <thread>

#include "local_https_server.h"
#include "ports/clock.h"
#include "run_zorva.h"

namespace zorva::testing {
namespace {

constexpr const char* kPassword = "t@jne h&slo";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliLotw : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.Started()) << "the HTTPS server did not start";
        server.dir.Write("good",
                         "ARRL Logbook of the World Status Report\r\n<PROGRAMID:4>LoTW\r\n<eoh>\r\n"
                         "<CALL:4>K1XX<QSO_DATE:8>20240302<DXCC:3>291<QSL_RCVD:1>Y<eor>\r\n"
                         "<CALL:4>ZZ9Z<QSL_RCVD:1>Y<DXCC:3>999<eor>\r\n<APP_LoTW_EOF>\r\n");
        server.dir.Write("html", "<!DOCTYPE HTML>\n<html><body>Password incorrect</body></html>\n");
        setenv("ZORVA_LOTW_CA_FILE", server.dir.File("ca.pem").c_str(), 1);
        setenv("ZORVA_LOTW_PASSWORD", kPassword, 1);
        ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
        file = home.File("sp5abc.txt");
    }
    void TearDown() override {
        for (const char* name : {"ZORVA_LOTW_URL", "ZORVA_LOTW_CA_FILE", "ZORVA_LOTW_PASSWORD"})
            unsetenv(name);
    }
    CliResult Download(const std::string& route, std::vector<std::string> options = {}) {
        setenv("ZORVA_LOTW_URL", server.Url(route).c_str(), 1);
        options.insert(options.begin(), {"lotw", file});
        CliResult run = home.Run(options);
        all += run.out + run.err;
        return run;
    }
    std::string LastQuery() const {
        const std::string log = server.dir.Read("queries.log");
        return log.substr(log.rfind('\n', log.size() - 2) + 1);
    }

    LocalHttpsServer server;
    CliHome home;
    std::string file;
    std::string all;  // everything zorva printed
    const std::string today = IsoDate(SystemClock().Today());
};

TEST_F(CliLotw, ReportFillsTheStationAndTheNextDownloadAsksSinceThen) {
    CliResult first = Download("good", {"--login", "sp5abc", "--extract", "lotw"});
    ASSERT_EQ(0, first.exitCode) << first.err;
    EXPECT_TRUE(Contains(first.out, "bledy_dxcc.txt")) << first.out;
    EXPECT_TRUE(Contains(LastQuery(), "login=sp5abc&")) << LastQuery();
    EXPECT_TRUE(Contains(LastQuery(), "qso_qslsince=1945-01-01")) << LastQuery();
    EXPECT_TRUE(Contains(home.Run({"show", file}).out, "K1XX\t2024-03-02\tLoTW\t"));
    EXPECT_TRUE(home.Exists("sp5abc_lotw_" + today + ".adi"));
    EXPECT_TRUE(home.Exists("sp5abc_lotw_" + today + "_lotw.adi"));
    EXPECT_TRUE(Contains(home.Read("bledy_dxcc.txt"), "zz9z"));
    EXPECT_TRUE(Contains(home.Read("zorva_rade.ini"), "Pobrano SP5ABC=" + today));

    ASSERT_EQ(0, Download("good").exitCode) << all;
    EXPECT_TRUE(Contains(LastQuery(), "login=sp5abc&")) << LastQuery();
    EXPECT_TRUE(Contains(LastQuery(), "qso_qslsince=" + today)) << LastQuery();
    ASSERT_EQ(0, Download("good", {"--since", "2024-01-31"}).exitCode) << all;
    EXPECT_TRUE(Contains(LastQuery(), "qso_qslsince=2024-01-31")) << LastQuery();
    EXPECT_EQ(2, Download("good", {"--since", "2024-01-31", "--all"}).exitCode);

    for (const auto& entry : std::filesystem::directory_iterator(home.Path()))
        EXPECT_FALSE(Contains(home.Read(entry.path().filename()), "t@jne"))
            << entry.path().filename();
    EXPECT_FALSE(Contains(all, "t@jne"));
    EXPECT_FALSE(Contains(all, "t%40jne"));
}

TEST_F(CliLotw, WrongLoginOrNoPasswordChangesNothing) {
    const std::string station = home.Read("sp5abc.txt");
    CliResult html = Download("html", {"--login", "sp5abc"});
    EXPECT_EQ(1, html.exitCode);
    EXPECT_TRUE(Contains(html.err, "błędny login lub hasło")) << html.err;
    EXPECT_EQ(station, home.Read("sp5abc.txt"));
    EXPECT_FALSE(home.Exists("zorva_rade.ini"));
    EXPECT_FALSE(home.Exists("bledy_dxcc.txt"));
    EXPECT_FALSE(home.Exists("sp5abc_lotw_" + today + ".adi"));
    EXPECT_FALSE(Contains(all, "t@jne"));

    CliResult noLogin = Download("good");
    EXPECT_EQ(1, noLogin.exitCode);
    EXPECT_EQ(noLogin.err, "Nie podano loginu do LoTW.\n");
    unsetenv("ZORVA_LOTW_PASSWORD");
    home.Write("empty.txt", "\r\n");
    CliResult noPassword =
        Download("good", {"--login", "sp5abc", "--password-file", home.File("empty.txt")});
    EXPECT_EQ(1, noPassword.exitCode);
    EXPECT_EQ(noPassword.err, "Nie podano hasła do LoTW.\n");
    EXPECT_EQ(station, home.Read("sp5abc.txt"));
}

// A slow server keeps no other program off the station and ends at the overall
// limit; downloads for several stations together each keep their day.
TEST_F(CliLotw, StationIsFreeWhileDownloadingAndParallelRunsAreAllRemembered) {
    setenv("ZORVA_LOTW_TIME_LIMIT", "3", 1);
    auto slow = std::async(std::launch::async, [&] { return Download("stall", {"--login", "a"}); });
    std::this_thread::sleep_for(std::chrono::seconds(1));
    CliResult confirm =
        home.Run({"confirm", file, "230", "--call", "DL1AA", "--date", "2024-05-17"});
    EXPECT_EQ(0, confirm.exitCode) << confirm.err;
    CliResult ended = slow.get();
    unsetenv("ZORVA_LOTW_TIME_LIMIT");
    EXPECT_EQ(1, ended.exitCode);
    EXPECT_TRUE(Contains(ended.err, "trwało ponad 10 minut")) << ended.err;

    setenv("ZORVA_LOTW_URL", server.Url("good").c_str(), 1);
    std::vector<std::future<CliResult>> runs;
    for (int i = 0; i < 6; ++i) {
        const std::string call = "SP" + std::to_string(i) + "XX";
        ASSERT_EQ(0, home.Run({"--yes", "new", call}).exitCode);
        runs.push_back(std::async(std::launch::async, [this, i] {
            return home.Run(
                {"lotw", home.File("sp" + std::to_string(i) + "xx.txt"), "--login", "a"});
        }));
    }
    for (auto& run : runs) EXPECT_EQ(0, run.get().exitCode);
    const std::string ini = home.Read("zorva_rade.ini");
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Contains(ini, "Pobrano SP" + std::to_string(i) + "XX=" + today)) << ini;
}

}  // namespace
}  // namespace zorva::testing
