#include "StdioWorkspace.h"

#include "BenchResults.h"
#include "files/WorkspaceFile.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void WriteRecordHeader(std::FILE* file, const Storage& record, int flowUnit) {
    std::fprintf(file, "%s\n%s\n%s\n%d\n", record.GetTitle().utf8_str().data(),
                 record.GetDateText().utf8_str().data(), record.GetInformation().utf8_str().data(),
                 record.GetSerialNumber());
    for (const wxUniChar c : record.GetTextBox()) {
        std::fprintf(file, "%d ", static_cast<int>(c.GetValue()));
    }
    std::fprintf(file, "0 \n%d %d\n%f\n%d\n%d\n%d %d\n%d\n%d\n", record.GetTextBoxX(),
                 record.GetTextBoxY(), record.GetFlowTarget(), record.GetIntervalMs(),
                 record.GetPressureUnit(), record.GetMetric(), flowUnit,
                 record.GetStoredFlag() ? 1 : 0, record.GetSampleCount());
}

bool ReadLine(std::FILE* file, char* line, int size) {
    if (std::fgets(line, size, file) == nullptr) {
        return false;
    }
    line[std::strcspn(line, "\r\n")] = '\0';
    return true;
}

} // namespace

bool StdioWorkspace::Write(const std::string& path, const std::vector<Storage>& records,
                           int flowUnit, double& fsyncSeconds) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "%d\n%d\n", WorkspaceFile::kFormatVersion4,
                 static_cast<int>(records.size()));
    for (const Storage& record : records) {
        WriteRecordHeader(file, record, flowUnit);
        const std::vector<float>& times = record.GetTimes();
        for (std::size_t i = 0; i < times.size(); ++i) {
            std::fprintf(file, "%f %f %f %f\n", times[i], record.GetFlows()[i],
                         record.GetPressures()[i], record.GetVolumes()[i]);
        }
    }
    bool ok = std::fflush(file) == 0;
    const BenchResults::Clock::time_point start = BenchResults::Clock::now();
    ok = ok && fsync(fileno(file)) == 0;
    fsyncSeconds = BenchResults::SecondsSince(start);
    return std::fclose(file) == 0 && ok;
}

bool StdioWorkspace::Read(const std::string& path, std::vector<Storage>& records) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    int format = 0, count = 0;
    bool ok = std::fscanf(file, "%d %d", &format, &count) == 2;
    char title[256], date[256], information[256];
    for (int r = 0; ok && r < count; ++r) {
        int serial = 0, code = 0, boxX = 0, boxY = 0, interval = 0, pressureUnit = 0;
        int metric = 0, flowUnit = 0, stored = 0, samples = 0;
        float target = 0;
        ok = std::fscanf(file, "%*[ \t\r\n]") >= 0 && ReadLine(file, title, sizeof title) &&
             ReadLine(file, date, sizeof date) && ReadLine(file, information, sizeof information) &&
             std::fscanf(file, "%d", &serial) == 1;
        while (ok && std::fscanf(file, "%d", &code) == 1 && code != 0) {
        }
        ok = ok && std::fscanf(file, "%d %d %f %d %d %d %d %d %d", &boxX, &boxY, &target, &interval,
                               &pressureUnit, &metric, &flowUnit, &stored, &samples) == 9;
        if (!ok) {
            break;
        }
        Storage record(date, interval, metric, stored != 0, 0, r + 1);
        record.SetTitle(title);
        record.ReserveSamples(samples);
        for (int i = 0; ok && i < samples; ++i) {
            float time = 0, flow = 0, pressure = 0, volume = 0;
            ok = std::fscanf(file, "%f %f %f %f", &time, &flow, &pressure, &volume) == 4;
            record.AddSample(time, flow, pressure, volume);
        }
        records.push_back(std::move(record));
    }
    std::fclose(file);
    return ok;
}
