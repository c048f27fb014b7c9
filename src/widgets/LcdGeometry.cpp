#include "widgets/LcdGeometry.h"

#include <algorithm>

LcdGeometry::LcdGeometry(int segmentLength, int segmentThickness, int gap, int digitCount)
    : m_length(segmentLength), m_thickness(segmentThickness), m_gap(gap),
      m_digitCount(std::max(digitCount, 0)) {}

wxPoint LcdGeometry::CellOrigin(int cell) const {
    return wxPoint(DrawingWidth() - CellWidth() * (cell + 1), m_gap);
}

std::vector<wxPoint> LcdGeometry::SegmentCorners(int segment, const wxPoint& origin) const {
    const int x = origin.x;
    const int y = origin.y;
    const int l = m_length;
    const int w = m_thickness;
    const int h = m_thickness / 2;
    switch (segment) {
    case 0: // top
        return {{x, y}, {x + l, y}, {x + l - w, y + w}, {x + w, y + w}};
    case 1: // upper left
        return {{x, y}, {x, y + l}, {x + w, y + l - h}, {x + w, y + w}};
    case 2: // upper right
        return {{x + l - w, y + w}, {x + l, y}, {x + l, y + l}, {x + l - w, y + l - h}};
    case 3: // lower left
        return {{x, y + l}, {x, y + 2 * l}, {x + w, y + 2 * l - w}, {x + w, y + l + w - h}};
    case 4: // lower right
        return {
            {x + l - w, y + l + h}, {x + l, y + l}, {x + l, y + 2 * l}, {x + l - w, y + 2 * l - w}};
    case 5: // bottom
        return {
            {x + w, y + 2 * l - w}, {x + l - w, y + 2 * l - w}, {x + l, y + 2 * l}, {x, y + 2 * l}};
    case 6: // middle
        return {{x, y + l},     {x + w, y + l - h},         {x + l - w, y + l - h},
                {x + l, y + l}, {x + l - w, y + l + w - h}, {x + w, y + l + w - h}};
    default:
        return {};
    }
}

wxRect LcdGeometry::PointBox(const wxPoint& origin) const {
    return wxRect(origin.x + m_length + 1, origin.y + 2 * m_length - m_thickness, m_thickness,
                  m_thickness);
}

wxRect LcdGeometry::ColonDotBox(const wxPoint& origin, int dot) const {
    const int left = origin.x + m_length / 2 - m_thickness;
    const int top = origin.y + m_length / 2 - m_thickness + (dot == 0 ? 0 : m_length);
    return wxRect(left, top, 2 * m_thickness, 2 * m_thickness);
}

LcdGeometry::Fit LcdGeometry::FitInto(const wxSize& client) const {
    if (client.x <= 0 || client.y <= 0 || DrawingWidth() <= 0 || DrawingHeight() <= 0) {
        return Fit{0.0, wxPoint(0, 0)};
    }
    const double scale = std::min(static_cast<double>(client.x) / DrawingWidth(),
                                  static_cast<double>(client.y) / DrawingHeight());
    const int originX = static_cast<int>((client.x - scale * DrawingWidth()) * 0.5);
    const int originY = static_cast<int>((client.y - scale * DrawingHeight()) * 0.5);
    return Fit{scale, wxPoint(originX, originY)};
}
