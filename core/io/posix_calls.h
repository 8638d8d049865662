#pragma once

#include <sys/types.h>

#include <string_view>

#include "io/fault_injection.h"

// The system calls of the file layer, each behind the test-only fault switch.
namespace zorva::posix {

// True when the test switch fails this operation (errno is then the armed one).
bool Injected(FileOp op);
ssize_t Read(int fd, void* buffer, size_t size);
int OpenChecked(const char* path, int flags, mode_t mode = 0);
bool WriteAll(int fd, std::string_view bytes);

}  // namespace zorva::posix
