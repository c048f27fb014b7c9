// What the crash journal costs a live tick: one block appended and flushed with fdatasync, for
// a tick of one sample (1 s period) and a full tick of 74 samples. The journal lives in a
// temporary folder on the same file system as /tmp.

#include "BenchResults.h"
#include "device/LiveJournal.h"
#include "records/Storage.h"

#include <wx/init.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

const int kTicks = 500;

std::vector<unsigned char> Block(int samples) {
    std::vector<unsigned char> block(223);
    block[0] = static_cast<unsigned char>(samples * 3);
    for (int i = 1; i <= samples * 3; ++i) {
        block[i] = static_cast<unsigned char>(i * 7);
    }
    return block;
}

// Milliseconds per append, median and worst, over kTicks ticks.
bool TimeTicks(const wxString& folder, int samples, double& median, double& worst) {
    Storage record("11/12/2026 15:45:00", 1000, 1, false, 0, 0);
    record.SetTitle("Live 1");
    LiveJournal journal;
    wxString error;
    if (!journal.Create(folder, record, error)) {
        std::fprintf(stderr, "cannot create the journal: %s\n",
                     static_cast<const char*>(error.utf8_str()));
        return false;
    }
    const std::vector<unsigned char> block = Block(samples);
    std::vector<double> times;
    for (int tick = 0; tick < kTicks; ++tick) {
        const BenchResults::Clock::time_point start = BenchResults::Clock::now();
        if (!journal.AppendTick(block.data())) {
            std::fprintf(stderr, "append failed\n");
            return false;
        }
        times.push_back(BenchResults::SecondsSince(start) * 1000.0);
    }
    journal.Remove();
    median = BenchResults::Median(times);
    worst = *std::max_element(times.begin(), times.end());
    return true;
}

} // namespace

int main() {
    wxInitializer initializer;
    char pattern[] = "/tmp/dextrel-journal-bench-XXXXXX";
    if (!initializer.IsOk() || mkdtemp(pattern) == nullptr) {
        std::fprintf(stderr, "cannot start the benchmark\n");
        return 1;
    }
    const wxString folder = wxString::FromUTF8(pattern);
    BenchResults results;
    std::printf("%-22s %12s %12s %10s\n", "tick", "median ms", "worst ms", "bytes");
    for (int samples : {1, 74}) {
        double median = 0;
        double worst = 0;
        if (!TimeTicks(folder, samples, median, worst)) {
            return 1;
        }
        const int bytes = 2 + 1 + samples * 3 + 4;
        std::printf("%2d sample(s), %4d ticks %12.3f %12.3f %10d\n", samples, kTicks, median, worst,
                    bytes);
        const std::string key = "journal_tick_" + std::to_string(samples) + "_samples";
        results.Add(key + "_ms", median, "ms");
        results.Add(key + "_worst_ms", worst, "ms");
    }
    std::filesystem::remove_all(pattern);
    results.Print();
    return 0;
}
