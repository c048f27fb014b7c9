#include "plot/PlotTestFixture.h"
#include "plot/PlotVectorSeries.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Draws every sample with its own call: what points mode must look like.
class EveryPointLayer : public PlotLayer {
public:
    EveryPointLayer(const std::vector<float>& xs, const std::vector<float>& ys)
        : PlotLayer(wxEmptyString, KindPrimarySeries), m_xs(xs), m_ys(ys) {}

    void Draw(wxDC& dc, PlotWindow& window) override {
        dc.SetPen(GetPen());
        for (std::size_t i = 0; i < m_xs.size(); ++i) {
            const int px = window.DeviceX(m_xs[i]);
            const int py = window.DeviceY(m_ys[i]);
            if (GetPen().GetWidth() > 1) {
                dc.DrawLine(px, py, px, py);
            } else {
                dc.DrawPoint(px, py);
            }
        }
    }

private:
    const std::vector<float>& m_xs;
    const std::vector<float>& m_ys;
};

struct PointsCase {
    const char* name;
    int count;
    double xStep;     // data units per sample; the view is 10 pixels per unit
    double amplitude; // of the fast swing, in data units
    int penWidth;
    wxPenStyle style;
    double userScale; // as when printing
    double mostDifferentPercent;
    double mostClearlyDifferentPercent;
};

class PointsMode : public PlotFixture, public ::testing::WithParamInterface<PointsCase> {
protected:
    void MakeSamples(const PointsCase& c) {
        for (int i = 0; i < c.count; ++i) {
            // Starts left of the bitmap and ends right of it, so dots cross every edge.
            xs.push_back(static_cast<float>(-45.0 + i * c.xStep));
            ys.push_back(
                static_cast<float>(3 * std::sin(i * 0.002) + c.amplitude * std::sin(i * 0.37)));
        }
    }

    wxImage PaintScaled(double userScale) {
        wxBitmap bitmap(800, 400);
        {
            wxMemoryDC dc(bitmap);
            dc.SetUserScale(userScale, userScale);
            plot->Render(dc, wxSize(800, 400));
        }
        return bitmap.ConvertToImage();
    }

    std::vector<float> xs, ys;
};

// A difference of more than this in a colour channel is plain to see.
const int kClearly = 96;

// The share of pixels with a channel that differs by more than tolerance.
double DifferentPercent(const wxImage& a, const wxImage& b, int tolerance) {
    long different = 0;
    const long pixels = static_cast<long>(a.GetWidth()) * a.GetHeight();
    for (long i = 0; i < pixels; ++i) {
        bool differs = false;
        for (int channel = 0; channel < 3; ++channel) {
            differs = differs || std::abs(a.GetData()[3 * i + channel] -
                                          b.GetData()[3 * i + channel]) > tolerance;
        }
        different += differs ? 1 : 0;
    }
    return 100.0 * static_cast<double>(different) / static_cast<double>(pixels);
}

bool Blank(const wxImage& image) {
    for (long i = 0; i < 3L * image.GetWidth() * image.GetHeight(); ++i) {
        if (image.GetData()[i] != image.GetData()[0]) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST_P(PointsMode, DrawsThePixelsOfDrawingEveryPoint) {
    const PointsCase& c = GetParam();
    MakeSamples(c);
    plot->centerX = 0;
    plot->centerY = 0;
    plot->scaleX = 10;
    plot->scaleY = 10;
    PlotVectorSeries series;
    series.SetData(xs, ys, 0);
    series.SetContinuous(false);
    series.SetPen(wxPen(*wxBLUE, c.penWidth, c.style));
    plot->AppendLayer(&series);
    const wxImage drawn = PaintScaled(c.userScale);
    plot->RemoveLayer(0);
    EveryPointLayer everyPoint(xs, ys);
    everyPoint.SetPen(series.GetPen());
    plot->AppendLayer(&everyPoint);
    const wxImage expected = PaintScaled(c.userScale);
    plot->RemoveLayer(0);
    ASSERT_FALSE(Blank(expected));
    EXPECT_LE(DifferentPercent(drawn, expected, 0), c.mostDifferentPercent);
    EXPECT_LE(DifferentPercent(drawn, expected, kClearly), c.mostClearlyDifferentPercent);
}

// Single pixels come out exactly, also when printing. A round dot has a shaded rim, which
// drawing the same dot many times darkens; drawn once, or as one stroke along a run of dots,
// the rims come out lighter, and only there may the pictures differ.
INSTANTIATE_TEST_SUITE_P(
    Plot, PointsMode,
    ::testing::Values(
        PointsCase{"DenseThinPen", 200000, 0.00045, 4.0, 1, wxPENSTYLE_SOLID, 1.0, 0.0, 0.0},
        PointsCase{"SparseThinPen", 3000, 0.03, 4.0, 1, wxPENSTYLE_SOLID, 1.0, 0.0, 0.0},
        PointsCase{"FlatThinPen", 100000, 0.0009, 0.0, 0, wxPENSTYLE_SOLID, 1.0, 0.0, 0.0},
        PointsCase{"DenseWidePen", 200000, 0.00045, 4.0, 3, wxPENSTYLE_SOLID, 1.0, 2.0, 0.5},
        PointsCase{"SparseWidePen", 3000, 0.03, 4.0, 6, wxPENSTYLE_SOLID, 1.0, 2.0, 0.5},
        PointsCase{"DashedPen", 20000, 0.0045, 4.0, 4, wxPENSTYLE_SHORT_DASH, 1.0, 2.0, 0.5},
        PointsCase{"ScaledThinPen", 50000, 0.0018, 4.0, 1, wxPENSTYLE_SOLID, 2.0, 0.0, 0.0}),
    [](const ::testing::TestParamInfo<PointsCase>& info) { return std::string(info.param.name); });

TEST(DotPainter, LeavesThePenAndBrushOfTheDeviceContext) {
    wxBitmap bitmap(50, 50);
    wxMemoryDC dc(bitmap);
    const wxPen pen(*wxRED, 1);
    const wxBrush brush(*wxGREEN);
    dc.SetPen(pen);
    dc.SetBrush(brush);
    DotPainter dots;
    dots.Begin(dc);
    for (int y = 0; y < 10; ++y) {
        dots.Add(dc, 5, y);
    }
    dots.Finish(dc);
    EXPECT_EQ(dc.GetPen().GetColour(), *wxRED);
    EXPECT_EQ(dc.GetPen().GetStyle(), wxPENSTYLE_SOLID);
    EXPECT_EQ(dc.GetBrush().GetColour(), *wxGREEN);
}
