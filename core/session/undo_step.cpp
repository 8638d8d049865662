// Recording the steps that change a station's rows.
#include "session/undo_step.h"

namespace zorva {
namespace {

DocumentState PresentState(EditSession& session) {
    return session.Document().Snapshot(session.View().texts.modifiedPanel);
}

}  // namespace

UndoStep::UndoStep(EditSession& session, std::string name)
    : session_(session), name_(std::move(name)), before_(PresentState(session)) {}

UndoStep::~UndoStep() {
    DocumentState after = PresentState(session_);
    if (after.SameData(before_)) return;
    // A step saved before it ended is clean at its end and shows no mark.
    const bool saved = !session_.Document().IsModified();
    if (after.modifiedMark.empty()) after.modifiedMark = kModifiedMark;
    if (before_.modifiedMark.empty()) before_.modifiedMark = after.modifiedMark;
    session_.History().Record(name_, std::move(before_), std::move(after));
    if (saved) session_.History().MarkClean();
}

void StartHistory(EditSession& session) {
    session.History().Reset(!session.Document().IsModified());
}

}  // namespace zorva
