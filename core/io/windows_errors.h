#pragma once

namespace zorva::sys {

// Puts the C runtime's nearest errno for GetLastError() into errno, so both
// platforms report failures through the same kinds and words.
void SetErrnoFromLastError();

}  // namespace zorva::sys
