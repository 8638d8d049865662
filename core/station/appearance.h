#pragma once

#include <optional>
#include <string>

#include "model/entity_row.h"
#include "station/station.h"

namespace zorva {

// Colours in the settings file's form: blue * 65536 + green * 256 + red.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
int ColourOf(Rgb rgb);
Rgb RgbOf(int colour);

inline constexpr int kBlack = 0;
inline constexpr int kWhite = 16777215;
inline constexpr int kRed = 255;
inline constexpr int kBlue = 16711680;

// The background of a data row by its state, first match wins: verified,
// confirmed, deleted, other. So a deleted entity that is confirmed or verified
// shows as confirmed or verified.
int RowBackground(const EntityRow& row, const Appearance& appearance);

// How one grid cell is painted. No background means the system's button face
// (the column titles).
struct CellPaint {
    std::optional<int> background;
    int text = kBlack;
};
CellPaint PaintTitle(const Station& station, int column);
// Every cell of a data row is painted alike.
CellPaint PaintRow(const Station& station, int row);

// Row height in pixels, kept within kMinRowHeight..kMaxRowHeight.
inline constexpr int kDefaultRowHeight = 21;
int ClampRowHeight(int height);
// The spin field's text as a height; text that is no number gives the default.
int RowHeightFromText(const std::string& text);
// One step of the spin buttons or the Up/Down keys.
int StepRowHeight(int height, int steps);

// The settings file keeps only whether the font is exactly bold: "1", else "0".
std::string FontWeightKey(bool bold, bool italic, bool underline, bool strikeOut);
bool FontBoldFromKey(const std::string& value);

}  // namespace zorva
