#pragma once
#include <wx/string.h>

#include <cmath>

// The tick values of one axis: a power of 5 of the data unit as the step, so that ticks lie
// between about 26 and 128 pixels apart, starting just below the visible range.
class AxisTicks {
public:
    // scale in pixels per unit, centre the data value at the plot centre, halfSpan in pixels.
    AxisTicks(double scale, double centre, double halfSpan);

    // False when the scale cannot give a usable step (zero, negative, not finite).
    bool IsValid() const { return m_valid; }
    int Digits() const { return m_digits; }
    double Step() const { return m_step; }
    double First() const { return m_first; }

    // The label of a value tick: whole numbers when the step is 5 or more, else one decimal.
    static wxString ValueLabel(double value, int stepDigits);

    // Visits every tick value from the first one while it stays below limit.
    template <class Visit> void ForEach(double limit, Visit visit) const {
        if (!m_valid) {
            return;
        }
        constexpr int maxTicks = 100000;
        double value = m_first;
        for (int count = 0; value < limit && count < maxTicks; ++count) {
            // Repeated adding leaves a trace of rounding where the axis crosses zero; that tick
            // is zero, not "-0.0".
            visit(std::fabs(value) < m_step * 1e-6 ? 0.0 : value);
            double next = value + m_step;
            if (!(next > value)) {
                break; // the step is lost in the magnitude of the value
            }
            value = next;
        }
    }

private:
    bool m_valid = false;
    int m_digits = 0;
    double m_step = 1.0;
    double m_first = 0.0;
};
