#include "versions/saved_time.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "io/local_time.h"
#include "io/utf8_path.h"

namespace zorva {

void CarrySavedTime(const std::string& stationPath, const std::string& versionPath) {
    std::error_code error;
    const auto saved = std::filesystem::last_write_time(PathFromUtf8(stationPath), error);
    if (!error) std::filesystem::last_write_time(PathFromUtf8(versionPath), saved, error);
}

std::optional<LocalDateTime> SavedTimeOf(const std::string& path) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(PathFromUtf8(path), error);
    if (error) return std::nullopt;
    const auto since1970 = std::chrono::file_clock::to_sys(modified);
    const std::tm local = LocalTime(std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(since1970)));
    return LocalDateTime{{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                         local.tm_hour,
                         local.tm_min,
                         std::min(local.tm_sec, 59)};
}

}  // namespace zorva
