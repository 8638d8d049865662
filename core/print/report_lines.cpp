#include "print/report_lines.h"

#include "text/columns.h"

namespace zorva {

namespace {

std::string Cell(const std::string& field, size_t width) {
    return PadCut(field, width) + "|";
}

std::string DeletedCell(const EntityRow& row) {
    return row.IsDeleted() ? "|D|" : "| |";
}

}  // namespace

std::string NormalLine(const EntityRow& row) {
    const std::string method =
        row.confirmation.empty() ? std::string(" ") : Columns(row.confirmation, 0, 1);
    return "|" + row.adif + DeletedCell(row) + Cell(row.prefix, 5) + Cell(row.name, 24) +
           Cell(row.call, 15) + Cell(row.qsoDate, 10) + Cell(method, 1) +
           Cell(row.verifiedDate, 10);
}

std::string SimplifiedLine(const EntityRow& row) {
    return std::string(row.IsDeleted() ? "D|" : " |") + Cell(row.prefix, 5) + Cell(row.name, 24) +
           Cell(row.call, 15) + Cell(row.qsoDate, 10) + Cell(row.verifiedDate, 10);
}

std::string VerificationLine(const EntityRow& row) {
    return "|" + row.adif + DeletedCell(row) + Cell(row.prefix, 5) + Cell(row.name, 24) +
           Cell(row.call, 15) + Cell(row.qsoDate, 10) + Cell(row.confirmation, 4) +
           Cell(row.verifiedDate, 10);
}

bool HasTextAt(const std::string& line, size_t position) {
    return Columns(line, position - 1, 2) != "  ";
}

}  // namespace zorva
