#include "recording_page_sink.h"

#include <gtest/gtest.h>

namespace zorva::testing {

void RecordingPageSink::BeginDocument() {
    EXPECT_FALSE(begun_) << "document begun twice";
    begun_ = true;
    calls_.push_back("begin");
    pages_.emplace_back();
}

void RecordingPageSink::NewPage() {
    EXPECT_TRUE(begun_ && !ended_) << "new page outside a document";
    calls_.push_back("page");
    pages_.emplace_back();
}

void RecordingPageSink::EndDocument() {
    EXPECT_TRUE(begun_ && !ended_) << "document ended twice or never begun";
    ended_ = true;
    calls_.push_back("end");
}

void RecordingPageSink::Text(int x, int y, const PageFont& font, const std::string& text) {
    EXPECT_TRUE(begun_ && !ended_) << "text outside a document: " << text;
    if (calls_.empty() || calls_.back() != "text") calls_.push_back("text");
    if (pages_.empty()) pages_.emplace_back();
    pages_.back().push_back({x, y, font, text});
}

}  // namespace zorva::testing
