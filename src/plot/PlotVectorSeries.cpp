#include "plot/PlotVectorSeries.h"

wxIMPLEMENT_DYNAMIC_CLASS(PlotVectorSeries, PlotSeries);

PlotVectorSeries::PlotVectorSeries(const wxString& name, int flags) : PlotSeries(name, flags) {}

void PlotVectorSeries::SetData(const std::vector<float>& xs, const std::vector<float>& ys,
                               double minTop) {
    m_data.SetData(xs, ys, minTop);
}

void PlotVectorSeries::SetData3(const std::vector<float>& xs, const std::vector<float>& ys,
                                const std::vector<float>& zs, double minTop) {
    m_data.SetData3(xs, ys, zs, minTop);
}

void PlotVectorSeries::SetData2(const std::vector<float>& xs, const std::vector<float>& ys) {
    m_data.SetData2(xs, ys);
}

void PlotVectorSeries::Append(const std::vector<float>& xs, const std::vector<float>& ys,
                              const std::vector<float>& zs, double minTop) {
    m_data.Append(xs, ys, zs, minTop);
}
