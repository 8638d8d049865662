#pragma once

#include <QBuffer>
#include <QPdfWriter>
#include <string>

#include "printer_page_sink.h"

namespace zorva::cli {

// Reports as an A4 portrait PDF. The PDF is made in memory and written to its
// file in one piece, so a failed print leaves no half-written file behind.
class PdfPageSink : public PageSink {
  public:
    explicit PdfPageSink(std::string path);

    int PageWidth() const override { return pages_.PageWidth(); }
    Orientation GetOrientation() const override { return pages_.GetOrientation(); }
    void BeginDocument() override { pages_.BeginDocument(); }
    void NewPage() override { pages_.NewPage(); }
    void EndDocument() override;
    void Text(int x, int y, const PageFont& font, const std::string& text) override {
        pages_.Text(x, y, font, text);
    }
    std::string Error() const override { return error_; }
    // True once the whole PDF is in its file.
    bool Written() const { return written_; }

  private:
    std::string path_;
    QBuffer buffer_;
    QPdfWriter writer_;
    PrinterPageSink pages_;
    std::string error_;
    bool written_ = false;
};

}  // namespace zorva::cli
