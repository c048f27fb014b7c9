#pragma once
#include <cstdint>

struct AppSettingsBlock;

// The logger's settings at memory address 0: 21 bytes, or 41 bytes on firmware 4.3, which adds
// the serial number, the manufacture date and the model's flow unit.
struct LoggerHeader {
    bool longForm = false;
    std::uint16_t sampleReload = 0;
    std::uint16_t fileCount = 0;
    std::uint8_t state = 0;
    std::uint16_t flowOnThreshold = 0;
    std::uint16_t flowOnDelay = 0; // samples
    std::uint16_t flowOffThreshold = 0;
    std::uint16_t flowOffDelay = 0; // samples
    std::uint8_t pressureScale = 0;
    std::uint8_t pressureZero = 0;
    std::uint8_t pressureScaleFine = 0; // hundredths of the scale
    std::uint8_t filterMedian = 0;
    std::uint8_t flowClamp = 0;
    std::uint8_t displayAlternation = 0;
    std::uint8_t pressureUnit = 0;
    std::uint8_t volumeRange = 0;
    // Long form only.
    std::uint16_t serialNumber = 0;
    std::uint8_t manufactureDate[3] = {}; // day, month, year (BCD)
    std::uint8_t modelCode = 0;
    std::uint8_t flowUnitCode = 0;

    static constexpr std::uint8_t StateMetric = 0x01;
    static constexpr std::uint8_t StateAutoLog = 0x02;
    static constexpr std::uint8_t ModelWithFixedFlowUnit = 5;

    // Decodes `size` bytes; 41 or more give the long form, fewer than 21 nothing useful.
    static LoggerHeader Decode(const unsigned char* bytes, int size);

    bool IsMetric() const { return (state & StateMetric) != 0; }
    bool AutoLogEnabled() const { return (state & StateAutoLog) != 0; }
    bool DictatesFlowUnit() const { return longForm && modelCode == ModelWithFixedFlowUnit; }
    int SamplePeriodMs() const;

    // Locks the settings and takes the flow unit when the logger dictates it; unlocks otherwise.
    void ApplyFlowUnit(AppSettingsBlock& settings) const;
    // Flow unit index for a flow unit code, or -1 for an unknown code.
    static int FlowUnitIndex(std::uint8_t flowUnitCode);
};
