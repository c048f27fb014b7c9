#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The automatic-logging settings as the user typed them.
struct AutoLogTexts {
    bool enabled = false;
    std::string flowOn; // thresholds in the logger's flow unit
    std::string flowOff;
    std::string delayOn; // delays in seconds
    std::string delayOff;
};

struct SettingsMessage {
    std::string text;
    std::string caption;
};

// What becomes of those texts: the messages to show in order and, when accepted, what the
// logger is sent. When rejected, the last message is the rejection.
struct AutoLogCheck {
    bool accepted = false;
    std::vector<SettingsMessage> messages;
    bool enabled = false;
    std::uint16_t flowOn = 0;
    std::uint16_t flowOff = 0;
    std::uint16_t delayOnSamples = 0;
    std::uint16_t delayOffSamples = 0;
    // The delays the logger will really use, in whole seconds, to be shown back.
    std::string delayOnText;
    std::string delayOffText;
};

// Checks the automatic-logging settings before they are sent.
class AutoLogValidation {
public:
    static constexpr int HighThreshold = 2000;    // above it only a warning
    static constexpr int HighDelaySamples = 4000; // above it only a warning

    static AutoLogCheck Check(const AutoLogTexts& texts, int periodTenths);

    // A decimal number of digits only (blanks around it allowed) up to `limit`; false for
    // anything else, so that no value outside the logger's 16 bits is ever sent.
    static bool ParseCount(const std::string& text, long limit, long& value);
};
