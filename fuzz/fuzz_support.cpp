#include "fuzz_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zorva::fuzz {
namespace {

constexpr const char* kScratchPrefix = "zorva-fuzz-";

// libFuzzer often ends a process without running destructors, so each run first
// clears the folders of processes that are gone.
void RemoveStaleScratchDirs(const std::filesystem::path& base) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(base, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kScratchPrefix, 0) != 0) continue;
        const long pid = std::strtol(name.c_str() + std::strlen(kScratchPrefix), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            std::filesystem::remove_all(entry.path(), ignored);
    }
}

std::string MakeScratchDir() {
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    RemoveStaleScratchDirs(base);
    std::string path = std::string(base) + "/" + kScratchPrefix + std::to_string(::getpid());
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    if (::mkdir(path.c_str(), 0700) != 0) {
        std::perror("mkdir");
        std::abort();
    }
    return path;
}

struct ScratchHolder {
    std::string path = MakeScratchDir();
    ~ScratchHolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

unsigned BitPrompter::NextTwoBits() {
    unsigned two = bits_ & 3u;
    bits_ = (bits_ >> 2) | (two << 30);  // the answers repeat once the word is used up
    return two;
}

Answer BitPrompter::Show(const MessageBox& box) {
    unsigned two = NextTwoBits();
    switch (box.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return two & 1 ? Answer::Cancel : Answer::Ok;
        case Buttons::YesNo:
            return two & 1 ? Answer::No : Answer::Yes;
        case Buttons::YesNoCancel:
            return two == 0 ? Answer::Yes : two == 1 ? Answer::No : Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<std::string> BitPrompter::Input(const std::string&, const std::string&,
                                              const std::string&) {
    switch (NextTwoBits()) {
        case 0:
            return std::nullopt;
        case 1:
            return std::string();
        case 2:
            return std::string("sp5abc");
        default:
            return std::string("ŻÓŁW/ĘĄ");
    }
}

std::optional<std::string> BitPrompter::ChooseOpenFile(const FileChoice&) {
    return std::nullopt;
}
std::optional<std::string> BitPrompter::ChooseSaveFile(const FileChoice&) {
    return std::nullopt;
}

const std::string& ScratchDir() {
    static ScratchHolder holder;
    return holder.path;
}

std::string ScratchFile(const std::string& name) {
    return ScratchDir() + "/" + name;
}

void WriteScratch(const std::string& name, std::string_view bytes) {
    std::string path = ScratchFile(name);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Require(fd >= 0, "cannot create a scratch file");
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        Require(n > 0, "cannot write a scratch file");
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

SplitInput SplitAnswers(const uint8_t* data, size_t size) {
    SplitInput split;
    const char* text = reinterpret_cast<const char*>(data);
    if (size < 4) {
        split.body = std::string_view(text, size);
        return split;
    }
    std::memcpy(&split.answers, data + size - 4, 4);
    split.body = std::string_view(text, size - 4);
    return split;
}

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace zorva::fuzz
