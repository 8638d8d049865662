#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorva {

struct FetchRequest {
    std::string url;     // https only
    std::string caFile;  // certificates to trust instead of the system's; empty: the system's
    std::uint64_t maxBytes = std::uint64_t{500} << 20;
    int stallSeconds = 30;  // this long without data ends the transfer
};

enum class FetchOutcome {
    Done,         // a 2xx answer, its body delivered whole
    NoNetwork,    // the host could not be found or reached
    TimedOut,     // no data for stallSeconds
    HttpError,    // the server answered with a status outside 2xx
    Certificate,  // the server's certificate did not verify
    TooLarge,     // the server announced more than maxBytes
    Interrupted,  // the connection broke off during the answer
    Stopped,      // the sink refused data or asked to stop
    Failed,       // anything else; detail says what
};

struct FetchResult {
    FetchOutcome outcome = FetchOutcome::Failed;
    long httpStatus = 0;
    std::string detail;  // the transport's own words, never holding the URL
};

// Where a body goes while it arrives.
class DownloadSink {
  public:
    virtual ~DownloadSink() = default;
    // False stops the transfer (a file that cannot be written, too much data).
    virtual bool Write(std::string_view bytes) = 0;
    // Asked now and then during the transfer, also while nothing arrives;
    // false stops it (the user's "Przerwij").
    virtual bool Continue(std::uint64_t bytesReceived) = 0;
};

// An HTTPS GET. Certificates are always verified. Blocks until the transfer
// ends; the sink is called on the calling thread.
class HttpFetcher {
  public:
    virtual ~HttpFetcher() = default;
    virtual FetchResult Get(const FetchRequest& request, DownloadSink& sink) = 0;
};

}  // namespace zorva
