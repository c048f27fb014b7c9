#include "device/LoggerConversions.h"

#include "device/LoggerProtocol.h"

namespace LoggerConversions {

int SamplePeriodMs(std::uint16_t reload) {
    return 1 + (65535 - reload) * 8000 / 32768;
}

int SamplePeriodTenths(std::uint16_t reload) {
    return 1 + (65535 - reload) * 80 / 32768;
}

std::uint16_t ReloadFromTenths(int tenths) {
    // Truncation toward zero, then the low 16 bits of the negative count.
    return static_cast<std::uint16_t>(-(4096 * tenths / 10));
}

double UnroundedSamplePeriodMs(std::uint16_t reload) {
    return (65535 - reload) * 8000.0 / 32768.0 + 1.0;
}

int DelaySecondsToSamples(int seconds, int periodTenths) {
    return periodTenths > 0 ? seconds * 10 / periodTenths : 0;
}

int DelaySamplesToSeconds(int samples, int periodTenths) {
    return samples * periodTenths / 10;
}

std::uint8_t ToBcd(int value) {
    return static_cast<std::uint8_t>(value + 6 * (value / 10));
}

int FromBcd(std::uint8_t bcd) {
    return (bcd >> 4) * 10 + (bcd & 0x0F);
}

bool IsValidBcd(std::uint8_t bcd) {
    return (bcd >> 4) <= 9 && (bcd & 0x0F) <= 9;
}

std::uint16_t FirmwareWord(const unsigned char* reply) {
    return reply != nullptr ? ReadWord(reply) : 0;
}

bool HasLongHeader(std::uint16_t firmwareWord) {
    return firmwareWord == LoggerProtocol::LongHeaderFirmware;
}

int HeaderSize(std::uint16_t firmwareWord) {
    return HasLongHeader(firmwareWord) ? LoggerProtocol::LongHeaderSize
                                       : LoggerProtocol::ShortHeaderSize;
}

std::uint16_t ReadWord(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t ReadAddress(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16);
}

} // namespace LoggerConversions
