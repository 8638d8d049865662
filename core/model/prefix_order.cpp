#include "model/prefix_order.h"

#include "text/cp1250.h"

namespace zorva {

std::string PrefixKey(const std::string& prefix) {
    return EncodeCp1250(prefix).value_or(prefix);
}

}  // namespace zorva
