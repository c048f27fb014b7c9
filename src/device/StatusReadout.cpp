#include "device/StatusReadout.h"

#include "device/LoggerConversions.h"
#include "device/LoggerProtocol.h"
#include "device/StatusBlock.h"

namespace {

const int kSecondsPerDay = 86400;
const int kOrangeFrom = 350; // at or below: orange
const int kRedFrom = 175;    // at or below: red

} // namespace

long StatusReadout::RecordingSeconds(std::uint32_t memoryPointer, std::uint16_t sampleReload) {
    const double samples = memoryPointer / static_cast<double>(LoggerProtocol::SampleSize);
    const double periodMs = LoggerConversions::UnroundedSamplePeriodMs(sampleReload);
    return static_cast<long>(samples * periodMs / 1000.0);
}

wxString StatusReadout::RecordingTimeText(std::uint32_t memoryPointer, std::uint16_t sampleReload) {
    const long seconds = RecordingSeconds(memoryPointer, sampleReload);
    const long days = seconds / kSecondsPerDay;
    const long hours = seconds % kSecondsPerDay / 3600;
    const long minutes = seconds % 3600 / 60;
    const wxString clock = wxString::Format("%02ld:%02ld", hours, minutes);
    if (days >= 1) {
        return wxString::Format("%ld Days, ", days) + clock + "Memorie jurnal disponibila (minute)";
    }
    if (hours >= 1) {
        return clock + "Memorie jurnal disponibila (ore)";
    }
    return clock + "Memorie jurnal disponibila (minute)";
}

int StatusReadout::MemoryGauge(std::uint32_t memoryPointer) {
    if (memoryPointer > kMemoryTop) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(kGaugeRange) * (kMemoryTop - memoryPointer) /
                            kMemoryTop);
}

StatusReadout::BatteryLevel StatusReadout::LevelOf(int batteryValue) {
    if (batteryValue <= kRedFrom) {
        return BatteryLevel::Red;
    }
    if (batteryValue <= kOrangeFrom) {
        return BatteryLevel::Orange;
    }
    return BatteryLevel::Green;
}

StatusReadout StatusReadout::FromBlock(const StatusBlock& status) {
    StatusReadout readout;
    readout.present = true;
    readout.recordingTime = RecordingTimeText(status.memoryPointer, status.sampleReload);
    readout.memoryGauge = MemoryGauge(status.memoryPointer);
    readout.batteryValue = 3 * status.battery;
    readout.batteryGauge = readout.batteryValue < kGaugeRange ? readout.batteryValue : kGaugeRange;
    readout.batteryLevel = LevelOf(readout.batteryValue);
    return readout;
}
