#include <ostream>

#include "command.h"
#include "editor/editor_line.h"
#include "editor/entity_editor.h"
#include "files/reference_file.h"
#include "station/station.h"
#include "text/utf8.h"

namespace zorva::cli {
namespace {

// The window's fields take no more than this; a longer value is refused rather than cut.
bool FitsField(Context& ctx, const std::string& what, const std::string& value, size_t width) {
    if (CharCount(value) <= width) return true;
    ctx.err << "zorva: " << what << " has at most " << width << " characters\n";
    return false;
}

// The station named by --station, loaded as the desktop program loads it; or a
// station with nothing open, so only the reference file changes.
std::unique_ptr<Station> StationFor(Context& ctx, const Args& args) {
    if (!args.Has("--station")) return std::make_unique<Station>(ctx.prompter, ctx.clock, ctx.home);
    return LoadStation(ctx, args.Value("--station"), [](Station& s) {
        s.View().viewMode = ViewMode::AllEntities;
        s.View().hideDeleted = false;
    });
}

// The entity list is written first: a station row must never name an entity the
// list lacks. When the station is not saved after it, the user learns which
// file holds the change, and the next load of the station offers to take it.
std::string OnlyListChangedMessage(const Station& station) {
    return "Plik wzorcowy " + station.Document().ReferencePath() +
           " został zmieniony (poprzednia wersja: " + kReferenceFileName + "~),\n" +
           "ale plik stacji " + station.Document().FileName() + " nie został zapisany.\n" +
           "Przy następnym wczytaniu pliku stacji program zaproponuje uzgodnienie go z plikiem "
           "wzorcowym.";
}

int SaveBoth(Context& ctx, const Args& args, EntityEditor& editor, Station& station) {
    if (!editor.Save()) return kFailed;
    if (!args.Has("--station")) return kDone;
    try {
        if (SaveStation(ctx, station)) return kDone;
    } catch (const QuestionNotAsked&) {
        ShowError(ctx.prompter, OnlyListChangedMessage(station));
        throw;
    }
    ShowError(ctx.prompter, OnlyListChangedMessage(station));
    return kFailed;
}

int RunAdd(Context& ctx, const Args& args) {
    const auto number = ParseAdifNumber(args.positional[0]);
    const std::string& prefix = args.positional[1];
    const std::string& name = args.positional[2];
    if (!number) {
        ctx.err << "zorva: ADIF is the entity's number, one to three digits\n";
        return kUsage;
    }
    if (!FitsField(ctx, "PREFIX", prefix, 5) || !FitsField(ctx, "NAME", name, 24)) return kUsage;
    auto station = StationFor(ctx, args);
    if (!station) return kFailed;
    EntityEditor editor(*station);
    if (!editor.Open()) return kFailed;
    editor.NewEntity();
    editor.TypeNumber(*number);
    editor.TypePrefix(prefix);
    editor.TypeName(name);
    editor.SetDeleted(args.Has("--deleted"));
    return SaveBoth(ctx, args, editor, *station);
}

int RunEdit(Context& ctx, const Args& args) {
    const auto number = ParseAdifNumber(args.positional[0]);
    if (!number) {
        ctx.err << "zorva: ADIF is the entity's number, one to three digits\n";
        return kUsage;
    }
    if (args.Has("--deleted") && args.Has("--active")) {
        ctx.err << "zorva: --deleted and --active exclude each other\n";
        return kUsage;
    }
    if (!args.Has("--prefix") && !args.Has("--name") && !args.Has("--deleted") &&
        !args.Has("--active")) {
        ctx.err << "zorva: entity edit needs --prefix, --name, --deleted or --active\n";
        return kUsage;
    }
    if (!FitsField(ctx, "--prefix", args.Value("--prefix"), 5) ||
        !FitsField(ctx, "--name", args.Value("--name"), 24))
        return kUsage;
    auto station = StationFor(ctx, args);
    if (!station) return kFailed;
    EntityEditor editor(*station);
    if (!editor.Open()) return kFailed;
    const int line = FindNumberValue(editor.Lines(), *number);
    if (line < 0) {
        ShowError(ctx.prompter, "Brak podmiotu o numerze ADIF " + *number + "!");
        return kFailed;
    }
    editor.SelectLine(line);
    if (args.Has("--prefix")) editor.TypePrefix(args.Value("--prefix"));
    if (args.Has("--name")) editor.TypeName(args.Value("--name"));
    if (args.Has("--deleted")) editor.SetDeleted(true);
    if (args.Has("--active")) editor.SetDeleted(false);
    return SaveBoth(ctx, args, editor, *station);
}

const OptionSpec kStationOption{"--station", true,
                                "also carry the change into this station file and save it"};

const bool addRegistered = RegisterCommand({
    "entity add",
    "ADIF PREFIX NAME [--deleted] [--station FILE]",
    "Adds an entity to dxcc_adif.kvt in the program directory, as \"Nowy podmiot\" and "
    "\"Zapisz zmiany\"\n"
    "of the entity database editor: the line goes before the first greater prefix, the file "
    "before\n"
    "the change is kept as dxcc_adif.kvt~. A number the file already holds, or 0, is refused.\n"
    "PREFIX is upper-cased (at most 5 characters), NAME has at most 24.",
    3,
    3,
    {{"--deleted", false, "the entity is deleted from the DXCC list"}, kStationOption},
    RunAdd,
    StationInOption,
});

const bool editRegistered = RegisterCommand({
    "entity edit",
    "ADIF [--prefix P] [--name N] [--deleted | --active] [--station FILE]",
    "Changes the entity numbered ADIF in dxcc_adif.kvt, as the entity database editor's \"Zapisz "
    "zmiany\"\n"
    "does for a chosen entity (keeping dxcc_adif.kvt~). With --station the station's row takes "
    "the\n"
    "change too (its call and dates stay; a new prefix re-sorts the rows) and the file is saved.",
    1,
    1,
    {{"--prefix", true, "the new prefix (upper-cased, at most 5 characters)"},
     {"--name", true, "the new name (at most 24 characters)"},
     {"--deleted", false, "mark the entity deleted"},
     {"--active", false, "mark the entity active"},
     kStationOption},
    RunEdit,
    StationInOption,
});

}  // namespace
}  // namespace zorva::cli
