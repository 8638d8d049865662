// The program block: the application, its windows in their order, the message loop.
#include <QApplication>

#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "application_setup.h"
#include "convert/convert.h"
#include "io/program_directory.h"
#include "konwersja.h"
#include "podmioty.h"
#include "ports/clock.h"
#include "qt_prompter.h"
#include "wysokosc_wierszy.h"
#include "zorva_user.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zorva::SetUpApplication();

    const std::string programDir = zorva::ProgramDirectory();
    zorva::QtPrompter prompter;
    prompter.SetStartDirectory(programDir);
    zorva::SystemClock clock;

    zorva::TForm1 form1(prompter, clock, programDir);
    prompter.SetParentWidget(&form1);
    form1.station().convertOldFile = zorva::ConvertOldFile;
    if (!form1.FormCreate()) return 0;
    // The entry dialog (TForm2) is made afresh for each opening; the others live for the whole run.
    form1.Form5 = new zorva::TForm5(prompter, programDir, &form1);
    form1.Form7 = new zorva::TForm7(form1);
    form1.Form3 = new zorva::TForm3(form1);
    form1.Form4 = new zorva::TForm4(form1);
    form1.FPodmioty = new zorva::TFPodmioty(form1);
    form1.Fwysokosc_wierszy = new zorva::TFwysokosc_wierszy(form1);
    // Never shown; creating it checks the conversion template, as every start does.
    new zorva::TFkonwersja(form1.station(), argc > 1 ? argv[1] : "", &form1);

    form1.show();
    return QApplication::exec();
}
