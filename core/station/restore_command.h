#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "versions/version_list.h"

namespace zorva {

class Station;

// The list of versions, newest first, as the user sees it: the chosen version's
// name, or nothing when the user cancelled.
using ChooseVersion =
    std::function<std::optional<std::string>(const std::vector<VersionEntry>& newestFirst)>;

// "Przywróć poprzednią wersję...": the open station file replaced by one of its
// kept versions, then loaded as "Otwórz" loads it. True when a version was restored.
bool RestorePreviousVersion(Station& s, const ChooseVersion& choose);

}  // namespace zorva
