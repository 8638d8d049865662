#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "io/io_status.h"
#include "lotw/lotw_query.h"
#include "ports/clock.h"
#include "ports/http_fetcher.h"

namespace zorva {

enum class LotwFailure {
    None,
    WrongLogin,  // an HTML page came instead of the report
    CutShort,    // the report lacks its <APP_LoTW_EOF> end
    NoNetwork,
    TimedOut,
    TooLong,  // the whole download took longer than its limit
    HttpError,
    Certificate,  // the server's certificate did not verify
    TooLarge,
    Aborted,    // the user's "Przerwij"
    FileError,  // the report could not be written
    Other,
};

struct LotwDownloadRequest {
    std::string baseUrl = kLotwReportUrl;
    std::string caFile;  // empty: the system's certificates
    LotwQuery query;
    std::string reportPath;  // where the report is kept (LotwReportPath)
    std::uint64_t maxBytes = std::uint64_t{500} << 20;
    int stallSeconds = 30;
    // A server that sends a byte now and then never stalls; this ends it all the same.
    std::chrono::seconds totalLimit{600};
};

struct LotwDownload {
    LotwFailure failure = LotwFailure::None;
    std::uint64_t bytes = 0;  // of the report received
    long httpStatus = 0;
    std::string detail;  // the transport's reason; never the password
    IoStatus file;       // why the report file could not be written
    bool ok() const { return failure == LotwFailure::None; }
};

// Told the bytes received so far, now and then; false stops the download.
using LotwProgress = std::function<bool(std::uint64_t bytesReceived)>;

// "<call>_lotw_<rrrr-mm-dd>.adi" beside the station file, the call named as
// station files are named.
std::string LotwReportPath(const std::string& stationFilePath, const std::string& call,
                           const CivilDate& day);

// Downloads the report into request.reportPath. The file appears only when a
// whole report arrived; on any failure nothing is left and an earlier file of
// that name stays as it was.
LotwDownload DownloadLotwReport(HttpFetcher& fetcher, const LotwDownloadRequest& request,
                                const LotwProgress& progress);

}  // namespace zorva
