#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/clock.h"
#include "ports/prompter.h"

namespace zorva::fuzz {

// Answers every question from a word of bits taken from the input, two bits a
// question, so the fuzzer reaches each branch of a dialogue. Dialogs that choose
// a file are dismissed; the call prompt gets a short call or Cancel.
class BitPrompter : public Prompter {
  public:
    explicit BitPrompter(uint32_t bits) : bits_(bits) {}

    Answer Show(const MessageBox& box) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& offered) override;
    std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;

  private:
    unsigned NextTwoBits();
    uint32_t bits_;
};

class FixedFuzzClock : public Clock {
  public:
    CivilDate Today() const override { return {2026, 12, 8}; }
    std::string TodayShort() const override { return "08.12.2026"; }
    LocalDateTime Now() const override { return {Today(), 12, 0, 0}; }
};

// A folder of this process under /dev/shm (or the temporary folder), made once
// and removed at exit; every iteration writes its files there.
const std::string& ScratchDir();
std::string ScratchFile(const std::string& name);
void WriteScratch(const std::string& name, std::string_view bytes);

// The input split into the answers (its last four bytes, when it has them) and the rest.
struct SplitInput {
    uint32_t answers = 0;
    std::string_view body;
};
SplitInput SplitAnswers(const uint8_t* data, size_t size);

// Stops the fuzzer with a message when an invariant does not hold.
void Require(bool condition, const char* what);

}  // namespace zorva::fuzz
