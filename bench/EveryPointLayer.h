#pragma once
#include "plot/PlotLayer.h"

#include <vector>

// The yardstick of points mode: every sample drawn with its own device-context call, a
// single pixel for the thinnest pen, else a dot of the pen's width.
class EveryPointLayer : public PlotLayer {
public:
    EveryPointLayer(const std::vector<float>& xs, const std::vector<float>& ys);

    void Draw(wxDC& dc, PlotWindow& window) override;

private:
    const std::vector<float>& m_xs;
    const std::vector<float>& m_ys;
};
