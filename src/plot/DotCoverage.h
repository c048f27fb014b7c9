#pragma once
#include <cstdint>
#include <vector>

// The pixels of an area that already carry a dot, so that a dot landing on one of them is
// not drawn again, and the vertical runs the marked pixels form, so that each run can be
// drawn at once. Coordinates are those of the drawing (logical units).
class DotCoverage {
public:
    struct Run {
        int x;
        int top;
        int bottom; // inclusive
    };

    // The area is left <= x < left + width, top <= y < top + height; all unmarked. False when
    // the area is empty or larger than kMostPixels (the caller then draws without it).
    bool Reset(int left, int top, int width, int height);

    bool Contains(int x, int y) const {
        return x >= m_left && y >= m_top && x - m_left < m_width && y - m_top < m_height;
    }
    // Marks the pixel; false when it was marked already or lies outside the area.
    bool Mark(int x, int y) {
        if (!Contains(x, y)) {
            return false;
        }
        const int column = x - m_left;
        const int row = y - m_top;
        std::uint8_t& cell =
            m_cells[static_cast<std::size_t>(column) * static_cast<std::size_t>(m_height) + row];
        if (cell != 0) {
            return false;
        }
        cell = 1;
        ColumnSpan& span = m_spans[static_cast<std::size_t>(column)];
        if (span.first > row) {
            span.first = row;
        }
        if (span.last < row) {
            span.last = row;
        }
        return true;
    }

    // The runs of marked pixels, column by column from the left, top to bottom in a column.
    std::vector<Run> Runs() const;

    static constexpr long long kMostPixels = 16LL << 20;

private:
    struct ColumnSpan {
        int first;
        int last;
    };

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_cells; // column after column
    std::vector<ColumnSpan> m_spans;   // the marked rows' range of each column
};
