#pragma once

#include <string>
#include <variant>
#include <vector>

#include "files/settings_file.h"

namespace zorva {

// How a key's value is read and written.
enum class SettingsKeyKind {
    Text,
    Number,  // brought into lowest..highest
    Colour,  // a value outside 0..kMaxColour keeps the default
    Flag,    // any number but 0 is on; written 1 or 0
    Bold,    // exactly "1" is bold; written "1" or "0"
};

// One key of zorva_rade.ini and the value of a Settings it stands for.
struct SettingsKey {
    const char* section;
    const char* key;
    SettingsKeyKind kind;
    std::variant<std::string*, int*, bool*> value;
    int lowest = 0;
    int highest = 0;
};

// Every key of the settings file, in the order it is written, each bound to its
// value in settings. Reading and writing both walk this list.
std::vector<SettingsKey> SettingsKeys(Settings& settings);

}  // namespace zorva
