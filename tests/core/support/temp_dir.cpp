#include "temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "io/utf8_path.h"

namespace zorva::testing {

TempDir::TempDir() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "zorva-test-";
        for (int i = 0; i < 8; ++i) name += kChars[random() % (sizeof kChars - 1)];
        const auto candidate = std::filesystem::temp_directory_path() / name;
        // create_directory is false when the folder was there already.
        if (std::filesystem::create_directory(candidate)) {
            path_ = GenericUtf8Of(candidate);
            return;
        }
    }
    throw std::runtime_error("no fresh temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    const auto path = PathFromUtf8(path_);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path, ec);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(PathFromUtf8(File(name)), std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write fixture " + name);
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(PathFromUtf8(File(name)), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempDir::Exists(const std::string& name) const {
    return std::filesystem::exists(PathFromUtf8(File(name)));
}

std::string CrLf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace zorva::testing
