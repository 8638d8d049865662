#include "io/fault_injection.h"

#include <array>
#include <utility>

namespace zorva::fault_injection {
namespace {

struct State {
    std::array<int, 6> counts{};
    int armedOp = -1;
    int armedAt = 0;
    int armedErrno = EIO;
    bool recording = false;
    std::vector<FileOp> recorded;
};

State& GetState() {
    static State state;
    return state;
}

}  // namespace

void FailNth(FileOp op, int n, int err) {
    auto& s = GetState();
    s.counts = {};
    s.armedOp = static_cast<int>(op);
    s.armedAt = n;
    s.armedErrno = err;
}

void Disarm() {
    GetState().armedOp = -1;
}

int Count(FileOp op) {
    return GetState().counts[static_cast<int>(op)];
}

void ResetCounts() {
    GetState().counts = {};
}

void StartRecording() {
    GetState().recording = true;
    GetState().recorded.clear();
}

std::vector<FileOp> StopRecording() {
    GetState().recording = false;
    return std::move(GetState().recorded);
}

bool ShouldFail(FileOp op) {
    auto& s = GetState();
    if (s.recording) s.recorded.push_back(op);
    int index = static_cast<int>(op);
    int seen = ++s.counts[index];
    return s.armedOp == index && seen == s.armedAt;
}

int ArmedErrno() {
    return GetState().armedErrno;
}

}  // namespace zorva::fault_injection
