#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace zorva::testing {

// With ZORVA_WRITE_SEEDS=DIR set, tests write their fixtures to DIR/<target>/<name> as
// the starting inputs of the fuzz targets; otherwise nothing is written.
inline void WriteFuzzSeed(const std::string& target, const std::string& name,
                          std::string_view bytes) {
    const char* root = std::getenv("ZORVA_WRITE_SEEDS");
    if (root == nullptr || *root == '\0') return;
    const std::filesystem::path dir = std::filesystem::path(root) / target;
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// The targets that ask questions take their answers from the input's last four bytes;
// zeros answer every question with Yes.
inline std::string WithYesAnswers(std::string_view bytes) {
    return std::string(bytes) + std::string(4, '\0');
}

}  // namespace zorva::testing
