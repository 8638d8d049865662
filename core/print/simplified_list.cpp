#include "print/simplified_list.h"

#include <string>
#include <vector>

#include "print/report_lines.h"
#include "text/columns.h"

namespace zorva {

namespace {

constexpr int kRowsPerColumn = 100;
constexpr int kColumns = 4;
constexpr int kRowsPerPage = kColumns * kRowsPerColumn;
constexpr int kFirstTemplateRow = 79;
constexpr const char* kEmptyRow = " |     |                        | |";

const PageFont kBody{"Courier New", 6, false};

void AddHeader(Page& page, PrintMode mode, const ReportHeading& heading) {
    const PageFont small{"Courier New", 10, false};
    page.push_back({200, 125, small, "Zestawienie podmiotów DXCC dla: "});
    page.push_back({1400, 120, {"Courier New", 16, true}, ToUpperText(heading.titleCall)});
    page.push_back({200, 200, small, "Data: " + heading.date});
    if (mode != PrintMode::ToVerify)
        page.push_back({700, 200, small, "Stan zweryfikowanych: " + heading.verifiedCounter});
    if (mode != PrintMode::Verified)
        page.push_back({1500, 200, small, "Stan do zweryfikowania: " + heading.toVerifyCounter});
}

// The rules above and below the columns; later pages keep them so the columns read alike.
void AddRules(Page& page) {
    const std::string rule(146, '-');
    page.push_back({120, 325, kBody, rule});
    page.push_back({120, 2850, kBody, rule});
}

}  // namespace

std::string StatusMark(const std::string& line, PrintMode mode) {
    const bool call = HasTextAt(line, 34);
    const bool verified = HasTextAt(line, 61);
    switch (mode) {
        case PrintMode::Complete:
            if (call) return verified ? "x|" : "#|";
            return " |";
        case PrintMode::Verified:
            return verified ? "x|" : " |";
        case PrintMode::ToVerify:
            return call && !verified ? "#|" : " |";
    }
    return " |";
}

Document ComposeSimplifiedList(const EntityTable& table, PrintMode mode,
                               const ReportHeading& heading) {
    std::vector<std::string> texts;
    for (const EntityRow& row : table.Rows()) {
        const std::string line = SimplifiedLine(row);
        texts.push_back(Columns(line, 0, 33) + StatusMark(line, mode));
    }
    const int total = static_cast<int>(texts.size());

    Document document;
    Page& firstPage = document.AddPage();
    AddHeader(firstPage, mode, heading);
    AddRules(firstPage);
    for (int first = 0; first < total; first += kRowsPerPage) {
        Page& page = first == 0 ? document.LastPage() : document.AddPage();
        if (first > 0) AddRules(page);
        const int lastColumnStart = first + (kColumns - 1) * kRowsPerColumn;
        for (int row = kFirstTemplateRow; row < kRowsPerColumn; ++row)
            if (lastColumnStart + row >= total)
                page.push_back({1750, 350 + 25 * row, kBody, kEmptyRow});
        for (int n = first; n < total && n < first + kRowsPerPage; ++n) {
            const int column = (n - first) / kRowsPerColumn;
            const int row = (n - first) % kRowsPerColumn;
            page.push_back({100 + 550 * column, 350 + 25 * row, kBody, texts[n]});
        }
    }
    return document;
}

}  // namespace zorva
