#pragma once

#include <string>

#include "io/io_status.h"

namespace zorva {

// The message that tells the user a file operation failed: what was being done,
// the file and the system's reason.
std::string FileErrorMessage(const IoStatus& status);

}  // namespace zorva
