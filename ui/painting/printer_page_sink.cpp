#include "printer_page_sink.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace zorva {

int PrinterPageSink::PageWidth() const {
    return device_.width();
}

Orientation PrinterPageSink::GetOrientation() const {
    return device_.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                        : Orientation::Portrait;
}

void PrinterPageSink::BeginDocument() {
    document_ = Document{};
    document_.AddPage();
    pagesPainted_ = 0;
    error_.clear();
}

void PrinterPageSink::NewPage() {
    document_.AddPage();
}

void PrinterPageSink::Text(int x, int y, const PageFont& font, const std::string& text) {
    if (document_.pages.empty()) document_.AddPage();
    document_.LastPage().push_back({x, y, font, text});
}

QFont PrinterPageSink::DeviceFont(const PageFont& font, double pixelSize) {
    QFont device(QString::fromStdString(font.family));
    device.setStyleHint(QFont::TypeWriter);
    device.setFixedPitch(true);
    device.setBold(font.bold);
    device.setKerning(false);
    // Hinting would round each advance and let long lines drift off their columns.
    device.setHintingPreference(QFont::PreferNoHinting);
    device.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    return device;
}

void PrinterPageSink::EndDocument() {
    QPainter painter;
    if (!painter.begin(&device_)) {
        error_ = "Nie można rozpocząć wydruku.";
        return;
    }
    const LayoutScale scale(device_.width(), device_.height(), ExtentOf(document_));
    for (size_t p = 0; p < document_.pages.size(); ++p) {
        if (p > 0 && !device_.newPage()) {
            error_ = "Nie można rozpocząć nowej strony wydruku.";
            break;
        }
        for (const PlacedText& text : document_.pages[p]) {
            painter.setFont(DeviceFont(text.font, scale.FontSize(text.font.points)));
            // Layout positions are the top-left corner of the text, Qt draws on the baseline.
            const int baseline = scale.ToDevice(text.y) + painter.fontMetrics().ascent();
            painter.drawText(scale.ToDevice(text.x), baseline, QString::fromStdString(text.text));
        }
        ++pagesPainted_;
    }
    if (!painter.end() && error_.empty()) error_ = "Nie można zakończyć wydruku.";
}

}  // namespace zorva
