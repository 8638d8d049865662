#pragma once

#include <optional>
#include <string>

namespace zorva {

enum class Icon { Error, Warning, Information, Question };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageBox {
    std::string text;
    std::string caption;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    // The button that Enter presses; Yes (or Ok) unless a question says otherwise.
    std::optional<Answer> defaultButton;
};

// The file dialogs' choice of the station file and the text lists.
inline constexpr const char* kFileFilter = "Pliki tekstowe |*.TXT|Wszystkie pliki|*.*";

struct FileChoice {
    std::string filter;  // "Pliki tekstowe |*.TXT|Wszystkie pliki|*.*": pairs of label and pattern
    std::string presetName;
    std::string title;
};

// Every message box, input box and file dialog of the program goes through
// this port: the desktop shows real dialogs, the CLI asks on the terminal and
// the tests replay a script.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual Answer Show(const MessageBox& box) = 0;
    // The text typed, or nothing on Cancel.
    virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                             const std::string& offered) = 0;
    // The chosen path, or nothing when the dialog is dismissed.
    virtual std::optional<std::string> ChooseOpenFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileChoice& choice) = 0;
};

// The program's usual boxes.
inline void ShowError(Prompter& p, const std::string& text) {
    p.Show({text, "Błąd", Icon::Error, Buttons::Ok, {}});
}
inline void ShowInformation(Prompter& p, const std::string& text,
                            const std::string& caption = "Informacja") {
    p.Show({text, caption, Icon::Information, Buttons::Ok, {}});
}
inline Answer AskWarning(Prompter& p, const std::string& text, Buttons buttons,
                         std::optional<Answer> defaultButton = {}) {
    return p.Show({text, "Ostrzeżenie", Icon::Warning, buttons, defaultButton});
}

}  // namespace zorva
