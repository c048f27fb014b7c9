#pragma once
#include <cstdint>
#include <string>

struct LoggerHeader;

enum class ClockField { Hours, Minutes, Seconds };

struct ClockDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The logger's recording settings as the settings dialog and `dextrel-logger set` edit them:
// what was read, what the user changed, and what is to be sent back.
class DeviceSettingsModel {
public:
    static constexpr int MinPeriod = 1;   // tenths of a second
    static constexpr int MaxPeriod = 159; // 15.9 s
    static constexpr int MinClockYear = 2000;
    static constexpr int MaxClockYear = 2099;

    std::uint16_t reload = 0; // sent with the pressure unit code
    int period = 0;           // tenths of a second
    std::uint8_t pressureUnitCode = 0;
    std::uint16_t flowOnThreshold = 0;
    std::uint16_t flowOnDelay = 0; // samples
    std::uint16_t flowOffThreshold = 0;
    std::uint16_t flowOffDelay = 0; // samples
    bool autoLog = false;
    bool metric = true;
    bool locked = false; // the logger dictates its units; date and pressure unit stay

    // Clock registers: seconds, minutes, hours, weekday; day, month, year, spare (BCD).
    std::uint8_t timeBytes[4] = {0, 0, 0, 1};
    std::uint8_t dateBytes[4] = {};
    bool hasTime = false; // read from the clock or set by the user
    bool hasDate = false;

    bool timeChanged = false;
    bool dateChanged = false;
    bool autoLogChanged = false;

    // Sample period, pressure unit, automatic logging and thresholds from the settings header.
    void LoadHeader(const LoggerHeader& header);
    // The clock registers of a ReadClock reply; null when the clock could not be read.
    void LoadClock(const unsigned char* clockReply);
    // What a logger that could not be read falls back to.
    void LoadNothing();

    void SetSamplePeriod(int tenths);
    // One tenth up (direction > 0) or down within the period's range; false when at its end.
    bool StepPeriod(int direction);
    void ChoosePressureUnit(std::uint8_t code);
    // One step up or down, wrapping within the field's range; a byte that is not a valid time
    // field is kept as it is.
    void StepClock(ClockField field, int direction);
    // Hours, minutes and seconds as the clock is to be set; the weekday stays as read.
    void SetTime(int hours, int minutes, int seconds);
    // False (and nothing changes) for a date the clock cannot hold.
    bool SetDate(const ClockDate& date);
    // The clock's date, when it was read (or set) and is a real calendar date.
    bool ClockDateShown(ClockDate& date) const;

    std::string PeriodText() const;
    std::string ClockFieldText(ClockField field) const;
    std::string FlowOnText() const;
    std::string FlowOffText() const;
    std::string DelayOnText() const; // seconds
    std::string DelayOffText() const;
    std::string FlowUnitLabel() const;

    // Serial number and manufacture date of a long header; empty for the short one.
    static std::string InformationText(const LoggerHeader& header);
};
