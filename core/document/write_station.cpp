#include "document/station_document.h"
#include "io/file_system.h"
#include "versions/version_store.h"

namespace zorva {

Outcome StationDocument::WriteStationBytes(const std::string& path, std::string_view bytes,
                                           const LocalDateTime& now) {
    KeptVersion kept = KeepVersionBeforeWriting(path, bytes, now);
    if (!kept.ok()) {
        Outcome refused = Refusal(Reason::VersionNotKept, kept.error, path);
        refused.advice = notSavedAdvice_;
        return refused;
    }
    IoStatus written = WriteFileAtomic(path, bytes);
    if (!written.ok()) return FileFault(written);
    diskVersions_.Remember(path, bytes);
    return {};
}

}  // namespace zorva
