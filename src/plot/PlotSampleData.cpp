#include "plot/PlotSampleData.h"

#include <algorithm>

namespace {

// Copies the samples with room for as many as the source has room for: a recording that grows
// (a live one) then moves the copy only when it moves its own samples.
void CopyWithRoom(std::vector<float>& copy, const std::vector<float>& source) {
    copy.clear();
    copy.reserve(source.capacity());
    copy.assign(source.begin(), source.end());
}

} // namespace

void PlotSampleData::SetData(const std::vector<float>& xs, const std::vector<float>& ys,
                             double minTop) {
    CopyWithRoom(m_xs, xs);
    CopyWithRoom(m_ys, ys);
    ComputeBounds(minTop);
}

void PlotSampleData::SetData3(const std::vector<float>& xs, const std::vector<float>& ys,
                              const std::vector<float>& zs, double minTop) {
    CopyWithRoom(m_xs, xs);
    CopyWithRoom(m_ys, ys);
    CopyWithRoom(m_zs, zs);
    ComputeBounds(minTop);
}

void PlotSampleData::SetData2(const std::vector<float>& xs, const std::vector<float>& ys) {
    CopyWithRoom(m_xs, xs);
    CopyWithRoom(m_ys, ys);
    m_zs.clear();
    ComputeBounds(kNoMinimumTop);
}

void PlotSampleData::Append(const std::vector<float>& xs, const std::vector<float>& ys,
                            const std::vector<float>& zs, double minTop) {
    const std::size_t held = m_count;
    m_xs.insert(m_xs.end(), xs.begin() + std::min(m_xs.size(), xs.size()), xs.end());
    m_ys.insert(m_ys.end(), ys.begin() + std::min(m_ys.size(), ys.size()), ys.end());
    m_zs.insert(m_zs.end(), zs.begin() + std::min(m_zs.size(), zs.size()), zs.end());
    m_count = std::min(m_xs.size(), m_ys.size());
    m_position = 0;
    if (held == 0) {
        ComputeBounds(minTop);
        return;
    }
    ExtendRawBounds(held);
    ApplyRawBounds(minTop);
}

void PlotSampleData::ComputeBounds(double minTop) {
    m_count = std::min(m_xs.size(), m_ys.size());
    m_position = 0;
    if (m_count == 0) {
        m_minX = -1.0, m_maxX = 1.0, m_minY = -1.0, m_maxY = 1.0;
        return;
    }
    m_lowX = m_highX = m_xs.front();
    m_lowY = m_highY = m_ys.front();
    ExtendRawBounds(1);
    ApplyRawBounds(minTop);
}

// Widens the extremes by the samples from index from on: only what grew is looked at.
void PlotSampleData::ExtendRawBounds(std::size_t from) {
    for (std::size_t i = from; i < m_count; ++i) {
        m_lowX = std::min(m_lowX, m_xs[i]);
        m_highX = std::max(m_highX, m_xs[i]);
        m_lowY = std::min(m_lowY, m_ys[i]);
        m_highY = std::max(m_highY, m_ys[i]);
    }
}

void PlotSampleData::ApplyRawBounds(double minTop) {
    m_minX = m_lowX - 0.5;
    m_maxX = m_highX + 0.5;
    m_minY = m_lowY - 0.5;
    m_maxY = m_highY + 0.5;
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
