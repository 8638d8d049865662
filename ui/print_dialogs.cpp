#include "print_dialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace zorva {

QPrinter& ProgramPrinter() {
    // Lives to the end of the process: the printer settings outlast every window.
    static QPrinter* printer = [] {
        auto* created = new QPrinter(QPrinter::HighResolution);
        created->setPageOrientation(QPageLayout::Portrait);
        return created;
    }();
    return *printer;
}

void ShowPrinterSetup(QWidget* parent) {
    QPageSetupDialog dialog(&ProgramPrinter(), parent);
    dialog.exec();
}

ChoosePrinter PrintDialogChooser::Chooser() {
    return [this]() -> PageSink* {
        QPrintDialog dialog(&printer_, parent_);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        sink_ = std::make_unique<PrinterPageSink>(printer_);
        return sink_.get();
    };
}

}  // namespace zorva
