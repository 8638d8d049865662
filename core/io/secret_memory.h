#pragma once

#include <string>

namespace zorva {

// Keeps a password out of core dumps from now until the process ends. Called
// before a password is first read; a process that holds one never needs them.
void KeepSecretsOutOfCoreDumps();

// Overwrites the text's bytes before emptying it, so that the memory it held no
// longer holds the secret when it is reused or freed.
void ClearSecret(std::string& text);

}  // namespace zorva
