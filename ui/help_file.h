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

// "Plik pomocy" and F1: opens the help that lies in the program directory
// (never looked up in the current working directory), or says in a "Błąd" box
// why it cannot.
void OpenHelpFile(Prompter& prompter, const std::string& programDir, const UrlOpener& open);

}  // namespace zorva
