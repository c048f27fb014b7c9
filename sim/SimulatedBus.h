#pragma once
#include "LoggerModel.h"
#include "SimulatedLogger.h"

#include <memory>
#include <mutex>
#include <set>
#include <usb.h>
#include <vector>

struct usb_dev_handle {
    int device; // index into the bus's devices
    int open;   // the usb_open call that gave it, counted from the last configuration
};

// The simulated USB host: two buses with a hub each, the logger(s) behind them, open handles,
// injected faults and the log of every control transfer.
class SimulatedBus {
public:
    static SimulatedBus& Instance();

    void Configure(const SimulatedLogger::Options& options);
    const SimulatedLogger::Options& Options();

    // The libusb 0.1 entry points.
    void Init();
    int FindBusses();
    int FindDevices();
    struct usb_bus* Busses();
    usb_dev_handle* Open(struct usb_device* device);
    int Close(usb_dev_handle* handle);
    int ControlMessage(usb_dev_handle* handle, int requestType, int request, int value, int index,
                       char* bytes, int size, int timeoutMs);

    void AdvanceTime(int ms);
    void SetUnplugged(bool unplugged);
    void UnplugAtOpen(int n, int forMs);
    void UnplugAfter(int ms, int forMs);
    void AddFailure(int request, bool configuration, int transfer, bool always);
    void ClearFaults();
    void SetRaggedLive(bool ragged);

    std::vector<unsigned char> Memory(int logger);
    bool Logging(int logger);
    std::vector<SimulatedLogger::Transfer> Log();
    void ClearLog();
    SimulatedLogger::Counters Counters();

private:
    struct Failure {
        int request = -1; // a vendor request number, or -1
        bool configuration = false;
        long transfer = 0; // absolute transfer number, or 0
        bool always = false;
        bool spent = false;
    };
    enum Device { RootHub1, Logger1, RootHub2, Logger2, DeviceCount };

    SimulatedBus();
    void EnsureConfigured();
    void ConfigureLocked(const SimulatedLogger::Options& options);
    void BuildDevices();
    void LinkDevices();
    void ParseFailures(const std::string& requests, const std::string& transfer);
    bool LoggerPresent(int logger);
    bool Unplugged();
    bool FailsNow(int requestType, int request);
    int Dispatch(int logger, int requestType, int request, int value, int index,
                 unsigned char* bytes, int size);
    void Record(const SimulatedLogger::Transfer& transfer);
    void SaveState(int logger);
    std::int64_t NowMs() const;
    static std::int64_t HostMs();
    static int LoggerOf(int device);

    std::recursive_mutex m_mutex; // recursive: configuration reuses the public fault setters
    bool m_configured = false;
    SimulatedLogger::Options m_options;
    std::vector<std::unique_ptr<LoggerModel>> m_loggers;

    struct usb_bus m_busses[2];
    struct usb_device m_devices[DeviceCount];
    std::set<usb_dev_handle*> m_handles;

    std::int64_t m_timeOffsetMs = 0;
    std::int64_t m_frozenAtMs = 0;
    bool m_manualUnplug = false;
    int m_unplugAtOpen = 0; // absolute open number, 0: none
    std::int64_t m_unplugAtMs = -1;
    int m_unplugForMs = 0;
    int m_openCalls = 0;
    std::vector<Failure> m_failures;

    std::vector<SimulatedLogger::Transfer> m_log;
    SimulatedLogger::Counters m_counters;
};
