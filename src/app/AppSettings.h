#pragma once
#include <cstdint>

// The process-wide settings: loaded from the configuration file at start-up, changed by the
// unit commands and by every settings header read from the logger, written back at exit.
struct AppSettingsBlock {
    std::uint8_t metric = 1;        // 1 litres, 0 US gallons
    std::uint8_t pressureUnit = 98; // 112 psi, 98 bar, 8 metres of water, 16 kPa
    std::int32_t firmwareVersion = 0;
    std::int32_t serialNumber = 0; // not kept in the configuration file
    bool showTips = true;
    std::uint8_t flowUnit = 0;   // 0 l/min, 1 l/s, 2 m³/h, 3 US gal/min
    bool settingsLocked = false; // the logger's header dictates the flow unit
    bool absoluteTime = false;   // time axis shows clock time
};

extern AppSettingsBlock AppSettings;
