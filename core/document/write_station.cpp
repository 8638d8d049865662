#include "document/station_document.h"
#include "files/file_messages.h"
#include "io/file_system.h"
#include "versions/version_store.h"

namespace zorva {

Outcome StationDocument::WriteStationBytes(const std::string& path, std::string_view bytes,
                                           const LocalDateTime& now) {
    KeptVersion kept = KeepVersionBeforeWriting(path, bytes, now);
    if (!kept.ok()) return Refused(VersionNotKeptMessage(path, kept.error, notSavedAdvice_));
    IoStatus written = WriteFileAtomic(path, bytes);
    if (!written.ok()) return Refused(FileErrorMessage(written));
    diskVersions_.Remember(path, bytes);
    return {};
}

}  // namespace zorva
