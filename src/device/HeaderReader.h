#pragma once
#include "device/LoggerHeader.h"

#include <vector>

class LoggerUsb;
struct AppSettingsBlock;

// The logger's settings header as every operation reads it first: the firmware word decides
// its size, then the header is read from address 0.
struct HeaderRead {
    bool ok = false;      // the header itself was read
    int firmwareWord = 0; // 0 when the firmware request failed
    int headerSize = 0;   // 41 or 21
    LoggerHeader header;
    std::vector<unsigned char> bytes;
};

class HeaderReader {
public:
    // Firmware word, header size (41 or 21), the header bytes read with ReadMemory, decoded.
    static HeaderRead Read(LoggerUsb& usb);

    // Firmware, flow unit and lock, metric, pressure unit, and the serial number of a long
    // header. A failed read still stores the firmware word and changes nothing else.
    static void Apply(const HeaderRead& read, AppSettingsBlock& settings);
    // The same without the serial number, for operations that take it only once they
    // succeeded.
    static void ApplyUnits(const HeaderRead& read, AppSettingsBlock& settings);
    static void ApplySerialNumber(const HeaderRead& read, AppSettingsBlock& settings);

    // The serial number records get from this header: 0 unless the header is the long form.
    static int SerialNumber(const HeaderRead& read);
};
