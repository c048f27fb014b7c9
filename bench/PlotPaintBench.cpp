// Paints one series of 10,000 to 1,000,000 samples into an 800 x 400 bitmap in lines and in
// points mode, and points mode also the naive way (a device-context call for every sample),
// comparing the pixels of the two. Each figure is the best of several runs.
#include "BenchResults.h"
#include "EveryPointLayer.h"
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const int kWidth = 800;
const int kHeight = 400;

struct Samples {
    std::vector<float> xs, ys;
};

Samples MakeSamples(int count) {
    Samples s;
    s.xs.resize(count);
    s.ys.resize(count);
    for (int i = 0; i < count; ++i) {
        s.xs[i] = static_cast<float>(i) * 0.1f;
        s.ys[i] = static_cast<float>(30 + 10 * std::sin(i * 0.001) + 5 * std::sin(i * 0.37));
    }
    return s;
}

// Paints the plot's layers runs times and gives the best time and the last picture.
double BestPaintMs(PlotWindow& plot, int runs, wxImage& picture) {
    wxBitmap bitmap(kWidth, kHeight);
    std::vector<double> times;
    {
        wxMemoryDC dc(bitmap);
        for (int run = 0; run < runs; ++run) {
            const BenchResults::Clock::time_point start = BenchResults::Clock::now();
            plot.Render(dc, wxSize(kWidth, kHeight));
            times.push_back(BenchResults::SecondsSince(start) * 1000.0);
        }
    }
    picture = bitmap.ConvertToImage();
    return BenchResults::Best(times);
}

double DifferentPixelsPercent(const wxImage& a, const wxImage& b) {
    const unsigned char* p = a.GetData();
    const unsigned char* q = b.GetData();
    long different = 0;
    const long pixels = static_cast<long>(a.GetWidth()) * a.GetHeight();
    for (long i = 0; i < pixels; ++i) {
        different += std::memcmp(p + 3 * i, q + 3 * i, 3) != 0 ? 1 : 0;
    }
    return 100.0 * static_cast<double>(different) / static_cast<double>(pixels);
}

void FitView(PlotWindow& plot, PlotVectorSeries& series) {
    plot.scaleX = 700.0 / (series.BoundMaxX() - series.BoundMinX());
    plot.centerX = (series.BoundMaxX() + series.BoundMinX()) / 2;
    plot.scaleY = 300.0 / (series.BoundMaxY() - series.BoundMinY());
    plot.centerY = (series.BoundMaxY() + series.BoundMinY()) / 2;
}

struct PointsFigures {
    double ms, naiveMs, differentPercent;
};

PointsFigures PaintPoints(PlotWindow& plot, const Samples& s, int penWidth, int runs) {
    PlotVectorSeries series;
    series.SetData(s.xs, s.ys, 0);
    series.SetContinuous(false);
    series.SetPen(wxPen(*wxBLUE, penWidth));
    FitView(plot, series);
    wxImage fast, naive;
    plot.AppendLayer(&series);
    PointsFigures figures{};
    figures.ms = BestPaintMs(plot, runs, fast);
    plot.RemoveLayer(0);
    EveryPointLayer everyPoint(s.xs, s.ys);
    everyPoint.SetPen(series.GetPen());
    plot.AppendLayer(&everyPoint);
    figures.naiveMs = BestPaintMs(plot, runs > 3 ? 3 : runs, naive);
    plot.RemoveLayer(0);
    figures.differentPercent = DifferentPixelsPercent(fast, naive);
    return figures;
}

double PaintLines(PlotWindow& plot, const Samples& s, int runs) {
    PlotVectorSeries series;
    series.SetData(s.xs, s.ys, 0);
    series.SetContinuous(true);
    series.SetPen(wxPen(*wxBLUE, 2));
    FitView(plot, series);
    plot.AppendLayer(&series);
    wxImage picture;
    const double ms = BestPaintMs(plot, runs, picture);
    plot.RemoveLayer(0);
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start wxWidgets: is there a display?\n");
        return 2;
    }
    BenchResults results;
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bench");
        auto* plot = new PlotWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(kWidth, kHeight));
        frame->SetClientSize(kWidth, kHeight);
        std::printf(
            "samples  pen  lines ms  points ms  naive ms  pixels different (best of runs)\n");
        for (int count : {10000, 100000, 1000000}) {
            const Samples s = MakeSamples(count);
            const int runs = count >= 1000000 ? 5 : 9;
            const double lines = PaintLines(*plot, s, runs);
            for (int pen : {1, 3}) {
                const PointsFigures points = PaintPoints(*plot, s, pen, runs);
                std::printf("%7d  %3d  %8.1f  %9.1f  %8.1f  %8.3f %%\n", count, pen, lines,
                            points.ms, points.naiveMs, points.differentPercent);
                if (count == 1000000 && pen == 1) {
                    results.Add("paint_lines_1m_ms", lines, "ms");
                    results.Add("paint_points_1m_ms", points.ms, "ms");
                    results.Add("paint_points_1m_naive_ms", points.naiveMs, "ms");
                    results.Add("paint_points_1m_pixel_diff_pct", points.differentPercent, "%");
                }
            }
        }
        delete frame;
    }
    wxEntryCleanup();
    results.Print();
    return 0;
}
