#include "panel_bar.h"

#include <QHBoxLayout>

namespace zorva {

PanelBar::PanelBar(int panelCount, Qt::Alignment alignment, QWidget* parent) : QFrame(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(2);
    for (int i = 0; i < panelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QString("panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(alignment | Qt::AlignVCenter);
        panel->setTextFormat(Qt::PlainText);
        panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        layout->addWidget(panel);
        panels_.push_back(panel);
    }
    layout->addStretch(1);
}

void PanelBar::SetText(int panel, const QString& text) {
    panels_.at(static_cast<size_t>(panel))->setText(text);
}

QString PanelBar::Text(int panel) const {
    return panels_.at(static_cast<size_t>(panel))->text();
}

void PanelBar::SetPanelWidth(int panel, int width) {
    panels_.at(static_cast<size_t>(panel))->setFixedWidth(std::max(0, width));
}

int PanelBar::PanelWidth(int panel) const {
    return panels_.at(static_cast<size_t>(panel))->maximumWidth();
}

}  // namespace zorva
