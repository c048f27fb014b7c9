// Downloads a full 128 KiB logger memory from the simulated logger (no transfer latency) and
// prints the times: what the program itself spends on reading, decoding and building.

#include "SimulatedLogger.h"
#include "app/AppSettings.h"
#include "device/LoggerUsb.h"
#include "device/MemoryDownload.h"

#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const int kRuns = 10;
const int kEvents = 10;
const int kSamplesPerEvent = 4360; // ten events fill the memory up to the table

using Clock = std::chrono::steady_clock;

} // namespace

int main() {
    wxInitializer initializer;
    if (!initializer.IsOk()) {
        std::fprintf(stderr, "cannot start the benchmark\n");
        return 1;
    }
    SimulatedLogger::Options options;
    options.events = kEvents;
    options.eventSamples = kSamplesPerEvent;
    options.clock = "2011-12-25 09:05:07";
    options.frozenTime = true;
    SimulatedLogger::Configure(options);

    LoggerUsb usb;
    std::vector<double> times;
    std::size_t samples = 0;
    int transfers = 0;
    std::printf("%-6s %10s %10s %10s\n", "run", "ms", "samples", "transfers");
    for (int run = 1; run <= kRuns; ++run) {
        AppSettingsBlock settings;
        SimulatedLogger::ClearLog();
        const Clock::time_point start = Clock::now();
        MemoryDownload download(usb);
        const MemoryDownload::Outcome outcome = download.Run(settings, [] {});
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (outcome != MemoryDownload::Outcome::Done) {
            std::fprintf(stderr, "the download failed\n");
            return 1;
        }
        samples = 0;
        for (const Storage& record : download.Records()) {
            samples += record.GetSampleCount();
        }
        transfers = static_cast<int>(SimulatedLogger::Log().size());
        times.push_back(ms);
        std::printf("%-6d %10.2f %10zu %10d\n", run, ms, samples, transfers);
    }
    std::sort(times.begin(), times.end());
    std::printf("memory read: %zu bytes of samples in %d events\n", 3 * samples, kEvents);
    std::printf("RESULT download_full_ms %.2f ms\n", times[times.size() / 2]);
    return 0;
}
