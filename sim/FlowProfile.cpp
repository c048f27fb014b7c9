#include "FlowProfile.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double PressureDropPerFlowSquared = 0.012; // psi per (l/min)^2
constexpr int MaxFlow = 0x3FFF;
constexpr int MaxPressure = 0x3FF;
} // namespace

FlowProfile::FlowProfile(std::uint32_t seed, int pressureZero, double countsPerPsi)
    : m_random(seed), m_pressureZero(pressureZero), m_countsPerPsi(countsPerPsi) {
    m_staticPsi = Uniform(52, 72);
}

int FlowProfile::Uniform(int low, int high) {
    // Plain modulo keeps the sequence identical across standard libraries.
    return low + static_cast<int>(m_random() % static_cast<std::uint32_t>(high - low + 1));
}

double FlowProfile::Noise(double amplitude) {
    return amplitude * (static_cast<double>(m_random() % 2001) / 1000.0 - 1.0);
}

FlowProfile::Sample FlowProfile::Make(double flow) {
    const double noisyFlow = flow > 0.5 ? flow + Noise(0.8) : 0.0;
    const int rawFlow = std::clamp(static_cast<int>(std::lround(noisyFlow)), 0, MaxFlow);
    m_staticPsi = std::clamp(m_staticPsi + Noise(0.05), 45.0, 80.0);
    const double psi =
        m_staticPsi - PressureDropPerFlowSquared * noisyFlow * noisyFlow + Noise(0.4);
    const int rawPressure = std::clamp(
        static_cast<int>(std::lround(m_pressureZero + std::max(psi, 0.0) * m_countsPerPsi)), 0,
        MaxPressure);
    return {rawFlow, rawPressure};
}

std::vector<FlowProfile::Sample> FlowProfile::Event(int count) {
    std::vector<Sample> samples;
    samples.reserve(count);
    const int rampUp = std::max(1, count / Uniform(8, 15));
    const int rampDown = std::max(1, count / Uniform(10, 20));
    const int tail = std::max(0, count / 20);
    const int body = std::max(0, count - rampUp - rampDown - tail);
    const double first = Uniform(8, 35);
    const double second = Uniform(0, 2) == 0 ? first : Uniform(5, 40);
    const int stepAt = Uniform(body / 3, std::max(body / 3, 2 * body / 3));
    for (int k = 0; k < count; ++k) {
        double flow;
        if (k < rampUp) {
            flow = first * (k + 1) / rampUp;
        } else if (k < rampUp + body) {
            flow = (k - rampUp) < stepAt ? first : second;
        } else if (k < rampUp + body + rampDown) {
            flow = second * (rampUp + body + rampDown - k - 1) / rampDown;
        } else {
            flow = 0;
        }
        samples.push_back(Make(flow));
    }
    return samples;
}

void FlowProfile::PlanSegment() {
    // Alternate between taps open (a plateau) and closed (rest), with ramps between them.
    m_target = m_target > 0 ? (Uniform(0, 2) == 0 ? 0.0 : Uniform(5, 40)) : Uniform(5, 40);
    const int rampLength = Uniform(3, 10);
    m_step = (m_target - m_flow) / rampLength;
    m_remaining = rampLength + Uniform(10, 60);
}

FlowProfile::Sample FlowProfile::Next() {
    if (m_remaining <= 0) {
        PlanSegment();
    }
    --m_remaining;
    if ((m_step > 0 && m_flow < m_target) || (m_step < 0 && m_flow > m_target)) {
        m_flow += m_step;
        m_flow = m_step > 0 ? std::min(m_flow, m_target) : std::max(m_flow, m_target);
    }
    return Make(m_flow);
}

void FlowProfile::Encode(const Sample& sample, unsigned char* bytes) {
    bytes[0] = static_cast<unsigned char>(sample.flow & 0xFF);
    bytes[1] = static_cast<unsigned char>(((sample.flow >> 8) & 0x3F) |
                                          ((sample.pressure >> 8) & 0x03) << 6);
    bytes[2] = static_cast<unsigned char>(sample.pressure & 0xFF);
}
