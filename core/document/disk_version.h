#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

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

// The versions of its station file the document knows.
struct KnownVersions {
    std::optional<DiskVersion> read;  // what was last loaded or saved
    std::optional<DiskVersion> kept;  // a later version the user chose not to load
    void Remember(const std::string& path, std::string_view bytes);
    void Forget();
};

}  // namespace zorva
