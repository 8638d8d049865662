#pragma once

class QWidget;

namespace zorva {

// Puts a window's middle on its owner's middle, frames included.
void CentreOnOwner(QWidget& window);

}  // namespace zorva
