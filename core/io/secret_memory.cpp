#include "io/secret_memory.h"

namespace zorva {

void ClearSecret(std::string& text) {
    // Written through volatile, so that the compiler cannot drop stores to memory about to be
    // freed.
    volatile char* bytes = text.data();
    for (size_t i = 0; i < text.size(); ++i) bytes[i] = 0;
    text.clear();
}

}  // namespace zorva
