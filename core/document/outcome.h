#pragma once

#include <string>

namespace zorva {

// What a document operation did, or why it refused: the refusal is the very
// message the user is shown, so every front end says the same thing.
struct Outcome {
    std::string refusal;
    int changedRows = 0;
    bool ok() const { return refusal.empty(); }
};

inline Outcome Refused(std::string message) {
    return {std::move(message), 0};
}

}  // namespace zorva
