#pragma once

#include <QFont>
#include <string>

#include "ports/page_sink.h"
#include "print/page_document.h"

class QPagedPaintDevice;

namespace zorva {

// Paints composed report pages on a printer or a PDF writer. The pages are kept
// until the document ends, so the whole report is scaled alike: layout units
// become device units by the page width, or less when the report would
// otherwise run off the page.
class PrinterPageSink : public PageSink {
  public:
    explicit PrinterPageSink(QPagedPaintDevice& device) : device_(device) {}

    int PageWidth() const override;
    Orientation GetOrientation() const override;
    void BeginDocument() override;
    void NewPage() override;
    void EndDocument() override;
    void Text(int x, int y, const PageFont& font, const std::string& text) override;
    std::string Error() const override { return error_; }

    int PagesPainted() const { return pagesPainted_; }

    // "Courier New" where installed, else its metric twin through fontconfig.
    static QFont DeviceFont(const PageFont& font, double pixelSize);

  private:
    QPagedPaintDevice& device_;
    Document document_;
    int pagesPainted_ = 0;
    std::string error_;
};

}  // namespace zorva
