#include "device/DeviceTestSupport.h"

#include <cstdio>

std::ostream& operator<<(std::ostream& out, const WireTransfer& t) {
    char text[96];
    std::snprintf(text, sizeof text,
                  "{type 0x%02X request %d value 0x%04X index 0x%04X len %d %d ms}", t.requestType,
                  t.request, t.value, t.index, t.length, t.timeoutMs);
    return out << text;
}

std::vector<WireTransfer> WireLog() {
    std::vector<WireTransfer> wire;
    for (const SimulatedLogger::Transfer& t : SimulatedLogger::Log()) {
        wire.push_back({t.requestType, t.request, t.value, t.index, t.length, t.timeoutMs});
    }
    return wire;
}

SimulatedLogger::Options TestLoggerOptions() {
    SimulatedLogger::Options options;
    options.clock = "2011-12-25 09:05:07";
    options.events = 2;
    options.eventSamples = 100;
    options.frozenTime = true;
    return options;
}
