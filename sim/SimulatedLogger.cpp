#include "SimulatedLogger.h"

#include "SimulatedBus.h"

#include <cstdio>
#include <cstdlib>

namespace SimulatedLogger {

namespace {

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

long Number(const char* name, long fallback) {
    const char* value = Variable(name);
    return value != nullptr ? std::strtol(value, nullptr, 0) : fallback;
}

std::string Text(const char* name, const std::string& fallback = std::string()) {
    const char* value = Variable(name);
    return value != nullptr ? std::string(value) : fallback;
}

} // namespace

Options OptionsFromEnvironment() {
    Options o;
    o.firmwareWord = static_cast<std::uint16_t>(Number("DEXTREL_SIM_FIRMWARE", o.firmwareWord));
    o.events = static_cast<int>(Number("DEXTREL_SIM_EVENTS", o.events));
    o.eventSamples = static_cast<int>(Number("DEXTREL_SIM_EVENT_SAMPLES", o.eventSamples));
    o.seed = static_cast<std::uint32_t>(Number("DEXTREL_SIM_SEED", o.seed));
    o.sampleReload = static_cast<std::uint16_t>(Number("DEXTREL_SIM_RELOAD", o.sampleReload));
    o.metric = Number("DEXTREL_SIM_METRIC", o.metric) != 0;
    o.pressureUnit = static_cast<std::uint8_t>(Number("DEXTREL_SIM_PRESSURE_UNIT", o.pressureUnit));
    o.serialNumber = static_cast<std::uint16_t>(Number("DEXTREL_SIM_SERIAL", o.serialNumber));
    o.modelCode = static_cast<std::uint8_t>(Number("DEXTREL_SIM_MODEL", o.modelCode));
    o.flowUnitCode =
        static_cast<std::uint8_t>(Number("DEXTREL_SIM_FLOW_UNIT_CODE", o.flowUnitCode));
    o.battery = static_cast<std::uint16_t>(Number("DEXTREL_SIM_BATTERY", o.battery));
    o.errorCode = static_cast<std::uint8_t>(Number("DEXTREL_SIM_ERROR_CODE", o.errorCode));
    o.clock = Text("DEXTREL_SIM_CLOCK");
    o.corruptToc = static_cast<int>(Number("DEXTREL_SIM_CORRUPT_TOC", o.corruptToc));
    o.raggedLive = Number("DEXTREL_SIM_RAGGED_LIVE", 0) != 0;
    o.present = Number("DEXTREL_SIM_ABSENT", 0) == 0;
    o.secondLogger = Number("DEXTREL_SIM_SECOND_LOGGER", 0) != 0;
    o.unplugAtOpen = static_cast<int>(Number("DEXTREL_SIM_UNPLUG_AT_OPEN", 0));
    o.unplugAfterMs = static_cast<int>(Number("DEXTREL_SIM_UNPLUG_AFTER_MS", 0));
    o.unplugForMs = static_cast<int>(Number("DEXTREL_SIM_UNPLUG_FOR_MS", 0));
    o.failRequests = Text("DEXTREL_SIM_FAIL_REQUEST");
    o.failTransfer = Text("DEXTREL_SIM_FAIL_TRANSFER");
    o.stateFile = Text("DEXTREL_SIM_STATE");
    o.logFile = Text("DEXTREL_SIM_LOG");
    return o;
}

void Configure(const Options& options) {
    SimulatedBus::Instance().Configure(options);
}

const Options& CurrentOptions() {
    return SimulatedBus::Instance().Options();
}

void AdvanceTime(int ms) {
    SimulatedBus::Instance().AdvanceTime(ms);
}

void Unplug() {
    SimulatedBus::Instance().SetUnplugged(true);
}

void PlugIn() {
    SimulatedBus::Instance().SetUnplugged(false);
}

void UnplugAtOpen(int n, int forMs) {
    SimulatedBus::Instance().UnplugAtOpen(n, forMs);
}

void UnplugAfter(int ms, int forMs) {
    SimulatedBus::Instance().UnplugAfter(ms, forMs);
}

void FailRequest(int request, bool always) {
    SimulatedBus::Instance().AddFailure(request, false, 0, always);
}

void FailConfiguration(bool always) {
    SimulatedBus::Instance().AddFailure(-1, true, 0, always);
}

void FailTransfer(int n, bool always) {
    SimulatedBus::Instance().AddFailure(-1, false, n, always);
}

void ClearFaults() {
    SimulatedBus::Instance().ClearFaults();
}

void SetRaggedLive(bool ragged) {
    SimulatedBus::Instance().SetRaggedLive(ragged);
}

std::vector<unsigned char> Memory(int logger) {
    return SimulatedBus::Instance().Memory(logger);
}

bool Logging(int logger) {
    return SimulatedBus::Instance().Logging(logger);
}

std::vector<Transfer> Log() {
    return SimulatedBus::Instance().Log();
}

void ClearLog() {
    SimulatedBus::Instance().ClearLog();
}

Counters GetCounters() {
    return SimulatedBus::Instance().Counters();
}

std::string Describe(const Transfer& t) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "logger %d type 0x%02X request %d value 0x%04X index 0x%04X length %d "
                  "timeout %d -> %d open %d",
                  t.logger, t.requestType, t.request, t.value, t.index, t.length, t.timeoutMs,
                  t.result, t.open);
    return line;
}

} // namespace SimulatedLogger
