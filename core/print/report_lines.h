#pragma once

#include <string>

#include "model/entity_row.h"

namespace zorva {

// The fixed-column lines the printed reports are built from. Positions in the
// comments count characters from 1.

// 78 characters: call 39-53, QSO date 55-64, method letter 66, verification date 68-77.
std::string NormalLine(const EntityRow& row);
// 71 characters: call 34-48, verification date 61-70; only the first 33 are printed.
std::string SimplifiedLine(const EntityRow& row);
// 81 characters: call 39-53, QSO date 55-64, confirmation 66-69, verification date 71-80.
std::string VerificationLine(const EntityRow& row);

// True unless both characters at the 1-based position and the next one are blanks.
bool HasTextAt(const std::string& line, size_t position);

}  // namespace zorva
