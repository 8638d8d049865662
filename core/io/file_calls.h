#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "io/fault_injection.h"

// The system calls of the file layer, each behind the test-only fault switch.
// Paths are UTF-8; files are the C runtime's descriptors, opened binary. A call
// that fails leaves the reason in errno.
namespace zorva::sys {

// The characters that part a path's folders, the system's own first (Windows takes '/' too).
extern const std::string_view kPathSeparators;

// The errno of an exhausted disk quota, where the system has one apart from ENOSPC.
extern const int kQuotaExceeded;

// True when the test switch fails this operation (errno is then the armed one).
bool Injected(FileOp op);
int Open(const std::string& path, int flags, int mode = 0);
int OpenChecked(const std::string& path, int flags, int mode = 0);
ssize_t Read(int fd, void* buffer, size_t size);
bool WriteAll(int fd, std::string_view bytes);
int Close(int fd);
// Moves a file over another, which it replaces whole.
bool Rename(const std::string& from, const std::string& to);
bool Remove(const std::string& path);

enum class PathType { Missing, File, Directory, Other };
PathType TypeOf(const std::string& path);
bool CanWriteIn(const std::string& dir);
bool IsReadOnly(const std::string& path);
bool ClearReadOnly(const std::string& path);
// mode: the bits of a new folder, less the umask (Windows has none).
bool MakeDirectory(const std::string& path, unsigned mode = 0777);
// The names in a folder, "." and ".." left out.
bool ListDirectory(const std::string& dir, std::vector<std::string>& names);

}  // namespace zorva::sys
