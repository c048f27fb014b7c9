#include "widgets/LcdText.h"

#include <gtest/gtest.h>
#include <ostream>

#include <cmath>
#include <limits>

namespace {

// The cells as they read from left to right, each character followed by "." when its
// decimal point is lit.
std::string Show(const std::vector<LcdCell>& cells) {
    std::string shown;
    for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell) {
        shown += static_cast<char>(cell->character.GetValue());
        if (cell->point) {
            shown += '.';
        }
    }
    return shown;
}

struct LayoutCase {
    const char* name;
    const char* text;
    int cells;
    const char* shown;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class LcdTextLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LcdTextLayout, FillsCellsFromTheRight) {
    const LayoutCase& c = GetParam();
    const std::vector<LcdCell> cells = LcdText::Layout(c.text, c.cells);
    ASSERT_EQ(cells.size(), static_cast<size_t>(c.cells));
    EXPECT_EQ(Show(cells), c.shown);
}

const LayoutCase kLayoutCases[] = {
    {"DecimalInSixCells", "12.5", 6, "   12.5"},
    {"DotAfterDotGetsABlankCell", "1..2", 5, "  1. .2"},
    {"ThreeDots", "1...2", 5, " 1. . .2"},
    {"LongerTextKeepsItsLastCharacters", "123456789", 6, "456789"},
    {"DotsDoNotUseCells", "1.2.3.4.5", 3, "3.4.5"},
    {"LoneMinus", "-", 6, "     -"},
    {"TrailingDot", "7.", 3, "  7."},
    {"LeadingDotSitsOnABlank", ".5", 3, "  .5"},
    {"OnlyADot", ".", 2, "  ."},
    {"Empty", "", 3, "   "},
    {"NoCells", "12", 0, ""},
    {"ClockOfSevenCellsDropsTensOfHours", "01:02:05", 7, "1:02:05"},
};

INSTANTIATE_TEST_SUITE_P(Texts, LcdTextLayout, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LcdTextMask, LightsTheRightSegments) {
    EXPECT_EQ(LcdText::SegmentMask('-'), 1 << 6); // middle only
    EXPECT_EQ(LcdText::SegmentMask('8'), 127);
    EXPECT_EQ(LcdText::SegmentMask('1'), (1 << 2) | (1 << 4)); // both right segments
    EXPECT_EQ(LcdText::SegmentMask('0'), 63);                  // all but the middle
    EXPECT_EQ(LcdText::SegmentMask('r'), 72);
    EXPECT_EQ(LcdText::SegmentMask('E'), 107);
    EXPECT_EQ(LcdText::SegmentMask(' '), 0);
}

TEST(LcdTextMask, UnknownCharactersLightNothing) {
    EXPECT_EQ(LcdText::SegmentMask('x'), 0);
    EXPECT_EQ(LcdText::SegmentMask('a'), 0);
    // U+0130 and U+0138 have the low bytes of "0" and "8": they must not show as digits.
    EXPECT_EQ(LcdText::SegmentMask(wxUniChar(0x130)), 0);
    EXPECT_EQ(LcdText::SegmentMask(wxUniChar(0x138)), 0);
}

struct ClockCase {
    const char* name;
    float seconds;
    const char* text;
    const char* shownInSevenCells;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ClockCase& c, std::ostream* os) {
    *os << c.name;
}

class LcdTextClock : public ::testing::TestWithParam<ClockCase> {};

TEST_P(LcdTextClock, ShowsWholeSecondsAsTimeOfDay) {
    const ClockCase& c = GetParam();
    const wxString text = LcdText::TimeOfDay(c.seconds);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(Show(LcdText::Layout(text, 7)), c.shownInSevenCells);
}

const ClockCase kClockCases[] = {
    {"Zero", 0.0f, "00:00:00", "0:00:00"},
    {"OneDayWrapsToZero", 86400.0f, "00:00:00", "0:00:00"},
    {"FractionIsCutOff", 3725.9f, "01:02:05", "1:02:05"},
    {"LastSecondOfTheDay", 86399.0f, "23:59:59", "3:59:59"},
    {"MoreThanADay", 90061.0f, "01:01:01", "1:01:01"},
    {"NegativeCountsBackFromMidnight", -1.0f, "23:59:59", "3:59:59"},
    {"NotANumberShowsZero", std::numeric_limits<float>::quiet_NaN(), "00:00:00", "0:00:00"},
};

INSTANTIATE_TEST_SUITE_P(Durations, LcdTextClock, ::testing::ValuesIn(kClockCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LcdTextClockLimits, HugeAndInfiniteValuesStillGiveAClockFace) {
    for (float seconds : {1e30f, -1e30f, std::numeric_limits<float>::infinity()}) {
        const wxString text = LcdText::TimeOfDay(seconds);
        long hours = -1, minutes = -1, secs = -1;
        ASSERT_EQ(text.length(), 8u) << text;
        ASSERT_TRUE(text.Mid(0, 2).ToLong(&hours) && text.Mid(3, 2).ToLong(&minutes) &&
                    text.Mid(6, 2).ToLong(&secs))
            << text;
        EXPECT_TRUE(hours >= 0 && hours < 24 && minutes >= 0 && minutes < 60 && secs >= 0 &&
                    secs < 60)
            << text;
    }
}

} // namespace
