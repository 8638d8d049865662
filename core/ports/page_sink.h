#pragma once

#include <string>

namespace zorva {

struct PageFont {
    std::string family = "Courier New";
    int points = 10;
    bool bold = false;
    bool operator==(const PageFont&) const = default;
};

enum class Orientation { Portrait, Landscape };

// Where composed report pages go: the printer, the PDF writer or a test.
// Positions are layout units of the page width that PageWidth reports.
class PageSink {
  public:
    virtual ~PageSink() = default;
    virtual int PageWidth() const = 0;
    virtual Orientation GetOrientation() const = 0;
    virtual void BeginDocument() = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual void Text(int x, int y, const PageFont& font, const std::string& text) = 0;
    // After the document has ended: why the printer or file did not take it, or empty.
    virtual std::string Error() const { return {}; }
};

}  // namespace zorva
