#include "lotw/lotw_download.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

#include "local_https_server.h"
#include "lotw/curl_http_fetcher.h"
#include "lotw/lotw_messages.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using testing::LocalHttpsServer;
using testing::TempDir;

constexpr const char* kPassword = "t@jne h&slo";

const std::string kReport =
    "ARRL Logbook of the World Status Report\r\n"
    "<PROGRAMID:4>LoTW\r\n<APP_LoTW_NUMREC:1>2\r\n<eoh>\r\n"
    "<CALL:5>DL1AB\r\n<QSO_DATE:8>20240301\r\n<DXCC:3>230\r\n<QSL_RCVD:1>Y\r\n"
    "<LOTW_QSL_RCVD:1>Y\r\n<eor>\r\n"
    "<CALL:4>K1XX\r\n<QSO_DATE:8>20240302\r\n<DXCC:3>291\r\n<QSL_RCVD:1>Y\r\n<eor>\r\n"
    "<APP_LoTW_EOF>\r\n";

// A port of 127.0.0.1 on which nothing listens.
int ClosedPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

class LotwDownloadTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server = new LocalHttpsServer;
        ASSERT_TRUE(server->Started()) << "the HTTPS server did not start";
        server->dir.Write("good", kReport);
        server->dir.Write(
            "html", "<!DOCTYPE HTML>\n<html><body>Username/password incorrect</body></html>\n");
        server->dir.Write("cut", kReport.substr(0, kReport.find("<CALL:4>")));
        server->dir.Write("blank_html", std::string(2000, '\n') + "<html><body>No</body></html>");
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }

    LotwDownloadRequest Request(const std::string& name) const {
        LotwDownloadRequest request;
        request.baseUrl = server->Url(name);
        request.caFile = server->dir.File("ca.pem");
        request.query = {"sp5abc", kPassword, "SP5ABC", CivilDate{2024, 3, 5}};
        request.reportPath = station.File("sp5abc_lotw_2024-03-06.adi");
        return request;
    }
    static std::string Queries() { return server->dir.Read("queries.log"); }

    static inline LocalHttpsServer* server = nullptr;
    TempDir station;
    CurlHttpFetcher fetcher;
};

TEST_F(LotwDownloadTest, WholeReportIsKeptAndAskedForWithEveryParameter) {
    std::uint64_t lastProgress = 0;
    LotwDownload got = DownloadLotwReport(fetcher, Request("good"), [&](std::uint64_t bytes) {
        lastProgress = bytes;
        return true;
    });
    ASSERT_TRUE(got.ok()) << LotwFailureMessage(got);
    EXPECT_EQ(station.Read("sp5abc_lotw_2024-03-06.adi"), kReport);
    EXPECT_EQ(got.bytes, kReport.size());
    EXPECT_EQ(lastProgress, kReport.size());
    EXPECT_NE(Queries().find("login=sp5abc&password=t%40jne%20h%26slo&qso_query=1&qso_qsl=yes"
                             "&qso_qsldetail=yes&qso_owncall=SP5ABC&qso_qslsince=2024-03-05"),
              std::string::npos)
        << Queries();
    for (const auto& file : std::filesystem::directory_iterator(station.Path()))
        EXPECT_EQ(station.Read(file.path().filename()).find("t@jne"), std::string::npos);
}

struct FailureCase {
    const char* path;
    LotwFailure failure;
    const char* caFile = "ca.pem";
    bool closedPort = false;
    int stallSeconds = 30;
    std::uint64_t maxBytes = 1 << 20;
    bool abort = false;
    int totalSeconds = 600;
};

const FailureCase kFailures[] = {
    {"html", LotwFailure::WrongLogin},
    {"blank_html", LotwFailure::WrongLogin},
    {"stall", LotwFailure::TooLong, "ca.pem", false, 30, 1 << 20, false, 1},
    {"cut", LotwFailure::CutShort},
    {"error", LotwFailure::HttpError},
    {"good", LotwFailure::Certificate, "other_ca.pem"},
    {"good", LotwFailure::NoNetwork, "ca.pem", true},
    {"stall", LotwFailure::TimedOut, "ca.pem", false, 1},
    {"good", LotwFailure::TooLarge, "ca.pem", false, 30, 100},
    {"good", LotwFailure::Aborted, "ca.pem", false, 30, 1 << 20, true},
};

TEST_F(LotwDownloadTest, EveryFailureIsToldApartLeavesNothingAndHidesThePassword) {
    station.Write("sp5abc_lotw_2024-03-06.adi", "earlier");
    for (const FailureCase& c : kFailures) {
        SCOPED_TRACE(static_cast<int>(c.failure));
        LotwDownloadRequest request = Request(c.path);
        request.caFile = server->dir.File(c.caFile);
        if (c.closedPort)
            request.baseUrl = "https://127.0.0.1:" + std::to_string(ClosedPort()) + "/";
        request.stallSeconds = c.stallSeconds;
        request.maxBytes = c.maxBytes;
        request.totalLimit = std::chrono::seconds(c.totalSeconds);
        LotwDownload got =
            DownloadLotwReport(fetcher, request, [&](std::uint64_t) { return !c.abort; });
        EXPECT_EQ(got.failure, c.failure) << LotwFailureMessage(got);
        if (c.failure == LotwFailure::HttpError) {
            EXPECT_EQ(got.httpStatus, 500);
        }
        std::string message = LotwFailureMessage(got);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find("t@jne"), std::string::npos);
        EXPECT_EQ(message.find("t%40jne"), std::string::npos);
        EXPECT_EQ(station.Read("sp5abc_lotw_2024-03-06.adi"), "earlier");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(station.Path()), {}), 1);
    }
}

TEST(LotwFailureBox, TheUsersOwnAbortIsNoError) {
    LotwDownload aborted;
    aborted.failure = LotwFailure::Aborted;
    testing::ScriptedPrompter prompter;
    prompter.ExpectBox(
        {LotwFailureMessage(aborted), "Informacja", Icon::Information, Buttons::Ok, {}});
    ShowLotwFailure(prompter, aborted);
    EXPECT_TRUE(prompter.Done());
}

// Delivers the body in pieces without announcing its length, then reports a
// transport failure that quotes the address.
class ChunkFetcher : public HttpFetcher {
  public:
    FetchResult Get(const FetchRequest& request, DownloadSink& sink) override {
        for (int i = 0; i < 10; ++i)
            if (!sink.Write(std::string(64, 'x'))) return {FetchOutcome::Stopped, 200, request.url};
        return {FetchOutcome::Failed, 0, "bad " + request.url};
    }
};

TEST_F(LotwDownloadTest, SizeIsCappedAsDataArriveAndDetailsLoseThePassword) {
    ChunkFetcher chunks;
    LotwDownloadRequest request = Request("any");
    request.maxBytes = 200;
    EXPECT_EQ(DownloadLotwReport(chunks, request, nullptr).failure, LotwFailure::TooLarge);
    request.maxBytes = 1000;
    LotwDownload other = DownloadLotwReport(chunks, request, nullptr);
    EXPECT_EQ(other.failure, LotwFailure::Other);
    EXPECT_NE(other.detail.find("password=*****&"), std::string::npos) << other.detail;
    EXPECT_FALSE(station.Exists("sp5abc_lotw_2024-03-06.adi"));
}

}  // namespace
}  // namespace zorva
