#pragma once
#include <cstdint>

// What a simulated logger is made of when it has no saved state: its settings, memory
// contents and the faults built into its data.
struct LoggerShape {
    std::uint16_t firmwareWord = 0x0403; // 0x0403: 41-byte header, anything else 21
    int events = 3;                      // recorded events in memory
    int eventSamples = 0;                // samples per event; 0 draws each length (120..719)
    std::uint32_t seed = 1;              // the same seed gives the same memory
    std::uint16_t sampleReload = 0xF000; // 1 s
    bool metric = true;
    std::uint8_t pressureUnit = 0x62;
    std::uint16_t serialNumber = 4711;
    std::uint8_t modelCode = 0;
    std::uint8_t flowUnitCode = 1;
    std::uint16_t battery = 117;
    std::uint8_t errorCode = 0;
    int corruptToc = 0;      // 1: entries read 0xFF, 2: entries scrambled
    bool raggedLive = false; // live blocks count one stray byte after the samples
};
