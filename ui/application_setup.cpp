#include "application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zorva {

void SetUpApplication() {
    QApplication::setApplicationName("zorva_rade");
    auto* qtTranslations = new QTranslator(qApp);
    if (qtTranslations->load(QLocale(QLocale::Polish, QLocale::Poland), "qtbase", "_",
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTranslations);
    }
}

}  // namespace zorva
