#pragma once

#include <functional>
#include <optional>
#include <string>

#include "document/station_document.h"
#include "lotw/lotw_download.h"
#include "lotw/lotw_memory.h"
#include "ports/http_fetcher.h"
#include "ports/keyring.h"
#include "ports/prompter.h"

namespace zorva {

// What "Zapamiętaj hasło" asks of the keyring once LoTW accepted the password.
enum class PasswordKeeping { LeaveAlone, Keep, Forget };

// Ticked: keep it; unticked: forget the one kept before, if any.
PasswordKeeping KeepingFor(bool rememberTicked, bool passwordWasKept);

// One download as the user asked for it.
struct LotwDownloadParams {
    std::string login;
    std::string password;            // cleared once the download ended
    std::optional<CivilDate> since;  // nothing: every confirmation
    CivilDate today;
    PasswordKeeping keeping = PasswordKeeping::LeaveAlone;
};

// Where the command reaches out: the server, the keyring and the user.
struct LotwPorts {
    HttpFetcher& fetcher;
    Keyring& keyring;
    Prompter& prompter;
    LotwProgress progress = {};
};

// The station's part, run by the front end, each showing its own messages:
// the import series over the report (false: not finished), then the save
// (false: not written).
struct LotwStationSteps {
    std::function<bool(const std::string& reportPath)> importReport;
    std::function<bool()> save;
};

enum class LotwEnd { Done, NotDownloaded, NotImported, NotSaved, NotRemembered };

// What the settings file remembers for the station; nothing, with the reason
// shown, when it cannot be read, since no download could be remembered either.
std::optional<LotwMemory> RecallLotwFor(const StationDocument& document, Prompter& prompter);

struct LotwFetched {
    LotwDownload download;
    std::string reportPath;
};

// The report downloaded beside the station file; a failure is shown. Only a
// password that LoTW accepted is kept or forgotten, as params.keeping says.
LotwFetched FetchLotwReport(const StationDocument& document, LotwDownloadParams& params,
                            const LotwPorts& ports);

// The report imported and the station saved; only then are the day and the
// login remembered for the call, so that a failure asks for the same again.
LotwEnd ImportLotwReport(const std::string& settingsPath, const std::string& call,
                         const LotwDownloadParams& params, const std::string& reportPath,
                         const LotwStationSteps& steps, Prompter& prompter);

// "Pobierz z LoTW...": the download, the import, the save and the memory.
LotwEnd DownloadAndImportFromLotw(const StationDocument& document, LotwDownloadParams& params,
                                  const LotwPorts& ports, const LotwStationSteps& steps);

}  // namespace zorva
