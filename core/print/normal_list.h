#pragma once

#include "model/entity_table.h"
#include "print/page_document.h"
#include "print/print_mode.h"
#include "print/report_heading.h"

namespace zorva {

// The normal list: every row with all its columns, two columns of 100 rows a
// page, as many pages as the rows need. In the verified mode confirmations not
// yet verified are left blank.
Document ComposeNormalList(const EntityTable& table, PrintMode mode, const ReportHeading& heading);

}  // namespace zorva
