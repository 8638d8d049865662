// Waiting for another process is covered end to end by the zorva lock tests.
#include "io/file_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "temp_dir.h"

namespace zorva {
namespace {

using namespace std::chrono_literals;

// A lock file left by a crashed program is taken over; nested locks of one
// process keep it until the outermost lets go.
TEST(FileLock, TakesOverALeftLockFileNestsAndRemovesItAtTheOuterRelease) {
    testing::TempDir dir;
    dir.Write("s.txt.lock", "");
    FileLock outer = FileLock::Acquire(dir.File("s.txt"), 0ms);
    ASSERT_EQ(outer.state(), FileLock::State::Held);
    FileLock inner = FileLock::Acquire(dir.File("./s.txt"), 0ms);
    EXPECT_EQ(inner.state(), FileLock::State::Held);
    inner.Release();
    EXPECT_TRUE(dir.Exists("s.txt.lock"));
    outer.Release();
    EXPECT_FALSE(dir.Exists("s.txt.lock"));
}

TEST(FileLock, NoLockFileMeansUnavailableNotBusy) {
    testing::TempDir dir;
    EXPECT_EQ(FileLock::Acquire(dir.File("missing/s.txt"), 0ms).state(),
              FileLock::State::Unavailable);
}

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
