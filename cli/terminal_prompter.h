#pragma once

#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>

#include "ports/prompter.h"

namespace zorva::cli {

// Thrown when a question must be answered and nobody can answer it.
struct QuestionNotAsked : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Answering { Ask, AlwaysYes, AlwaysNo };

// Message boxes become paragraphs on the terminal: errors on standard error,
// the rest on standard output. Questions are answered by --yes/--no, or asked
// when standard input is a terminal. There are no file dialogs: a command takes
// its files from its arguments.
class TerminalPrompter : public Prompter {
  public:
    TerminalPrompter(std::ostream& out, std::ostream& err, Answering answering, bool interactive);

    Answer Show(const MessageBox& box) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& offered) override;
    std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;

    int ErrorCount() const { return errors_; }
    // The errors shown so far were warnings: the command goes on and may still succeed.
    void TakeErrorsAsWarnings() { errors_ = 0; }

  private:
    void Print(std::ostream& stream, bool& first, const std::string& text);
    Answer AskOnTerminal(const MessageBox& box);

    std::ostream& out_;
    std::ostream& err_;
    Answering answering_;
    bool interactive_;
    bool firstOut_ = true;
    bool firstErr_ = true;
    int errors_ = 0;
};

}  // namespace zorva::cli
