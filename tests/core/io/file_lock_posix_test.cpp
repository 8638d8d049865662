// Lock files and the file system's permissions and links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/file_lock.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using namespace std::chrono_literals;

// Whoever may change the file may lock it, whatever the umask of the first locker.
TEST(FileLock, LockFileTakesTheLockedFilesPermissionBits) {
    testing::TempDir dir;
    dir.Write("s.txt", "");
    ::chmod(dir.File("s.txt").c_str(), 0664);
    const mode_t mask = ::umask(022);
    FileLock lock = FileLock::Acquire(dir.File("s.txt"), 0ms);
    ::umask(mask);
    struct stat made {};
    ASSERT_EQ(::stat(dir.File("s.txt.lock").c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0664u);
}

// Something other than a plain file in the lock file's place is never
// followed, written or taken for a lock.
TEST(FileLock, AnythingButAPlainLockFileIsUnavailable) {
    for (const bool targetExists : {false, true}) {
        testing::TempDir dir;
        if (targetExists) dir.Write("target", "kept");
        ASSERT_EQ(::symlink(dir.File("target").c_str(), dir.File("s.txt.lock").c_str()), 0);
        FileLock lock = FileLock::Acquire(dir.File("s.txt"), 0ms);
        EXPECT_EQ(lock.state(), FileLock::State::Unavailable);
        EXPECT_EQ(lock.Problem().step, IoStep::Lock);
        EXPECT_EQ(dir.Exists("target"), targetExists);
    }
}

}  // namespace
}  // namespace zorva
