#include "view/view_state.h"

namespace zorva {

std::optional<int> Grid::CurrentDataRow() const {
    if (!currentRow || !HasDataRow(*currentRow)) return std::nullopt;
    return currentRow;
}

std::string Grid::CurrentAdif() const {
    const std::optional<int> row = CurrentDataRow();
    return row ? DataRow(*row).adif : std::string{};
}

}  // namespace zorva
