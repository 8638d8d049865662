#pragma once

#include <sys/types.h>

#include <string>

#include "temp_dir.h"

namespace zorva::testing {

// tests/core/lotw/https_server.py over its own folder, with certificates made
// for this run: /NAME/... answers the file NAME of that folder.
class LocalHttpsServer {
  public:
    LocalHttpsServer();
    ~LocalHttpsServer();
    bool Started() const { return dir.Exists("port"); }
    std::string Url(const std::string& name) const;

    TempDir dir;
    pid_t pid = -1;
};

}  // namespace zorva::testing
