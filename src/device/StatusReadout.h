#pragma once
#include <wx/string.h>

#include <cstdint>

struct StatusBlock;

// What the window's gauges and memory text show of one status reply, or of none.
struct StatusReadout {
    enum class BatteryLevel { Green, Orange, Red };

    static constexpr int kGaugeRange = 700;
    static constexpr std::uint32_t kMemoryTop = 0x1FFFF;

    bool present = false;
    wxString recordingTime = " "; // a single blank without a logger
    int memoryGauge = 0;
    int batteryValue = 0; // three times the battery reading, not clamped
    int batteryGauge = 0; // the same inside the gauge's range
    BatteryLevel batteryLevel = BatteryLevel::Red;

    static StatusReadout Absent() { return StatusReadout(); }
    static StatusReadout FromBlock(const StatusBlock& status);

    // The time the samples in memory cover, with its caption: "8 Days, 02:11Memorie jurnal
    // disponibila (minute)", "01:00Memorie jurnal disponibila (ore)".
    static wxString RecordingTimeText(std::uint32_t memoryPointer, std::uint16_t sampleReload);
    static long RecordingSeconds(std::uint32_t memoryPointer, std::uint16_t sampleReload);
    // Share of the memory still free; a pointer beyond the memory leaves none.
    static int MemoryGauge(std::uint32_t memoryPointer);
    static BatteryLevel LevelOf(int batteryValue);
};
