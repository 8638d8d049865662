// The program block: the application, its windows in their order, the message loop.
#include <QApplication>
#include <QIcon>

#include "application_setup.h"
#include "conversion_window.h"
#include "convert/convert.h"
#include "io/program_directory.h"
#include "main_window.h"
#include "ports/clock.h"
#include "qt_prompter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zorva_rade.png")));
    zorva::SetUpApplication();

    const std::string programDir = zorva::ProgramDirectory();
    zorva::QtPrompter prompter;
    prompter.SetStartDirectory(programDir);
    zorva::SystemClock clock;

    zorva::MainWindow mainWindow(prompter, clock, programDir);
    prompter.SetParentWidget(&mainWindow);
    mainWindow.station().convertOldFile = zorva::Station::ConversionHook(zorva::ConvertOldFile);
    if (!mainWindow.Start()) return 0;
    mainWindow.MakeWindows();
    // Never shown; creating it checks the conversion template, as every start does. Qt reads
    // Windows' wide command line, so a file name outside the ANSI code page arrives whole.
    const QStringList arguments = QCoreApplication::arguments();
    new zorva::ConversionWindow(mainWindow.station(),
                                arguments.size() > 1 ? arguments[1].toStdString() : std::string(),
                                &mainWindow);

    return QApplication::exec();
}
