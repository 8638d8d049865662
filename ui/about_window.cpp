#include "about_window.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <sstream>
#include <vector>

#include "io/file_system.h"
#include "jpeg_picture.h"

#ifndef ZORVA_PROGRAM_VERSION
#error "the build passes the project version as ZORVA_PROGRAM_VERSION"
#endif

namespace zorva {
namespace {

constexpr int kClientWidth = 256;
constexpr int kClientHeight = 247;
constexpr int kTextLeft = 96;
constexpr int kTextWidth = kClientWidth - kTextLeft - 4;

}  // namespace

std::string VersionLine(const std::string& version) {
    std::vector<std::string> numbers;
    std::istringstream parts(version);
    std::string part;
    while (numbers.size() < 3 && std::getline(parts, part, '.')) numbers.push_back(part);
    std::string line = "Wersja ";
    for (size_t i = 0; i < numbers.size(); ++i) line += (i ? "." : "") + numbers[i];
    return line;
}

std::string ProgramVersion() {
    return ZORVA_PROGRAM_VERSION;
}

AboutWindow::AboutWindow(Prompter& prompter, std::string programDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      openUrl(DesktopUrlOpener()),
      startProgram([](const QString& program) { return QProcess::startDetached(program, {}); }),
      systemTools(SystemInformationTools()),
      prompter_(prompter),
      programDir_(std::move(programDir)) {
    setObjectName("aboutWindow");
    setWindowTitle("Informacja o programie");
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    // A narrow face keeps the longest line within the 256-pixel window.
    setFont(QFont("Arial", 9));

    picture_ = new QLabel(this);
    picture_->setObjectName("picture");
    picture_->setGeometry(8, 8, 81, 209);
    picture_->setScaledContents(true);
    const QImage picture = DecodeJpegFile(JoinPath(programDir_, "about.jpg"));
    if (!picture.isNull()) picture_->setPixmap(QPixmap::fromImage(picture));

    AddLabel("descriptionLine1", QString::fromUtf8("Program do zarządzania"), 10);
    AddLabel("descriptionLine2", QString::fromUtf8("listą potwierdzonych  "), 27);
    AddLabel("descriptionLine3", QString::fromUtf8("podmiotów DXCC."), 44);
    versionLabel_ = AddLabel("versionLabel", "Wersja 7.01", 70);
    versionLabel_->setStyleSheet("color: blue;");
    AddLabel("authorLabel", QString::fromUtf8("Autor: zespół ") + kAuthorCall, 98);
    emailLink_ =
        AddLink("emailLink", kAuthorEmail, QString::fromUtf8("Wyślij maila do autora"), 122);
    homePageLink_ =
        AddLink("homePageLink", kAuthorHomePageShown, QString("Strona domowa ") + kAuthorCall, 140);

    systemInfoButton_ = new QPushButton("Informacje o systemie", this);
    systemInfoButton_->setObjectName("systemInfoButton");
    systemInfoButton_->setGeometry(kTextLeft, 176, kTextWidth, 27);
    backButton_ = new QPushButton(QString::fromUtf8("Powrót"), this);
    backButton_->setObjectName("backButton");
    backButton_->setGeometry(kTextLeft, 210, kTextWidth, 27);
    backButton_->setDefault(true);
    connect(systemInfoButton_, &QPushButton::clicked, this, &AboutWindow::showSystemInformation);
    connect(backButton_, &QPushButton::clicked, this, &AboutWindow::goBack);
}

QLabel* AboutWindow::AddLabel(const char* name, const QString& text, int y, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(kTextLeft, y, kTextWidth, 17);
    return label;
}

QLabel* AboutWindow::AddLink(const char* name, const QString& text, const QString& hint, int y) {
    QLabel* link = AddLabel(name, text, y);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setToolTip(hint);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
    return link;
}

void AboutWindow::Run() {
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowVersion();
}

void AboutWindow::ShowVersion() {
    versionLabel_->setText(QString::fromStdString(VersionLine(ProgramVersion())));
    backButton_->setFocus(Qt::OtherFocusReason);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == emailLink_) mailAuthor();
        if (watched == homePageLink_) openHomePage();
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::mailAuthor() {
    openUrl(QUrl(QString("mailto:") + kAuthorEmail));
}

void AboutWindow::openHomePage() {
    openUrl(QUrl(kAuthorHomePage));
}

void AboutWindow::showSystemInformation() {
    for (const QString& tool : systemTools) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) continue;
        if (!startProgram(program))
            ShowError(prompter_, "Nie można uruchomić programu " + program.toStdString() + ".");
        return;
    }
    ShowInformation(prompter_, "Brak programu pokazującego informacje o systemie.");
}

void AboutWindow::goBack() {
    accept();
}

}  // namespace zorva
