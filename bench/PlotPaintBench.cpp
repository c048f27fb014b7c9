// Prints how long painting one continuous series into an 800 x 400 bitmap takes.
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double PaintMilliseconds(PlotWindow& plot, wxMemoryDC& dc) {
    auto start = std::chrono::steady_clock::now();
    plot.Render(dc, wxSize(800, 400));
    auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start wxWidgets: is there a display?\n");
        return 2;
    }
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bench");
        auto* plot = new PlotWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(800, 400));
        frame->SetClientSize(800, 400);
        wxBitmap bitmap(800, 400);
        wxMemoryDC dc(bitmap);
        std::printf("samples   mode        paint ms (best of runs)\n");
        for (int count : {10000, 100000, 1000000}) {
            std::vector<float> xs(count), ys(count);
            for (int i = 0; i < count; ++i) {
                xs[i] = static_cast<float>(i) * 0.1f;
                ys[i] = static_cast<float>(30 + 10 * std::sin(i * 0.001) + 5 * std::sin(i * 0.37));
            }
            for (bool continuous : {true, false}) {
                PlotVectorSeries series;
                series.SetData(xs, ys, 0);
                series.SetContinuous(continuous);
                series.SetPen(wxPen(*wxBLUE, continuous ? 2 : 1));
                plot->AppendLayer(&series);
                plot->scaleX = 700.0 / (series.BoundMaxX() - series.BoundMinX());
                plot->centerX = (series.BoundMaxX() + series.BoundMinX()) / 2;
                plot->scaleY = 300.0 / (series.BoundMaxY() - series.BoundMinY());
                plot->centerY = (series.BoundMaxY() + series.BoundMinY()) / 2;
                int runs = count >= 1000000 ? 3 : 5;
                double best = 1e300;
                for (int run = 0; run < runs; ++run) {
                    best = std::min(best, PaintMilliseconds(*plot, dc));
                }
                std::printf("%9d %-11s %10.1f\n", count, continuous ? "lines" : "points", best);
                plot->RemoveLayer(0);
            }
        }
        dc.SelectObject(wxNullBitmap);
        delete frame;
    }
    wxEntryCleanup();
    return 0;
}
