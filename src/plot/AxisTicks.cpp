#include "plot/AxisTicks.h"

#include <cmath>

namespace {
// ln 5 cut to nine decimals; the steps are used exactly as this constant gives them.
constexpr double kLogFive = 1.609437912;
} // namespace

AxisTicks::AxisTicks(double scale, double centre, double halfSpan) {
    if (!(scale > 0.0) || !std::isfinite(scale) || !std::isfinite(centre)) {
        return;
    }
    double digits = std::floor(std::log(128.0 / scale) / kLogFive);
    if (!std::isfinite(digits) || std::fabs(digits) > 400.0) {
        return;
    }
    m_digits = static_cast<int>(digits);
    m_step = std::exp(m_digits * kLogFive);
    if (!(m_step > 0.0) || !std::isfinite(m_step)) {
        return;
    }
    m_first = std::floor((centre - halfSpan / scale) / m_step) * m_step;
    m_valid = std::isfinite(m_first);
}

wxString AxisTicks::ValueLabel(double value, int stepDigits) {
    return wxString::Format(stepDigits >= 1 ? "%.f" : "%.1f", value);
}
