#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/adif_import.h"

namespace zorva {

// An import series over files named in advance, as `zorva import` and the LoTW
// download run it: the window's controls given as values, no file asked for.
struct ImportSeriesRequest {
    std::vector<std::string> files;      // read in this order
    std::optional<ImportSource> source;  // empty: LoTW for a LoTW report, else Log
    Confirmation priority = Confirmation::Qsl;
    std::optional<Confirmation> extract;  // which records go to the ADIF extract
    bool includeDeleted = false;
};

// "Import danych" over the request's files, one series (one step to undo); another
// file follows every one but the last. True when every file was imported.
bool RunImportSeries(EditSession& session, const ImportSeriesRequest& request);

}  // namespace zorva
