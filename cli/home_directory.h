#pragma once

#include <string>

namespace zorva::cli {

// The program directory as the desktop program finds it.
std::string DefaultHomeDirectory(const char* argv0);

}  // namespace zorva::cli
