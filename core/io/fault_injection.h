#pragma once

namespace zorva {

// Test-only switch: makes the Nth file operation of a kind fail as the system
// would. The shipped programs never arm it.
enum class FileOp { Open, Write, Flush, Rename, Remove };

namespace fault_injection {
void FailNth(FileOp op, int n);  // n counts from 1 from the moment of arming
void Disarm();
int Count(FileOp op);  // operations of that kind seen since the last arming or reset
void ResetCounts();
// Called by the file layer before each operation; true means: fail it.
bool ShouldFail(FileOp op);
}  // namespace fault_injection

}  // namespace zorva
