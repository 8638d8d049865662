#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

class Station;

// What a station file held on disk. Bytes decide, not the modification time:
// two saves within one tick of a coarse file-system clock look alike by time,
// and station files of one station are nearly always of one size.
struct DiskVersion {
    std::string path;
    uint64_t size = 0;
    uint64_t hash = 0;
    bool operator==(const DiskVersion&) const = default;
};

DiskVersion VersionOf(const std::string& path, std::string_view bytes);

// The versions of its station file the window knows.
struct KnownVersions {
    std::optional<DiskVersion> read;  // what was last loaded or saved
    std::optional<DiskVersion> kept;  // a later version the user chose not to load
    void Remember(const std::string& path, std::string_view bytes);
    void Forget();
};

inline constexpr const char* kReloadedNotice =
    "Plik został zmieniony przez inny program i wczytany ponownie.";

// The refusal when another program holds the station file for longer than a program waits.
std::string StationBusyMessage(const std::string& path);

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
