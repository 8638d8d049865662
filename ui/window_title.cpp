#include "window_title.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace zorva {
namespace {

// The title bar's icon and its three buttons, with the frame around them.
constexpr int kTitleBarButtonsWidth = 110;

}  // namespace

void WidenForTitle(QWidget& window) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.1);
    const int needed =
        QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + kTitleBarButtonsWidth;
    if (window.minimumWidth() < needed) window.setMinimumWidth(needed);
}

}  // namespace zorva
