#include "view/view_state.h"

namespace zorva {

std::string Grid::CurrentAdif() const {
    if (currentRow < 1 || currentRow > DataRowCount()) return {};
    return DataRow(currentRow).adif;
}

}  // namespace zorva
