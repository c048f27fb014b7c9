#include "plot/DotPainter.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include <algorithm>

void DotPainter::Begin(wxDC& dc) {
    const wxPen& pen = dc.GetPen();
    m_wide = pen.IsOk() && pen.GetWidth() > 1;
    m_hasLast = false;
    m_covered = CoverVisibleArea(dc);
    // Only dots of a solid pen join seamlessly into a run, and only one device pixel to the
    // unit: on a scaled page each dot is still drawn, but once.
    double scaleX = 1.0, scaleY = 1.0;
    dc.GetUserScale(&scaleX, &scaleY);
    m_merged = m_covered && pen.IsOk() && pen.GetStyle() == wxPENSTYLE_SOLID && scaleX == 1.0 &&
               scaleY == 1.0;
}

void DotPainter::Finish(wxDC& dc) {
    if (m_merged) {
        DrawRuns(dc);
    }
    m_covered = false;
    m_merged = false;
}

// The surface of the device context in logical units, widened by the reach of a dot whose
// centre lies outside it; dots beyond that cannot be seen and are dropped.
bool DotPainter::CoverVisibleArea(wxDC& dc) {
    const wxSize size = dc.GetSize();
    if (size.x <= 0 || size.y <= 0) {
        return false;
    }
    const int reach = std::max(dc.GetPen().GetWidth(), 1) / 2 + 2;
    int left = dc.DeviceToLogicalX(0);
    int right = dc.DeviceToLogicalX(size.x);
    int top = dc.DeviceToLogicalY(0);
    int bottom = dc.DeviceToLogicalY(size.y);
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    return m_dots.Reset(left - reach, top - reach, right - left + 2 * reach + 1,
                        bottom - top + 2 * reach + 1);
}

// A dot of the pen's width, or a single pixel for the thinnest pen.
void DotPainter::DrawDot(wxDC& dc, int x, int y) {
    if (m_wide) {
        dc.DrawLine(x, y, x, y);
    } else {
        dc.DrawPoint(x, y);
    }
}

// A run of round dots is the pen's stroke along it; a run of single pixels is a filled
// one-pixel-wide rectangle, since a thin line would shade its ends.
void DotPainter::DrawRuns(wxDC& dc) {
    const std::vector<DotCoverage::Run> runs = m_dots.Runs();
    if (m_wide) {
        for (const DotCoverage::Run& run : runs) {
            dc.DrawLine(run.x, run.top, run.x, run.bottom);
        }
        return;
    }
    const wxPen pen = dc.GetPen();
    const wxBrush brush = dc.GetBrush();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(pen.GetColour()));
    for (const DotCoverage::Run& run : runs) {
        dc.DrawRectangle(run.x, run.top, 1, run.bottom - run.top + 1);
    }
    dc.SetPen(pen);
    dc.SetBrush(brush);
}
