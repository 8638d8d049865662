#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "io/file_lock.h"
#include "io/file_system.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using namespace std::chrono_literals;

// Another process takes the lock and keeps it until told to let go.
class OtherProcess {
public:
    explicit OtherProcess(const std::string& path) {
        if (pipe(toChild_) != 0 || pipe(fromChild_) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            FileLock lock = FileLock::Acquire(path, 1s);
            char c = lock.state() == FileLock::State::Held ? 'y' : 'n';
            (void)!write(fromChild_[1], &c, 1);
            (void)!read(toChild_[0], &c, 1);
            lock.Release();
            _exit(0);
        }
        char c = 0;
        held_ = read(fromChild_[0], &c, 1) == 1 && c == 'y';
    }
    ~OtherProcess() { LetGo(); }
    bool Held() const { return held_; }
    void LetGo() {
        if (pid_ <= 0) return;
        char c = 'x';
        (void)!write(toChild_[1], &c, 1);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
        for (int fd : {toChild_[0], toChild_[1], fromChild_[0], fromChild_[1]}) close(fd);
    }

private:
    int toChild_[2] = {-1, -1};
    int fromChild_[2] = {-1, -1};
    pid_t pid_ = 0;
    bool held_ = false;
};

TEST(FileLock, AnotherProgramWaitsUntilTheHolderLetsGoAndTheLockFileGoes) {
    testing::TempDir dir;
    const std::string file = dir.File("s.txt");
    OtherProcess other(file);
    ASSERT_TRUE(other.Held());
    EXPECT_TRUE(dir.Exists("s.txt.lock"));
    EXPECT_TRUE(FileLock::Acquire(file, 50ms).Busy());
    other.LetGo();
    FileLock mine = FileLock::Acquire(file, 1s);
    EXPECT_EQ(mine.state(), FileLock::State::Held);
    mine.Release();
    EXPECT_FALSE(dir.Exists("s.txt.lock"));
}

TEST(FileLock, NestsWithinOneProcessAndHoldsUntilTheOuterRelease) {
    testing::TempDir dir;
    FileLock outer = FileLock::Acquire(dir.File("s.txt"), 0ms);
    FileLock inner = FileLock::Acquire(dir.File("./s.txt"), 0ms);
    EXPECT_EQ(inner.state(), FileLock::State::Held);
    inner.Release();
    EXPECT_TRUE(dir.Exists("s.txt.lock"));
    outer.Release();
    EXPECT_FALSE(dir.Exists("s.txt.lock"));
}

TEST(FileLock, NoLockFileMeansUnavailableNotBusy) {
    testing::TempDir dir;
    FileLock lock = FileLock::Acquire(dir.File("missing/s.txt"), 0ms);
    EXPECT_EQ(lock.state(), FileLock::State::Unavailable);
}

}  // namespace
}  // namespace zorva
