#include "plot/PlotSampleData.h"

#include <algorithm>

void PlotSampleData::SetData(const std::vector<float>& xs, const std::vector<float>& ys,
                             double minTop) {
    m_xs = xs;
    m_ys = ys;
    ComputeBounds(minTop);
}

void PlotSampleData::SetData3(const std::vector<float>& xs, const std::vector<float>& ys,
                              const std::vector<float>& zs, double minTop) {
    m_xs = xs;
    m_ys = ys;
    m_zs = zs;
    ComputeBounds(minTop);
}

void PlotSampleData::SetData2(const std::vector<float>& xs, const std::vector<float>& ys) {
    m_xs = xs;
    m_ys = ys;
    m_zs.clear();
    ComputeBounds(kNoMinimumTop);
}

void PlotSampleData::ComputeBounds(double minTop) {
    m_count = std::min(m_xs.size(), m_ys.size());
    m_position = 0;
    if (m_count == 0) {
        m_minX = -1.0, m_maxX = 1.0, m_minY = -1.0, m_maxY = 1.0;
        return;
    }
    auto xRange = std::minmax_element(m_xs.begin(), m_xs.begin() + m_count);
    auto yRange = std::minmax_element(m_ys.begin(), m_ys.end());
    m_minX = *xRange.first - 0.5;
    m_maxX = *xRange.second + 0.5;
    m_minY = *yRange.first - 0.5;
    m_maxY = *yRange.second + 0.5;
    if (minTop > m_maxY) {
        m_maxY = minTop + 0.5;
    }
}

bool PlotSampleData::At(double& x, double& y, double& z, int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_count) {
        return false;
    }
    x = m_xs[index];
    y = m_ys[index];
    z = static_cast<std::size_t>(index) < m_zs.size() ? m_zs[index] : -1.0;
    return true;
}
