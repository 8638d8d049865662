#pragma once

#include <QUrl>
#include <functional>
#include <string>

#include "ports/prompter.h"

namespace zorva {

inline constexpr const char* kHelpFileName = "zorva_rade.html";

// Opens a document or address with the desktop's handler; true when one took it.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener DesktopUrlOpener();

// The help beside the program: in the program directory, else beside the
// executable; never looked up in the current working directory. Empty when
// neither holds it.
std::string FindHelpFile(const std::string& programDir, const std::string& executableDir);

// "Plik pomocy" and F1: opens the help, or says in a "Błąd" box why it cannot.
void OpenHelpFile(Prompter& prompter, const std::string& programDir, const std::string& executableDir,
                  const UrlOpener& open);

}  // namespace zorva
