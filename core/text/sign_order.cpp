#include "text/sign_order.h"

namespace zorva {

std::string WithSignsRanked(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 3);
    for (char c : utf8) {
        const size_t rank = kSignOrder.find(c);
        if (rank == std::string_view::npos) {
            out += c;
            continue;
        }
        out += ' ';
        out += static_cast<char>('0' + rank / 10);
        out += static_cast<char>('0' + rank % 10);
    }
    return out;
}

}  // namespace zorva
