#include "print/normal_list.h"

#include <string>
#include <vector>

#include "print/report_lines.h"
#include "text/columns.h"

namespace zorva {

namespace {

constexpr int kRowsPerColumn = 100;
constexpr int kRowsPerPage = 2 * kRowsPerColumn;
constexpr int kFirstTemplateRow = 90;
constexpr const char* kEmptyRow =
    "|   | |     |                        |               |          | |          |";

const PageFont kBody{"Courier New", 6, false};

// Keeps number, prefix and name of a confirmation that is not verified yet.
std::string MaskUnverified(const std::string& line) {
    if (!HasTextAt(line, 39) || HasTextAt(line, 68)) return line;
    return Columns(line, 0, 38) + std::string(15, ' ') + "|" + std::string(10, ' ') + "| |" +
           std::string(10, ' ') + "|";
}

std::vector<std::string> BuildLines(const EntityTable& table, PrintMode mode) {
    std::vector<std::string> lines;
    for (const EntityRow& row : table.Rows()) {
        std::string line = NormalLine(row);
        lines.push_back(mode == PrintMode::Verified ? MaskUnverified(line) : line);
    }
    return lines;
}

void AddHeader(Page& page, PrintMode mode, const ReportHeading& heading) {
    page.push_back({200, 125, {"Courier New", 12, false}, "Zestawienie podmiotów DXCC dla: "});
    page.push_back({1200, 115, {"Courier New", 16, true}, ToUpperText(heading.titleCall)});
    const PageFont small{"Courier New", 10, false};
    page.push_back({200, 200, small, "Data: " + heading.date});
    page.push_back({700, 200, small, "Stan zweryfikowanych: " + heading.verifiedCounter});
    if (mode != PrintMode::Verified)
        page.push_back({1500, 200, small, "Stan do zweryfikowania: " + heading.toVerifyCounter});
}

void AddRulesAndFooter(Page& page, const ReportHeading& heading, int pageNumber, int pageCount) {
    const std::string shortRule = " " + std::string(77, '-');
    const std::string longRule = " " + std::string(78, '-');
    page.push_back({70, 250, kBody, shortRule});
    page.push_back({70, 3280, kBody, longRule});
    page.push_back({1200, 250, kBody, longRule});
    page.push_back({1200, 3280, kBody, longRule});
    page.push_back({1180, 3310, kBody,
                    " Zestawienie: " + ToUpperText(heading.stationCall) + "   " + heading.date +
                        "   Strona " + std::to_string(pageNumber) + "/" +
                        std::to_string(pageCount)});
}

}  // namespace

Document ComposeNormalList(const EntityTable& table, PrintMode mode, const ReportHeading& heading) {
    const std::vector<std::string> lines = BuildLines(table, mode);
    const int total = static_cast<int>(lines.size());
    const int pageCount = std::max(1, (total + kRowsPerPage - 1) / kRowsPerPage);

    Document document;
    AddHeader(document.AddPage(), mode, heading);
    for (int pageIndex = 0; pageIndex * kRowsPerPage < total; ++pageIndex) {
        Page& page = pageIndex == 0 ? document.LastPage() : document.AddPage();
        const int first = pageIndex * kRowsPerPage;
        // Empty rows to write in by hand, where no line of this page will stand.
        for (int row = kFirstTemplateRow; row < kRowsPerColumn; ++row)
            if (first + kRowsPerColumn + row >= total)
                page.push_back({1210, 280 + 30 * row, kBody, kEmptyRow});
        for (int column = 0; column < 2; ++column) {
            for (int row = 0; row < kRowsPerColumn; ++row) {
                const int n = first + column * kRowsPerColumn + row;
                page.push_back({80 + 1130 * column, 280 + 30 * row, kBody, lines[n]});
                if (n == total - 1) return document;
            }
            if (column == 0) AddRulesAndFooter(page, heading, pageIndex + 1, pageCount);
        }
    }
    return document;
}

}  // namespace zorva
