#pragma once

#include <deque>
#include <optional>
#include <string>
#include <variant>

#include "ports/clock.h"
#include "ports/prompter.h"

namespace zorva::testing {

// A Prompter that expects an exact sequence of boxes and dialogs and replays
// the scripted answers. Anything unexpected fails the running test.
class ScriptedPrompter : public Prompter {
  public:
    ~ScriptedPrompter() override;

    ScriptedPrompter& ExpectBox(const MessageBox& box, Answer answer = Answer::Ok);
    ScriptedPrompter& ExpectError(const std::string& text);  // "Błąd", error icon, OK
    ScriptedPrompter& ExpectInput(const std::string& caption, const std::string& prompt,
                                  const std::string& offered, std::optional<std::string> answer);
    ScriptedPrompter& ExpectOpenFile(const FileChoice& choice, std::optional<std::string> answer);
    ScriptedPrompter& ExpectSaveFile(const FileChoice& choice, std::optional<std::string> answer);

    // True when every expectation was met; a test ends with EXPECT_TRUE(p.Done()).
    bool Done() const { return script_.empty(); }
    // Skips the check of leftover expectations at destruction.
    void Forget() { script_.clear(); }

    Answer Show(const MessageBox& box) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& offered) override;
    std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;

  private:
    struct BoxStep {
        MessageBox box;
        Answer answer;
    };
    struct InputStep {
        std::string caption, prompt, offered;
        std::optional<std::string> answer;
    };
    struct FileStep {
        bool save;
        FileChoice choice;
        std::optional<std::string> answer;
    };
    using Step = std::variant<BoxStep, InputStep, FileStep>;
    std::deque<Step> script_;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(CivilDate today = {2026, 12, 8}) : today_(today) {}
    CivilDate Today() const override { return today_; }
    std::string TodayShort() const override;
    LocalDateTime Now() const override { return {today_, hour_, minute_, 0}; }
    void SetTime(int hour, int minute) {
        hour_ = hour;
        minute_ = minute;
    }

  private:
    CivilDate today_;
    int hour_ = 12, minute_ = 0;
};

std::string Describe(const MessageBox& box);

// Where the scripted prompter reports a wrong, unexpected or missing dialogue: GoogleTest
// unless the test program installs another (a Qt Test program counts only its own failures).
using PrompterFailureSink = void (*)(const std::string& message);
void SetPrompterFailureSink(PrompterFailureSink sink);

}  // namespace zorva::testing
