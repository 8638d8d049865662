#pragma once

#include <functional>
#include <string>

namespace zorva {

// Creates a file of a fresh name beside target and names it in temp. create
// makes the file only when the name is free, failing with EEXIST otherwise;
// the result is its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::string& target, std::string& temp,
                          const std::function<int(const std::string&)>& create);

}  // namespace zorva
