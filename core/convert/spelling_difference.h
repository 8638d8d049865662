#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "convert/old_station_file.h"

namespace zorva {

// A confirmed line of an old file whose entity key differs from our list's
// entry at the same position.
struct KeyDifference {
    size_t position = 0;
    std::string fileKey;
    std::string_view listKey;
};

// True when the file's key differs from the list's entry at position only in
// the spelling of the prefix or of the name, and the spelling it has is no
// other entry's, so the position alone tells which entity the line holds.
bool OnlySpellingDiffers(const OldEntityList& list, size_t position, std::string_view fileKey);

// The question whether to convert by position a file whose keys differ from
// the list only in spelling: the differing lines side by side, file and list.
std::string ConvertByPositionQuestion(const std::string& path, const OldEntityList& list,
                                      const std::vector<KeyDifference>& differences);

}  // namespace zorva
