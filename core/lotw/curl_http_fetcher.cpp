#include "lotw/curl_http_fetcher.h"

#include <curl/curl.h>

#include <memory>

namespace zorva {
namespace {

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

size_t OnData(char* data, size_t size, size_t count, void* user) {
    size_t length = size * count;
    return static_cast<DownloadSink*>(user)->Write({data, length}) ? length : 0;
}

int OnProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    return static_cast<DownloadSink*>(user)->Continue(static_cast<std::uint64_t>(received)) ? 0 : 1;
}

FetchOutcome OutcomeOf(CURLcode code) {
    switch (code) {
        case CURLE_OK:
            return FetchOutcome::Done;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
            return FetchOutcome::NoNetwork;
        case CURLE_OPERATION_TIMEDOUT:
            return FetchOutcome::TimedOut;
        case CURLE_HTTP_RETURNED_ERROR:
            return FetchOutcome::HttpError;
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
            return FetchOutcome::Certificate;
        case CURLE_FILESIZE_EXCEEDED:
            return FetchOutcome::TooLarge;
        case CURLE_PARTIAL_FILE:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_GOT_NOTHING:
            return FetchOutcome::Interrupted;
        case CURLE_WRITE_ERROR:
        case CURLE_ABORTED_BY_CALLBACK:
            return FetchOutcome::Stopped;
        default:
            return FetchOutcome::Failed;
    }
}

void Configure(CURL* curl, const FetchRequest& request, DownloadSink& sink, char* errors) {
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!request.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, request.caFile.c_str());
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(request.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(request.maxBytes));
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "ZORVA_Rade");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &sink);
}

}  // namespace

CurlHttpFetcher::CurlHttpFetcher() {
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
}

FetchResult CurlHttpFetcher::Get(const FetchRequest& request, DownloadSink& sink) {
    FetchResult result;
    EasyHandle curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        result.detail = "curl_easy_init";
        return result;
    }
    char errors[CURL_ERROR_SIZE] = {};
    Configure(curl.get(), request, sink, errors);
    CURLcode code = curl_easy_perform(curl.get());
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &result.httpStatus);
    result.outcome = OutcomeOf(code);
    result.detail = errors[0] ? errors : curl_easy_strerror(code);
    if (result.outcome == FetchOutcome::Done && result.httpStatus / 100 != 2)
        result.outcome = FetchOutcome::HttpError;
    return result;
}

}  // namespace zorva
