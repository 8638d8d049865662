#include "print/page_document.h"

#include <gtest/gtest.h>

#include "print/normal_list.h"
#include "print/simplified_list.h"
#include "print/verification_report.h"
#include "recording_page_sink.h"
#include "report_fixtures.h"

namespace zorva {
namespace {

using testing::Heading;
using testing::Plain;
using testing::RecordingPageSink;
using testing::Waiting;

TEST(EmitDocument, PagesReachTheSinkInOrderBetweenBeginAndEnd) {
    Document doc;
    doc.AddPage().push_back({1, 2, {}, "one"});
    doc.AddPage().push_back({3, 4, {"Courier New", 6, true}, "two"});
    RecordingPageSink sink;
    EmitDocument(doc, sink);
    EXPECT_EQ((std::vector<std::string>{"begin", "text", "page", "text", "end"}), sink.Calls());
    EXPECT_EQ(doc.pages, sink.Pages());
}

TEST(LayoutScale, UsesTheWholeNumberFactorOfTheDeviceWidth) {
    LayoutScale scale(4796, 6780);  // a 600 dpi printer
    EXPECT_EQ(200, scale.Factor());
    EXPECT_EQ(560, scale.ToDevice(280));
    LayoutScale a4Points(595, 842);  // A4 in points, as a PDF measures it
    EXPECT_EQ(24, a4Points.Factor());
    EXPECT_EQ(0, a4Points.ToDevice(3));
    EXPECT_EQ(575, a4Points.ToDevice(2398));
}

TEST(LayoutScale, AShortPageShrinksTheLayoutToKeepTheFooterOnIt) {
    LayoutScale letter(2550, 3300);  // 8.5 x 11 inch at 300 dpi
    EXPECT_EQ(3300 * 100 / kLayoutPageHeight, letter.Factor());
    EXPECT_LE(letter.ToDevice(3310 + 30), 3300);
}

TEST(LayoutExtent, TheNormalListsColumnsDoNotCoverEachOther) {
    Document doc = ComposeNormalList(Plain(200), PrintMode::Complete, Heading());
    for (const PlacedText& text : doc.pages[0]) {
        // The closing "|" is drawn in the middle of its cell: less than half a cell may overlap.
        if (text.x == 80) {
            EXPECT_LT(TextRight(text), 1210 + 7) << text.text;
        }
    }
}

TEST(LayoutExtent, TheListsFitTheLayoutPage) {
    for (const Document& doc :
         {ComposeNormalList(Plain(420), PrintMode::Complete, Heading()),
          ComposeSimplifiedList(Plain(420), PrintMode::Complete, Heading())}) {
        LayoutExtent extent = ExtentOf(doc);
        EXPECT_EQ(kLayoutPageWidth, extent.width);
        EXPECT_EQ(kLayoutPageHeight, extent.height);
    }
}

TEST(LayoutExtent, TheReportRowsAreWiderThanThePageSoTheyAreShrunkToFit) {
    Document doc = ComposeVerificationReport(Waiting(3), Heading());
    LayoutExtent extent = ExtentOf(doc);
    EXPECT_EQ(2460, extent.width);  // 85 characters of 11 points from x 200
    LayoutScale scale(595, 842, extent);
    for (const Page& page : doc.pages)
        for (const PlacedText& text : page)
            EXPECT_LE(scale.ToDevice(TextRight(text)), 595) << text.text;
}

}  // namespace
}  // namespace zorva
