#include "station/appearance.h"

#include <algorithm>
#include <charconv>

#include "text/columns.h"

namespace zorva {

int ColourOf(Rgb rgb) {
    return rgb.blue * 65536 + rgb.green * 256 + rgb.red;
}

Rgb RgbOf(int colour) {
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

int RowBackground(const EntityRow& row, const Appearance& appearance) {
    if (!row.verifiedDate.empty()) return appearance.verifiedColour;
    if (!row.call.empty()) return appearance.confirmedColour;
    if (row.IsDeleted()) return appearance.deletedColour;
    return appearance.otherColour;
}

CellPaint PaintTitle(const Station& station, int column) {
    return {std::nullopt, column == station.View().sortColumn ? kRed : kBlack};
}

CellPaint PaintRow(const Station& station, int row) {
    if (row == station.View().grid.currentRow) return {kBlue, kWhite};
    if (!station.View().grid.HasDataRow(row)) return {station.appearance.otherColour, kBlack};
    return {RowBackground(station.View().grid.DataRow(row), station.appearance), kBlack};
}

int ClampRowHeight(int height) {
    return std::clamp(height, kMinRowHeight, kMaxRowHeight);
}

int RowHeightFromText(const std::string& text) {
    const std::string trimmed = Trim(text);
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || ec != std::errc() || ptr != end) return kDefaultRowHeight;
    return ClampRowHeight(value);
}

int StepRowHeight(int height, int steps) {
    return ClampRowHeight(height + steps);
}

std::string FontWeightKey(bool bold, bool italic, bool underline, bool strikeOut) {
    return bold && !italic && !underline && !strikeOut ? "1" : "0";
}

bool FontBoldFromKey(const std::string& value) {
    return value == "1";
}

}  // namespace zorva
