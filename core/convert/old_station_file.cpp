#include "convert/old_station_file.h"

#include "convert/old_dates.h"
#include "convert/old_entity_lists.h"
#include "convert/position_maps.h"
#include "text/columns.h"

namespace zorva {
namespace {

static_assert(rade1.size() == PositionMap2001.size());
static_assert(rade2.size() == PositionMap2006.size());

const OldEntityList kList2001{rade1, PositionMap2001, "10.11.2001"};
const OldEntityList kList2006{rade2, PositionMap2006, "01.08.2006"};

}  // namespace

const OldEntityList* RecogniseOldList(std::string_view thirdLine) {
    // The 2001 line is compared whole; the 2006 one may carry more text.
    if (thirdLine == ";(na dzien 10.11.2001)") return &kList2001;
    if (thirdLine.find(";(na dzien 01.08.2006)") != std::string_view::npos) return &kList2006;
    return nullptr;
}

std::string OldFileCall(std::string_view firstLine) {
    std::string rest = Trim(Columns(firstLine, 1, std::string::npos));
    size_t blank = rest.find(' ');
    if (blank == std::string::npos) return {};
    return rest.substr(0, blank);
}

OldDataLine ParseOldDataLine(std::string_view line) {
    OldDataLine data;
    data.key = Columns(line, 1, 32);
    // Columns past the end of a line count as blank, as an editor may strip them.
    data.confirmed = !Trim(Columns(line, 33, 2)).empty();
    if (!data.confirmed) return data;
    data.call = Trim(Columns(line, 33, 15));
    data.qsoDate = ConvertOldQsoDate(Trim(Columns(line, 49, 10)));
    data.verifiedDate = ConvertOldVerificationDate(Trim(Columns(line, 60, 10)));
    return data;
}

}  // namespace zorva
