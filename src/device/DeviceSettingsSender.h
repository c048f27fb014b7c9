#pragma once
#include <string>
#include <vector>

class LoggerUsb;
class DeviceSettingsModel;
struct AutoLogCheck;

// Sends the settings to the logger. Each step gives the failure texts to report (none when it
// went through); a failing step never stops the ones after it.
class DeviceSettingsSender {
public:
    static std::vector<std::string> SendSampleRate(LoggerUsb& usb,
                                                   const DeviceSettingsModel& model);
    static std::vector<std::string> SendTime(LoggerUsb& usb, const DeviceSettingsModel& model);
    static std::vector<std::string> SendDate(LoggerUsb& usb, const DeviceSettingsModel& model);
    // Thresholds and delays (requests 30 and 31), then automatic logging on or off (3).
    static std::vector<std::string> SendAutoLog(LoggerUsb& usb, const AutoLogCheck& check);
};
