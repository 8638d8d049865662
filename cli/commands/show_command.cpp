#include <ostream>

#include "command.h"
#include "station/station.h"

namespace zorva::cli {
namespace {

struct ViewName {
    const char* name;
    ViewMode mode;
};

constexpr ViewName kViews[] = {
    {"all", ViewMode::AllEntities},     {"all-but-verified", ViewMode::AllButVerified},
    {"to-verify", ViewMode::ToVerify},  {"verified", ViewMode::Verified},
    {"confirmed", ViewMode::Confirmed}, {"unconfirmed", ViewMode::Unconfirmed},
};

bool ParseView(const std::string& text, ViewMode& mode) {
    for (const auto& v : kViews) {
        if (text == v.name) {
            mode = v.mode;
            return true;
        }
    }
    return false;
}

// "COL" or "COL:desc", COL 0..7.
bool ParseSort(const std::string& text, int& column, bool& ascending) {
    std::string col = text;
    ascending = true;
    if (auto colon = text.find(':'); colon != std::string::npos) {
        col = text.substr(0, colon);
        std::string direction = text.substr(colon + 1);
        if (direction == "desc")
            ascending = false;
        else if (direction != "asc")
            return false;
    }
    if (col.size() != 1 || col[0] < '0' || col[0] > '7') return false;
    column = col[0] - '0';
    return true;
}

void PrintGrid(std::ostream& out, const Station& station) {
    for (const auto& row : station.View().grid.rows) {
        for (int c = 0; c < EntityRow::kFieldCount; ++c) out << (c ? "\t" : "") << row.Field(c);
        out << "\n";
    }
    out << "\n";
    for (const auto& panel : station.View().texts.counterPanels) out << panel << "\n";
}

int RunShow(Context& ctx, const Args& args) {
    ViewMode mode = ViewMode::AllEntities;
    int column = 2;
    bool ascending = true;
    if (args.Has("--view") && !ParseView(args.Value("--view"), mode)) {
        ctx.err << "zorva: unknown view " << args.Value("--view")
                << " (all, all-but-verified, to-verify, verified, confirmed, unconfirmed)\n";
        return kUsage;
    }
    if (args.Has("--sort") && !ParseSort(args.Value("--sort"), column, ascending)) {
        ctx.err << "zorva: --sort takes COL or COL:desc with COL from 0 to 7\n";
        return kUsage;
    }
    const bool hideDeleted = args.Has("--hide-deleted");
    auto station = LoadStation(ctx, args.positional[0], [&](Station& s) {
        s.View().viewMode = mode;
        s.View().hideDeleted = hideDeleted;
        s.View().sortColumn = column;
        s.View().sortAscending = ascending;
    });
    if (!station) return kFailed;
    PrintGrid(ctx.out, *station);
    return kDone;
}

const bool registered = RegisterCommand({
    "show",
    "FILE [--view V] [--hide-deleted] [--sort COL[:desc]]",
    "Prints the grid of a view of the station file: one line per row, the eight fields joined by "
    "a\n"
    "TAB, then an empty line and the four counter panels of the status bar. Changes nothing on "
    "disk.",
    1,
    1,
    {{"--view", true,
      "all (default), all-but-verified, to-verify, verified, confirmed, unconfirmed"},
     {"--hide-deleted", false, "leave deleted entities out"},
     {"--sort", true,
      "COL[:desc]: sort by grid column COL (0-7, default 2) ascending or descending"}},
    RunShow,
});

}  // namespace
}  // namespace zorva::cli
