#pragma once

namespace zorva {

// Which entities a printed list holds: every one, the verified, or those to verify.
enum class PrintMode { Complete, Verified, ToVerify };

}  // namespace zorva
