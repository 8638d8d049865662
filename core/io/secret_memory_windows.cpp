#include <windows.h>

#include "io/secret_memory.h"

namespace zorva {

// Windows writes no core file of its own; the error-reporting dialog, which
// may offer a dump, is kept away.
void KeepSecretsOutOfCoreDumps() {
    SetErrorMode(GetErrorMode() | SEM_NOGPFAULTERRORBOX);
}

}  // namespace zorva
