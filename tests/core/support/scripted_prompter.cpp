#include "scripted_prompter.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zorva::testing {
namespace {

const char* Name(Icon icon) {
    switch (icon) {
        case Icon::Error:
            return "Error";
        case Icon::Warning:
            return "Warning";
        case Icon::Information:
            return "Information";
        case Icon::Question:
            return "Question";
    }
    return "?";
}

const char* Name(Buttons b) {
    switch (b) {
        case Buttons::Ok:
            return "Ok";
        case Buttons::YesNo:
            return "YesNo";
        case Buttons::YesNoCancel:
            return "YesNoCancel";
        case Buttons::OkCancel:
            return "OkCancel";
    }
    return "?";
}

void FailInGoogleTest(const std::string& message) {
    ADD_FAILURE() << message;
}

PrompterFailureSink& Sink() {
    static PrompterFailureSink sink = FailInGoogleTest;
    return sink;
}

void Fail(const std::string& message) {
    Sink()(message);
}

void Check(const std::string& what, const std::string& expected, const std::string& actual) {
    if (expected != actual) Fail(what + ": expected \"" + expected + "\", came \"" + actual + "\"");
}

}  // namespace

void SetPrompterFailureSink(PrompterFailureSink sink) {
    Sink() = sink;
}

std::string Describe(const MessageBox& box) {
    std::string d = "[" + box.caption + "|" + Name(box.icon) + "|" + Name(box.buttons);
    if (box.defaultButton) d += "|default=" + std::to_string(static_cast<int>(*box.defaultButton));
    return d + "] " + box.text;
}

ScriptedPrompter::~ScriptedPrompter() {
    if (!script_.empty()) Fail(std::to_string(script_.size()) + " scripted dialog(s) never came");
}

ScriptedPrompter& ScriptedPrompter::ExpectBox(const MessageBox& box, Answer answer) {
    script_.push_back(BoxStep{box, answer});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectError(const std::string& text) {
    return ExpectBox({text, "Błąd", Icon::Error, Buttons::Ok, {}}, Answer::Ok);
}

ScriptedPrompter& ScriptedPrompter::ExpectInput(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& offered,
                                                std::optional<std::string> answer) {
    script_.push_back(InputStep{caption, prompt, offered, std::move(answer)});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectOpenFile(const FileChoice& choice,
                                                   std::optional<std::string> answer) {
    script_.push_back(FileStep{false, choice, std::move(answer)});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectSaveFile(const FileChoice& choice,
                                                   std::optional<std::string> answer) {
    script_.push_back(FileStep{true, choice, std::move(answer)});
    return *this;
}

Answer ScriptedPrompter::Show(const MessageBox& box) {
    if (script_.empty() || !std::holds_alternative<BoxStep>(script_.front())) {
        Fail("unexpected message box: " + Describe(box));
        return Answer::Cancel;
    }
    BoxStep step = std::get<BoxStep>(script_.front());
    script_.pop_front();
    Check("message box", Describe(step.box), Describe(box));
    return step.answer;
}

std::optional<std::string> ScriptedPrompter::Input(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& offered) {
    if (script_.empty() || !std::holds_alternative<InputStep>(script_.front())) {
        Fail("unexpected input box: " + caption + " / " + prompt);
        return std::nullopt;
    }
    InputStep step = std::get<InputStep>(script_.front());
    script_.pop_front();
    Check("input box caption", step.caption, caption);
    Check("input box prompt", step.prompt, prompt);
    Check("input box offer", step.offered, offered);
    return step.answer;
}

std::optional<std::string> ScriptedPrompter::ChooseOpenFile(const FileChoice& choice) {
    if (script_.empty() || !std::holds_alternative<FileStep>(script_.front()) ||
        std::get<FileStep>(script_.front()).save) {
        Fail("unexpected open dialog: " + choice.filter + " / " + choice.presetName);
        return std::nullopt;
    }
    FileStep step = std::get<FileStep>(script_.front());
    script_.pop_front();
    Check("file dialog filter", step.choice.filter, choice.filter);
    Check("file dialog name", step.choice.presetName, choice.presetName);
    return step.answer;
}

std::optional<std::string> ScriptedPrompter::ChooseSaveFile(const FileChoice& choice) {
    if (script_.empty() || !std::holds_alternative<FileStep>(script_.front()) ||
        !std::get<FileStep>(script_.front()).save) {
        Fail("unexpected save dialog: " + choice.filter + " / " + choice.presetName);
        return std::nullopt;
    }
    FileStep step = std::get<FileStep>(script_.front());
    script_.pop_front();
    Check("file dialog filter", step.choice.filter, choice.filter);
    Check("file dialog name", step.choice.presetName, choice.presetName);
    return step.answer;
}

std::string FixedClock::TodayShort() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", today_.day, today_.month, today_.year);
    return buffer;
}

}  // namespace zorva::testing
