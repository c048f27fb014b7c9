#pragma once
#include <cstdint>
#include <vector>

// One entry of the table of contents at the top of the logger's memory: when an event started
// (BCD) and the address just past its last sample.
struct TocEntry {
    std::uint8_t seconds = 0;
    std::uint8_t minutes = 0;
    std::uint8_t hours = 0;
    std::uint8_t day = 0;
    std::uint8_t month = 0;
    std::uint8_t year = 0; // two digits of 20yy
    std::uint32_t endAddress = 0;

    static TocEntry Decode(const unsigned char* bytes);
    // The N entries of a table read from its start, newest event first.
    static std::vector<TocEntry> DecodeTable(const unsigned char* table, int count);
    // Where a table of N entries starts in the logger's memory.
    static std::uint32_t TableAddress(int count);
};
