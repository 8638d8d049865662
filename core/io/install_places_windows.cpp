#include <windows.h>

#include <cwchar>

#include "io/file_system.h"
#include "io/install_places.h"
#include "text/wide_text.h"

namespace zorva {
namespace {

constexpr const char* kProgramFolder = "zorva_rade";

// Forward slashes inside the program; the API takes either.
std::string Slashed(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

std::string ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::string exe = Slashed(Utf8FromWide(path));
    return exe.substr(0, exe.find_last_of('/'));
}

std::string AppData() {
    const wchar_t* value = _wgetenv(L"APPDATA");
    return value ? Slashed(Utf8FromWide(value)) : std::string();
}

// The installer lays the programs out as on Linux, bin\ beside share\zorva_rade\, so
// that the program folder never looks like a writable copy and data goes to
// %APPDATA%; a copy unpacked anywhere keeps the shipped files beside itself.
std::string ShareDirectory(const std::string& executableDir) {
    const std::string installed = JoinPath(executableDir.substr(0, executableDir.find_last_of('/')),
                                           std::string("share/") + kProgramFolder);
    return IsDirectory(installed) ? installed : executableDir;
}

}  // namespace

InstallPlaces SystemInstallPlaces() {
    const std::string executableDir = ExecutableDirectory();
    return {executableDir, JoinPath(AppData(), kProgramFolder), ShareDirectory(executableDir)};
}

}  // namespace zorva
