#pragma once

#include "ports/http_fetcher.h"

namespace zorva {

// The fetcher of the program: libcurl, HTTPS only, no redirects followed (the
// password travels in the address and must reach no other host).
class CurlHttpFetcher : public HttpFetcher {
  public:
    CurlHttpFetcher();
    FetchResult Get(const FetchRequest& request, DownloadSink& sink) override;
};

}  // namespace zorva
