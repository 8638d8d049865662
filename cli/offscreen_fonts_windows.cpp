#include <windows.h>

#include <cstdlib>
#include <string>

#include "offscreen_fonts.h"

namespace zorva::cli {

// On Windows the offscreen platform reads fonts from one folder, QT_QPA_FONTDIR, and
// without it from a folder beside Qt's libraries, which a static build does not have.
void ShowSystemFontsToOffscreenPlatform() {
    const wchar_t* chosen = _wgetenv(L"QT_QPA_FONTDIR");
    if (chosen && *chosen) return;
    std::wstring windows(MAX_PATH, L'\0');
    const UINT n = GetWindowsDirectoryW(windows.data(), static_cast<UINT>(windows.size()));
    if (n == 0 || n >= windows.size()) return;
    windows.resize(n);
    _wputenv_s(L"QT_QPA_FONTDIR", (windows + L"\\Fonts").c_str());
}

}  // namespace zorva::cli
