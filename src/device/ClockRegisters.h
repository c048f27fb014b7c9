#pragma once
#include <cstdint>

// The logger's real-time clock registers, BCD. The getters mask the control bits that share
// the seconds, minutes and hours registers.
struct ClockRegisters {
    std::uint8_t bytes[8] = {};

    static ClockRegisters Decode(const unsigned char* reply);

    std::uint8_t Seconds() const { return bytes[0] & 0x7F; }
    std::uint8_t Minutes() const { return bytes[1] & 0x7F; }
    std::uint8_t Hours() const { return bytes[2] & 0x3F; }
    std::uint8_t Weekday() const { return bytes[3]; }
    std::uint8_t Day() const { return bytes[4]; }
    std::uint8_t Month() const { return bytes[5]; }
    // Two digits of 20yy, shown by printing the byte in hexadecimal: 0x0A is "200a", which is
    // no year, so it is not turned into a number here.
    std::uint8_t Year() const { return bytes[6]; }
};
