#include "widgets/LcdGeometry.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

TEST(LcdGeometry, DefaultCellsAndDrawing) {
    const LcdGeometry geometry(40, 11, 5, 5);
    EXPECT_EQ(geometry.CellWidth(), 56);
    EXPECT_EQ(geometry.CellHeight(), 90);
    EXPECT_EQ(geometry.DrawingWidth(), 285);
    EXPECT_EQ(geometry.DrawingHeight(), 90);
    EXPECT_EQ(geometry.CellOrigin(0), wxPoint(229, 5)); // rightmost
    EXPECT_EQ(geometry.CellOrigin(4), wxPoint(5, 5));   // leftmost, after the gap
}

TEST(LcdGeometry, SegmentsOfOneCell) {
    const LcdGeometry geometry(40, 11, 5, 5);
    const wxPoint o(0, 0);
    EXPECT_EQ(geometry.SegmentCorners(0, o),
              (std::vector<wxPoint>{{0, 0}, {40, 0}, {29, 11}, {11, 11}}));
    EXPECT_EQ(geometry.SegmentCorners(6, o).size(), 6u);
    // With an odd thickness the inner corners of the lower segments differ by one unit.
    EXPECT_EQ(geometry.SegmentCorners(3, o).back(), wxPoint(11, 46));
    EXPECT_EQ(geometry.SegmentCorners(4, o).front(), wxPoint(29, 45));
    EXPECT_TRUE(geometry.SegmentCorners(7, o).empty());
    EXPECT_EQ(geometry.PointBox(o), wxRect(41, 69, 11, 11));
    EXPECT_EQ(geometry.ColonDotBox(o, 0), wxRect(9, 9, 22, 22));
    EXPECT_EQ(geometry.ColonDotBox(o, 1), wxRect(9, 49, 22, 22));
}

struct FitCase {
    const char* name;
    int digits;
    wxSize client;
    double scale;
    wxPoint origin;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class LcdGeometryFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(LcdGeometryFit, KeepsAspectAndCentres) {
    const FitCase& c = GetParam();
    const LcdGeometry::Fit fit = LcdGeometry(40, 11, 5, c.digits).FitInto(c.client);
    EXPECT_NEAR(fit.scale, c.scale, 1e-9);
    EXPECT_EQ(fit.origin, c.origin);
}

const FitCase kFitCases[] = {
    {"ExactSize", 5, {285, 90}, 1.0, {0, 0}},
    {"TwiceAsWideAsHighScalesByHeight", 2, {360, 180}, 2.0, {63, 0}},
    {"WideWindowCentresHorizontally", 5, {570, 90}, 1.0, {142, 0}},
    {"TallWindowCentresVertically", 5, {285, 190}, 1.0, {0, 50}},
    {"HalfSize", 5, {150, 45}, 0.5, {3, 0}},
    {"EmptyWindowFitsNothing", 5, {0, 40}, 0.0, {0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Windows, LcdGeometryFit, ::testing::ValuesIn(kFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
