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

namespace zorva {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The bar moves at most about 30 times a second, so reading is not held up by painting.
constexpr qint64 kRepaintMilliseconds = 33;

}  // namespace

ImportWindow::ImportWindow(EditSession& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      import_(session) {
    setObjectName("importWindow");
    setWindowTitle(Q(kImportWindowCaption));
    setModal(true);
    BuildControls();
    fileEdit_->clear();
}

void ImportWindow::BuildControls() {
    auto* fileLabel = new QLabel(Q("Nazwa pliku"), this);
    fileEdit_ = new QLineEdit(this);
    fileEdit_->setObjectName("fileEdit");
    fileEdit_->setMinimumWidth(320);
    fileLabel->setBuddy(fileEdit_);
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(Q(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    chooseButton_ = button("chooseButton", "Wybierz");
    importButton_ = button("importButton", "Importuj");
    infoButton_ = button("infoButton", "Info");
    backButton_ = button("backButton", "Powrót");

    auto* sourceGroup = new QGroupBox(Q("Źródło danych"), this);
    logSourceRadio_ = new QRadioButton(Q("Log"), sourceGroup);
    logSourceRadio_->setObjectName("logSourceRadio");
    lotwSourceRadio_ = new QRadioButton(Q("LoTW"), sourceGroup);
    lotwSourceRadio_->setObjectName("lotwSourceRadio");
    logSourceRadio_->setChecked(true);
    auto* sourceLayout = new QVBoxLayout(sourceGroup);
    sourceLayout->addWidget(logSourceRadio_);
    sourceLayout->addWidget(lotwSourceRadio_);

    auto* priorityGroup = new QGroupBox(Q("Priorytet danych"), this);
    logPriorityRadio_ = new QRadioButton(Q("Log (QSL)"), priorityGroup);
    logPriorityRadio_->setObjectName("logPriorityRadio");
    lotwPriorityRadio_ = new QRadioButton(Q("LoTW"), priorityGroup);
    lotwPriorityRadio_->setObjectName("lotwPriorityRadio");
    logPriorityRadio_->setChecked(true);
    auto* priorityLayout = new QVBoxLayout(priorityGroup);
    priorityLayout->addWidget(logPriorityRadio_);
    priorityLayout->addWidget(lotwPriorityRadio_);

    extractQslCheck_ = new QCheckBox(Q("Zapisz rekordy o QSL w pliku ADIF"), this);
    extractQslCheck_->setObjectName("extractQslCheck");
    extractLotwCheck_ = new QCheckBox(Q("Zapisz rekordy o LoTW w pliku ADIF"), this);
    extractLotwCheck_->setObjectName("extractLotwCheck");
    includeDeletedCheck_ = new QCheckBox(Q("Uwzględniaj w ADIF podmioty Deleted"), this);
    includeDeletedCheck_->setObjectName("includeDeletedCheck");

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName("progressBar");
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->hide();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(fileEdit_, 1);
    fileRow->addWidget(chooseButton_);
    auto* groups = new QHBoxLayout;
    groups->addWidget(sourceGroup);
    groups->addWidget(priorityGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(importButton_);
    buttons->addWidget(infoButton_);
    buttons->addStretch(1);
    buttons->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(groups);
    layout->addWidget(extractQslCheck_);
    layout->addWidget(extractLotwCheck_);
    layout->addWidget(includeDeletedCheck_);
    layout->addLayout(buttons);
    layout->addWidget(progressBar_);  // along the bottom edge

    QWidget* readingOrder[] = {fileEdit_,        chooseButton_,     logSourceRadio_,
                               lotwSourceRadio_, logPriorityRadio_, lotwPriorityRadio_,
                               extractQslCheck_, extractLotwCheck_, includeDeletedCheck_,
                               importButton_,    infoButton_,       backButton_};
    for (size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);

    connect(chooseButton_, &QPushButton::clicked, this, &ImportWindow::chooseFile);
    connect(importButton_, &QPushButton::clicked, this, &ImportWindow::importFile);
    connect(backButton_, &QPushButton::clicked, this, &ImportWindow::goBack);
    connect(infoButton_, &QPushButton::clicked, this, &ImportWindow::showInfo);
    connect(extractQslCheck_, &QCheckBox::clicked, this, &ImportWindow::extractQslToggled);
    connect(extractLotwCheck_, &QCheckBox::clicked, this, &ImportWindow::extractLotwToggled);
}

bool ImportWindow::Run(const std::string& lotwReport) {
    const bool open = import_.BeginSeries();
    emit stationChanged();
    if (!open) return false;
    if (!lotwReport.empty()) {
        fileEdit_->setText(QString::fromStdString(lotwReport));
        lotwSourceRadio_->setChecked(true);
    }
    progressBar_->setVisible(import_.progressVisible);
    const bool completed = exec() == QDialog::Accepted;
    import_.EndSeries();
    emit stationChanged();
    return completed;
}

void ImportWindow::TakeControls() {
    ImportControls& c = import_.controls;
    c.fileName = fileEdit_->text().toStdString();
    c.source = lotwSourceRadio_->isChecked() ? ImportSource::Lotw : ImportSource::Log;
    c.priority = lotwPriorityRadio_->isChecked() ? Confirmation::Lotw : Confirmation::Qsl;
    c.extractQsl = extractQslCheck_->isChecked();
    c.extractLotw = extractLotwCheck_->isChecked();
    c.includeDeleted = includeDeletedCheck_->isChecked();
}

void ImportWindow::ShowExtractBoxes() {
    const QSignalBlocker quiet1(extractQslCheck_);
    const QSignalBlocker quiet2(extractLotwCheck_);
    extractQslCheck_->setChecked(import_.controls.extractQsl);
    extractLotwCheck_->setChecked(import_.controls.extractLotw);
}

void ImportWindow::extractQslToggled(bool checked) {
    import_.controls.extractLotw = extractLotwCheck_->isChecked();
    import_.SetExtractQsl(checked);
    ShowExtractBoxes();
}

void ImportWindow::extractLotwToggled(bool checked) {
    import_.controls.extractQsl = extractQslCheck_->isChecked();
    import_.SetExtractLotw(checked);
    ShowExtractBoxes();
}

void ImportWindow::chooseFile() {
    import_.controls.fileName = fileEdit_->text().toStdString();
    import_.controls.source =
        lotwSourceRadio_->isChecked() ? ImportSource::Lotw : ImportSource::Log;
    import_.ChooseFile();
    fileEdit_->setText(QString::fromStdString(import_.controls.fileName));
    (import_.controls.source == ImportSource::Lotw ? lotwSourceRadio_ : logSourceRadio_)
        ->setChecked(true);
}

void ImportWindow::showInfo() {
    import_.ShowInfo();
}

void ImportWindow::goBack() {
    reject();
}

void ImportWindow::ShowProgress(uint64_t bytesRead, uint64_t totalBytes) {
    if (!progressBar_->isVisible()) {
        progressBar_->setValue(0);
        progressBar_->show();
    } else if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintMilliseconds &&
               bytesRead < totalBytes) {
        return;
    }
    sinceRepaint_.start();
    const int percent = totalBytes == 0 ? 100 : static_cast<int>(bytesRead * 100 / totalBytes);
    progressBar_->setValue(percent);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ImportWindow::importFile() {
    TakeControls();
    sinceRepaint_.invalidate();
    const RunEnd end =
        import_.Import([this](uint64_t read, uint64_t total) { ShowProgress(read, total); });
    progressBar_->setVisible(import_.progressVisible);
    emit stationChanged();
    if (end == RunEnd::Finished) {
        progressBar_->setValue(0);
        accept();
    }
}

}  // namespace zorva
