#pragma once

#include <string>

#include "lotw/lotw_download.h"
#include "ports/prompter.h"

namespace zorva {

// The message of a failed download, as the desktop program and zorva show it.
std::string LotwFailureMessage(const LotwDownload& download);

// Shows that message: as an error, except after the user's own "Przerwij".
void ShowLotwFailure(Prompter& prompter, const LotwDownload& download);

}  // namespace zorva
