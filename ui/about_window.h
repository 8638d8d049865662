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

    QLabel* Image1() const { return Image1_; }
    QLabel* Label4() const { return Label4_; }  // the version line
    QLabel* Label6() const { return Label6_; }  // e-mail
    QLabel* Label7() const { return Label7_; }  // home page
    QPushButton* Button1() const { return Button1_; }
    QPushButton* Button2() const { return Button2_; }

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
    QLabel* Image1_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* Label7_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
};

}  // namespace zorva
