#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "command.h"
#include "convert/convert.h"
#include "io/file_lock.h"
#include "io/file_system.h"
#include "io/utf8_path.h"
#include "station/station.h"

namespace zorva::cli {

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}
}  // namespace

std::string Args::Value(const std::string& name, const std::string& fallback) const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

bool RegisterCommand(Command command) {
    Registry().push_back(std::move(command));
    return true;
}

const std::vector<Command>& Commands() {
    return Registry();
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    auto absolute = std::filesystem::absolute(PathFromUtf8(path), ec);
    return ec ? path : Utf8Of(absolute.lexically_normal());
}

std::string StationInFirstArgument(const Args& args) {
    return args.positional.empty() ? std::string() : args.positional[0];
}

std::string StationInOption(const Args& args) {
    return args.Value("--station");
}

bool LockChangedStation(Context& ctx, const Command& command, const Args& args, FileLock& lock) {
    const std::string file = command.changedStation ? command.changedStation(args) : std::string();
    if (file.empty()) return true;
    const std::string path = AbsolutePath(file);
    lock = FileLock::Acquire(path, kStationLockPatience);
    if (lock.Held() || lock.FolderMissing()) return true;
    ShowError(ctx.prompter, StationLockRefusal(path, lock));
    return false;
}

std::unique_ptr<Station> LoadStation(Context& ctx, const std::string& file,
                                     const std::function<void(Station&)>& prepare) {
    auto station = std::make_unique<Station>(ctx.prompter, ctx.clock, ctx.home);
    station->convertOldFile = Station::ConversionHook(ConvertOldFile);
    if (prepare) prepare(*station);
    station->SetCurrentFileName(AbsolutePath(file));
    const Outcome loaded = station->LoadStationFile();
    if (!loaded.ok()) return nullptr;
    // As in the window, what the load only warned of is told and the command goes on.
    if (loaded.Warned()) ctx.prompter.TakeErrorsAsWarnings();
    return station;
}

namespace {
// A save can end without a word of its own: a No to the read-only question leaves
// only the save dialog, which the command line does not have.
std::string NotSavedMessage(const std::string& path) {
    const std::string notSaved = "Dane nie zostały zapisane.";
    if (path.empty() || !FileExists(path) || !IsReadOnly(path)) return notSaved;
    return "Plik " + path + " przeznaczony jest tylko do odczytu (Read Only)!\n" + notSaved;
}
}  // namespace

bool SaveStation(Context& ctx, Station& station) {
    // The command line has no "Zapisz jako..": the change can be made on a copy.
    station.Document().SetNotSavedAdvice(
        "Można skopiować plik do innego folderu i powtórzyć polecenie na kopii.");
    int errorsBefore = ctx.prompter.ErrorCount();
    bool saved = station.Save();
    if (!saved && ctx.prompter.ErrorCount() == errorsBefore)
        ShowError(ctx.prompter, NotSavedMessage(station.Document().FileName()));
    return saved && ctx.prompter.ErrorCount() == errorsBefore;
}

std::optional<std::string> ParseAdifNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    const size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
    std::string digits = text.substr(first);
    if (digits.size() > 3) return std::nullopt;
    return digits;
}

}  // namespace zorva::cli
