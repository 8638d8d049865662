// Confirmations taken from an imported log.
#include "document/station_document.h"

namespace zorva {

void StationDocument::FillFromImport(int index, const std::string& call, const std::string& qsoDate,
                                     const std::string& confirmation) {
    EntityRow& entity = table_.Row(index);
    const bool newEntry = entity.call.empty();
    entity.call = call;
    entity.qsoDate = qsoDate;
    entity.confirmation = confirmation;
    modified_ = true;
    if (!newEntry) return;
    if (!entity.IsDeleted()) ++counters_.toVerifyActive;
    ++counters_.toVerifyAll;
}

void StationDocument::RecountMethods() {
    counters_.qslCount = 0;
    counters_.lotwCount = 0;
    for (const EntityRow& entity : table_.Rows()) {
        if (entity.confirmation == "QSL") ++counters_.qslCount;
        if (entity.confirmation == "LoTW") ++counters_.lotwCount;
    }
}

}  // namespace zorva
