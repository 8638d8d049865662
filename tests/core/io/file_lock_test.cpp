// Waiting for another process is covered end to end by the zorva lock tests.
#include "io/file_lock.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorva
