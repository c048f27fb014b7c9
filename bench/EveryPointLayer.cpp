#include "EveryPointLayer.h"

#include "plot/PlotWindow.h"

#include <wx/dc.h>

EveryPointLayer::EveryPointLayer(const std::vector<float>& xs, const std::vector<float>& ys)
    : PlotLayer(wxEmptyString, KindPrimarySeries), m_xs(xs), m_ys(ys) {}

void EveryPointLayer::Draw(wxDC& dc, PlotWindow& window) {
    dc.SetPen(GetPen());
    const bool wide = GetPen().GetWidth() > 1;
    for (std::size_t i = 0; i < m_xs.size(); ++i) {
        const int px = window.DeviceX(m_xs[i]);
        const int py = window.DeviceY(m_ys[i]);
        if (wide) {
            dc.DrawLine(px, py, px, py);
        } else {
            dc.DrawPoint(px, py);
        }
    }
}
