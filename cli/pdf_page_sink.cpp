#include "pdf_page_sink.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include "files/file_messages.h"
#include "io/file_system.h"

namespace zorva::cli {

PdfPageSink::PdfPageSink(std::string path)
    : path_(std::move(path)), writer_(&buffer_), pages_(writer_) {
    buffer_.open(QIODevice::WriteOnly);
    // A printer's unprintable edge, so the layout sits on the page as it would on paper.
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    writer_.setCreator("zorva");
    writer_.setTitle("ZORVA_Rade");
}

void PdfPageSink::EndDocument() {
    pages_.EndDocument();
    error_ = pages_.Error();
    if (!error_.empty()) return;
    const QByteArray& bytes = buffer_.data();
    if (bytes.isEmpty()) {
        error_ = "Nie można utworzyć pliku PDF " + path_;
        return;
    }
    IoStatus status = WriteFileAtomic(path_, std::string_view(bytes.constData(), bytes.size()));
    if (!status.ok()) error_ = FileErrorMessage(status);
    written_ = status.ok();
}

}  // namespace zorva::cli
