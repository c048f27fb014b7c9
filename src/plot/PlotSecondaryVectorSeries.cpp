#include "plot/PlotSecondaryVectorSeries.h"

wxIMPLEMENT_DYNAMIC_CLASS(PlotSecondaryVectorSeries, PlotSecondarySeries);

PlotSecondaryVectorSeries::PlotSecondaryVectorSeries(const wxString& name, int flags)
    : PlotSecondarySeries(name, flags) {}

void PlotSecondaryVectorSeries::SetData(const std::vector<float>& xs, const std::vector<float>& ys,
                                        double minTop) {
    m_data.SetData(xs, ys, minTop);
}

void PlotSecondaryVectorSeries::SetData3(const std::vector<float>& xs, const std::vector<float>& ys,
                                         const std::vector<float>& zs, double minTop) {
    m_data.SetData3(xs, ys, zs, minTop);
}

void PlotSecondaryVectorSeries::SetData2(const std::vector<float>& xs,
                                         const std::vector<float>& ys) {
    m_data.SetData2(xs, ys);
}

void PlotSecondaryVectorSeries::Append(const std::vector<float>& xs, const std::vector<float>& ys,
                                       const std::vector<float>& zs, double minTop) {
    m_data.Append(xs, ys, zs, minTop);
}
