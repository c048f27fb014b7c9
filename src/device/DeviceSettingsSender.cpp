#include "device/DeviceSettingsSender.h"

#include "device/AutoLogValidation.h"
#include "device/DeviceSettingsModel.h"
#include "device/LoggerUsb.h"
#include "device/SettingsTexts.h"

namespace {

std::vector<std::string> FailureIf(bool failed, const char* text) {
    if (failed) {
        return {text};
    }
    return {};
}

} // namespace

std::vector<std::string> DeviceSettingsSender::SendSampleRate(LoggerUsb& usb,
                                                              const DeviceSettingsModel& model) {
    return FailureIf(!usb.SetSampleRate(model.reload, model.pressureUnitCode),
                     SettingsTexts::SendFailed);
}

std::vector<std::string> DeviceSettingsSender::SendTime(LoggerUsb& usb,
                                                        const DeviceSettingsModel& model) {
    return FailureIf(!usb.SetClockTime(model.timeBytes), SettingsTexts::ClockFailed);
}

std::vector<std::string> DeviceSettingsSender::SendDate(LoggerUsb& usb,
                                                        const DeviceSettingsModel& model) {
    return FailureIf(!usb.SetClockDate(model.dateBytes), SettingsTexts::ClockFailed);
}

std::vector<std::string> DeviceSettingsSender::SendAutoLog(LoggerUsb& usb,
                                                           const AutoLogCheck& check) {
    // The stop condition is sent even when the start condition failed.
    const bool onSent = usb.SetFlowOn(check.flowOn, check.delayOnSamples);
    const bool offSent = usb.SetFlowOff(check.flowOff, check.delayOffSamples);
    std::vector<std::string> failures =
        FailureIf(!onSent || !offSent, SettingsTexts::ThresholdFailed);
    if (!usb.SetAutoLog(check.enabled)) {
        failures.push_back(SettingsTexts::AutoLogFailed);
    }
    return failures;
}
