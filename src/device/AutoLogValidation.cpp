#include "device/AutoLogValidation.h"

#include "device/LoggerConversions.h"
#include "device/SettingsTexts.h"

#include <cctype>
#include <cstdio>

using namespace LoggerConversions;

namespace {

constexpr long MaxWord = 0xFFFF;

std::string Decimal(long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%ld", value);
    return text;
}

AutoLogCheck& Reject(AutoLogCheck& check, const std::string& text, const std::string& caption) {
    check.accepted = false;
    check.messages.push_back({text, caption});
    return check;
}

void Warn(AutoLogCheck& check, const char* text) {
    check.messages.push_back({text, SettingsTexts::MessageCaption});
}

} // namespace

bool AutoLogValidation::ParseCount(const std::string& text, long limit, long& value) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    if (begin == end) {
        return false;
    }
    long parsed = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
        parsed = parsed * 10 + (text[i] - '0');
        if (parsed > limit) {
            return false;
        }
    }
    value = parsed;
    return true;
}

AutoLogCheck AutoLogValidation::Check(const AutoLogTexts& texts, int periodTenths) {
    AutoLogCheck check;
    check.enabled = texts.enabled;

    // Delays are limited so that their count of samples fits the logger's 16 bits.
    const long maxDelaySeconds = periodTenths > 0 ? ((MaxWord + 1) * periodTenths - 1) / 10 : 0;
    long flowOn = 0, flowOff = 0, delayOn = 0, delayOff = 0;
    const struct {
        const std::string& text;
        long limit;
        long& value;
    } fields[] = {
        {texts.flowOn, MaxWord, flowOn},
        {texts.flowOff, MaxWord, flowOff},
        {texts.delayOn, maxDelaySeconds, delayOn},
        {texts.delayOff, maxDelaySeconds, delayOff},
    };
    for (const auto& field : fields) {
        if (!ParseCount(field.text, field.limit, field.value)) {
            return Reject(check, SettingsTexts::ReenterValue, field.text);
        }
    }

    if (flowOn > HighThreshold) {
        Warn(check, SettingsTexts::VeryHighThresholds);
    }
    if (flowOff > HighThreshold) {
        Warn(check, SettingsTexts::VeryHighThresholds);
    }
    if (flowOff > flowOn) {
        return Reject(check, SettingsTexts::OnBelowOff, SettingsTexts::MessageCaption);
    }

    const long shortestDelay = periodTenths / 10;
    if (delayOff < shortestDelay || delayOn < shortestDelay) {
        return Reject(check, SettingsTexts::DelayBelowPeriod, SettingsTexts::MessageCaption);
    }

    const int onSamples = DelaySecondsToSamples(static_cast<int>(delayOn), periodTenths);
    const int offSamples = DelaySecondsToSamples(static_cast<int>(delayOff), periodTenths);
    if (onSamples > HighDelaySamples) {
        Warn(check, SettingsTexts::VeryLongDelays);
    }
    if (offSamples > HighDelaySamples) {
        Warn(check, SettingsTexts::VeryLongDelays);
    }

    check.accepted = true;
    check.flowOn = static_cast<std::uint16_t>(flowOn);
    check.flowOff = static_cast<std::uint16_t>(flowOff);
    check.delayOnSamples = static_cast<std::uint16_t>(onSamples);
    check.delayOffSamples = static_cast<std::uint16_t>(offSamples);
    check.delayOnText = Decimal(DelaySamplesToSeconds(onSamples, periodTenths));
    check.delayOffText = Decimal(DelaySamplesToSeconds(offSamples, periodTenths));
    return check;
}
