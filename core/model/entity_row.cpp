#include "model/entity_row.h"

#include <stdexcept>

namespace zorva {

const std::string& EntityRow::Field(int index) const {
    return const_cast<EntityRow*>(this)->Field(index);
}

std::string& EntityRow::Field(int index) {
    switch (index) {
        case 0:
            return adif;
        case 1:
            return deleted;
        case 2:
            return prefix;
        case 3:
            return name;
        case 4:
            return call;
        case 5:
            return qsoDate;
        case 6:
            return confirmation;
        case 7:
            return verifiedDate;
    }
    throw std::out_of_range("EntityRow field index");
}

}  // namespace zorva
