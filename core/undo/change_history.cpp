#include "undo/change_history.h"

namespace zorva {

bool DocumentState::SameData(const DocumentState& other) const {
    return table.HasElements() == other.table.HasElements() && table.Rows() == other.table.Rows() &&
           counters == other.counters;
}

void ChangeHistory::Reset(bool clean) {
    states_.clear();
    names_.clear();
    position_ = 0;
    clean_ = clean ? std::optional<size_t>(0) : std::nullopt;
}

void ChangeHistory::Record(std::string name, DocumentState before, DocumentState after) {
    if (states_.empty()) {
        states_.push_back(std::move(before));
    } else {
        states_.resize(position_ + 1);
        names_.resize(position_);
        states_[position_] = std::move(before);
    }
    if (clean_ && *clean_ > position_) clean_.reset();
    states_.push_back(std::move(after));
    names_.push_back(std::move(name));
    ++position_;
    while (names_.size() > kMaxSteps) {
        states_.pop_front();
        names_.pop_front();
        --position_;
        if (clean_) clean_ = *clean_ == 0 ? std::nullopt : std::optional<size_t>(*clean_ - 1);
    }
}

void ChangeHistory::MarkClean() {
    clean_ = position_;
}

void ChangeHistory::ForgetClean() {
    clean_.reset();
}

const std::string& ChangeHistory::UndoName() const {
    static const std::string none;
    return CanUndo() ? names_[position_ - 1] : none;
}

const std::string& ChangeHistory::RedoName() const {
    static const std::string none;
    return CanRedo() ? names_[position_] : none;
}

DocumentState ChangeHistory::Present() const {
    DocumentState state = states_[position_];
    if (clean_ == position_) state.modifiedMark.clear();
    return state;
}

std::optional<DocumentState> ChangeHistory::Undo() {
    if (!CanUndo()) return std::nullopt;
    --position_;
    return Present();
}

std::optional<DocumentState> ChangeHistory::Redo() {
    if (!CanRedo()) return std::nullopt;
    ++position_;
    return Present();
}

}  // namespace zorva
