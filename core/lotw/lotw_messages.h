#pragma once

#include <string>

#include "lotw/lotw_download.h"

namespace zorva {

// The message of a failed download, as the desktop program and zorva show it.
std::string LotwFailureMessage(const LotwDownload& download);

}  // namespace zorva
