#include "run_zorva.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace zorva::testing {
namespace {

void ReadBoth(int outFd, int errFd, std::string& out, std::string& err) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    int open = 2;
    char buffer[8192];
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? out : err).append(buffer, static_cast<size_t>(n));
            }
        }
    }
}

}  // namespace

CliResult RunZorva(const std::vector<std::string>& args, const std::string& input) {
    static std::atomic<int> serial{0};
    std::string inputPath =
        std::filesystem::temp_directory_path() /
        ("zorva-stdin-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
    {
        int fd = open(inputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || write(fd, input.data(), input.size()) != static_cast<ssize_t>(input.size()))
            throw std::runtime_error("cannot write the input file");
        close(fd);
    }
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);
    std::vector<std::string> all = {ZORVA_BIN};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, ZORVA_BIN, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (rc != 0) throw std::runtime_error("cannot start zorva");
    CliResult result;
    ReadBoth(outPipe[0], errPipe[0], result.out, result.err);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    unlink(inputPath.c_str());
    return result;
}

std::string ShippedDataFile(const std::string& name) {
    return std::string(ZORVA_DATA_DIR) + "/" + name;
}

CliHome::CliHome() {
    for (const char* name : {"dxcc_adif.kvt", "dxcc_adif_backup.kvt"})
        std::filesystem::copy_file(ShippedDataFile(name), File(name));
}

CliResult CliHome::Run(const std::vector<std::string>& args, const std::string& input) const {
    std::vector<std::string> all = {"--home", Path()};
    all.insert(all.end(), args.begin(), args.end());
    return RunZorva(all, input);
}

}  // namespace zorva::testing
