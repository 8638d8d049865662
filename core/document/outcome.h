#pragma once

#include <string>
#include <utility>

#include "io/io_status.h"

namespace zorva {

enum class OutcomeKind { Done, DoneWithWarnings, Refused, Cancelled };

// Why an operation refused, or what it warned of; the facts beside it say the rest.
enum class Reason {
    None,
    FileFault,           // io
    StationFileMissing,  // path
    StationFileFault,    // path, fault and detail as the file check found them
    NoReference,         // path
    EmptyReference,      // path
    BadReferenceLine,    // detail: the line
    CallRefused,         // detail: the call
    VersionNotKept,      // path, detail: why, advice: what to do instead
    NoSuchEntity,        // detail: the adif
    VerifiedRow,
    CallUnstorable,  // detail: the symbol
    DateUnstorable,  // detail: the symbol
    DateMissing,
    DayMissing,
    MonthMissing,
    YearMissing,
    DayNotNumber,    // detail: the day part
    MonthNotNumber,  // detail: the month part
    DateOutOfRange,
    VerificationDateEmpty,
    VerificationDateUnstorable,  // detail: the symbol
    ConversionDeclined,
    ConversionFailed,
    NotSaved,      // the data asked to be saved first were not (the save said why)
    FileNotFound,  // path
};

// What an operation or a command did: done, done with warnings already shown,
// refused or cancelled, with the facts. The sentence shown to the user is
// composed where it is shown (OutcomeMessage), never stored here.
struct Outcome {
    OutcomeKind kind = OutcomeKind::Done;
    Reason reason = Reason::None;
    IoStatus io;
    std::string path;
    std::string detail;
    std::string advice;
    int stationFault = 0;  // a StationFault, for Reason::StationFileFault
    int changedRows = 0;

    bool ok() const { return kind == OutcomeKind::Done || kind == OutcomeKind::DoneWithWarnings; }
    bool Warned() const { return kind == OutcomeKind::DoneWithWarnings; }
    bool Cancelled() const { return kind == OutcomeKind::Cancelled; }
};

inline Outcome Refusal(Reason reason, std::string detail = {}, std::string path = {}) {
    Outcome outcome;
    outcome.kind = OutcomeKind::Refused;
    outcome.reason = reason;
    outcome.detail = std::move(detail);
    outcome.path = std::move(path);
    return outcome;
}

inline Outcome FileFault(IoStatus io) {
    Outcome outcome = Refusal(Reason::FileFault);
    outcome.io = std::move(io);
    return outcome;
}

inline Outcome Cancellation() {
    Outcome outcome;
    outcome.kind = OutcomeKind::Cancelled;
    return outcome;
}

// The outcome as a warning: the work was done and the reason was shown.
inline Outcome AsWarning(Outcome outcome) {
    outcome.kind = OutcomeKind::DoneWithWarnings;
    return outcome;
}

// The sentence that tells the user why an outcome refused or what it warned of.
std::string OutcomeMessage(const Outcome& outcome);

}  // namespace zorva
