#include "device/DeviceTestSupport.h"

#include <cstdio>
#include <fstream>
#include <iterator>

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

std::string StateFileWithMemory(const SimulatedLogger::Options& options, const std::string& path,
                                const std::vector<MemoryPatch>& patches) {
    std::remove(path.c_str());
    SimulatedLogger::Options writing = options;
    writing.stateFile = path;
    SimulatedLogger::Configure(writing); // writes the state file
    SimulatedLogger::Configure(options);

    std::ifstream in(path, std::ios::binary);
    std::string state((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string marker = "memory 131072\n";
    const std::size_t memory = state.find(marker);
    if (memory == std::string::npos) {
        return path;
    }
    for (const MemoryPatch& patch : patches) {
        state[memory + marker.size() + patch.address] = static_cast<char>(patch.value);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << state;
    return path;
}
