#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "io/console.h"
#include "text/wide_text.h"

namespace zorva {

// A console handle answers GetConsoleMode; a pipe, a file or NUL does not.
bool StandardInputIsConsole() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// argv holds the ANSI code page's rendering; the wide command line holds every character.
std::vector<std::string> CommandLineWords(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i) words.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return words;
}

void PrepareConsole() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

}  // namespace zorva
