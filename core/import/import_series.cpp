#include "import/import_series.h"

namespace zorva {

bool RunImportSeries(EditSession& session, const ImportSeriesRequest& request) {
    AdifImport import(session);
    import.controls.priority = request.priority;
    if (request.extract == Confirmation::Lotw) import.SetExtractLotw(true);
    if (request.extract == Confirmation::Qsl) import.SetExtractQsl(true);
    import.controls.includeDeleted = request.includeDeleted;
    if (!import.BeginSeries()) return false;
    for (size_t i = 0; i < request.files.size(); ++i) {
        const std::string& file = request.files[i];
        import.controls.fileName = file;
        import.controls.source =
            request.source.value_or(IsLotwReport(file) ? ImportSource::Lotw : ImportSource::Log);
        const RunEnd end = import.ImportFile(i + 1 != request.files.size());
        if (end == RunEnd::Refused || end == RunEnd::Failed) return false;
    }
    return true;
}

}  // namespace zorva
