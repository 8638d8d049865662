#include "model/entity_table.h"

namespace zorva {

void EntityTable::Insert(int i, EntityRow row) {
    loaded_ = true;
    rows_.insert(rows_.begin() + (i - 1), std::move(row));
}

int EntityTable::FindAdif(const std::string& adif) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].adif == adif) return static_cast<int>(i + 1);
    return 0;
}

}  // namespace zorva
