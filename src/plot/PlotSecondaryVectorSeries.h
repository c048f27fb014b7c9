#pragma once
#include "plot/PlotSampleData.h"
#include "plot/PlotSecondarySeries.h"

#include <vector>

// A series on the secondary (right-hand) scale that holds its own copy of the samples.
class PlotSecondaryVectorSeries : public PlotSecondarySeries {
public:
    PlotSecondaryVectorSeries(const wxString& name = wxEmptyString, int flags = 0);

    void SetData(const std::vector<float>& xs, const std::vector<float>& ys, double minTop);
    void SetData3(const std::vector<float>& xs, const std::vector<float>& ys,
                  const std::vector<float>& zs, double minTop);
    void SetData2(const std::vector<float>& xs, const std::vector<float>& ys);
    // Takes only the samples past the ones held, for data that grew at its end.
    void Append(const std::vector<float>& xs, const std::vector<float>& ys,
                const std::vector<float>& zs, double minTop);

    void RestartPoints() override { m_data.Restart(); }
    bool NextPoint(double& x, double& y) override { return m_data.Next(x, y); }
    bool PointAt(double& x, double& y, double& z, int index) override {
        return m_data.At(x, y, z, index);
    }
    int PointCount() override { return m_data.Count(); }

    double BoundMinX() override { return m_data.MinX(); }
    double BoundMaxX() override { return m_data.MaxX(); }
    double BoundMinY() override { return m_data.MinY(); }
    double BoundMaxY() override { return m_data.MaxY(); }

private:
    PlotSampleData m_data;

    wxDECLARE_DYNAMIC_CLASS(PlotSecondaryVectorSeries);
};
