#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <string>

#include "help_file.h"
#include "ports/prompter.h"

class QLabel;
class QPushButton;

namespace zorva {

inline constexpr const char* kAuthorEmail = "sp0zrv@example.org";
inline constexpr const char* kAuthorHomePage = "https://example.org/sp0zrv/";
inline constexpr const char* kAuthorHomePageShown = "example.org/sp0zrv";
inline constexpr const char* kAuthorCall = "SP0ZRV";

// "Wersja " and the first three numbers of a major.minor.release.build version.
std::string VersionLine(const std::string& version);

// The program's version as the build stamps it (CMake's project version).
std::string ProgramVersion();

// The system's own system-information tools, by program name, the usual first.
QStringList SystemInformationTools();

// "Informacja o programie": the picture, what the program is for, its version,
// its maker with his e-mail and home page, and the system-information tool.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    AboutWindow(Prompter& prompter, std::string programDir, QWidget* parent = nullptr);

    // Shows the window modally, centred on its parent.
    void Run();

    // How links and the system-information tool are opened; tests replace them.
    UrlOpener openUrl;
    std::function<bool(const QString& program)> startProgram;
    // The system-information tools looked for on the PATH, the first found is started.
    QStringList systemTools;

    QLabel* Picture() const { return picture_; }
    QLabel* VersionLabel() const { return versionLabel_; }  // the version line
    QLabel* EmailLink() const { return emailLink_; }        // e-mail
    QLabel* HomePageLink() const { return homePageLink_; }  // home page
    QPushButton* SystemInfoButton() const { return systemInfoButton_; }
    QPushButton* BackButton() const { return backButton_; }

  public slots:
    void ShowVersion();
    void mailAuthor();
    void openHomePage();
    void showSystemInformation();  // "Informacje o systemie"
    void goBack();                 // "Powrót"

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* AddLabel(const char* name, const QString& text, int y, bool bold = true);
    QLabel* AddLink(const char* name, const QString& text, const QString& hint, int y);

    Prompter& prompter_;
    std::string programDir_;
    QLabel* picture_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* emailLink_ = nullptr;
    QLabel* homePageLink_ = nullptr;
    QPushButton* systemInfoButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

}  // namespace zorva
