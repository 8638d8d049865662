#pragma once

#include <string>
#include <vector>

namespace zorva {

// True when standard input is a console a person can answer at, not a pipe or a file.
bool StandardInputIsConsole();

// The program's arguments after its name, in UTF-8 whatever the system's code page.
std::vector<std::string> CommandLineWords(int argc, char** argv);

// Lets a console show the program's UTF-8 output as text.
void PrepareConsole();

}  // namespace zorva
