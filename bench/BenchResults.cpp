#include "BenchResults.h"

#include <algorithm>
#include <cstdio>

double BenchResults::SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double BenchResults::Median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double BenchResults::Best(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

void BenchResults::Add(const std::string& key, double value, const std::string& unit) {
    m_figures.push_back({key, value, unit});
}

void BenchResults::Print() const {
    for (const Figure& figure : m_figures) {
        std::printf("RESULT %s %.6g %s\n", figure.key.c_str(), figure.value, figure.unit.c_str());
    }
    std::fflush(stdout);
}
