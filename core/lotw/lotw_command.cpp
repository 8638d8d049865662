#include "lotw/lotw_command.h"

#include "files/file_messages.h"
#include "io/secret_memory.h"
#include "lotw/lotw_messages.h"
#include "lotw/lotw_session.h"

namespace zorva {

namespace {

void ApplyKeeping(const LotwDownloadParams& params, Keyring& keyring, Prompter& prompter) {
    std::string failure;
    if (params.keeping == PasswordKeeping::Keep)
        failure = keyring.Keep(params.login, params.password);
    else if (params.keeping == PasswordKeeping::Forget)
        failure = keyring.Forget(params.login);
    if (!failure.empty()) ShowError(prompter, failure);
}

}  // namespace

PasswordKeeping KeepingFor(bool rememberTicked, bool passwordWasKept) {
    if (rememberTicked) return PasswordKeeping::Keep;
    return passwordWasKept ? PasswordKeeping::Forget : PasswordKeeping::LeaveAlone;
}

std::optional<LotwMemory> RecallLotwFor(const StationDocument& document, Prompter& prompter) {
    LotwMemory memory = RecallLotw(document.SettingsPath(), document.Call());
    if (memory.status.ok()) return memory;
    ShowError(prompter, FileErrorMessage(memory.status));
    return std::nullopt;
}

LotwFetched FetchLotwReport(const StationDocument& document, LotwDownloadParams& params,
                            const LotwPorts& ports) {
    LotwDownloadRequest request = LotwRequestFor(document.FileName(), document.Call(), params.login,
                                                 params.password, params.since, params.today);
    LotwFetched fetched{DownloadLotwReport(ports.fetcher, request, ports.progress),
                        request.reportPath};
    ClearSecret(request.query.password);
    if (fetched.download.ok())
        ApplyKeeping(params, ports.keyring, ports.prompter);
    else
        ShowLotwFailure(ports.prompter, fetched.download);
    ClearSecret(params.password);
    return fetched;
}

LotwEnd ImportLotwReport(const std::string& settingsPath, const std::string& call,
                         const LotwDownloadParams& params, const std::string& reportPath,
                         const LotwStationSteps& steps, Prompter& prompter) {
    if (!steps.importReport(reportPath)) return LotwEnd::NotImported;
    if (!steps.save()) return LotwEnd::NotSaved;
    const IoStatus remembered =
        RememberLotwDownload(settingsPath, call, params.login, params.today);
    if (remembered.ok()) return LotwEnd::Done;
    ShowError(prompter, FileErrorMessage(remembered));
    return LotwEnd::NotRemembered;
}

LotwEnd DownloadAndImportFromLotw(const StationDocument& document, LotwDownloadParams& params,
                                  const LotwPorts& ports, const LotwStationSteps& steps) {
    // Copied first: the station's steps may load the station anew.
    const std::string settingsPath = document.SettingsPath();
    const std::string call = document.Call();
    const LotwFetched fetched = FetchLotwReport(document, params, ports);
    if (!fetched.download.ok()) return LotwEnd::NotDownloaded;
    return ImportLotwReport(settingsPath, call, params, fetched.reportPath, steps, ports.prompter);
}

}  // namespace zorva
