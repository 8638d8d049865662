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
    Label1_ = new QLabel(QString::fromUtf8("Plik do konwersji"), this);
    Edit1_ = new QLineEdit(this);
    Edit1_->setObjectName("Edit1");
    Edit1_->setReadOnly(true);
    Edit1_->setMinimumWidth(360);
    Edit1_->installEventFilter(this);
    Label1_->setBuddy(Edit1_);
    Button1_ = new QPushButton(QString::fromUtf8("Szukaj"), this);
    Button1_->setObjectName("Button1");
    Button2_ = new QPushButton(QString::fromUtf8("Start"), this);
    Button2_->setObjectName("Button2");
    Button3_ = new QPushButton(QString::fromUtf8("Koniec"), this);
    Button3_->setObjectName("Button3");

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1_, 0, 0, 1, 2);
    layout->addWidget(Edit1_, 1, 0);
    layout->addWidget(Button1_, 1, 1);
    layout->addWidget(Button2_, 2, 0, Qt::AlignRight);
    layout->addWidget(Button3_, 2, 1);
    connect(Button1_, &QPushButton::clicked, this, &ConversionWindow::chooseFile);
    connect(Button2_, &QPushButton::clicked, this, &ConversionWindow::convert);
    connect(Button3_, &QPushButton::clicked, this, &ConversionWindow::quit);

    template_ = LoadConversionTemplate(station_.ProgramDir(), station_.prompter);
    if (template_.readWhole && !firstArgument.empty())
        Edit1_->setText(QString::fromStdString(firstArgument));
}

void ConversionWindow::chooseFile() {
    FileChoice choice{"Pliki tekstowe |*.txt|Wszystkie pliki|*.*", {}, {}};
    if (auto chosen = station_.prompter.ChooseOpenFile(choice))
        Edit1_->setText(QString::fromStdString(*chosen));
}

void ConversionWindow::convert() {
    bool written = ConvertOldStationFile(Edit1_->text().toStdString(), template_, station_.prompter,
                                         station_.clock);
    station_.conversionFailed = !written;
}

void ConversionWindow::quit() {
    QCoreApplication::quit();
}

bool ConversionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1_ && event->type() == QEvent::MouseButtonDblClick) {
        chooseFile();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorva
