#pragma once

#include "model/entity_table.h"
#include "print/page_document.h"
#include "print/report_heading.h"

namespace zorva {

// The application the operator signs and sends to the club: the numbered
// confirmations waiting for verification, QSL ones first, then LoTW ones,
// followed by the applicant's and the checker's declarations, over as many
// pages as needed, each page with its footer.
Document ComposeVerificationReport(const EntityTable& table, const ReportHeading& heading);

// The item number as the table shows it: right-aligned in three characters,
// numbers above 999 by their last three digits.
std::string ItemNumberText(int item);

}  // namespace zorva
