#include "lotw/lotw_session.h"

#include <algorithm>
#include <cstdlib>

#include "io/file_system.h"
#include "io/secret_memory.h"

namespace zorva {

void ApplyLotwServerOverrides(LotwDownloadRequest& request) {
    if (const char* url = std::getenv(kLotwUrlVariable); url && *url) request.baseUrl = url;
    if (const char* ca = std::getenv(kLotwCaFileVariable); ca && *ca) request.caFile = ca;
    if (const char* limit = std::getenv(kLotwTimeLimitVariable); limit && *limit)
        request.totalLimit = std::chrono::seconds(std::max(1, std::atoi(limit)));
}

LotwDownloadRequest LotwRequestFor(const std::string& stationFile, const std::string& call,
                                   const std::string& login, const std::string& password,
                                   const std::optional<CivilDate>& since, const CivilDate& today) {
    LotwDownloadRequest request;
    ApplyLotwServerOverrides(request);
    request.query = {login, password, call, since};
    request.reportPath = LotwReportPath(stationFile, call, today);
    return request;
}

PasswordRead ReadPasswordFile(const std::string& path) {
    ReadResult read = ReadWholeFile(path);
    if (!read.ok()) return {"", read.status};
    std::string text = read.bytes.substr(0, read.bytes.find_first_of("\r\n"));
    ClearSecret(read.bytes);
    return {text, {}};
}

}  // namespace zorva
