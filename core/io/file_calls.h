#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "io/fault_injection.h"

// The system calls of the file layer. Each call the test-only fault switch covers
// checks it in the same function that makes the call, so the switch sees every
// such call a command makes. Paths are UTF-8; files are the C runtime's
// descriptors, opened binary. A call that fails leaves the reason in errno.
namespace zorva::sys {

// The characters that part a path's folders, the system's own first (Windows takes '/' too).
extern const std::string_view kPathSeparators;

// The errno of an exhausted disk quota, where the system has one apart from ENOSPC.
extern const int kQuotaExceeded;

// Not covered by the switch: for files whose opening a command does not depend on.
int Open(const std::string& path, int flags, int mode = 0);
int OpenChecked(const std::string& path, int flags, int mode = 0);
ssize_t Read(int fd, void* buffer, size_t size);
bool WriteAll(int fd, std::string_view bytes);
// Waits until the file's bytes are on the disk.
bool Flush(int fd);
int Close(int fd);
// Moves a file over another, which it replaces whole.
bool Rename(const std::string& from, const std::string& to);
bool Remove(const std::string& path);
// Removes what a failed write left behind; not covered by the switch, as its
// failure leaves no file of the user's changed.
bool Discard(const std::string& path);

#ifdef _WIN32
// Creates a file that must not exist yet, for writing; shared with no one, so
// nothing reads it before it is whole.
int CreateUnshared(const std::string& path);
#endif

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
