#include "lotw/lotw_command.h"

#include <gtest/gtest.h>

#include <map>

#include "files/file_messages.h"
#include "files/settings_section.h"
#include "lotw/lotw_messages.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

namespace zorva {
namespace {

const std::string kReport =
    "<eoh>\r\n<CALL:4>K1XX<DXCC:3>291<QSL_RCVD:1>Y<eor>\r\n<APP_LoTW_EOF>\r\n";
const std::string kLoginPage = "<html><body>Username/password incorrect</body></html>\n";

struct FakeFetcher : HttpFetcher {
    std::string body;
    FetchResult Get(const FetchRequest&, DownloadSink& sink) override {
        sink.Write(body);
        return {FetchOutcome::Done, 200, ""};
    }
};

struct FakeKeyring : Keyring {
    std::map<std::string, std::string> kept;
    std::string failure;
    std::optional<std::string> Recall(const std::string& login) override {
        return kept.count(login) ? std::optional(kept[login]) : std::nullopt;
    }
    std::string Keep(const std::string& login, const std::string& password) override {
        if (failure.empty()) kept[login] = password;
        return failure;
    }
    std::string Forget(const std::string& login) override {
        kept.erase(login);
        return "";
    }
};

class LotwCommand : public ::testing::Test {
  protected:
    LotwEnd Run(const std::string& body, PasswordKeeping keeping) {
        document.SetCall("SP5ABC");
        document.SetFileName(dir.File("sp5abc.txt"));
        fetcher.body = body;
        LotwDownloadParams params{"sp5abc", "tajne", std::nullopt, {2024, 3, 6}, keeping};
        LotwStationSteps steps{[this](const std::string& report) {
                                   imported = report;
                                   return importing;
                               },
                               [this] { return saving; }};
        const LotwEnd end =
            DownloadAndImportFromLotw(document, params, {fetcher, keyring, prompter}, steps);
        EXPECT_TRUE(params.password.empty());
        return end;
    }
    bool Remembered() const {
        return dir.Exists("zorva_rade.ini") &&
               dir.Read("zorva_rade.ini").find("Pobrano SP5ABC=2024-03-06") != std::string::npos;
    }

    testing::TempDir dir;
    StationDocument document{dir.Path()};
    testing::ScriptedPrompter prompter;
    FakeFetcher fetcher;
    FakeKeyring keyring;
    std::string imported;
    bool importing = true;
    bool saving = true;
};

TEST_F(LotwCommand, ThePasswordIsKeptOrForgottenOnlyOnceLotwAcceptedIt) {
    LotwDownload refused;
    refused.failure = LotwFailure::WrongLogin;
    keyring.kept["sp5abc"] = "stare";
    for (PasswordKeeping keeping : {PasswordKeeping::Keep, PasswordKeeping::Forget}) {
        prompter.ExpectError(LotwFailureMessage(refused));
        EXPECT_EQ(Run(kLoginPage, keeping), LotwEnd::NotDownloaded);
        EXPECT_EQ(keyring.Recall("sp5abc"), "stare");
    }
    EXPECT_TRUE(imported.empty());
    EXPECT_FALSE(Remembered());

    EXPECT_EQ(Run(kReport, KeepingFor(true, true)), LotwEnd::Done);
    EXPECT_EQ(keyring.Recall("sp5abc"), "tajne");
    EXPECT_EQ(Run(kReport, KeepingFor(false, false)), LotwEnd::Done);
    EXPECT_EQ(keyring.Recall("sp5abc"), "tajne");
    EXPECT_EQ(Run(kReport, KeepingFor(false, true)), LotwEnd::Done);
    EXPECT_FALSE(keyring.Recall("sp5abc"));

    keyring.failure = "Brak magazynu haseł.";
    prompter.ExpectError(keyring.failure);
    EXPECT_EQ(Run(kReport, PasswordKeeping::Keep), LotwEnd::Done);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(LotwCommand, TheDayIsRememberedOnlyOnceTheReportIsImportedAndSaved) {
    importing = false;
    EXPECT_EQ(Run(kReport, PasswordKeeping::LeaveAlone), LotwEnd::NotImported);
    EXPECT_EQ(dir.Read("sp5abc_lotw_2024-03-06.adi"), kReport);
    EXPECT_EQ(imported, dir.File("sp5abc_lotw_2024-03-06.adi"));
    importing = true;
    saving = false;
    EXPECT_EQ(Run(kReport, PasswordKeeping::LeaveAlone), LotwEnd::NotSaved);
    EXPECT_FALSE(Remembered());
    saving = true;
    EXPECT_EQ(Run(kReport, PasswordKeeping::LeaveAlone), LotwEnd::Done);
    EXPECT_TRUE(Remembered());
    EXPECT_EQ(RecallLotwFor(document, prompter)->login, "sp5abc");
}

TEST_F(LotwCommand, AnUnreadableSettingsFileIsToldBeforeTheDownloadAndAfterTheSave) {
    dir.Write("zorva_rade.ini", std::string(kMaxSettingsBytes + 1, ';'));
    const IoStatus unreadable = RecallLotw(dir.File("zorva_rade.ini"), "SP5ABC").status;
    const IoStatus unwritable = RememberLotwDownload(dir.File("zorva_rade.ini"), "SP5ABC", "a", {});
    ASSERT_FALSE(unreadable.ok() || unwritable.ok());
    prompter.ExpectError(FileErrorMessage(unreadable));
    EXPECT_FALSE(RecallLotwFor(document, prompter));
    prompter.ExpectError(FileErrorMessage(unwritable));
    EXPECT_EQ(Run(kReport, PasswordKeeping::LeaveAlone), LotwEnd::NotRemembered);
    EXPECT_TRUE(prompter.Done());
}

}  // namespace
}  // namespace zorva
