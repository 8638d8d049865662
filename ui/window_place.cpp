#include "window_place.h"

#include <QWidget>

namespace zorva {

void CentreOnOwner(QWidget& window) {
    const QWidget* owner = window.parentWidget();
    if (!owner) return;
    const QRect frame = owner->frameGeometry();
    window.move(frame.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace zorva
