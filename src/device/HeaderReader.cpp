#include "device/HeaderReader.h"

#include "app/AppSettings.h"
#include "device/LoggerConversions.h"
#include "device/LoggerUsb.h"

HeaderRead HeaderReader::Read(LoggerUsb& usb) {
    HeaderRead read;
    read.firmwareWord = LoggerConversions::FirmwareWord(usb.GetFirmwareVersion());
    read.headerSize = LoggerConversions::HeaderSize(static_cast<std::uint16_t>(read.firmwareWord));
    read.bytes.assign(read.headerSize, 0);
    read.ok = usb.ReadMemory(0, read.headerSize, read.bytes.data());
    if (read.ok) {
        read.header = LoggerHeader::Decode(read.bytes.data(), read.headerSize);
    }
    return read;
}

void HeaderReader::ApplyUnits(const HeaderRead& read, AppSettingsBlock& settings) {
    settings.firmwareVersion = read.firmwareWord;
    if (!read.ok) {
        return;
    }
    read.header.ApplyFlowUnit(settings);
    settings.metric = read.header.IsMetric() ? 1 : 0;
    settings.pressureUnit = read.header.pressureUnit;
}

void HeaderReader::ApplySerialNumber(const HeaderRead& read, AppSettingsBlock& settings) {
    if (read.ok && read.header.longForm) {
        settings.serialNumber = read.header.serialNumber;
    }
}

void HeaderReader::Apply(const HeaderRead& read, AppSettingsBlock& settings) {
    ApplyUnits(read, settings);
    ApplySerialNumber(read, settings);
}

int HeaderReader::SerialNumber(const HeaderRead& read) {
    return read.ok && read.header.longForm ? read.header.serialNumber : 0;
}
