#include "plot/DotCoverage.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Where the comparisons of std::vector find it.
static bool operator==(const DotCoverage::Run& a, const DotCoverage::Run& b) {
    return a.x == b.x && a.top == b.top && a.bottom == b.bottom;
}

TEST(DotCoverage, APixelIsMarkedOnceAndOnlyInsideTheArea) {
    DotCoverage dots;
    ASSERT_TRUE(dots.Reset(-10, -5, 20, 10));
    EXPECT_TRUE(dots.Mark(-10, -5));
    EXPECT_FALSE(dots.Mark(-10, -5));
    EXPECT_TRUE(dots.Mark(9, 4));
    for (auto [x, y] : {std::pair{-11, 0}, {10, 0}, {0, -6}, {0, 5}, {1000000000, 0}}) {
        EXPECT_FALSE(dots.Contains(x, y)) << x << "," << y;
        EXPECT_FALSE(dots.Mark(x, y)) << x << "," << y;
    }
    // A new pass starts unmarked.
    ASSERT_TRUE(dots.Reset(-10, -5, 20, 10));
    EXPECT_TRUE(dots.Mark(-10, -5));
}

TEST(DotCoverage, MarkedPixelsFormRunsColumnByColumn) {
    DotCoverage dots;
    ASSERT_TRUE(dots.Reset(0, 0, 5, 10));
    // Marked out of order and twice: column 3 rows 2..4 and 7, column 1 row 9, column 0 row 0.
    for (auto [x, y] : {std::pair{3, 4}, {3, 2}, {1, 9}, {3, 7}, {3, 3}, {0, 0}, {3, 3}}) {
        dots.Mark(x, y);
    }
    const std::vector<DotCoverage::Run> expected{{0, 0, 0}, {1, 9, 9}, {3, 2, 4}, {3, 7, 7}};
    EXPECT_EQ(dots.Runs(), expected);
}

TEST(DotCoverage, EmptyOrHugeAreasAreRefused) {
    DotCoverage dots;
    EXPECT_FALSE(dots.Reset(0, 0, 0, 10));
    EXPECT_FALSE(dots.Reset(0, 0, 10, -1));
    EXPECT_FALSE(dots.Reset(0, 0, 100000, 100000));
    EXPECT_FALSE(dots.Mark(0, 0));
    EXPECT_TRUE(dots.Runs().empty());
}
