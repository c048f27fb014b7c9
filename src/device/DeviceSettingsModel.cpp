#include "device/DeviceSettingsModel.h"

#include "device/LoggerConversions.h"
#include "device/LoggerHeader.h"
#include "device/LoggerProtocol.h"
#include "device/SettingsTexts.h"

#include <cstdio>
#include <cstring>
#include <wx/datetime.h>

using namespace LoggerConversions;

namespace {

int DaysInMonth(int year, int month) {
    return wxDateTime::GetNumberOfDays(static_cast<wxDateTime::Month>(month - 1), year);
}

// The fallback period of a logger that could not be read: 10 s.
constexpr int UnreadPeriod = 100;

struct FieldShape {
    int byteIndex;
    std::uint8_t valueMask; // the other bits of the register are control bits
    int top;
};

FieldShape ShapeOf(ClockField field) {
    switch (field) {
    case ClockField::Hours:
        return {2, 0x3F, 23};
    case ClockField::Minutes:
        return {1, 0x7F, 59};
    case ClockField::Seconds:
    default:
        return {0, 0x7F, 59};
    }
}

std::string Decimal(long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%ld", value);
    return text;
}

int SteppedWithin(int value, int direction, int top) {
    if (direction > 0) {
        return value + 1 > top ? 0 : value + 1;
    }
    return value - 1 < 0 ? top : value - 1;
}

} // namespace

void DeviceSettingsModel::LoadHeader(const LoggerHeader& header) {
    reload = header.sampleReload;
    period = SamplePeriodTenths(reload);
    SetSamplePeriod(period); // the reload value is re-derived from the period
    pressureUnitCode = header.pressureUnit;
    metric = header.IsMetric();
    autoLog = header.AutoLogEnabled();
    locked = header.DictatesFlowUnit();
    flowOnThreshold = header.flowOnThreshold;
    flowOnDelay = header.flowOnDelay;
    flowOffThreshold = header.flowOffThreshold;
    flowOffDelay = header.flowOffDelay;
}

void DeviceSettingsModel::LoadClock(const unsigned char* clockReply) {
    hasTime = clockReply != nullptr;
    hasDate = clockReply != nullptr;
    if (clockReply == nullptr) {
        return;
    }
    std::memcpy(timeBytes, clockReply, 4);
    std::memcpy(dateBytes, clockReply + 4, 4);
}

void DeviceSettingsModel::LoadNothing() {
    SetSamplePeriod(UnreadPeriod);
}

void DeviceSettingsModel::SetSamplePeriod(int tenths) {
    period = tenths;
    reload = ReloadFromTenths(tenths);
    autoLogChanged = true;
}

bool DeviceSettingsModel::StepPeriod(int direction) {
    if (direction > 0 && period > 0 && period < MaxPeriod) {
        SetSamplePeriod(period + 1);
        return true;
    }
    if (direction < 0 && period > MinPeriod && period < MaxPeriod + 1) {
        SetSamplePeriod(period - 1);
        return true;
    }
    return false;
}

void DeviceSettingsModel::ChoosePressureUnit(std::uint8_t code) {
    pressureUnitCode = code;
}

void DeviceSettingsModel::StepClock(ClockField field, int direction) {
    timeChanged = true;
    if (!hasTime) {
        hasTime = true; // an edit of an unread clock starts from midnight
    }
    const FieldShape shape = ShapeOf(field);
    std::uint8_t& byte = timeBytes[shape.byteIndex];
    const std::uint8_t value = byte & shape.valueMask;
    if (!IsValidBcd(value) || FromBcd(value) > shape.top) {
        return;
    }
    const int stepped = SteppedWithin(FromBcd(value), direction, shape.top);
    byte = static_cast<std::uint8_t>((byte & ~shape.valueMask) | ToBcd(stepped));
}

void DeviceSettingsModel::SetTime(int hours, int minutes, int seconds) {
    timeBytes[0] = ToBcd(seconds);
    timeBytes[1] = ToBcd(minutes);
    timeBytes[2] = ToBcd(hours);
    hasTime = true;
    timeChanged = true;
}

bool DeviceSettingsModel::SetDate(const ClockDate& date) {
    if (date.year < MinClockYear || date.year > MaxClockYear || date.month < 1 || date.month > 12 ||
        date.day < 1 || date.day > DaysInMonth(date.year, date.month)) {
        return false;
    }
    dateBytes[0] = ToBcd(date.day);
    dateBytes[1] = ToBcd(date.month);
    dateBytes[2] = ToBcd(date.year - MinClockYear);
    hasDate = true;
    dateChanged = true;
    return true;
}

bool DeviceSettingsModel::ClockDateShown(ClockDate& date) const {
    if (!hasDate) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (!IsValidBcd(dateBytes[i])) {
            return false; // 0x0A is "200a", no year at all
        }
    }
    const ClockDate read{MinClockYear + FromBcd(dateBytes[2]), FromBcd(dateBytes[1]),
                         FromBcd(dateBytes[0])};
    if (read.month < 1 || read.month > 12 || read.day < 1 ||
        read.day > DaysInMonth(read.year, read.month)) {
        return false;
    }
    date = read;
    return true;
}

std::string DeviceSettingsModel::PeriodText() const {
    // P / 10 with one decimal, whatever the locale's decimal sign.
    char text[24];
    std::snprintf(text, sizeof text, "%d.%d", period / 10, period % 10);
    return text;
}

std::string DeviceSettingsModel::ClockFieldText(ClockField field) const {
    if (!hasTime) {
        return SettingsTexts::NoClock;
    }
    const FieldShape shape = ShapeOf(field);
    const unsigned value = timeBytes[shape.byteIndex] & shape.valueMask;
    char text[8];
    std::snprintf(text, sizeof text, field == ClockField::Minutes ? "%02x" : "%x", value);
    return text;
}

std::string DeviceSettingsModel::FlowOnText() const {
    return Decimal(flowOnThreshold);
}

std::string DeviceSettingsModel::FlowOffText() const {
    return Decimal(flowOffThreshold);
}

std::string DeviceSettingsModel::DelayOnText() const {
    return Decimal(DelaySamplesToSeconds(flowOnDelay, period));
}

std::string DeviceSettingsModel::DelayOffText() const {
    return Decimal(DelaySamplesToSeconds(flowOffDelay, period));
}

std::string DeviceSettingsModel::FlowUnitLabel() const {
    return metric ? "l/min" : "G/min";
}

std::string DeviceSettingsModel::InformationText(const LoggerHeader& header) {
    if (!header.longForm) {
        return {};
    }
    char text[128];
    std::snprintf(text, sizeof text,
                  "Numarul de serie Vendrix: \t %d \nData Fabricatiei: \t %x:%x:20%x",
                  header.serialNumber, header.manufactureDate[0], header.manufactureDate[1],
                  header.manufactureDate[2]);
    return text;
}
