#pragma once
#include <chrono>
#include <string>
#include <vector>

// The figures of one benchmark program: collected while it runs, printed at its end as one
// machine-readable line each, "RESULT <key> <value> <unit>".
class BenchResults {
public:
    using Clock = std::chrono::steady_clock;

    static double SecondsSince(Clock::time_point start);
    static double Median(std::vector<double> values);
    static double Best(const std::vector<double>& values);

    void Add(const std::string& key, double value, const std::string& unit);
    void Print() const;

private:
    struct Figure {
        std::string key;
        double value;
        std::string unit;
    };
    std::vector<Figure> m_figures;
};
