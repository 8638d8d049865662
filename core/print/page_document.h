#pragma once

#include <string>
#include <vector>

#include "ports/page_sink.h"

namespace zorva {

// The reports are laid out for a portrait A4 page 2398 units across its
// 210 mm, and 3390 down.
inline constexpr int kLayoutPageWidth = 2398;
inline constexpr int kLayoutPageHeight = 3390;
// Font sizes are points of that page: A4 is 595.28 points wide. Courier New
// advances 0.6 of its size a character, so the normal list's two columns of 78
// characters at 6 points meet at x 1210 without covering each other.
inline constexpr double kLayoutUnitsPerPoint = kLayoutPageWidth / 595.2756;
inline constexpr double kAdvancePerPoint = 0.6 * kLayoutUnitsPerPoint;

struct PlacedText {
    int x = 0;
    int y = 0;
    PageFont font;
    std::string text;
    bool operator==(const PlacedText&) const = default;
};

using Page = std::vector<PlacedText>;

// A report as the printer receives it: pages of text at layout positions.
struct Document {
    std::vector<Page> pages;

    Page& AddPage() { return pages.emplace_back(); }
    Page& LastPage() { return pages.back(); }
};

// Hands the document to the sink: begin, the pages with a new page between
// them, end. A document without pages still begins and ends.
void EmitDocument(const Document& document, PageSink& sink);

// The right edge of a text, and the box that every text of a document needs,
// never smaller than the page the layout was made for.
int TextRight(const PlacedText& text);
int TextBottom(const PlacedText& text);
struct LayoutExtent {
    int width = kLayoutPageWidth;
    int height = kLayoutPageHeight;
};
LayoutExtent ExtentOf(const Document& document);

// Maps layout units onto a device page: the factor is the device width times
// 100 over the layout width, in whole numbers, as the printer drivers count.
// Sinks pass the extent of the document so a report wider or taller than the
// page is shrunk to fit instead of running off it.
class LayoutScale {
  public:
    LayoutScale(int deviceWidth, int deviceHeight, LayoutExtent extent = {});
    int ToDevice(int layoutValue) const {
        return static_cast<int>(1LL * layoutValue * factor_ / 100);
    }
    int Factor() const { return factor_; }
    // The font size in device units for a font of the given points.
    double FontSize(int points) const { return points * kLayoutUnitsPerPoint * factor_ / 100.0; }

  private:
    int factor_ = 100;
};

}  // namespace zorva
