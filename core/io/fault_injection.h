#pragma once

#include <cerrno>
#include <vector>

namespace zorva {

// Test-only switch: makes the Nth file operation of a kind fail as the system
// would, with the errno given. Only builds with tests have it.
enum class FileOp { Open, Read, Write, Flush, Rename, Remove };

namespace fault_injection {
#ifdef ZORVA_FAULT_INJECTION
void FailNth(FileOp op, int n, int err = EIO);  // n counts from 1 from the moment of arming
void Disarm();
int Count(FileOp op);  // operations of that kind seen since the last arming or reset
void ResetCounts();
// Keeps every operation from now on, in the order made, until the recording stops.
void StartRecording();
std::vector<FileOp> StopRecording();
// Called by the file layer before each operation; true means: fail it.
bool ShouldFail(FileOp op);
int ArmedErrno();
#else
// A build without tests (the shipped programs) carries no switch at all.
constexpr bool ShouldFail(FileOp) {
    return false;
}
constexpr int ArmedErrno() {
    return 0;
}
#endif
}  // namespace fault_injection

}  // namespace zorva
