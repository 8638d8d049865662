#pragma once

#include <optional>
#include <string>

#include "io/io_status.h"
#include "lotw/lotw_download.h"
#include "lotw/lotw_memory.h"

namespace zorva {

inline constexpr const char* kLotwNoLogin = "Nie podano loginu do LoTW.";
inline constexpr const char* kLotwNoPassword = "Nie podano hasła do LoTW.";

// LoTW's address, the system's certificates and ten minutes for the whole
// download, unless ZORVA_LOTW_URL, ZORVA_LOTW_CA_FILE and ZORVA_LOTW_TIME_LIMIT
// name a test server, its certificate and a shorter limit.
void ApplyLotwServerOverrides(LotwDownloadRequest& request);

// The download of a station's confirmations since `since` (nothing: all of
// them), its report kept beside the station file under today's date.
LotwDownloadRequest LotwRequestFor(const std::string& stationFile, const std::string& call,
                                   const std::string& login, const std::string& password,
                                   const std::optional<CivilDate>& since, const CivilDate& today);

// The first line of a password file, without its line end; empty when the file
// could not be read (`fault`) or holds no password.
struct PasswordRead {
    std::string password;
    IoStatus fault;
    bool ok() const { return !password.empty(); }
};
PasswordRead ReadPasswordFile(const std::string& path);

}  // namespace zorva
