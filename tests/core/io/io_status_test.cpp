#include "io/io_status.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "io/atomic_file_writer.h"
#include "io/fault_injection.h"
#include "io/file_calls.h"
#include "io/file_system.h"
#include "temp_dir.h"

namespace zorva {
namespace {

TEST(IoStatus, KindFollowsTheSystemsReason) {
    const std::pair<int, IoKind> cases[] = {
        {ENOENT, IoKind::NotFound},     {ENOTDIR, IoKind::NotFound},
        {EACCES, IoKind::NoPermission}, {EROFS, IoKind::NoPermission},
        {ENOSPC, IoKind::NoSpace},      {sys::kQuotaExceeded, IoKind::NoSpace},
        {EIO, IoKind::Other},
    };
    for (const auto& [err, kind] : cases) EXPECT_EQ(KindOfErrno(err), kind) << err;
}

TEST(IoStatus, CallersTellAMissingFileFromAFullDisk) {
    testing::TempDir dir;
    const ReadResult missing = ReadWholeFile(dir.File("missing.txt"));
    EXPECT_EQ(missing.status.kind, IoKind::NotFound);
    EXPECT_EQ(missing.status.step, IoStep::Open);
    EXPECT_EQ(missing.status.path, dir.File("missing.txt"));

    fault_injection::FailNth(FileOp::Write, 1, ENOSPC);
    const IoStatus full = WriteFileAtomic(dir.File("s.txt"), "new");
    fault_injection::Disarm();
    EXPECT_EQ(full.kind, IoKind::NoSpace);
    EXPECT_EQ(full.step, IoStep::Write);
    EXPECT_FALSE(dir.Exists("s.txt"));
}

TEST(AtomicWrite, AFailedReadOfTheOldFileIsAReadErrorAndLeavesTheFile) {
    testing::TempDir dir;
    dir.Write("e.txt", "old");
    AtomicFileWriter writer(dir.File("e.txt"));
    ASSERT_TRUE(writer.Open().ok());
    fault_injection::FailNth(FileOp::Read, 1);
    const IoStatus copied = writer.CopyCurrent();
    fault_injection::Disarm();
    EXPECT_EQ(copied.step, IoStep::Read);
    EXPECT_EQ(copied.path, dir.File("e.txt"));
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(dir.Read("e.txt"), "old");
}

}  // namespace
}  // namespace zorva
