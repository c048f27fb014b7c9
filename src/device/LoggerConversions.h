#pragma once
#include <cstdint>

// Conversions between the logger's units and the program's: sample period, delays, BCD.
namespace LoggerConversions {

// Period in whole ms from the timer reload value R (the logger ticks at 4096 Hz).
int SamplePeriodMs(std::uint16_t reload);
// Period in tenths of a second, the settings dialog's unit.
int SamplePeriodTenths(std::uint16_t reload);
// Reload value for a period of P tenths of a second.
std::uint16_t ReloadFromTenths(int tenths);
// Period in ms without rounding, for the memory time estimate.
double UnroundedSamplePeriodMs(std::uint16_t reload);

// A delay in seconds as the logger stores it (samples), and back.
int DelaySecondsToSamples(int seconds, int periodTenths);
int DelaySamplesToSeconds(int samples, int periodTenths);

// BCD of a value 0..99, and the value of a BCD byte (its hexadecimal digits read as decimal).
std::uint8_t ToBcd(int value);
int FromBcd(std::uint8_t bcd);
bool IsValidBcd(std::uint8_t bcd);

// The firmware word from the reply of its request; null (failed request) reads as 0.
std::uint16_t FirmwareWord(const unsigned char* reply);
int HeaderSize(std::uint16_t firmwareWord);
bool HasLongHeader(std::uint16_t firmwareWord);

// Little-endian fields of the logger's layouts.
std::uint16_t ReadWord(const unsigned char* bytes);
std::uint32_t ReadAddress(const unsigned char* bytes);

} // namespace LoggerConversions
