#include "lists/list_commands.h"

#include <optional>
#include <string_view>

#include "files/file_messages.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "text/columns.h"

namespace zorva {

namespace {

enum class Replace { Yes, AskAgain, Stop };

Replace AskReplace(Station& station, const std::string& path) {
    if (!FileExists(path)) return Replace::Yes;
    switch (AskWarning(station.prompter, kReplaceQuestion, Buttons::YesNoCancel)) {
        case Answer::Yes:
            return Replace::Yes;
        case Answer::No:
            return Replace::AskAgain;
        default:
            return Replace::Stop;
    }
}

std::optional<std::string> ChooseFile(Station& station, const std::string& presetName) {
    auto chosen = station.prompter.ChooseSaveFile({kFileFilter, presetName, ""});
    if (!chosen) return std::nullopt;
    return WithTxtWhenNoDot(*chosen);
}

bool Write(Station& station, const std::string& path, const std::vector<std::string>& lines) {
    IoStatus status = WriteTextLines(path, lines);
    if (!status.ok()) ShowError(station.prompter, FileErrorMessage(status));
    return status.ok();
}

std::string SafeForFileName(std::string text) {
    constexpr std::string_view kUnfit = "/\\:*?\"<>|";
    for (char& c : text)
        if (kUnfit.find(c) != std::string_view::npos) c = '-';
    return text;
}

}  // namespace

std::string WithTxtWhenNoDot(const std::string& path) {
    return path.find('.') == std::string::npos ? path + ".txt" : path;
}

std::string VerificationListName(const std::string& call, const std::string& shortDate) {
    return SafeForFileName(call) + "_" + SafeForFileName(shortDate) + ".txt";
}

std::string ConfirmationListName(const std::string& stationFileName, ConfirmationKind kind) {
    std::string name = stationFileName;
    if (size_t at = name.find(".txt"); at != std::string::npos) name.erase(at, 4);
    return name + (kind == ConfirmationKind::Qsl ? "_qsl.txt" : "_lotw.txt");
}

bool SaveVerifiedList(Station& station) {
    std::optional<std::string> path;
    for (;;) {
        path = ChooseFile(station, "");
        if (!path) return false;
        Replace replace = AskReplace(station, *path);
        if (replace == Replace::Stop) return false;
        if (replace == Replace::Yes) break;
    }
    const auto lines = VerifiedListLines(station.Document().Table(), station.Document().Call(),
                                         station.clock.TodayShort());
    if (!Write(station, *path, lines)) return false;
    ShowInformation(station.prompter, "Dane zostały zapisane.");
    return true;
}

bool SaveVerificationList(Station& station) {
    std::optional<std::string> path;
    std::string call;
    for (;;) {
        auto answer =
            station.prompter.Input(kListCallCaption, kListCallPrompt, station.Document().Call());
        if (!answer || Trim(*answer).empty()) return false;
        call = ToLowerText(Trim(*answer));
        path = ChooseFile(station, VerificationListName(call, station.clock.TodayShort()));
        if (!path) return false;
        Replace replace = AskReplace(station, *path);
        if (replace == Replace::Stop) return false;
        if (replace == Replace::Yes) break;
    }
    const auto lines = VerificationListLines(
        station.Document().Table(), call, station.clock.TodayShort(), station.Document().Counts());
    if (!Write(station, *path, lines)) return false;
    ShowInformation(station.prompter, "Dane zostały zapisane!", "Komunikat");
    return true;
}

bool SaveConfirmationList(Station& station, ConfirmationKind kind) {
    auto path = ChooseFile(station, ConfirmationListName(station.Document().FileName(), kind));
    if (!path) return false;
    return Write(station, *path, ConfirmationListLines(station.Document().Table(), kind));
}

}  // namespace zorva
