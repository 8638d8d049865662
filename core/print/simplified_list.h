#pragma once

#include "model/entity_table.h"
#include "print/page_document.h"
#include "print/print_mode.h"
#include "print/report_heading.h"

namespace zorva {

// The simplified list: prefix, name and a status mark for every row, four
// columns of 100 rows a page. The marks: "x|" verified, "#|" to verify, " |"
// neither, as the mode lets them show.
Document ComposeSimplifiedList(const EntityTable& table, PrintMode mode,
                               const ReportHeading& heading);

// The two characters that follow the first 33 of a simplified line.
std::string StatusMark(const std::string& simplifiedLine, PrintMode mode);

}  // namespace zorva
