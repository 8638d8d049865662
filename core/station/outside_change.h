#pragma once

#include <string>
#include <string_view>

#include "document/disk_version.h"

namespace zorva {

class FileLock;
class Station;

inline constexpr const char* kReloadedNotice =
    "Plik został zmieniony przez inny program i wczytany ponownie.";

// The refusal when another program holds the station file for longer than a program waits.
std::string StationBusyMessage(const std::string& path);
// The refusal when the station file's lock was not taken, busy or not.
std::string StationLockRefusal(const std::string& path, const FileLock& lock);

enum class OutsideChange { None, Reloaded, Kept, Cancelled };

// On activation of the window or a report of the file watcher: a station file
// that another program changed is loaded again at once when the window holds no
// unsaved change; otherwise the user chooses.
OutsideChange CheckOutsideChange(Station& s);

enum class GuardedWrite { Written, Failed, SaveElsewhere, Stopped };

// Writes the station file's bytes to path under the file's lock. When another
// program changed the file since it was read, the user decides first. Failures
// are shown.
GuardedWrite WriteUnlessChangedOutside(Station& s, const std::string& path, std::string_view bytes);

}  // namespace zorva
