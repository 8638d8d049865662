#include <sys/resource.h>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

#include "io/secret_memory.h"

namespace zorva {

void KeepSecretsOutOfCoreDumps() {
    const rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
#if defined(__linux__)
    // A core pattern that pipes to a program ignores the size limit; this does not.
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

}  // namespace zorva
