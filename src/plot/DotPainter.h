#pragma once
#include "plot/DotCoverage.h"

#include <wx/dc.h>

// Draws the points of a series as dots of the pen's width, each pixel at most once: a dot on
// a pixel that already has one costs no drawing call, and with a solid pen at one device
// pixel per unit the dots of one pixel column that touch are drawn together as one run.
class DotPainter {
public:
    // Starts a drawing pass on dc with its current pen.
    void Begin(wxDC& dc);
    void Add(wxDC& dc, int x, int y) {
        if (m_covered) {
            if (m_dots.Mark(x, y) && !m_merged) {
                DrawDot(dc, x, y);
            }
            return;
        }
        // Without a coverage only a repeated dot is known to be a repeat.
        if (!m_hasLast || x != m_lastX || y != m_lastY) {
            DrawDot(dc, x, y);
        }
        m_hasLast = true;
        m_lastX = x;
        m_lastY = y;
    }
    // Draws what is left of the pass.
    void Finish(wxDC& dc);

private:
    bool CoverVisibleArea(wxDC& dc);
    void DrawDot(wxDC& dc, int x, int y);
    void DrawRuns(wxDC& dc);

    DotCoverage m_dots;
    bool m_covered = false;
    bool m_merged = false;
    bool m_wide = false;
    bool m_hasLast = false;
    int m_lastX = 0;
    int m_lastY = 0;
};
