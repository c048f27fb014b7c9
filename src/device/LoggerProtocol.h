#pragma once
#include <cstdint>

// Identity, geometry and command numbers of the Vendrix logger. Everything here is fixed by the
// logger's firmware; the transfer mechanics live in LoggerUsb.
namespace LoggerProtocol {

constexpr std::uint16_t VendorId = 0x04D8;
constexpr std::uint16_t ProductId = 0xFFFD;
constexpr int Configuration = 1;

constexpr std::uint32_t MemorySize = 0x20000; // 128 KiB
constexpr std::uint32_t TocTop = 0x1FFFF;     // the table of contents ends just below this
constexpr int TocEntrySize = 9;
constexpr int SampleSize = 3;
constexpr int MemoryChunk = 128; // largest memory read in one control transfer

constexpr std::uint16_t LongHeaderFirmware = 0x0403;
constexpr int ShortHeaderSize = 21;
constexpr int LongHeaderSize = 41;

constexpr int LiveBlockSize = 223;
constexpr int LiveBlockMaxSamples = 74;
constexpr int StatusBlockSize = 7;
constexpr int ClockRegistersSize = 8;

constexpr std::uint8_t RequestTypeIn = 0xC0;  // vendor, device to host, device
constexpr std::uint8_t RequestTypeOut = 0x40; // vendor, host to device, device
constexpr std::uint8_t RequestTypeStandardOut = 0x00;
constexpr std::uint8_t StandardSetConfiguration = 9;

enum Request : std::uint8_t {
    GetErrorCode = 1,
    SetAutoLog = 3,
    SetSampleReload = 4,
    SetLogging = 5,
    SetPressureUnit = 12,
    ClearMemory = 13,
    ReadLive = 21,
    ReadMemory = 23,
    ReadClock = 26,
    SetClockTime = 27,
    SetClockDate = 28,
    SetClockConfig = 29,
    SetFlowOn = 30,
    SetFlowOff = 31,
    GetStatus = 34,
    GetFirmwareVersion = 41,
};

// Pressure unit codes as the logger stores them.
constexpr std::uint8_t PressurePsi = 0x70;
constexpr std::uint8_t PressureBar = 0x62;
constexpr std::uint8_t PressureMetresOfWater = 8;
constexpr std::uint8_t PressureKPa = 16;

} // namespace LoggerProtocol
