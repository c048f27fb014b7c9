#include "plot/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct StepCase {
    const char* name;
    double scale;
    int digits;
    double step;
    const char* valueLabel; // label of the tick at 3 steps on a value axis
};

class AxisStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(AxisStep, IsThePowerOfFiveAsComputedAndLabelsFollowIt) {
    const StepCase& c = GetParam();
    AxisTicks ticks(c.scale, 0.0, 400);
    ASSERT_TRUE(ticks.IsValid());
    EXPECT_EQ(ticks.Digits(), c.digits);
    EXPECT_DOUBLE_EQ(ticks.Step(), c.step);
    EXPECT_EQ(AxisTicks::ValueLabel(3 * ticks.Step(), ticks.Digits()), c.valueLabel);
}

INSTANTIATE_TEST_SUITE_P(Plot, AxisStep,
                         ::testing::Values(StepCase{"Scale1", 1, 3, 124.99999983721237, "375"},
                                           StepCase{"Scale10", 10, 1, 4.999999997829498, "15"},
                                           StepCase{"Scale100", 100, 0, 1.0, "3.0"},
                                           StepCase{"Scale200", 200, -1, 0.2000000000868201, "0.6"},
                                           StepCase{"ScaleHalf", 0.5, 3, 124.99999983721237, "375"},
                                           StepCase{"Scale40", 40, 0, 1.0, "3.0"}),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PlotAxisTicks, FirstTickLiesJustBelowTheVisibleRange) {
    AxisTicks ticks(10, 100, 400); // visible 60 .. 140, step 5
    EXPECT_NEAR(ticks.First(), 60.0, 1e-6);
    int count = 0;
    double last = 0;
    ticks.ForEach(140, [&](double n) {
        ++count;
        last = n;
    });
    // The step is a hair below 5, so the 17th tick still lies below the limit.
    EXPECT_EQ(count, 17);
    EXPECT_NEAR(last, 140.0, 1e-6);
}

TEST(PlotAxisTicks, TheTickAtZeroIsExactlyZero) {
    AxisTicks ticks(200, 0, 200); // visible -1 .. 1, step 0.2
    bool sawZero = false;
    ticks.ForEach(1.0, [&](double n) {
        if (std::fabs(n) < 0.1) {
            EXPECT_EQ(n, 0.0);
            EXPECT_FALSE(std::signbit(n));
            sawZero = true;
        }
    });
    EXPECT_TRUE(sawZero);
    EXPECT_EQ(AxisTicks::ValueLabel(0.0, ticks.Digits()), "0.0");
}

TEST(PlotAxisTicks, UnusableScalesGiveNoTicks) {
    for (double scale : {0.0, -2.0, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        AxisTicks ticks(scale, 0, 400);
        EXPECT_FALSE(ticks.IsValid()) << scale;
        int count = 0;
        ticks.ForEach(1e9, [&](double) { ++count; });
        EXPECT_EQ(count, 0);
    }
}

} // namespace
