#pragma once

class QWidget;

namespace zorva {

// Makes a small window wide enough for the window manager to show its whole title
// beside its buttons; the title bar's font is unknown, so a bold one of the
// application's size stands for it.
void WidenForTitle(QWidget& window);

}  // namespace zorva
