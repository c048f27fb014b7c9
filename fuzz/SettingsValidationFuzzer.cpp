// The settings checks over arbitrary texts: byte 0 ticks automatic logging (bit 0), byte 1
// chooses the sample period, byte 2 onward holds the four texts (flow on, flow off, delay on,
// delay off) separated by line breaks, then three clock bytes to step and a date to set.
// What is accepted must be what the logger is sent; the model keeps every value in range.
#include "FuzzSupport.h"

#include "device/AutoLogValidation.h"
#include "device/DeviceSettingsModel.h"
#include "device/LoggerConversions.h"
#include "device/SettingsTexts.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    std::uint8_t Byte() { return at < size ? data[at++] : 0; }
    std::string Line() {
        std::string line;
        while (at < size && data[at] != '\n') {
            line += static_cast<char>(data[at++]);
        }
        if (at < size) {
            ++at;
        }
        return line;
    }
};

bool IsRejection(const std::string& text) {
    return text == SettingsTexts::ReenterValue || text == SettingsTexts::OnBelowOff ||
           text == SettingsTexts::DelayBelowPeriod;
}

void CheckAutoLog(const AutoLogTexts& texts, int period) {
    const AutoLogCheck check = AutoLogValidation::Check(texts, period);
    FUZZ_CHECK(check.enabled == texts.enabled);
    if (!check.accepted) {
        FUZZ_CHECK(!check.messages.empty() && IsRejection(check.messages.back().text));
        return;
    }
    for (const SettingsMessage& message : check.messages) {
        FUZZ_CHECK(!IsRejection(message.text));
    }
    long flowOn = 0, flowOff = 0, delayOn = 0, delayOff = 0;
    FUZZ_CHECK(AutoLogValidation::ParseCount(texts.flowOn, 0xFFFF, flowOn));
    FUZZ_CHECK(AutoLogValidation::ParseCount(texts.flowOff, 0xFFFF, flowOff));
    FUZZ_CHECK(AutoLogValidation::ParseCount(texts.delayOn, 0x7FFFFFFF, delayOn));
    FUZZ_CHECK(AutoLogValidation::ParseCount(texts.delayOff, 0x7FFFFFFF, delayOff));
    FUZZ_CHECK(check.flowOn == flowOn && check.flowOff == flowOff && flowOff <= flowOn);
    // The delays go out as samples without being cut to 16 bits on the way.
    FUZZ_CHECK(delayOn * 10 / period == check.delayOnSamples);
    FUZZ_CHECK(delayOff * 10 / period == check.delayOffSamples);
    FUZZ_CHECK(delayOn >= period / 10 && delayOff >= period / 10);
    FUZZ_CHECK(check.delayOnText == std::to_string(check.delayOnSamples * period / 10));
    FUZZ_CHECK(check.delayOffText == std::to_string(check.delayOffSamples * period / 10));
}

bool ValidTimeField(std::uint8_t bcd, int top) {
    return LoggerConversions::IsValidBcd(bcd) && LoggerConversions::FromBcd(bcd) <= top;
}

void CheckClock(Reader& in) {
    DeviceSettingsModel model;
    const ClockField fields[] = {ClockField::Seconds, ClockField::Minutes, ClockField::Hours};
    const int tops[] = {59, 59, 23};
    const std::uint8_t masks[] = {0x7F, 0x7F, 0x3F}; // the bits above belong to the clock chip
    for (int i = 0; i < 3; ++i) {
        model.timeBytes[i] = in.Byte();
    }
    model.hasTime = true;
    for (int i = 0; i < 3; ++i) {
        const std::uint8_t before = model.timeBytes[i];
        model.StepClock(fields[i], (in.Byte() & 1) != 0 ? 1 : -1);
        const std::uint8_t after = model.timeBytes[i];
        FUZZ_CHECK((after & ~masks[i]) == (before & ~masks[i]));
        const bool valid = ValidTimeField(before & masks[i], tops[i]);
        FUZZ_CHECK(valid ? after != before && ValidTimeField(after & masks[i], tops[i])
                         : after == before);
    }
    ClockDate date;
    date.year = static_cast<std::int16_t>(in.Byte() | in.Byte() << 8);
    date.month = static_cast<std::int8_t>(in.Byte());
    date.day = static_cast<std::int8_t>(in.Byte());
    if (model.SetDate(date)) {
        ClockDate shown;
        FUZZ_CHECK(model.ClockDateShown(shown));
        FUZZ_CHECK(shown.year == date.year && shown.month == date.month && shown.day == date.day);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    AutoLogTexts texts;
    texts.enabled = (in.Byte() & 1) != 0;
    const int period = DeviceSettingsModel::MinPeriod + in.Byte() % DeviceSettingsModel::MaxPeriod;
    texts.flowOn = in.Line();
    texts.flowOff = in.Line();
    texts.delayOn = in.Line();
    texts.delayOff = in.Line();
    CheckAutoLog(texts, period);

    DeviceSettingsModel model;
    model.SetSamplePeriod(period);
    FUZZ_CHECK(model.period == period);
    FUZZ_CHECK(LoggerConversions::SamplePeriodTenths(model.reload) == period);
    CheckClock(in);
    return 0;
}
