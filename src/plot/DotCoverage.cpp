#include "plot/DotCoverage.h"

#include <algorithm>

bool DotCoverage::Reset(int left, int top, int width, int height) {
    m_width = 0;
    m_height = 0;
    if (width <= 0 || height <= 0 ||
        static_cast<long long>(width) * static_cast<long long>(height) > kMostPixels) {
        return false;
    }
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    m_cells.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    m_spans.assign(static_cast<std::size_t>(width), ColumnSpan{height, -1});
    return true;
}

std::vector<DotCoverage::Run> DotCoverage::Runs() const {
    std::vector<Run> runs;
    for (int column = 0; column < m_width; ++column) {
        const ColumnSpan& span = m_spans[static_cast<std::size_t>(column)];
        const std::uint8_t* cells =
            m_cells.data() + static_cast<std::size_t>(column) * static_cast<std::size_t>(m_height);
        int row = span.first;
        while (row <= span.last) {
            if (cells[row] == 0) {
                ++row;
                continue;
            }
            const int start = row;
            while (row <= span.last && cells[row] != 0) {
                ++row;
            }
            runs.push_back(Run{m_left + column, m_top + start, m_top + row - 1});
        }
    }
    return runs;
}
