// A live recording of 24 hours at the fastest sample period (100 ms, 864,000 samples) through
// the live-recording core on the simulated logger with frozen time: one live read a second,
// as the window's timer reads. Prints the tick time near the start, the middle and the end,
// and the memory the recording takes, which must grow with its samples only.

#include "BenchResults.h"
#include "SimulatedLogger.h"
#include "app/AppSettings.h"
#include "device/HeaderReader.h"
#include "device/LiveRecording.h"
#include "device/LoggerUsb.h"

#include <wx/init.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

const int kSamples = 864000;          // 24 hours at 100 ms
const std::uint16_t kReload = 0xFE67; // 100 ms
const int kTickMs = 1000;
const int kWindowTicks = 1000; // ticks timed at each of the three points

using Clock = BenchResults::Clock;

std::size_t RecordBytes(const Storage& record) {
    return sizeof(float) * (record.GetTimes().capacity() + record.GetFlows().capacity() +
                            record.GetPressures().capacity() + record.GetVolumes().capacity());
}

// Resident memory of the whole process, from /proc.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}

struct Point {
    const char* name;
    int fromSample; // the window of ticks starts once the record holds this many samples
    std::vector<double> ticksUs;
    int samples = 0;
    double recordMb = 0.0;
    double residentMb = 0.0;
};

} // namespace

int main() {
    wxInitializer initializer;
    if (!initializer.IsOk()) {
        std::fprintf(stderr, "cannot start the benchmark\n");
        return 1;
    }
    SimulatedLogger::Options options;
    options.clock = "2011-12-25 09:05:07";
    options.frozenTime = true;
    options.sampleReload = kReload;
    SimulatedLogger::Configure(options);

    LoggerUsb usb;
    AppSettingsBlock settings;
    const HeaderRead header = HeaderReader::Read(usb);
    HeaderReader::Apply(header, settings);
    if (!header.ok || header.header.SamplePeriodMs() != 100 || !usb.SetLogging(1)) {
        std::fprintf(stderr, "the simulated logger did not start live logging at 100 ms\n");
        return 1;
    }
    Storage record = LiveRecording::NewRecord(header, settings, wxDateTime::Now(), 1);
    const double residentBefore = ResidentMb();

    const int windowSamples = kWindowTicks * (kTickMs / 100);
    Point points[] = {{"start", 0, {}},
                      {"middle", kSamples / 2 - windowSamples / 2, {}},
                      {"end", kSamples - windowSamples, {}}};
    int ticks = 0;
    const Clock::time_point start = Clock::now();
    while (record.GetSampleCount() < kSamples) {
        SimulatedLogger::AdvanceTime(kTickMs);
        const Clock::time_point tickStart = Clock::now();
        const unsigned char* block = usb.ReadLive();
        if (block == nullptr) {
            std::fprintf(stderr, "the live read failed at tick %d\n", ticks);
            return 1;
        }
        LiveRecording::AppendBlock(record, block);
        const double us =
            std::chrono::duration<double, std::micro>(Clock::now() - tickStart).count();
        ++ticks;
        if (ticks % kWindowTicks == 0) {
            SimulatedLogger::ClearLog(); // the simulator's wire log is not the program's memory
        }
        for (Point& point : points) {
            if (record.GetSampleCount() > point.fromSample &&
                static_cast<int>(point.ticksUs.size()) < kWindowTicks) {
                point.ticksUs.push_back(us);
                point.samples = record.GetSampleCount();
                point.recordMb = RecordBytes(record) / 1e6;
                point.residentMb = ResidentMb() - residentBefore;
            }
        }
    }
    const double seconds = BenchResults::SecondsSince(start);
    usb.SetLogging(0);

    std::printf("%-8s %12s %14s %12s %14s\n", "point", "samples", "tick us (med)", "record MB",
                "resident +MB");
    for (const Point& point : points) {
        std::printf("%-8s %12d %14.2f %12.2f %14.2f\n", point.name, point.samples,
                    BenchResults::Median(point.ticksUs), point.recordMb, point.residentMb);
    }
    const double recordMb = RecordBytes(record) / 1e6;
    std::printf("%d ticks, %d samples in %.2f s; the series hold %.2f MB\n", ticks,
                record.GetSampleCount(), seconds, recordMb);

    BenchResults results;
    results.Add("live_day_tick_start_us", BenchResults::Median(points[0].ticksUs), "us");
    results.Add("live_day_tick_middle_us", BenchResults::Median(points[1].ticksUs), "us");
    results.Add("live_day_tick_end_us", BenchResults::Median(points[2].ticksUs), "us");
    results.Add("live_day_memory_mb", recordMb, "MB");
    results.Add("live_day_bytes_per_sample",
                static_cast<double>(RecordBytes(record)) / record.GetSampleCount(), "B");
    results.Add("live_day_resident_growth_mb", ResidentMb() - residentBefore, "MB");
    results.Print();
    return 0;
}
