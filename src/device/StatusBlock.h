#pragma once
#include <cstdint>

// Reply of the status request: memory in use, battery and the current sample reload value.
struct StatusBlock {
    std::uint32_t memoryPointer = 0; // 24 bits
    std::uint16_t battery = 0;
    std::uint16_t sampleReload = 0;

    static StatusBlock Decode(const unsigned char* bytes);
};
