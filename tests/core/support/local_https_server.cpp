#include "local_https_server.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace zorva::testing {

LocalHttpsServer::LocalHttpsServer() {
    std::string script = ZORVA_SOURCE_DIR "/tests/core/lotw/https_server.py";
    char* argv[] = {const_cast<char*>("python3"), script.data(),
                    const_cast<char*>(dir.Path().c_str()), nullptr};
    if (posix_spawnp(&pid, "python3", nullptr, nullptr, argv, environ) != 0) return;
    for (int i = 0; i < 200 && !Started(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

LocalHttpsServer::~LocalHttpsServer() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

std::string LocalHttpsServer::Url(const std::string& name) const {
    return "https://127.0.0.1:" + dir.Read("port") + "/" + name + "/lotwuser/lotwreport.adi";
}

}  // namespace zorva::testing
