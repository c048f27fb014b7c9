#pragma once
#include "plot/DotPainter.h"
#include "plot/PlotEvents.h"
#include "plot/PlotWindow.h"

#include <wx/dc.h>

#include <algorithm>
#include <cmath>

// Drawing steps shared by the primary and the secondary series families; S provides
// RestartPoints, NextPoint, PointAt and PointCount.
namespace SeriesDrawing {

// Draws every point of the series: joined by lines, or as dots of the pen's width.
template <class S>
void DrawPoints(wxDC& dc, S& series, PlotWindow& window, bool secondary, DotPainter& dots) {
    double x = 0.0, y = 0.0;
    if (!series.IsContinuous()) {
        dots.Begin(dc);
        while (series.NextPoint(x, y)) {
            dots.Add(dc, window.DeviceX(x), secondary ? window.DeviceY2(y) : window.DeviceY(y));
        }
        dots.Finish(dc);
        return;
    }
    bool first = true;
    int lastX = 0, lastY = 0;
    // Consecutive samples in one pixel column join along that column only, so their lines
    // together cover exactly the span from the lowest to the highest of them: one line.
    int columnTop = 0, columnBottom = 0;
    while (series.NextPoint(x, y)) {
        int px = window.DeviceX(x);
        int py = secondary ? window.DeviceY2(y) : window.DeviceY(y);
        if (first) {
            dc.DrawLine(px, py, px, py);
            columnTop = columnBottom = py;
        } else if (px == lastX) {
            columnTop = std::min(columnTop, py);
            columnBottom = std::max(columnBottom, py);
        } else {
            if (columnTop != columnBottom) {
                dc.DrawLine(lastX, columnTop, lastX, columnBottom);
            }
            dc.DrawLine(lastX, lastY, px, py);
            columnTop = columnBottom = py;
        }
        first = false;
        lastX = px;
        lastY = py;
    }
    if (!first && columnTop != columnBottom) {
        dc.DrawLine(lastX, columnTop, lastX, columnBottom);
    }
}

// The key stroke of one key row (rows at 10, 22 and 35 pixels from the top).
inline void DrawKeyStroke(wxDC& dc, const PlotWindow& window, int row) {
    int left = -(window.scrX >> 1);
    int y = row - (window.scrY >> 1);
    dc.DrawLine(55 + left, y, 75 + left, y);
}

// Finds the sample nearest to data x (the first one on ties), reading from the current
// position; false when the series has no samples.
template <class S> bool FindNearest(S& series, double targetX, double& x, double& y, double& z) {
    int count = series.PointCount();
    if (count < 1) {
        return false;
    }
    int best = -1;
    double bestDistance = 0.0;
    double px = 0.0, py = 0.0;
    for (int index = 0; index < count && series.NextPoint(px, py); ++index) {
        double distance = std::fabs(targetX - px);
        if (best < 0 || distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best >= 0 && series.PointAt(x, y, z, best);
}

// Hands a command event synchronously to the plot's parent (the main window).
inline void SendToParent(PlotWindow& window, wxCommandEvent& event) {
    wxWindow* parent = window.GetParent();
    if (parent != nullptr) {
        parent->GetEventHandler()->ProcessEvent(event);
    }
}

// The cross-hair through the measured sample, across the whole plot.
inline void DrawCrossHair(wxDC& dc, const PlotWindow& window, int cx, int cy) {
    int hw = window.scrX >> 1;
    int hh = window.scrY >> 1;
    dc.SetPen(*wxGREY_PEN);
    dc.DrawLine(cx, -hh, cx, hh);
    dc.DrawLine(-hw, cy, hw, cy);
}

// Measures at the last left-button position: finds the sample nearest to it, draws the
// cross-hair through that sample on the given vertical scale and gives the sample and its
// place; false when the series has no samples.
template <class S>
bool MeasureAtClick(wxDC& dc, S& series, PlotWindow& window, double scale, double centre, double& x,
                    double& y, double& z, wxPoint& mark) {
    series.RestartPoints();
    const int cx = window.leftX - (window.scrX >> 1);
    if (!FindNearest(series, cx / window.scaleX + window.centerX, x, y, z)) {
        return false;
    }
    mark = wxPoint(cx, PlotWindow::Truncate(scale * (centre - y)));
    DrawCrossHair(dc, window, mark.x, mark.y);
    return true;
}

inline void DrawMark(wxDC& dc, const wxPoint& mark) {
    dc.DrawRectangle(mark.x - 5, mark.y - 5, 10, 10);
}

} // namespace SeriesDrawing
