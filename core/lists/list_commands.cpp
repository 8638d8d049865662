#include "lists/list_commands.h"

#include <optional>
#include <string_view>

#include "io/file_system.h"
#include "text/columns.h"

namespace zorva {

namespace {

std::optional<std::string> ChooseFile(Prompter& prompter, const std::string& presetName) {
    auto chosen = prompter.ChooseSaveFile({kFileFilter, presetName, ""});
    if (!chosen) return std::nullopt;
    return WithTxtWhenNoDot(*chosen);
}

std::string SafeForFileName(std::string text) {
    constexpr std::string_view kUnfit = "/\\:*?\"<>|";
    for (char& c : text)
        if (kUnfit.find(c) != std::string_view::npos) c = '-';
    return text;
}

}  // namespace

Replace AskReplace(Prompter& prompter, const std::string& path) {
    if (!FileExists(path)) return Replace::Yes;
    switch (AskWarning(prompter, kReplaceQuestion, Buttons::YesNoCancel)) {
        case Answer::Yes:
            return Replace::Yes;
        case Answer::No:
            return Replace::AskAgain;
        default:
            return Replace::Stop;
    }
}

bool AsksBeforeReplacing(ListKind kind) {
    return kind == ListKind::Verified || kind == ListKind::ToVerify;
}

std::string VerificationListName(const std::string& call, const std::string& shortDate) {
    return SafeForFileName(call) + "_" + SafeForFileName(shortDate) + ".txt";
}

std::string ConfirmationListName(const std::string& stationFileName, Confirmation kind) {
    std::string name = stationFileName;
    if (size_t at = name.find(".txt"); at != std::string::npos) name.erase(at, 4);
    return name + (kind == Confirmation::Qsl ? "_qsl.txt" : "_lotw.txt");
}

bool SaveVerifiedList(const StationDocument& document, Prompter& prompter, const Clock& clock) {
    std::optional<std::string> path;
    for (;;) {
        path = ChooseFile(prompter, "");
        if (!path) return false;
        Replace replace = AskReplace(prompter, *path);
        if (replace == Replace::Stop) return false;
        if (replace == Replace::Yes) break;
    }
    return WriteList(document, {ListKind::Verified, *path, "", clock.TodayShort()}, prompter);
}

bool SaveVerificationList(const StationDocument& document, Prompter& prompter, const Clock& clock) {
    std::optional<std::string> path;
    std::string call;
    for (;;) {
        auto answer = prompter.Input(kListCallCaption, kListCallPrompt, document.Call());
        if (!answer || Trim(*answer).empty()) return false;
        call = ListCall(*answer);
        path = ChooseFile(prompter, VerificationListName(call, clock.TodayShort()));
        if (!path) return false;
        Replace replace = AskReplace(prompter, *path);
        if (replace == Replace::Stop) return false;
        if (replace == Replace::Yes) break;
    }
    return WriteList(document, {ListKind::ToVerify, *path, call, clock.TodayShort()}, prompter);
}

bool SaveConfirmationList(const StationDocument& document, Prompter& prompter, Confirmation kind) {
    auto path = ChooseFile(prompter, ConfirmationListName(document.FileName(), kind));
    if (!path) return false;
    const ListKind list = kind == Confirmation::Qsl ? ListKind::Qsl : ListKind::Lotw;
    return WriteList(document, {list, *path, "", ""}, prompter);
}

}  // namespace zorva
