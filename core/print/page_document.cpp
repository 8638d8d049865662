#include "print/page_document.h"

#include <algorithm>
#include <cmath>

#include "text/utf8.h"

namespace zorva {

void EmitDocument(const Document& document, PageSink& sink) {
    sink.BeginDocument();
    bool first = true;
    for (const Page& page : document.pages) {
        if (!first) sink.NewPage();
        first = false;
        for (const PlacedText& text : page) sink.Text(text.x, text.y, text.font, text.text);
    }
    sink.EndDocument();
}

int TextRight(const PlacedText& text) {
    return text.x + static_cast<int>(std::ceil(static_cast<double>(CharCount(text.text)) *
                                               text.font.points * kAdvancePerPoint));
}

int TextBottom(const PlacedText& text) {
    return text.y + static_cast<int>(std::ceil(text.font.points * kLayoutUnitsPerPoint * 1.2));
}

LayoutExtent ExtentOf(const Document& document) {
    LayoutExtent extent;
    for (const Page& page : document.pages) {
        for (const PlacedText& text : page) {
            extent.width = std::max(extent.width, TextRight(text));
            extent.height = std::max(extent.height, TextBottom(text));
        }
    }
    return extent;
}

LayoutScale::LayoutScale(int deviceWidth, int deviceHeight, LayoutExtent extent) {
    const int byWidth = static_cast<int>(1LL * deviceWidth * 100 / std::max(1, extent.width));
    const int byHeight = static_cast<int>(1LL * deviceHeight * 100 / std::max(1, extent.height));
    // The width decides as long as the page is at least as tall as the layout's proportions.
    factor_ = std::max(1, std::min(byWidth, byHeight));
}

}  // namespace zorva
