#include "import_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "main_window.h"

namespace zorva {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The bar moves at most about 30 times a second, so reading is not held up by painting.
constexpr qint64 kRepaintMilliseconds = 33;

}  // namespace

ImportWindow::ImportWindow(MainWindow& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(mainWindow),
      import_(mainWindow.station()) {
    setObjectName("importWindow");
    setWindowTitle(Q(kImportWindowCaption));
    setModal(true);
    BuildControls();
    Edit1_->clear();
}

void ImportWindow::BuildControls() {
    auto* fileLabel = new QLabel(Q("Nazwa pliku"), this);
    Edit1_ = new QLineEdit(this);
    Edit1_->setObjectName("Edit1");
    Edit1_->setMinimumWidth(320);
    fileLabel->setBuddy(Edit1_);
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(Q(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    Button1_ = button("Button1", "Wybierz");
    Button2_ = button("Button2", "Importuj");
    Button4_ = button("Button4", "Info");
    Button3_ = button("Button3", "Powrót");

    auto* sourceGroup = new QGroupBox(Q("Źródło danych"), this);
    RadioButton1_ = new QRadioButton(Q("Log"), sourceGroup);
    RadioButton1_->setObjectName("RadioButton1");
    RadioButton2_ = new QRadioButton(Q("LoTW"), sourceGroup);
    RadioButton2_->setObjectName("RadioButton2");
    RadioButton1_->setChecked(true);
    auto* sourceLayout = new QVBoxLayout(sourceGroup);
    sourceLayout->addWidget(RadioButton1_);
    sourceLayout->addWidget(RadioButton2_);

    auto* priorityGroup = new QGroupBox(Q("Priorytet danych"), this);
    RadioButton4_ = new QRadioButton(Q("Log (QSL)"), priorityGroup);
    RadioButton4_->setObjectName("RadioButton4");
    RadioButton3_ = new QRadioButton(Q("LoTW"), priorityGroup);
    RadioButton3_->setObjectName("RadioButton3");
    RadioButton4_->setChecked(true);
    auto* priorityLayout = new QVBoxLayout(priorityGroup);
    priorityLayout->addWidget(RadioButton4_);
    priorityLayout->addWidget(RadioButton3_);

    CheckBox1_ = new QCheckBox(Q("Zapisz rekordy o QSL w pliku ADIF"), this);
    CheckBox1_->setObjectName("CheckBox1");
    CheckBox2_ = new QCheckBox(Q("Zapisz rekordy o LoTW w pliku ADIF"), this);
    CheckBox2_->setObjectName("CheckBox2");
    CheckBox3_ = new QCheckBox(Q("Uwzględniaj w ADIF podmioty Deleted"), this);
    CheckBox3_->setObjectName("CheckBox3");

    ProgressBar1_ = new QProgressBar(this);
    ProgressBar1_->setObjectName("ProgressBar1");
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setValue(0);
    ProgressBar1_->setTextVisible(false);
    ProgressBar1_->hide();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(Edit1_, 1);
    fileRow->addWidget(Button1_);
    auto* groups = new QHBoxLayout;
    groups->addWidget(sourceGroup);
    groups->addWidget(priorityGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button2_);
    buttons->addWidget(Button4_);
    buttons->addStretch(1);
    buttons->addWidget(Button3_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(groups);
    layout->addWidget(CheckBox1_);
    layout->addWidget(CheckBox2_);
    layout->addWidget(CheckBox3_);
    layout->addLayout(buttons);
    layout->addWidget(ProgressBar1_);  // along the bottom edge

    connect(Button1_, &QPushButton::clicked, this, &ImportWindow::chooseFile);
    connect(Button2_, &QPushButton::clicked, this, &ImportWindow::importFile);
    connect(Button3_, &QPushButton::clicked, this, &ImportWindow::goBack);
    connect(Button4_, &QPushButton::clicked, this, &ImportWindow::showInfo);
    connect(CheckBox1_, &QCheckBox::clicked, this, &ImportWindow::extractQslToggled);
    connect(CheckBox2_, &QCheckBox::clicked, this, &ImportWindow::extractLotwToggled);
}

bool ImportWindow::Run(const std::string& lotwReport) {
    const bool open = import_.BeginSeries();
    main_.Refresh();
    if (!open) return false;
    if (!lotwReport.empty()) {
        Edit1_->setText(QString::fromStdString(lotwReport));
        RadioButton2_->setChecked(true);
    }
    ProgressBar1_->setVisible(import_.progressVisible);
    const bool completed = exec() == QDialog::Accepted;
    import_.EndSeries();
    main_.Refresh();
    return completed;
}

void ImportWindow::TakeControls() {
    ImportControls& c = import_.controls;
    c.fileName = Edit1_->text().toStdString();
    c.source = RadioButton2_->isChecked() ? ImportSource::Lotw : ImportSource::Log;
    c.priority = RadioButton3_->isChecked() ? ImportPriority::Lotw : ImportPriority::Qsl;
    c.extractQsl = CheckBox1_->isChecked();
    c.extractLotw = CheckBox2_->isChecked();
    c.includeDeleted = CheckBox3_->isChecked();
}

void ImportWindow::ShowExtractBoxes() {
    const QSignalBlocker quiet1(CheckBox1_);
    const QSignalBlocker quiet2(CheckBox2_);
    CheckBox1_->setChecked(import_.controls.extractQsl);
    CheckBox2_->setChecked(import_.controls.extractLotw);
}

void ImportWindow::extractQslToggled(bool checked) {
    import_.controls.extractLotw = CheckBox2_->isChecked();
    import_.SetExtractQsl(checked);
    ShowExtractBoxes();
}

void ImportWindow::extractLotwToggled(bool checked) {
    import_.controls.extractQsl = CheckBox1_->isChecked();
    import_.SetExtractLotw(checked);
    ShowExtractBoxes();
}

void ImportWindow::chooseFile() {
    import_.controls.fileName = Edit1_->text().toStdString();
    import_.controls.source = RadioButton2_->isChecked() ? ImportSource::Lotw : ImportSource::Log;
    import_.ChooseFile();
    Edit1_->setText(QString::fromStdString(import_.controls.fileName));
    (import_.controls.source == ImportSource::Lotw ? RadioButton2_ : RadioButton1_)
        ->setChecked(true);
}

void ImportWindow::showInfo() {
    import_.ShowInfo();
}

void ImportWindow::goBack() {
    reject();
}

void ImportWindow::ShowProgress(uint64_t bytesRead, uint64_t totalBytes) {
    if (!ProgressBar1_->isVisible()) {
        ProgressBar1_->setValue(0);
        ProgressBar1_->show();
    } else if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintMilliseconds &&
               bytesRead < totalBytes) {
        return;
    }
    sinceRepaint_.start();
    const int percent = totalBytes == 0 ? 100 : static_cast<int>(bytesRead * 100 / totalBytes);
    ProgressBar1_->setValue(percent);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ImportWindow::importFile() {
    TakeControls();
    sinceRepaint_.invalidate();
    const RunEnd end =
        import_.Import([this](uint64_t read, uint64_t total) { ShowProgress(read, total); });
    ProgressBar1_->setVisible(import_.progressVisible);
    main_.Refresh();
    if (end == RunEnd::Finished) {
        ProgressBar1_->setValue(0);
        accept();
    }
}

}  // namespace zorva
