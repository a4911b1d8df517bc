#include "play/browser_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "model/clue_grid.h"
#include "support/grid_builder.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace ringlace {
namespace {

using test::CanvasCall;
using test::OfKind;
using test::RecordingCanvas;

constexpr std::int32_t kBoard = Rgb(250, 250, 245);
constexpr std::int32_t kHighlight = Rgb(49, 106, 197);
constexpr std::int32_t kOutline = Rgb(64, 64, 64);

SchemeColours Colours() {
    SchemeColours colours{};
    colours[kBoardColour] = kBoard;
    colours[kProgressColour] = kHighlight;
    return colours;
}

// A clue grid from its rows, "." for a blank cell.
ClueGrid Clues(const std::vector<std::string>& rows) {
    return CluesOf(test::GridFromRows(rows));
}

std::vector<CanvasCall> Drawn(const std::vector<ClueGrid>& entries, int first,
                              int currentNumber = 0) {
    RecordingCanvas canvas;
    DrawBrowserPage(canvas, entries, first, Colours(), "Arial", currentNumber);
    return canvas.calls;
}

std::vector<std::string> Captions(const std::vector<CanvasCall>& calls) {
    std::vector<std::string> captions;
    for (const CanvasCall& call : OfKind(calls, "text")) captions.push_back(call.text);
    return captions;
}

// The slot frames: the rectangles a whole slot in size.
std::vector<CanvasCall> Frames(const std::vector<CanvasCall>& calls) {
    std::vector<CanvasCall> frames;
    for (const CanvasCall& call : OfKind(calls, "rect"))
        if (call.x2 - call.x1 == kBrowserSlotWidth) frames.push_back(call);
    return frames;
}

TEST(BrowserPageTest, SquaresStandInTheirSlotsBlackForAClueAndInTheBoardColourForNone) {
    const ClueGrid small = Clues({"1.3", "..0"});
    const std::vector<CanvasCall> calls = Drawn({small, small, small, small, small}, 0);
    ASSERT_EQ(calls.front().kind, "clear");
    EXPECT_EQ(calls.front().colour, kBoard);

    const std::vector<CanvasCall> fills = OfKind(calls, "fill");
    ASSERT_EQ(fills.size(), 30u);
    const std::int32_t expected[] = {0, kBoard, 0, kBoard, kBoard, 0};
    for (int k = 0; k < 6; ++k) {
        const CanvasCall& fill = fills[static_cast<std::size_t>(k)];
        const int x = 70 * (k % 3 + 1), y = 70 * (k / 3 + 1);
        EXPECT_EQ((std::array{fill.x1, fill.y1, fill.x2, fill.y2}),
                  (std::array{x, y, x + 70, y + 70}));
        EXPECT_EQ(fill.colour, expected[k]) << k;
    }
    // Every square is outlined where it lies, in the dark outline colour.
    for (const CanvasCall& fill : fills)
        EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                                [&](const CanvasCall& call) {
                                    return call.kind == "rect" && call.x1 == fill.x1 &&
                                           call.y2 == fill.y2 && call.colour == kOutline;
                                }),
                  1);
    // The fifth puzzle is in the middle of the second row.
    EXPECT_EQ(fills[24].x1, 1938 + 70);
    EXPECT_EQ(fills[24].y1, 2040 + 70);
    const CanvasCall fifth = OfKind(calls, "text")[4];
    EXPECT_EQ((std::array{fifth.x1, fifth.y1}), (std::array{2040, 3876}));
    EXPECT_EQ(fifth.font.points, 7);

    EXPECT_EQ(Captions(calls).back(), "P#5 (2x3) :50% open");
}

TEST(BrowserPageTest, ALaterPageNumbersItsPuzzlesOnAndMarksTheCurrentOne) {
    const std::vector<ClueGrid> entries(12, Clues({"2"}));
    const std::vector<CanvasCall> calls = Drawn(entries, 9, 11);
    EXPECT_EQ(Captions(calls),
              (std::vector<std::string>{"P#10 (1x1) :0% open", "P#11 (1x1) :0% open",
                                        "P#12 (1x1) :0% open"}));
    const std::vector<CanvasCall> frames = Frames(calls);
    ASSERT_EQ(frames.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const CanvasCall& frame = frames[static_cast<std::size_t>(k)];
        EXPECT_EQ((std::array{frame.x1, frame.y1, frame.x2, frame.y2}),
                  (std::array{1938 * k, 0, 1938 * (k + 1), 2040}));
        EXPECT_EQ(frame.colour, k == 1 ? kHighlight : 0);
        EXPECT_EQ(frame.width, k == 1 ? 3 : 1);
    }
}

// Captions give the whole percent of open cells; the largest grid keeps whole squares above its
// caption.
TEST(BrowserPageTest, CaptionsAndTheLargestGrid) {
    const std::vector<CanvasCall> calls =
        Drawn({Clues(std::vector<std::string>(25, std::string(25, '.'))), Clues({"..1"}),
               Clues({".23"}), Clues({"0123"})},
              0);
    EXPECT_EQ(Captions(calls),
              (std::vector<std::string>{"P#1 (25x25) :100% open", "P#2 (1x3) :66% open",
                                        "P#3 (1x3) :33% open", "P#4 (1x4) :0% open"}));
    const CanvasCall lastSquare = OfKind(calls, "fill")[624];
    EXPECT_EQ((std::array{lastSquare.x2, lastSquare.y2}), (std::array{1820, 1820}));
}

// A file read for the browser: one entry per line, a bad record kept as an entry without clues
// that shows its frame and number alone; a long solution tail is never needed.
TEST(BrowserPageTest, AFiveLineFileShowsFivePicturesABadOneByItsNumberAlone) {
    test::TempFolder folder;
    const std::string file = folder.File("five.txt");
    test::WriteBytes(file, "0202EA2  2BHFL\r\n0101EA3M\nnot a record\r0202HA    " +
                               std::string(100000, 'b') + "\r\n0103ME1 2ABC");
    const std::vector<ClueGrid> entries = ReadBrowserEntries(file, 25, 25);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], Clues({"2.", ".2"}));
    EXPECT_EQ(entries[2].rows, 0);
    EXPECT_EQ(entries[3], Clues({"..", ".."}));
    EXPECT_EQ(entries[4], Clues({"1.2"}));

    const std::vector<CanvasCall> calls = Drawn(entries, 0);
    EXPECT_EQ(Frames(calls).size(), 5u);
    EXPECT_EQ(Captions(calls),
              (std::vector<std::string>{"P#1 (2x2) :50% open", "P#2 (1x1) :0% open", "P#3",
                                        "P#4 (2x2) :100% open", "P#5 (1x3) :33% open"}));
    EXPECT_EQ(OfKind(calls, "fill").size(), 4u + 1u + 4u + 3u);

    EXPECT_TRUE(ReadBrowserEntries(folder.File("missing.txt"), 25, 25).empty());
    // A grid larger than the board may hold is a bad record too.
    test::WriteBytes(file, "0303EA3 2 1 0 2\r\n");
    EXPECT_EQ(ReadBrowserEntries(file, 2, 2).front().rows, 0);
}

TEST(BrowserPageTest, TheHitTestFindsTheSlotUnderAPointOfThePage) {
    struct Case {
        int x, y;
        std::optional<int> slot;
    };
    for (const Case& c :
         {Case{0, 0, 0}, Case{1937, 2039, 0}, Case{1938, 0, 1}, Case{3876, 0, 2},
          Case{1938, 2040, 4}, Case{5813, 6119, 8}, Case{0, 4080, 6}, Case{-1, 0, std::nullopt},
          Case{0, -1, std::nullopt}, Case{5814, 0, std::nullopt}, Case{0, 6120, std::nullopt}})
        EXPECT_EQ(BrowserSlotAt(c.x, c.y), c.slot) << c.x << "," << c.y;
}

}  // namespace
}  // namespace ringlace
