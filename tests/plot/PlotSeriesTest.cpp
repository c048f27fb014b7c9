#include "plot/PlotEvents.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTestFixture.h"
#include "plot/PlotVectorSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

struct BoundsCase {
    const char* name;
    std::vector<float> xs, ys;
    double minTop;
    double minX, maxX, minY, maxY;
};

class SeriesBounds : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(SeriesBounds, HaveHalfUnitMarginsAndMinimumTop) {
    const BoundsCase& c = GetParam();
    PlotVectorSeries series;
    series.SetData(c.xs, c.ys, c.minTop);
    EXPECT_DOUBLE_EQ(series.BoundMinX(), c.minX);
    EXPECT_DOUBLE_EQ(series.BoundMaxX(), c.maxX);
    EXPECT_DOUBLE_EQ(series.BoundMinY(), c.minY);
    EXPECT_DOUBLE_EQ(series.BoundMaxY(), c.maxY);
}

INSTANTIATE_TEST_SUITE_P(
    Plot, SeriesBounds,
    ::testing::Values(
        BoundsCase{"OneSample", {10}, {5}, 0, 9.5, 10.5, 4.5, 5.5},
        BoundsCase{"MinTopAbove", {0, 1, 2}, {10, 40, 20}, 60, -0.5, 2.5, 9.5, 60.5},
        BoundsCase{"MinTopInsideMargin", {0, 1, 2}, {10, 40, 20}, 40.3, -0.5, 2.5, 9.5, 40.5},
        BoundsCase{"MinTopZero", {0, 1, 2}, {10, 40, 20}, 0, -0.5, 2.5, 9.5, 40.5},
        BoundsCase{"Empty", {}, {}, 60, -1, 1, -1, 1}),
    [](const ::testing::TestParamInfo<BoundsCase>& info) { return std::string(info.param.name); });

TEST(PlotSeriesData, SetData2IgnoresMinimumTopAndDropsExtraValues) {
    PlotSecondaryVectorSeries series;
    series.SetData2({0, 1}, {2, 3});
    EXPECT_DOUBLE_EQ(series.BoundMaxY(), 3.5);
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(series.PointAt(x, y, z, 1));
    EXPECT_DOUBLE_EQ(z, -1.0);
    EXPECT_FALSE(series.PointAt(x, y, z, 2));
}

TEST(PlotSeriesData, ExtraValuesNeverWidenTheBounds) {
    PlotVectorSeries series;
    series.SetData3({0, 1}, {2, 3}, {100, 200}, 0);
    EXPECT_DOUBLE_EQ(series.BoundMaxY(), 3.5);
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(series.PointAt(x, y, z, 1));
    EXPECT_DOUBLE_EQ(z, 200.0);
}

TEST(PlotSeriesData, ShorterValueListNeverReadsPastItsEnd) {
    PlotVectorSeries series;
    series.SetData({0, 1, 2, 3}, {7, 8}, 0);
    EXPECT_EQ(series.PointCount(), 2);
    double x = 0, y = 0;
    series.RestartPoints();
    int read = 0;
    while (series.NextPoint(x, y)) {
        ++read;
    }
    EXPECT_EQ(read, 2);
    EXPECT_DOUBLE_EQ(series.BoundMaxX(), 1.5);
}

// Data that grows at its end, taken in steps by Append, must read back exactly as the whole
// data given at once: samples, extra values and bounds.
struct GrowthCase {
    const char* name;
    std::vector<float> xs, ys, zs;
    std::vector<std::size_t> steps; // the sizes the data has at each Append
    double minTop;
};

class SeriesGrowth : public ::testing::TestWithParam<GrowthCase> {
protected:
    static std::vector<float> Start(const std::vector<float>& values, std::size_t n) {
        return {values.begin(), values.begin() + std::min(n, values.size())};
    }
    static void ExpectSame(PlotVectorSeries& grown, PlotVectorSeries& whole) {
        ASSERT_EQ(grown.PointCount(), whole.PointCount());
        EXPECT_DOUBLE_EQ(grown.BoundMinX(), whole.BoundMinX());
        EXPECT_DOUBLE_EQ(grown.BoundMaxX(), whole.BoundMaxX());
        EXPECT_DOUBLE_EQ(grown.BoundMinY(), whole.BoundMinY());
        EXPECT_DOUBLE_EQ(grown.BoundMaxY(), whole.BoundMaxY());
        for (int i = 0; i < whole.PointCount(); ++i) {
            double gx = 0, gy = 0, gz = 0, wx = 0, wy = 0, wz = 0;
            ASSERT_TRUE(grown.PointAt(gx, gy, gz, i));
            ASSERT_TRUE(whole.PointAt(wx, wy, wz, i));
            EXPECT_EQ(gx, wx) << i;
            EXPECT_EQ(gy, wy) << i;
            EXPECT_EQ(gz, wz) << i;
        }
        // a read from the start sees the same samples too
        grown.RestartPoints();
        int read = 0;
        double x = 0, y = 0;
        while (grown.NextPoint(x, y)) {
            ++read;
        }
        EXPECT_EQ(read, whole.PointCount());
    }
};

TEST_P(SeriesGrowth, AppendingReadsLikeTheWholeData) {
    const GrowthCase& c = GetParam();
    PlotVectorSeries grown;
    grown.SetData3(Start(c.xs, c.steps.front()), Start(c.ys, c.steps.front()),
                   Start(c.zs, c.steps.front()), c.minTop);
    for (std::size_t step = 1; step < c.steps.size(); ++step) {
        const std::size_t n = c.steps[step];
        grown.Append(Start(c.xs, n), Start(c.ys, n), Start(c.zs, n), c.minTop);
        PlotVectorSeries whole;
        whole.SetData3(Start(c.xs, n), Start(c.ys, n), Start(c.zs, n), c.minTop);
        SCOPED_TRACE(::testing::Message() << "size " << n);
        ExpectSame(grown, whole);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plot, SeriesGrowth,
    ::testing::Values(
        GrowthCase{"FromEmpty", {0, 1, 2, 3}, {5, 9, 1, 4}, {1, 2, 3, 4}, {0, 1, 3, 4}, 0},
        GrowthCase{"NothingNew", {0, 1, 2}, {5, 9, 1}, {1, 2, 3}, {2, 2, 3, 3}, 0},
        GrowthCase{"NewExtremesAtTheEnd",
                   {0, 1, 2, 3, 4, 5},
                   {5, 6, 7, -3, 40, 2},
                   {0, 0, 0, 0, 0, 0},
                   {2, 3, 4, 5, 6},
                   0},
        GrowthCase{"MinimumTopUntilTheDataPassesIt",
                   {0, 1, 2, 3},
                   {10, 20, 30, 70},
                   {0, 0, 0, 0},
                   {1, 2, 3, 4},
                   60},
        GrowthCase{"NoExtraValues", {0, 1, 2, 3}, {3, 2, 1, 0}, {}, {1, 4}, 0}),
    [](const ::testing::TestParamInfo<GrowthCase>& info) { return std::string(info.param.name); });

class SeriesDrawing : public PlotFixture {
protected:
    // One data unit is 10 pixels; data (0, 0) at the bitmap centre (400, 200).
    void SetUpView() {
        plot->centerX = 0;
        plot->centerY = 0;
        plot->scaleX = 10;
        plot->scaleY = 10;
        plot->scaleY2 = 10;
        plot->centerY2 = 0;
    }
    static int BitmapX(double x) { return 400 + static_cast<int>(x * 10); }
    static int BitmapY(double y) { return 200 - static_cast<int>(y * 10); }

    PlotVectorSeries series;
};

TEST_F(SeriesDrawing, ContinuousDrawsEveryPointIncludingTheLast) {
    SetUpView();
    series.SetContinuous(true);
    series.SetPen(wxPen(*wxBLACK, 3));
    series.SetData({-20, 0, 20}, {0, 10, 0}, 0);
    plot->AppendLayer(&series);
    wxImage image = Paint();
    EXPECT_TRUE(IsInked(image, BitmapX(-20), BitmapY(0)));
    EXPECT_TRUE(IsInked(image, BitmapX(0), BitmapY(10)));
    EXPECT_TRUE(IsInked(image, BitmapX(20), BitmapY(0)));
    EXPECT_TRUE(IsInked(image, BitmapX(10), BitmapY(5))); // on the last segment
    EXPECT_FALSE(IsInked(image, BitmapX(25), BitmapY(0)));
}

TEST_F(SeriesDrawing, DenseSamplesCoverTheirWholeSpanInEachColumn) {
    SetUpView();
    series.SetContinuous(true);
    series.SetPen(wxPen(*wxBLACK, 1));
    std::vector<float> xs, ys;
    // 200 samples within one pixel column (x 0 .. 0.099), swinging between -3 and 4, then one
    // sample further right at y 0.
    for (int i = 0; i < 200; ++i) {
        xs.push_back(i * 0.0005f);
        ys.push_back(i % 2 == 0 ? -3.0f + i * 0.001f : 4.0f - i * 0.001f);
    }
    xs.push_back(3.0f);
    ys.push_back(0.0f);
    series.SetData(xs, ys, 0);
    plot->AppendLayer(&series);
    wxImage image = Paint();
    int column = BitmapX(0);
    for (int y = BitmapY(3.9); y <= BitmapY(-2.9); ++y) {
        EXPECT_TRUE(IsInked(image, column, y)) << y;
    }
    EXPECT_FALSE(IsInked(image, column, BitmapY(4.0) - 3));
    EXPECT_FALSE(IsInked(image, column, BitmapY(-3.0) + 3));
    // The line leaves the column from the last sample of the run (y about 3.8) to (3, 0).
    EXPECT_TRUE(IsInked(image, BitmapX(1.5), BitmapY(1.9)));
    EXPECT_TRUE(IsInked(image, BitmapX(3), BitmapY(0)));
}

TEST_F(SeriesDrawing, SinglePointInContinuousModeIsADotAtItsPlace) {
    SetUpView();
    series.SetContinuous(true);
    series.SetPen(wxPen(*wxBLACK, 4));
    series.SetData({5}, {5}, 0);
    plot->AppendLayer(&series);
    wxImage image = Paint();
    EXPECT_TRUE(IsInked(image, BitmapX(5), BitmapY(5)));
    EXPECT_FALSE(IsInked(image, BitmapX(5) + 6, BitmapY(5)));
    EXPECT_FALSE(IsInked(image, BitmapX(5) - 6, BitmapY(5)));
}

struct DotCase {
    const char* name;
    int penWidth;
    int inkedAt;   // pixels from the sample still inked
    int emptyFrom; // pixels from the sample already empty
};

class SeriesDots : public SeriesDrawing, public ::testing::WithParamInterface<DotCase> {};

TEST_P(SeriesDots, PointsModeDrawsEachSampleAsADotOfThePenWidth) {
    const DotCase& c = GetParam();
    SetUpView();
    series.SetContinuous(false);
    series.SetPen(wxPen(*wxBLACK, c.penWidth));
    series.SetData({-10, 0, 10}, {0, 5, 0}, 0);
    plot->AppendLayer(&series);
    wxImage image = Paint();
    for (auto [x, y] : {std::pair<double, double>{-10, 0}, {0, 5}, {10, 0}}) {
        int px = BitmapX(x), py = BitmapY(y);
        EXPECT_TRUE(IsInked(image, px, py)) << x;
        EXPECT_TRUE(IsInked(image, px + c.inkedAt, py)) << x;
        EXPECT_TRUE(IsInked(image, px, py + c.inkedAt)) << x;
        EXPECT_FALSE(IsInked(image, px + c.emptyFrom, py)) << x;
        EXPECT_FALSE(IsInked(image, px - c.emptyFrom, py)) << x;
        EXPECT_FALSE(IsInked(image, px, py - c.emptyFrom)) << x;
    }
    // Nothing joins the samples.
    EXPECT_FALSE(IsInked(image, BitmapX(-5), BitmapY(2.5)));
}

INSTANTIATE_TEST_SUITE_P(Plot, SeriesDots,
                         ::testing::Values(DotCase{"Width6", 6, 2, 5}, DotCase{"Width1", 1, 0, 2}),
                         [](const ::testing::TestParamInfo<DotCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SeriesDrawing, KeyStrokeRowsDependOnTheSeriesRole) {
    SetUpView();
    PlotVectorSeries target;
    PlotSecondaryVectorSeries pressure;
    for (PlotLayer* layer : {static_cast<PlotLayer*>(&series), static_cast<PlotLayer*>(&target),
                             static_cast<PlotLayer*>(&pressure)}) {
        layer->SetContinuous(true);
        layer->SetPen(wxPen(*wxBLACK, 1));
        plot->AppendLayer(layer);
    }
    target.auxiliary = true;
    target.hideKeyStroke = true;
    wxImage hidden = Paint();
    EXPECT_TRUE(IsInked(hidden, 65, 22));  // primary series
    EXPECT_FALSE(IsInked(hidden, 65, 10)); // hidden target key
    EXPECT_TRUE(IsInked(hidden, 65, 35));  // secondary series
    EXPECT_FALSE(IsInked(hidden, 80, 22));
    target.hideKeyStroke = false;
    wxImage shown = Paint();
    EXPECT_TRUE(IsInked(shown, 65, 10));
}

TEST_F(SeriesDrawing, InvisibleSeriesDrawsNothing) {
    SetUpView();
    series.SetContinuous(true);
    series.SetVisible(false);
    series.SetName("Titlu");
    series.SetData({0}, {0}, 0);
    plot->AppendLayer(&series);
    wxImage image = Paint();
    EXPECT_FALSE(AnyInked(image, 0, 0, 800, 400));
}

TEST_F(SeriesDrawing, TitleSubtitleAndFooterUseTheirSizesAndPlaces) {
    SetUpView();
    series.SetName("Inregistrare 1");
    series.SetSubtitle("Informatii");
    series.SetFooter("Vendrix Serial No. 7");
    plot->AppendLayer(&series);
    wxImage image = Paint();
    // Title centred near the top (it starts 10 pixels right of the centre less half its width).
    EXPECT_TRUE(AnyInked(image, 340, 6, 140, 16));
    EXPECT_TRUE(AnyInked(image, 340, 20, 140, 14));
    EXPECT_TRUE(AnyInked(image, 60, 385, 100, 15));
    EXPECT_FALSE(AnyInked(image, 0, 100, 800, 200));
    EXPECT_EQ(series.GetFont().GetPointSize(), 8); // the footer's size is kept until the next title
    Paint();
    EXPECT_EQ(series.GetFont().GetPointSize(), 8);
    series.SetFooter("");
    Paint();
    EXPECT_EQ(series.GetFont().GetPointSize(), 10);
}

TEST_F(SeriesDrawing, TitleAlignmentPutsTheTitleInItsCorner) {
    SetUpView();
    PlotVectorSeries bottomRight("Colt", 3);
    plot->AppendLayer(&bottomRight);
    wxImage image = Paint();
    EXPECT_TRUE(AnyInked(image, 700, 360, 92, 34));
    EXPECT_FALSE(AnyInked(image, 0, 0, 800, 340));
}

class SeriesMeasuring : public SeriesDrawing {
protected:
    void SetUp() override {
        SeriesDrawing::SetUp();
        frame->Bind(EVT_PLOT_MEASURE, [this](wxCommandEvent& event) {
            ints.push_back(event.GetInt());
            texts.push_back(event.GetString());
            sources.push_back(event.GetEventObject());
        });
    }
    std::vector<int> ints;
    std::vector<wxString> texts;
    std::vector<wxObject*> sources;
};

TEST_F(SeriesMeasuring, CursorBetweenTwoSamplesMarksTheEarlierOne) {
    SetUpView();
    series.SetData3({0, 1, 2}, {3, 4, 5}, {30, 40, 50}, 0);
    plot->AppendLayer(&series);
    plot->measurePrimary = true;
    plot->leftX = 400 + 15; // data x 1.5, halfway between samples 1 and 2
    wxImage image = Paint();
    ASSERT_EQ(ints.size(), 1u);
    EXPECT_EQ(ints[0], 1);
    EXPECT_EQ(texts[0], "1.000000 4.000000");
    EXPECT_EQ(sources[0], &series);
    EXPECT_TRUE(series.IsMarkShown());
    EXPECT_DOUBLE_EQ(series.GetMarkValue(), 4.0);
    EXPECT_DOUBLE_EQ(series.GetMarkExtra(), 40.0);
    EXPECT_EQ(series.GetMarkPosition(), wxPoint(15, -40));
    // The cross-hair runs at the cursor's x and the sample's y, across the whole plot.
    EXPECT_TRUE(IsInked(image, 415, 5));
    EXPECT_TRUE(IsInked(image, 415, 395));
    EXPECT_TRUE(IsInked(image, 5, 160));
    EXPECT_TRUE(IsInked(image, 795, 160));
}

TEST_F(SeriesMeasuring, MarkStaysWhereItWasDrawnAfterMeasuringStops) {
    SetUpView();
    series.SetData({0, 1, 2}, {3, 4, 5}, 0);
    plot->AppendLayer(&series);
    plot->measurePrimary = true;
    plot->leftX = 400 + 20;
    Paint();
    plot->measurePrimary = false;
    plot->centerX = 100; // panning does not move the mark
    wxImage image = Paint();
    EXPECT_EQ(ints.size(), 1u);
    EXPECT_TRUE(IsInked(image, 420 - 5, 150));
    EXPECT_TRUE(IsInked(image, 420 + 4, 150));
}

TEST_F(SeriesMeasuring, AuxiliarySeriesAndEmptySeriesReportNothing) {
    SetUpView();
    PlotVectorSeries empty;
    series.auxiliary = true;
    series.SetData({0, 1}, {3, 4}, 0);
    plot->AppendLayer(&series);
    plot->AppendLayer(&empty);
    plot->measurePrimary = true;
    plot->leftX = 400;
    Paint();
    EXPECT_TRUE(ints.empty());
    EXPECT_FALSE(series.IsMarkShown());
    EXPECT_FALSE(empty.IsMarkShown());
}

TEST_F(SeriesMeasuring, SecondarySeriesReportsItsValueWithoutExtra) {
    SetUpView();
    plot->centerY2 = 0;
    plot->scaleY2 = 20;
    PlotSecondaryVectorSeries pressure;
    pressure.SetData2({0, 1, 2}, {1.5, 2.5, 3.5});
    plot->AppendLayer(&pressure);
    plot->measureSecondary = true;
    plot->leftX = 400 + 21;
    Paint();
    ASSERT_EQ(ints.size(), 1u);
    EXPECT_EQ(ints[0], 2);
    EXPECT_EQ(texts[0], "3.500000 ");
    EXPECT_DOUBLE_EQ(pressure.GetMarkExtra(), -1.0);
    EXPECT_EQ(pressure.GetMarkPosition(), wxPoint(21, -70));
}

} // namespace
