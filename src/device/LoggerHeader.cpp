#include "device/LoggerHeader.h"

#include "app/AppSettings.h"
#include "device/LoggerConversions.h"
#include "device/LoggerProtocol.h"

#include <cstring>

using namespace LoggerConversions;

LoggerHeader LoggerHeader::Decode(const unsigned char* bytes, int size) {
    LoggerHeader h;
    if (size < LoggerProtocol::ShortHeaderSize) {
        return h;
    }
    h.sampleReload = ReadWord(bytes);
    h.fileCount = ReadWord(bytes + 2);
    h.state = bytes[4];
    h.flowOnThreshold = ReadWord(bytes + 5);
    h.flowOnDelay = ReadWord(bytes + 7);
    h.flowOffThreshold = ReadWord(bytes + 9);
    h.flowOffDelay = ReadWord(bytes + 11);
    h.pressureScale = bytes[13];
    h.pressureZero = bytes[14];
    h.pressureScaleFine = bytes[15];
    h.filterMedian = bytes[16];
    h.flowClamp = bytes[17];
    h.displayAlternation = bytes[18];
    h.pressureUnit = bytes[19];
    h.volumeRange = bytes[20];
    if (size >= LoggerProtocol::LongHeaderSize) {
        h.longForm = true;
        h.serialNumber = ReadWord(bytes + 21);
        std::memcpy(h.manufactureDate, bytes + 23, 3);
        h.modelCode = bytes[33];
        h.flowUnitCode = bytes[34];
    }
    return h;
}

int LoggerHeader::SamplePeriodMs() const {
    return LoggerConversions::SamplePeriodMs(sampleReload);
}

int LoggerHeader::FlowUnitIndex(std::uint8_t flowUnitCode) {
    switch (flowUnitCode) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 4:
        return 2;
    case 8:
        return 3;
    default:
        return -1;
    }
}

void LoggerHeader::ApplyFlowUnit(AppSettingsBlock& settings) const {
    if (!DictatesFlowUnit()) {
        settings.settingsLocked = false;
        return;
    }
    settings.settingsLocked = true;
    const int index = FlowUnitIndex(flowUnitCode);
    if (index >= 0) {
        settings.flowUnit = static_cast<std::uint8_t>(index);
    }
}
