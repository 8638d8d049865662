#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "terminal_prompter.h"

namespace zorva {
class Clock;
class FileLock;
class Station;
}  // namespace zorva

namespace zorva::cli {

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2, kQuestionNotAsked = 3 };

struct OptionSpec {
    std::string name;  // "--view"
    bool takesValue = false;
    std::string help;
};

// A command's words after parsing: positional arguments in order, options by name
// (a value-less option maps to an empty string).
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
};

struct Context {
    TerminalPrompter& prompter;
    const Clock& clock;
    std::string home;  // the program directory
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string name;      // "show", or two words: "entity add"
    std::string synopsis;  // "FILE [--view V] ..."
    std::string help;      // what it does
    size_t minPositional = 0;
    size_t maxPositional = 0;
    std::vector<OptionSpec> options;
    std::function<int(Context&, const Args&)> run;
    // The station file the command changes, locked from its load to its save so
    // that two commands on one file run one after the other; empty: none.
    std::function<std::string(const Args&)> changedStation = {};
};

std::string StationInFirstArgument(const Args& args);
std::string StationInOption(const Args& args);  // --station FILE, when given

// Called from a static initializer in each cli/commands/*.cpp.
bool RegisterCommand(Command command);
const std::vector<Command>& Commands();

// Loads a station file as the desktop program does (reconciliation included).
// Nothing when the load failed; the messages have been shown.
// `prepare` sets the station up before the load (view, sort), as settings would.
std::unique_ptr<Station> LoadStation(Context& ctx, const std::string& file,
                                     const std::function<void(Station&)>& prepare = {});

// Saves the station in place; false when it was not written, always with a message saying so.
bool SaveStation(Context& ctx, Station& station);

// An entity's number as typed ("230", "007"): its digits without leading zeros,
// at most three of them; nothing when the text is not a number.
std::optional<std::string> ParseAdifNumber(const std::string& text);

std::string AbsolutePath(const std::string& path);

// Takes the lock of the station file the command changes; false (with the
// message shown) when another program keeps it for longer than a command waits.
bool LockChangedStation(Context& ctx, const Command& command, const Args& args, FileLock& lock);

}  // namespace zorva::cli
