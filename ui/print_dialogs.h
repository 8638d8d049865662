#pragma once

#include <memory>

#include "print/print_commands.h"
#include "printer_page_sink.h"

class QPrinter;
class QWidget;

namespace zorva {

// The printer of the "Drukowanie" commands: the set-up dialog's choices hold
// for every later print of the session.
QPrinter& ProgramPrinter();

// "Konfiguracja drukarki": the system's page set-up dialog, nothing else.
void ShowPrinterSetup(QWidget* parent);

// The print dialog of one print command, and the printer it chose.
class PrintDialogChooser {
  public:
    explicit PrintDialogChooser(QWidget* parent, QPrinter& printer = ProgramPrinter())
        : parent_(parent), printer_(printer) {}
    ChoosePrinter Chooser();

  private:
    QWidget* parent_;
    QPrinter& printer_;
    std::unique_ptr<PrinterPageSink> sink_;
};

}  // namespace zorva
