// Writes and reads back a workspace of 1,000,000 samples, the program's way and the plain
// fprintf / fscanf way side by side, checks that both write the same bytes, and exports CSV.
// Each figure is the best of kRuns runs (the machine is shared; the median is shown too).

#include "BenchResults.h"
#include "StdioWorkspace.h"
#include "files/AtomicFileWriter.h"
#include "files/CsvExport.h"
#include "files/WorkspaceFile.h"
#include "records/Storage.h"

#include <wx/init.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const int kRecordCount = 10;
const int kSamplesPerRecord = 100000;
const int kRuns = 5;

using Clock = BenchResults::Clock;

std::vector<Storage> BuildRecordings() {
    std::vector<Storage> records;
    records.reserve(kRecordCount);
    for (int r = 0; r < kRecordCount; ++r) {
        Storage record("05/03/2012 14:30:05", 250, 1, false, r % 4, r + 1);
        record.SetTitle(wxString::Format("Memorie %d", r + 1));
        record.SetPressureCalibration(12, 10, 25, 98);
        for (int i = 0; i < kSamplesPerRecord; ++i) {
            record.AddRawSample((i * 7919LL) % 4000, 12 + (i * 104729LL) % 1000);
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Times {
    std::vector<double> write, fsync, read, stdioWrite, stdioFsync, stdioRead, csv;
};

// The program's writer: the text in pieces into the temporary file, then the commit, whose
// time is that of the fsync (and the rename).
bool WriteTimed(const wxString& path, const std::vector<Storage>& records, Times& times) {
    const Clock::time_point start = Clock::now();
    AtomicFileWriter file(path);
    const bool written = WorkspaceFile::WriteTo(file, records, 0);
    const Clock::time_point commitStart = Clock::now();
    wxString error;
    const bool committed = file.Commit(error);
    times.fsync.push_back(BenchResults::SecondsSince(commitStart));
    times.write.push_back(BenchResults::SecondsSince(start));
    return written && committed;
}

bool RunOnce(const std::filesystem::path& folder, const std::vector<Storage>& records,
             Times& times) {
    const std::string ours = (folder / "program.vrx").string();
    const std::string plain = (folder / "stdio.vrx").string();
    bool ok = WriteTimed(wxString::FromUTF8(ours), records, times);

    Clock::time_point start = Clock::now();
    double fsyncSeconds = 0;
    ok = StdioWorkspace::Write(plain, records, 0, fsyncSeconds) && ok;
    times.stdioWrite.push_back(BenchResults::SecondsSince(start));
    times.stdioFsync.push_back(fsyncSeconds);

    start = Clock::now();
    const WorkspaceReadResult result = WorkspaceFile::Read(wxString::FromUTF8(ours));
    times.read.push_back(BenchResults::SecondsSince(start));
    ok = ok && result.ok && result.records.size() == records.size();

    start = Clock::now();
    std::vector<Storage> plainRecords;
    ok = StdioWorkspace::Read(plain, plainRecords) && ok;
    times.stdioRead.push_back(BenchResults::SecondsSince(start));
    ok = ok && plainRecords.size() == records.size() &&
         plainRecords.back().GetVolumes() == result.records.back().GetVolumes();

    start = Clock::now();
    for (std::size_t i = 0; i < result.records.size() && ok; ++i) {
        const std::filesystem::path csv = folder / (std::to_string(i) + ".csv");
        wxString error;
        ok = CsvExport::Write(wxString::FromUTF8(csv.string()), result.records[i], result.flowUnit,
                              error);
    }
    times.csv.push_back(BenchResults::SecondsSince(start));
    return ok;
}

void Row(const char* step, const std::vector<double>& seconds, const std::string& file) {
    const double median = BenchResults::Median(seconds);
    const double samples = static_cast<double>(kRecordCount) * kSamplesPerRecord;
    const double megabytes =
        file.empty() ? 0.0 : static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    std::printf("%-34s %8.3f s %8.3f s %9.2f Msamples/s %7.1f MB\n", step, median,
                BenchResults::Best(seconds), samples / median / 1e6, megabytes);
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
    const std::vector<Storage> records = BuildRecordings();
    std::printf("%d recordings x %d samples = %d samples, %d runs\n", kRecordCount,
                kSamplesPerRecord, kRecordCount * kSamplesPerRecord, kRuns);

    Times times;
    bool ok = true;
    for (int run = 0; run < kRuns && ok; ++run) {
        ok = RunOnce(folder, records, times);
    }
    const std::string ours = (folder / "program.vrx").string();
    const std::string plain = (folder / "stdio.vrx").string();
    const bool identical = ok && Contents(ours) == Contents(plain);

    std::printf("%-34s %10s %10s\n", "step", "median", "best");
    Row("write workspace (with fsync)", times.write, ours);
    Row("  of which fsync and rename", times.fsync, "");
    Row("write fprintf(\"%f\") (with fsync)", times.stdioWrite, plain);
    Row("  of which fsync", times.stdioFsync, "");
    Row("read workspace", times.read, ours);
    Row("read fscanf(\"%f\")", times.stdioRead, plain);
    Row("export CSV (all records)", times.csv, "");
    const double write = BenchResults::Best(times.write);
    const double read = BenchResults::Best(times.read);
    const double stdioWrite = BenchResults::Best(times.stdioWrite);
    const double stdioRead = BenchResults::Best(times.stdioRead);
    std::printf("best write %.1fx and best read %.1fx the speed of fprintf / fscanf; bytes %s\n",
                stdioWrite / write, stdioRead / read, identical ? "identical" : "DIFFERENT");

    std::filesystem::remove_all(folder);
    BenchResults results;
    results.Add("workspace_write_1m_s", write, "s");
    results.Add("workspace_read_1m_s", read, "s");
    results.Add("workspace_write_1m_stdio_s", stdioWrite, "s");
    results.Add("workspace_read_1m_stdio_s", stdioRead, "s");
    results.Add("workspace_fsync_1m_s", BenchResults::Best(times.fsync), "s");
    results.Add("workspace_bytes_identical", identical ? 1 : 0, "bool");
    results.Print();
    if (!ok) {
        std::fprintf(stderr, "failed: a write or read did not succeed\n");
        return 1;
    }
    return 0;
}
