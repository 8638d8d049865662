#pragma once

#include <QFrame>
#include <QLabel>
#include <vector>

namespace zorva {

// A status bar of fixed-width panels, each a sunken frame with one line of text.
class PanelBar : public QFrame {
    Q_OBJECT
  public:
    PanelBar(int panelCount, Qt::Alignment alignment, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    void SetText(int panel, const QString& text);
    QString Text(int panel) const;
    void SetPanelWidth(int panel, int width);
    int PanelWidth(int panel) const;

  private:
    std::vector<QLabel*> panels_;
};

}  // namespace zorva
