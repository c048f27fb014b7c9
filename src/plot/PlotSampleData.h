#pragma once
#include <cstddef>
#include <vector>

// The samples of one series (time, value and an optional extra value per sample) with their
// bounds and a read position, shared by the primary and secondary vector series.
class PlotSampleData {
public:
    static constexpr double kNoMinimumTop = -1.0e300;

    // Copies xs and ys and keeps zs; a minTop above the data raises the top bound to it.
    void SetData(const std::vector<float>& xs, const std::vector<float>& ys, double minTop);
    void SetData3(const std::vector<float>& xs, const std::vector<float>& ys,
                  const std::vector<float>& zs, double minTop);
    // Copies xs and ys without extra values and without a minimum top.
    void SetData2(const std::vector<float>& xs, const std::vector<float>& ys);

    // Takes the samples of xs, ys and zs past the ones held, for data that only grew: the held
    // samples must be the start of the given ones. The result equals the matching SetData
    // call's, in time proportional to the new samples. zs may be empty (no extra values).
    void Append(const std::vector<float>& xs, const std::vector<float>& ys,
                const std::vector<float>& zs, double minTop);

    void Restart() { m_position = 0; }
    bool Next(double& x, double& y) {
        if (m_position >= m_count) {
            return false;
        }
        x = m_xs[m_position];
        y = m_ys[m_position];
        ++m_position;
        return true;
    }
    bool At(double& x, double& y, double& z, int index) const;
    int Count() const { return static_cast<int>(m_count); }

    double MinX() const { return m_minX; }
    double MaxX() const { return m_maxX; }
    double MinY() const { return m_minY; }
    double MaxY() const { return m_maxY; }

private:
    void ComputeBounds(double minTop);
    void ExtendRawBounds(std::size_t from);
    void ApplyRawBounds(double minTop);

    std::vector<float> m_xs;
    std::vector<float> m_ys;
    std::vector<float> m_zs;
    // Samples that have both an x and a y; a shorter ys never lets a read run past its end.
    std::size_t m_count = 0;
    unsigned m_position = 0;
    double m_minX = -1.0, m_maxX = 1.0, m_minY = -1.0, m_maxY = 1.0;
    // The extremes of the held samples, before the margins and the minimum top.
    float m_lowX = 0.0f, m_highX = 0.0f, m_lowY = 0.0f, m_highY = 0.0f;
};
