#include "document/disk_version.h"

namespace zorva {
namespace {

// FNV-1a: the hash tells versions apart, it guards against no adversary.
uint64_t HashOf(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace

DiskVersion VersionOf(const std::string& path, std::string_view bytes) {
    return {path, bytes.size(), HashOf(bytes)};
}

void KnownVersions::Remember(const std::string& path, std::string_view bytes) {
    read = VersionOf(path, bytes);
    kept.reset();
}

void KnownVersions::Forget() {
    read.reset();
    kept.reset();
}

}  // namespace zorva
