#pragma once
#include <wx/gdicmn.h>

#include <vector>

// Where the segments of a seven-segment display lie, in drawing units, and how the drawing
// is scaled and centred into a window. Window-free, so the layout is checked without a screen.
class LcdGeometry {
public:
    static const int kPointSegment = 7;

    LcdGeometry(int segmentLength, int segmentThickness, int gap, int digitCount);

    int CellWidth() const { return m_length + m_thickness + m_gap; }
    int CellHeight() const { return 2 * (m_gap + m_length); }
    int DrawingWidth() const { return CellWidth() * m_digitCount + m_gap; }
    int DrawingHeight() const { return CellHeight(); }

    // Cells are counted from the right, starting at 0.
    wxPoint CellOrigin(int cell) const;

    // The corners of segment 0 to 6 of the cell at origin.
    std::vector<wxPoint> SegmentCorners(int segment, const wxPoint& origin) const;

    // Bounding boxes of the round decimal point and of the colon's two dots (0 upper, 1 lower).
    wxRect PointBox(const wxPoint& origin) const;
    wxRect ColonDotBox(const wxPoint& origin, int dot) const;

    // The largest scale that fits the whole drawing into a client area, keeping its aspect
    // ratio, and the device origin that centres it. A scale of 0 means nothing fits.
    struct Fit {
        double scale;
        wxPoint origin;
    };
    Fit FitInto(const wxSize& client) const;

private:
    int m_length;
    int m_thickness;
    int m_gap;
    int m_digitCount;
};
