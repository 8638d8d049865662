#include <cstdlib>
#include <filesystem>

#include "command.h"
#include "convert/convert.h"
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

const std::vector<Command>& Commands() { return Registry(); }

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::unique_ptr<Station> LoadStation(Context& ctx, const std::string& file,
                                     const std::function<void(Station&)>& prepare) {
    auto station = std::make_unique<Station>(ctx.prompter, ctx.clock, ctx.home);
    station->convertOldFile = ConvertOldFile;
    if (prepare) prepare(*station);
    int errorsBefore = ctx.prompter.ErrorCount();
    station->SetCurrentFileName(AbsolutePath(file));
    station->LoadStationFile();
    if (ctx.prompter.ErrorCount() != errorsBefore) return nullptr;
    return station;
}

bool SaveStation(Context& ctx, Station& station) {
    int errorsBefore = ctx.prompter.ErrorCount();
    bool saved = station.Save();
    return saved && ctx.prompter.ErrorCount() == errorsBefore;
}

}  // namespace zorva::cli
