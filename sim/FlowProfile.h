#pragma once
#include <cstdint>
#include <random>
#include <vector>

// Water flow and pressure that look like a real installation: flow ramps up to a plateau, may
// step to another one, ramps down and rests; pressure sags as flow rises, with a little noise.
// Values are in the logger's raw form: flow in whole units per minute, pressure in counts.
class FlowProfile {
public:
    struct Sample {
        int flow;
        int pressure;
    };

    FlowProfile(std::uint32_t seed, int pressureZero, double countsPerPsi);

    // One whole event of `count` samples, starting and ending near zero flow.
    std::vector<Sample> Event(int count);
    // The next sample of an endless sequence of draws, for live logging.
    Sample Next();

    static void Encode(const Sample& sample, unsigned char* bytes);

private:
    int Uniform(int low, int high);
    double Noise(double amplitude);
    Sample Make(double flow);
    void PlanSegment();

    std::mt19937 m_random;
    int m_pressureZero;
    double m_countsPerPsi;
    double m_staticPsi;
    // Live sequence: current flow heading for a target over a number of samples.
    double m_flow = 0;
    double m_target = 0;
    double m_step = 0;
    int m_remaining = 0;
};
