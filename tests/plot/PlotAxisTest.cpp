#include "plot/AxisTicks.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTestFixture.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotValueAxis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct ElapsedCase {
    double seconds;
    const char* text;
};

TEST(PlotTimeLabels, ElapsedTimeIsATimeOfDayFromMidnight) {
    const ElapsedCase cases[] = {{75, "01:15"},          {3725, "01:02:05"},
                                 {-5, "23:59:55"},       {0.2, "00:00"},
                                 {59.9, "00:59"},        {86400, "00:00"},
                                 {3600, "01:00:00"},     {124.99999983721237, "02:05"},
                                 {74.99999996, "01:15"}, {-124.99999983721237, "23:57:55"},
                                 {59.9994, "00:59"}};
    for (const ElapsedCase& c : cases) {
        EXPECT_EQ(PlotTimeAxis::ElapsedText(c.seconds), c.text) << c.seconds;
    }
}

// The steps of 5 s and more fall a hair short of whole seconds; each tick still reads the
// second it stands on, and elapsed and clock labels agree.
TEST(PlotTimeLabels, EveryTickReadsTheWholeSecondItStandsOn) {
    wxDateTime midnight(3, wxDateTime::Mar, 2011, 0, 0, 0);
    for (double scale : {0.1, 0.5, 1.0, 2.0, 10.0}) {
        AxisTicks ticks(scale, 300, 400);
        int count = 0;
        ticks.ForEach(300 + 400 / scale, [&](double n) {
            double second = std::round(n);
            ++count;
            EXPECT_EQ(PlotTimeAxis::ElapsedText(n), PlotTimeAxis::ElapsedText(second))
                << "scale " << scale << " tick " << n;
            if (n >= 0) {
                EXPECT_EQ(PlotTimeAxis::ClockText(midnight, n).substr(3),
                          PlotTimeAxis::ElapsedText(n).Right(5))
                    << "scale " << scale << " tick " << n;
            }
        });
        EXPECT_GT(count, 5) << scale;
    }
}

TEST(PlotTimeLabels, AbsoluteTimeIsLocalClockTimeAndDate) {
    wxDateTime start(3, wxDateTime::Mar, 2011, 14, 0, 0); // local time
    EXPECT_EQ(PlotTimeAxis::ClockText(start, 300), "14:05:00");
    EXPECT_EQ(PlotTimeAxis::DateText(start, 300), "03\\03\\11");
    EXPECT_EQ(PlotTimeAxis::ClockText(start, 36000), "00:00:00");
    EXPECT_EQ(PlotTimeAxis::DateText(start, 36000), "04\\03\\11");
}

class AxisDrawing : public PlotFixture {
protected:
    void SetUpView(double scaleX, double scaleY) {
        plot->scaleX = scaleX;
        plot->scaleY = scaleY;
        plot->centerX = 0;
        plot->centerY = 0;
        plot->bottomMargin = 35;
    }
};

TEST_F(AxisDrawing, InvalidStartTimeFallsBackToElapsedTimeAndMargin35) {
    SetUpView(1, 1);
    plot->absoluteTime = true;
    plot->bottomMargin = 45;
    PlotTimeAxis axis("", 2, true, false);
    plot->AppendLayer(&axis);
    wxImage image = Paint();
    EXPECT_EQ(plot->bottomMargin, 35);
    // The axis line runs 35 pixels above the bottom, from 50 pixels from the left.
    EXPECT_TRUE(IsInked(image, 60, 400 - 35));
    EXPECT_TRUE(IsInked(image, 795, 400 - 35));
    EXPECT_FALSE(IsInked(image, 45, 400 - 35));
    EXPECT_FALSE(IsInked(image, 300, 400 - 45));
}

TEST_F(AxisDrawing, ValidStartTimeKeepsTheMarginAndAddsADateLine) {
    SetUpView(1, 1);
    plot->absoluteTime = true;
    plot->bottomMargin = 45;
    plot->startTime = wxDateTime(3, wxDateTime::Mar, 2011, 14, 0, 0);
    PlotTimeAxis axis("", 2, true, false);
    plot->AppendLayer(&axis);
    wxImage image = Paint();
    EXPECT_EQ(plot->bottomMargin, 45);
    int y0 = 400 - 45;
    // Tick at n = 0 sits at the centre: time text below the line, date text below that.
    EXPECT_TRUE(AnyInked(image, 385, y0 + 5, 30, 9));
    EXPECT_TRUE(AnyInked(image, 385, y0 + 15, 30, 9));
}

TEST_F(AxisDrawing, CrowdedTimeLabelsAreSkippedButTheirTicksAreNot) {
    SetUpView(0.25, 1); // a tick every 125 s = 31 pixels
    plot->centerX = 1600;
    PlotTimeAxis axis("", 2, true, false);
    plot->AppendLayer(&axis);
    wxImage image = Paint();
    wxBitmap probe(10, 10);
    wxMemoryDC dc(probe);
    dc.SetFont(axis.GetFont());
    wxCoord tw = 0, th = 0;
    dc.GetTextExtent("25:00", &tw, &th);
    ASSERT_GT(tw, 31 - 10) << "labels must crowd for this test";
    ASSERT_LT(tw, 40);
    int y0 = 400 - 35;
    // The first visible tick (n = 250) is labelled, then every other one: n = 1500 at x 375
    // has a label, n = 1625 at x 406 has none, n = 1750 at x 437 has one.
    for (int x : {375, 406, 437}) {
        EXPECT_TRUE(IsInked(image, x, y0 + 3)) << x;
    }
    EXPECT_TRUE(AnyInked(image, 373, y0 + 6, 5, th));
    EXPECT_FALSE(AnyInked(image, 404, y0 + 6, 5, th));
    EXPECT_TRUE(AnyInked(image, 435, y0 + 6, 5, th));
}

TEST_F(AxisDrawing, ReservedRightAndSecondarySeriesKeepTheLast50PixelsFree) {
    SetUpView(1, 1);
    PlotTimeAxis axis("", 2, true, true);
    PlotSecondaryVectorSeries pressure;
    plot->AppendLayer(&axis);
    wxImage free = Paint();
    EXPECT_TRUE(IsInked(free, 795, 365)); // the line reaches the edge
    // The step is a hair below 125 s, so ticks fall one pixel left of 125 and 375.
    EXPECT_FALSE(IsInked(free, 774, 368)); // tick at n = 375 is not drawn
    EXPECT_TRUE(IsInked(free, 524, 368));  // tick at n = 125
    plot->AppendLayer(&pressure);
    wxImage shortened = Paint();
    EXPECT_TRUE(IsInked(shortened, 745, 365));
    EXPECT_FALSE(IsInked(shortened, 760, 365));
}

TEST_F(AxisDrawing, GridLinesSwitchThePenToDotsAndBack) {
    SetUpView(1, 0.5);
    PlotValueAxis axis("Flux (Litru/min)", 2, false, true);
    plot->AppendLayer(&axis);
    wxImage image = Paint();
    // Tick at n = 125 lies at y 200 - 62; its dotted grid line ends 50 pixels before the right.
    int y = 200 - 62;
    int inked = 0;
    for (int x = 100; x < 700; ++x) {
        inked += IsInked(image, x, y) ? 1 : 0;
    }
    EXPECT_GT(inked, 100);
    EXPECT_LT(inked, 500); // dotted, not solid
    EXPECT_FALSE(AnyInked(image, 752, y, 48, 1));
    EXPECT_EQ(axis.GetPen().GetStyle(), wxPENSTYLE_SOLID);
    // The axis line itself stays solid.
    EXPECT_TRUE(IsInked(image, 50, 100) && IsInked(image, 50, 101) && IsInked(image, 50, 102));
}

TEST_F(AxisDrawing, ValueAxisKeyLabelsSitOnTheirRows) {
    SetUpView(1, 1);
    PlotValueAxis axis("Flux (Litru/min)", 2, true, false);
    EXPECT_EQ(axis.keyLabel, "Flux");
    axis.topKeyLabel = "Tinta";
    plot->AppendLayer(&axis);
    wxImage image = Paint();
    EXPECT_TRUE(AnyInked(image, 80, 4, 40, 12));
    EXPECT_TRUE(AnyInked(image, 80, 16, 40, 12));
    // The rotated title runs vertically 48 pixels left of the line (x 2 .. 2 + height).
    EXPECT_TRUE(AnyInked(image, 2, 170, 16, 60));
}

TEST_F(AxisDrawing, SecondaryAxisIsAlwaysGreyAndLabelsTheThirdKeyRow) {
    SetUpView(1, 1);
    plot->scaleY2 = 1;
    plot->centerY2 = 0;
    PlotSecondaryAxis axis("Presiune (bar)", 5, true);
    axis.SetPen(*wxRED_PEN);
    plot->AppendLayer(&axis);
    wxImage image = Paint();
    int x0 = 800 - 50;
    EXPECT_TRUE(IsInked(image, x0, 50));
    EXPECT_EQ(image.GetRed(x0, 50), image.GetGreen(x0, 50));
    EXPECT_TRUE(AnyInked(image, 80, 29, 50, 12));    // "Presiune" on the row at 35
    EXPECT_TRUE(AnyInked(image, 780, 150, 15, 100)); // title down the right edge
}

struct AlignCase {
    int align;
    int timeLineY;      // bitmap row of the time axis line
    int valueLineX;     // bitmap column of the primary vertical axis line
    int secondaryLineX; // bitmap column of the secondary axis line
};

TEST_F(AxisDrawing, EveryAlignPutsTheLineInItsPlace) {
    // 800 x 400 plot, margin 35, data (10, 20) at the centre.
    const AlignCase cases[] = {
        {0, 10, 780, 780}, {1, 220, 390, 390}, {2, 365, 50, 40}, {4, 399, 0, 0}, {5, 0, 799, 750}};
    for (const AlignCase& c : cases) {
        SetUpView(1, 1);
        plot->centerX = 10;
        plot->centerY = 20;
        PlotTimeAxis time("", c.align, true, false);
        PlotValueAxis value("", c.align, true, false);
        PlotSecondaryAxis secondary("", c.align, true);
        for (PlotLayer* axis : {static_cast<PlotLayer*>(&time), static_cast<PlotLayer*>(&value),
                                static_cast<PlotLayer*>(&secondary)}) {
            plot->AppendLayer(axis);
            wxImage image = Paint();
            plot->RemoveLayer(0);
            int x = axis == &time ? 300 : axis == &value ? c.valueLineX : c.secondaryLineX;
            int y = axis == &time ? c.timeLineY : 100;
            EXPECT_TRUE(IsInked(image, x, y))
                << "align " << c.align << " axis " << axis->GetClassInfo()->GetClassName();
        }
    }
}

} // namespace
