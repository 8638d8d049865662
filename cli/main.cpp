// zorva: the desktop program's rules for scripts and for people without a display.
#include <clocale>
#include <iostream>
#include <sstream>

#include "command.h"
#include "io/console.h"
#include "io/file_lock.h"
#include "io/program_directory.h"
#include "ports/clock.h"

namespace zorva::cli {
namespace {

std::string Usage(const Command& c) {
    return "zorva [--home DIR] [--yes | --no] " + c.name + " " + c.synopsis;
}

void PrintGeneralHelp(std::ostream& out) {
    out << "zorva [--home DIR] [--yes | --no] COMMAND ARGS...\n\n"
        << "  --home DIR  the program directory (dxcc_adif.kvt, zorva_rade.ini, bledy_dxcc.txt,\n"
        << "              new station files); default: as the desktop program finds it\n"
        << "  --yes       answer every question Yes\n"
        << "  --no        answer every question No\n"
        << "  --help      this text; zorva COMMAND --help describes a command\n\n"
        << "Commands:\n";
    for (const auto& c : Commands()) out << "  " << c.name << " " << c.synopsis << "\n";
    out << "\nExit codes: 0 done, 1 refused or failed, 2 wrong usage, 3 a question that could not "
           "be asked.\n";
}

void PrintCommandHelp(std::ostream& out, const Command& c) {
    out << Usage(c) << "\n\n" << c.help << "\n";
    if (!c.options.empty()) {
        out << "\nOptions:\n";
        for (const auto& o : c.options)
            out << "  " << o.name << (o.takesValue ? " VALUE" : "") << "  " << o.help << "\n";
    }
}

// The commands whose name begins with `group` ("entity" for "entity add", "entity edit").
std::vector<const Command*> CommandGroup(const std::string& group) {
    std::vector<const Command*> members;
    for (const auto& c : Commands())
        if (c.name.rfind(group + " ", 0) == 0) members.push_back(&c);
    return members;
}

// "zorva entity --help" describes every command of the group; "entity" without a
// known second word is wrong usage.
int RunGroup(const std::vector<std::string>& words, const std::vector<const Command*>& members) {
    if (words.size() == 2 && (words[1] == "--help" || words[1] == "-h")) {
        for (size_t i = 0; i < members.size(); ++i) {
            if (i) std::cout << "\n";
            PrintCommandHelp(std::cout, *members[i]);
        }
        return kDone;
    }
    std::cerr << "zorva: " << words[0] << " needs one of its commands\n";
    for (const auto* c : members) std::cerr << "usage: " << Usage(*c) << "\n";
    return kUsage;
}

// Longest match first, so "entity add" wins over a command named "entity".
const Command* FindCommand(const std::vector<std::string>& words, size_t& used) {
    const Command* best = nullptr;
    for (const auto& c : Commands()) {
        std::istringstream parts(c.name);
        std::string part;
        size_t n = 0;
        bool match = true;
        while (parts >> part) {
            if (n >= words.size() || words[n] != part) {
                match = false;
                break;
            }
            ++n;
        }
        if (match && (!best || n > used)) {
            best = &c;
            used = n;
        }
    }
    return best;
}

bool ParseArgs(const Command& c, const std::vector<std::string>& words, Args& args,
               std::string& problem) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.rfind("--", 0) == 0) {
            std::string name = w;
            std::string value;
            bool inlineValue = false;
            if (auto eq = w.find('='); eq != std::string::npos) {
                name = w.substr(0, eq);
                value = w.substr(eq + 1);
                inlineValue = true;
            }
            const OptionSpec* option = nullptr;
            for (const auto& o : c.options)
                if (o.name == name) option = &o;
            if (!option) {
                problem = "unknown option " + name;
                return false;
            }
            if (option->takesValue && !inlineValue) {
                if (i + 1 >= words.size()) {
                    problem = name + " needs a value";
                    return false;
                }
                value = words[++i];
            }
            args.options[name] = value;
        } else {
            args.positional.push_back(w);
        }
    }
    if (args.positional.size() < c.minPositional || args.positional.size() > c.maxPositional) {
        problem = "wrong number of arguments";
        return false;
    }
    return true;
}

int Run(int argc, char** argv) {
    PrepareConsole();
    std::vector<std::string> words = CommandLineWords(argc, argv);
    std::string home;
    Answering answering = Answering::Ask;
    size_t i = 0;
    for (; i < words.size(); ++i) {
        if (words[i] == "--home" && i + 1 < words.size()) {
            home = words[++i];
        } else if (words[i] == "--yes") {
            answering = Answering::AlwaysYes;
        } else if (words[i] == "--no") {
            answering = Answering::AlwaysNo;
        } else if (words[i] == "--help" || words[i] == "-h") {
            PrintGeneralHelp(std::cout);
            return kDone;
        } else {
            break;
        }
    }
    words.erase(words.begin(), words.begin() + static_cast<long>(i));
    if (words.empty()) {
        PrintGeneralHelp(std::cerr);
        return kUsage;
    }
    size_t used = 0;
    const Command* command = FindCommand(words, used);
    if (!command) {
        if (auto members = CommandGroup(words[0]); !members.empty())
            return RunGroup(words, members);
        std::cerr << "zorva: unknown command " << words[0] << "\n";
        PrintGeneralHelp(std::cerr);
        return kUsage;
    }
    words.erase(words.begin(), words.begin() + static_cast<long>(used));
    for (const auto& w : words) {
        if (w == "--help" || w == "-h") {
            PrintCommandHelp(std::cout, *command);
            return kDone;
        }
    }
    Args args;
    std::string problem;
    if (!ParseArgs(*command, words, args, problem)) {
        std::cerr << "zorva: " << problem << "\nusage: " << Usage(*command) << "\n";
        return kUsage;
    }
    if (home.empty()) {
        // Without --home zorva runs as the desktop does: in the user's locale, system reasons too.
        std::setlocale(LC_ALL, "");
        home = ProgramDirectory();
    }
    TerminalPrompter prompter(std::cout, std::cerr, answering, StandardInputIsConsole());
    SystemClock clock;
    Context ctx{prompter, clock, home, std::cout, std::cerr};
    FileLock lock;
    try {
        if (!LockChangedStation(ctx, *command, args, lock)) return kFailed;
        int code = command->run(ctx, args);
        if (code == kDone && prompter.ErrorCount() > 0) code = kFailed;
        // A refusal never ends in silence, whatever path it took.
        if (code == kFailed && prompter.ErrorCount() == 0)
            ShowError(prompter, "Polecenie nie zostało wykonane.");
        return code;
    } catch (const QuestionNotAsked& question) {
        std::cerr << question.what() << "\n";
        return kQuestionNotAsked;
    }
}

}  // namespace
}  // namespace zorva::cli

int main(int argc, char** argv) {
    return zorva::cli::Run(argc, argv);
}
