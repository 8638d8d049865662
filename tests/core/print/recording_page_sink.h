#pragma once

#include <string>
#include <vector>

#include "ports/page_sink.h"
#include "print/page_document.h"

namespace zorva::testing {

// A printer that keeps what it is given, page by page, and remembers the calls
// so a test can tell a finished document from a broken one.
class RecordingPageSink : public PageSink {
  public:
    explicit RecordingPageSink(Orientation orientation = Orientation::Portrait)
        : orientation_(orientation) {}

    int PageWidth() const override { return kLayoutPageWidth; }
    Orientation GetOrientation() const override { return orientation_; }
    void BeginDocument() override;
    void NewPage() override;
    void EndDocument() override;
    void Text(int x, int y, const PageFont& font, const std::string& text) override;
    std::string Error() const override { return error_; }
    // The printer refuses the document with this reason.
    void FailWith(std::string error) { error_ = std::move(error); }

    // "begin", "page", "end" and "text" in the order they came.
    const std::vector<std::string>& Calls() const { return calls_; }
    const std::vector<Page>& Pages() const { return pages_; }
    bool Finished() const { return begun_ && ended_; }

  private:
    Orientation orientation_;
    std::vector<std::string> calls_;
    std::vector<Page> pages_;
    bool begun_ = false;
    bool ended_ = false;
    std::string error_;
};

}  // namespace zorva::testing
