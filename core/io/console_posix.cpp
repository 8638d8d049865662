#include <unistd.h>

#include "io/console.h"

namespace zorva {

bool StandardInputIsConsole() {
    return isatty(STDIN_FILENO) != 0;
}

std::vector<std::string> CommandLineWords(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

void PrepareConsole() {}

}  // namespace zorva
