#include "terminal_prompter.h"

#include <iostream>

#include "text/columns.h"

namespace zorva::cli {
namespace {

bool IsQuestion(const MessageBox& box) {
    return box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel;
}

}  // namespace

TerminalPrompter::TerminalPrompter(std::ostream& out, std::ostream& err, Answering answering,
                                   bool interactive)
    : out_(out), err_(err), answering_(answering), interactive_(interactive) {}

void TerminalPrompter::Print(std::ostream& stream, bool& first, const std::string& text) {
    if (!first) stream << "\n";
    first = false;
    stream << text << "\n";
    stream.flush();
}

Answer TerminalPrompter::Show(const MessageBox& box) {
    if (!IsQuestion(box)) {
        if (box.icon == Icon::Error) {
            ++errors_;
            Print(err_, firstErr_, box.text);
        } else {
            Print(out_, firstOut_, box.text);
        }
        return box.buttons == Buttons::OkCancel ? Answer::Ok : Answer::Ok;
    }
    if (answering_ == Answering::AlwaysYes) return Answer::Yes;
    if (answering_ == Answering::AlwaysNo) return Answer::No;
    if (!interactive_) throw QuestionNotAsked(box.text);
    return AskOnTerminal(box);
}

Answer TerminalPrompter::AskOnTerminal(const MessageBox& box) {
    const bool withCancel = box.buttons == Buttons::YesNoCancel;
    Print(out_, firstOut_, box.text);
    for (;;) {
        out_ << (withCancel ? "[t]ak / [n]ie / [a]nuluj: " : "[t]ak / [n]ie: ");
        out_.flush();
        std::string line;
        if (!std::getline(std::cin, line)) throw QuestionNotAsked(box.text);
        std::string answer = ToLowerText(Trim(line));
        if (answer == "t" || answer == "tak" || answer == "y" || answer == "yes")
            return Answer::Yes;
        if (answer == "n" || answer == "nie" || answer == "no") return Answer::No;
        if (withCancel && (answer == "a" || answer == "anuluj")) return Answer::Cancel;
        if (answer.empty() && box.defaultButton) return *box.defaultButton;
    }
}

std::optional<std::string> TerminalPrompter::Input(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& offered) {
    if (!interactive_) throw QuestionNotAsked(caption + ": " + prompt);
    out_ << prompt << " ";
    if (!offered.empty()) out_ << "[" << offered << "] ";
    out_.flush();
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    return line.empty() ? offered : line;
}

std::optional<std::string> TerminalPrompter::ChooseOpenFile(const FileChoice&) {
    return std::nullopt;
}

std::optional<std::string> TerminalPrompter::ChooseSaveFile(const FileChoice&) {
    return std::nullopt;
}

}  // namespace zorva::cli
