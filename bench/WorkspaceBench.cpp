// Writes, reads back and exports a workspace of 1,000,000 samples and prints the times.

#include "files/CsvExport.h"
#include "files/WorkspaceFile.h"
#include "records/Storage.h"

#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const int kRecordCount = 10;
const int kSamplesPerRecord = 100000;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<Storage> BuildRecordings() {
    std::vector<Storage> records;
    for (int r = 0; r < kRecordCount; ++r) {
        Storage record("05/03/2012 14:30:05", 250, 1, false, r % 4, r + 1);
        record.SetTitle(wxString::Format("Memorie %d", r + 1));
        record.SetPressureCalibration(12, 10, 25, 98);
        for (int i = 0; i < kSamplesPerRecord; ++i) {
            record.AddRawSample((i * 7919LL) % 4000, 12 + (i * 104729LL) % 1000);
        }
        records.push_back(record);
    }
    return records;
}

void Report(const char* step, double seconds, std::uintmax_t bytes) {
    const double samples = static_cast<double>(kRecordCount) * kSamplesPerRecord;
    std::printf("%-28s %8.3f s  %8.2f Msamples/s  %8.1f MB\n", step, seconds,
                samples / seconds / 1e6, static_cast<double>(bytes) / 1e6);
}

} // namespace

int main() {
    wxInitializer initializer;
    char pattern[] = "/tmp/dextrel-bench-XXXXXX";
    if (!initializer.IsOk() || mkdtemp(pattern) == nullptr) {
        std::fprintf(stderr, "cannot start the benchmark\n");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    const wxString workspace = wxString::FromUTF8((folder / "bench.vrx").string());
    std::printf("%d recordings x %d samples = %d samples\n", kRecordCount, kSamplesPerRecord,
                kRecordCount * kSamplesPerRecord);

    Clock::time_point start = Clock::now();
    std::vector<Storage> records = BuildRecordings();
    Report("build (AddRawSample)", SecondsSince(start), 0);

    wxString error;
    start = Clock::now();
    bool ok = WorkspaceFile::Write(workspace, records, 0, error);
    Report("write workspace", SecondsSince(start),
           std::filesystem::file_size(workspace.ToStdString()));

    start = Clock::now();
    const WorkspaceReadResult result = WorkspaceFile::Read(workspace);
    Report("read workspace", SecondsSince(start),
           std::filesystem::file_size(workspace.ToStdString()));
    ok = ok && result.ok && result.records.size() == records.size();

    start = Clock::now();
    std::uintmax_t csvBytes = 0;
    for (size_t i = 0; i < result.records.size() && ok; ++i) {
        const std::filesystem::path csv = folder / (std::to_string(i) + ".csv");
        ok = CsvExport::Write(wxString::FromUTF8(csv.string()), result.records[i], result.flowUnit,
                              error);
        csvBytes += ok ? std::filesystem::file_size(csv) : 0;
    }
    Report("export CSV (all records)", SecondsSince(start), csvBytes);

    std::filesystem::remove_all(folder);
    if (!ok) {
        std::fprintf(stderr, "failed: %s %s\n", error.utf8_str().data(),
                     result.error.utf8_str().data());
        return 1;
    }
    return 0;
}
