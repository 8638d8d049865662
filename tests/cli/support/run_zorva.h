#pragma once

#include <string>
#include <vector>

#include "temp_dir.h"

namespace zorva::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built zorva with the arguments, standard input from `input` (not a terminal).
CliResult RunZorva(const std::vector<std::string>& args, const std::string& input = {});

// A program directory holding a copy of the shipped reference files.
class CliHome : public TempDir {
  public:
    CliHome();
    // Runs zorva with --home set to this folder, then the arguments.
    CliResult Run(const std::vector<std::string>& args, const std::string& input = {}) const;
};

std::string ShippedDataFile(const std::string& name);

}  // namespace zorva::testing
