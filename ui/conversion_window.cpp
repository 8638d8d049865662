#include "conversion_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "convert/convert.h"
#include "station/station.h"

namespace zorva {

ConversionWindow::ConversionWindow(Station& station, const std::string& firstArgument,
                                   QWidget* parent)
    : QDialog(parent), station_(station) {
    setObjectName("conversionWindow");
    setWindowTitle(QString::fromUtf8("Konwersja plików do nowej wersji ZORVA_Rade "));
    fileLabel_ = new QLabel(QString::fromUtf8("Plik do konwersji"), this);
    fileEdit_ = new QLineEdit(this);
    fileEdit_->setObjectName("fileEdit");
    fileEdit_->setReadOnly(true);
    fileEdit_->setMinimumWidth(360);
    fileEdit_->installEventFilter(this);
    fileLabel_->setBuddy(fileEdit_);
    chooseButton_ = new QPushButton(QString::fromUtf8("Szukaj"), this);
    chooseButton_->setObjectName("chooseButton");
    startButton_ = new QPushButton(QString::fromUtf8("Start"), this);
    startButton_->setObjectName("startButton");
    quitButton_ = new QPushButton(QString::fromUtf8("Koniec"), this);
    quitButton_->setObjectName("quitButton");

    auto* layout = new QGridLayout(this);
    layout->addWidget(fileLabel_, 0, 0, 1, 2);
    layout->addWidget(fileEdit_, 1, 0);
    layout->addWidget(chooseButton_, 1, 1);
    layout->addWidget(startButton_, 2, 0, Qt::AlignRight);
    layout->addWidget(quitButton_, 2, 1);
    connect(chooseButton_, &QPushButton::clicked, this, &ConversionWindow::chooseFile);
    connect(startButton_, &QPushButton::clicked, this, &ConversionWindow::convert);
    connect(quitButton_, &QPushButton::clicked, this, &ConversionWindow::quit);

    template_ = LoadConversionTemplate(station_.Document().ProgramDir(), station_.prompter);
    if (template_.readWhole && !firstArgument.empty())
        fileEdit_->setText(QString::fromStdString(firstArgument));
}

void ConversionWindow::chooseFile() {
    FileChoice choice{"Pliki tekstowe |*.txt|Wszystkie pliki|*.*", {}, {}};
    if (auto chosen = station_.prompter.ChooseOpenFile(choice))
        fileEdit_->setText(QString::fromStdString(*chosen));
}

void ConversionWindow::convert() {
    bool written = ConvertOldStationFile(fileEdit_->text().toStdString(), template_,
                                         station_.prompter, station_.clock);
    station_.conversionFailed = !written;
}

void ConversionWindow::quit() {
    QCoreApplication::quit();
}

bool ConversionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fileEdit_ && event->type() == QEvent::MouseButtonDblClick) {
        chooseFile();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
