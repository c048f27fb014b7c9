#include "SimulatedBus.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace {

constexpr std::uint16_t LoggerVendor = 0x04D8;
constexpr std::uint16_t LoggerProduct = 0xFFFD;
constexpr std::uint16_t HubVendor = 0x1D6B;
constexpr std::uint16_t HubProduct = 0x0002;

std::time_t ParseClock(const std::string& text) {
    std::tm fields{};
    if (text.empty() ||
        std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &fields.tm_year, &fields.tm_mon,
                    &fields.tm_mday, &fields.tm_hour, &fields.tm_min, &fields.tm_sec) != 6) {
        return std::time(nullptr);
    }
    fields.tm_year -= 1900;
    fields.tm_mon -= 1;
    return timegm(&fields);
}

LoggerSetup SetupFor(const SimulatedLogger::Options& options, int logger) {
    LoggerSetup setup;
    static_cast<LoggerShape&>(setup) = options;
    // A second logger differs in its events and its serial number.
    setup.seed += static_cast<std::uint32_t>(logger) * 1000u;
    setup.serialNumber = static_cast<std::uint16_t>(setup.serialNumber + logger);
    setup.clock = ParseClock(options.clock);
    return setup;
}

} // namespace

SimulatedBus& SimulatedBus::Instance() {
    static SimulatedBus bus;
    return bus;
}

SimulatedBus::SimulatedBus() {
    std::memset(m_busses, 0, sizeof m_busses);
    std::memset(m_devices, 0, sizeof m_devices);
}

std::int64_t SimulatedBus::HostMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t SimulatedBus::NowMs() const {
    return (m_options.frozenTime ? m_frozenAtMs : HostMs()) + m_timeOffsetMs;
}

int SimulatedBus::LoggerOf(int device) {
    return device == Logger1 ? 0 : device == Logger2 ? 1 : -1;
}

void SimulatedBus::EnsureConfigured() {
    if (!m_configured) {
        ConfigureLocked(SimulatedLogger::OptionsFromEnvironment());
    }
}

void SimulatedBus::Configure(const SimulatedLogger::Options& options) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    ConfigureLocked(options);
}

const SimulatedLogger::Options& SimulatedBus::Options() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    return m_options;
}

void SimulatedBus::ConfigureLocked(const SimulatedLogger::Options& options) {
    for (usb_dev_handle* handle : m_handles) {
        delete handle;
    }
    m_handles.clear();
    m_frozenAtMs = HostMs();
    m_options = options;
    m_configured = true;
    m_log.clear();
    m_counters = {};
    m_openCalls = 0;
    m_failures.clear();
    m_manualUnplug = false;
    m_unplugAtOpen = 0;
    m_unplugAtMs = -1;
    m_unplugForMs = 0;

    m_loggers.clear();
    const int count = options.secondLogger ? 2 : 1;
    for (int logger = 0; logger < count; ++logger) {
        m_loggers.push_back(std::make_unique<LoggerModel>(SetupFor(options, logger), NowMs()));
    }
    if (!options.stateFile.empty() && !m_loggers[0]->Load(options.stateFile, NowMs())) {
        SaveState(0);
    }
    if (options.unplugAtOpen > 0) {
        UnplugAtOpen(options.unplugAtOpen, options.unplugForMs);
    } else if (options.unplugAfterMs > 0) {
        UnplugAfter(options.unplugAfterMs, options.unplugForMs);
    }
    ParseFailures(options.failRequests, options.failTransfer);
    BuildDevices();
    LinkDevices();
}

void SimulatedBus::BuildDevices() {
    std::memset(m_busses, 0, sizeof m_busses);
    std::memset(m_devices, 0, sizeof m_devices);
    for (int bus = 0; bus < 2; ++bus) {
        std::snprintf(m_busses[bus].dirname, sizeof m_busses[bus].dirname, "%03d", bus + 1);
        m_busses[bus].location = static_cast<std::uint32_t>(bus + 1);
    }
    m_busses[0].next = &m_busses[1];
    m_busses[1].prev = &m_busses[0];
    for (int device = 0; device < DeviceCount; ++device) {
        struct usb_device& d = m_devices[device];
        const int bus = device < RootHub2 ? 0 : 1;
        const bool logger = LoggerOf(device) >= 0;
        d.bus = &m_busses[bus];
        d.devnum = static_cast<std::uint8_t>(logger ? 2 : 1);
        std::snprintf(d.filename, sizeof d.filename, "%03d", d.devnum);
        d.descriptor.bLength = USB_DT_DEVICE_SIZE;
        d.descriptor.bDescriptorType = USB_DT_DEVICE;
        d.descriptor.bcdUSB = 0x0200;
        d.descriptor.bDeviceClass = logger ? 0 : USB_CLASS_HUB;
        d.descriptor.bMaxPacketSize0 = 64;
        d.descriptor.idVendor = logger ? LoggerVendor : HubVendor;
        d.descriptor.idProduct = logger ? LoggerProduct : HubProduct;
        d.descriptor.bNumConfigurations = 1;
    }
}

bool SimulatedBus::Unplugged() {
    if (m_manualUnplug) {
        return true;
    }
    if (m_unplugAtMs < 0) {
        return false;
    }
    const std::int64_t now = NowMs();
    return now >= m_unplugAtMs && (m_unplugForMs == 0 || now < m_unplugAtMs + m_unplugForMs);
}

bool SimulatedBus::LoggerPresent(int logger) {
    return m_options.present && logger >= 0 && logger < static_cast<int>(m_loggers.size()) &&
           !Unplugged();
}

void SimulatedBus::LinkDevices() {
    // Each bus lists its hub first, then its logger when that is plugged in.
    for (int bus = 0; bus < 2; ++bus) {
        const int hub = bus == 0 ? RootHub1 : RootHub2;
        const int logger = bus == 0 ? Logger1 : Logger2;
        m_busses[bus].devices = &m_devices[hub];
        m_busses[bus].root_dev = &m_devices[hub];
        m_devices[hub].prev = nullptr;
        m_devices[hub].next = nullptr;
        m_devices[logger].prev = nullptr;
        m_devices[logger].next = nullptr;
        if (LoggerPresent(LoggerOf(logger))) {
            m_devices[hub].next = &m_devices[logger];
            m_devices[logger].prev = &m_devices[hub];
        }
    }
}

void SimulatedBus::Init() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
}

int SimulatedBus::FindBusses() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    return 0;
}

int SimulatedBus::FindDevices() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    LinkDevices();
    return 0;
}

struct usb_bus* SimulatedBus::Busses() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    return &m_busses[0];
}

usb_dev_handle* SimulatedBus::Open(struct usb_device* device) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    ++m_openCalls;
    if (m_unplugAtOpen > 0 && m_openCalls >= m_unplugAtOpen) {
        m_unplugAtOpen = 0;
        m_unplugAtMs = NowMs();
    }
    const int index = static_cast<int>(device - m_devices);
    if (device == nullptr || index < 0 || index >= DeviceCount ||
        (LoggerOf(index) >= 0 && !LoggerPresent(LoggerOf(index)))) {
        ++m_counters.failedOpens;
        return nullptr;
    }
    usb_dev_handle* handle = new usb_dev_handle{index, m_openCalls};
    m_handles.insert(handle);
    ++m_counters.opens;
    return handle;
}

int SimulatedBus::Close(usb_dev_handle* handle) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (m_handles.erase(handle) == 0) {
        return -EINVAL;
    }
    delete handle;
    ++m_counters.closes;
    return 0;
}

int SimulatedBus::ControlMessage(usb_dev_handle* handle, int requestType, int request, int value,
                                 int index, char* bytes, int size, int timeoutMs) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    ++m_counters.transfers;
    SimulatedLogger::Transfer transfer;
    transfer.requestType = requestType & 0xFF;
    transfer.request = request & 0xFF;
    transfer.value = value & 0xFFFF;
    transfer.index = index & 0xFFFF;
    transfer.length = size;
    transfer.timeoutMs = timeoutMs;
    if ((requestType & USB_ENDPOINT_IN) == 0 && bytes != nullptr && size > 0) {
        transfer.data.assign(bytes, bytes + size);
    }
    if (m_handles.count(handle) == 0) {
        transfer.logger = -1;
        transfer.result = -EINVAL;
    } else {
        transfer.logger = LoggerOf(handle->device);
        transfer.open = handle->open;
        if (transfer.logger >= 0 && !LoggerPresent(transfer.logger)) {
            transfer.result = -ENODEV;
        } else if (FailsNow(transfer.requestType, transfer.request)) {
            transfer.result = -ETIMEDOUT;
        } else {
            transfer.result =
                Dispatch(transfer.logger, transfer.requestType, transfer.request, transfer.value,
                         transfer.index, reinterpret_cast<unsigned char*>(bytes), size);
        }
    }
    Record(transfer);
    return transfer.result;
}

int SimulatedBus::Dispatch(int logger, int requestType, int request, int value, int index,
                           unsigned char* bytes, int size) {
    if (logger < 0) {
        return -EPIPE; // hubs take no vendor requests here
    }
    if (size < 0 || (size > 0 && bytes == nullptr)) {
        return -EINVAL;
    }
    LoggerModel& model = *m_loggers[logger];
    if (requestType == USB_TYPE_STANDARD && request == USB_REQ_SET_CONFIGURATION) {
        return value == 1 ? 0 : -EPIPE;
    }
    if (requestType == (USB_TYPE_VENDOR | USB_ENDPOINT_IN)) {
        return model.In(static_cast<std::uint8_t>(request), static_cast<std::uint16_t>(value),
                        static_cast<std::uint16_t>(index), bytes, size, NowMs());
    }
    if (requestType == USB_TYPE_VENDOR) {
        const int result =
            model.Out(static_cast<std::uint8_t>(request), static_cast<std::uint16_t>(value),
                      static_cast<std::uint16_t>(index), size, NowMs());
        if (model.TakeChanged()) {
            SaveState(logger);
        }
        return result;
    }
    return -EPIPE;
}

void SimulatedBus::SaveState(int logger) {
    if (logger == 0 && !m_options.stateFile.empty()) {
        m_loggers[0]->Save(m_options.stateFile, NowMs());
    }
}

void SimulatedBus::Record(const SimulatedLogger::Transfer& transfer) {
    m_log.push_back(transfer);
    if (m_options.logFile.empty()) {
        return;
    }
    if (std::FILE* file = std::fopen(m_options.logFile.c_str(), "a")) {
        std::fprintf(file, "%s\n", SimulatedLogger::Describe(transfer).c_str());
        std::fclose(file);
    }
}

void SimulatedBus::ParseFailures(const std::string& requests, const std::string& transfer) {
    std::istringstream list(requests);
    std::string item;
    while (std::getline(list, item, ',')) {
        const bool always = item.find(":always") != std::string::npos;
        const std::string what = item.substr(0, item.find(':'));
        if (what == "config") {
            AddFailure(-1, true, 0, always);
        } else if (!what.empty()) {
            AddFailure(static_cast<int>(std::strtol(what.c_str(), nullptr, 0)), false, 0, always);
        }
    }
    if (!transfer.empty()) {
        const int n = static_cast<int>(std::strtol(transfer.c_str(), nullptr, 0));
        if (n > 0) {
            AddFailure(-1, false, n, transfer.find(":always") != std::string::npos);
        }
    }
}

bool SimulatedBus::FailsNow(int requestType, int request) {
    const long number = m_counters.transfers;
    for (Failure& failure : m_failures) {
        if (failure.spent) {
            continue;
        }
        const bool vendor = (requestType & USB_TYPE_VENDOR) != 0;
        const bool matches =
            (failure.configuration && !vendor && request == USB_REQ_SET_CONFIGURATION) ||
            (failure.request >= 0 && vendor && request == failure.request) ||
            (failure.transfer > 0 &&
             (failure.always ? number >= failure.transfer : number == failure.transfer));
        if (matches) {
            failure.spent = !failure.always;
            return true;
        }
    }
    return false;
}

void SimulatedBus::AdvanceTime(int ms) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_timeOffsetMs += ms;
}

void SimulatedBus::SetUnplugged(bool unplugged) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    m_manualUnplug = unplugged;
    if (!unplugged) {
        m_unplugAtOpen = 0;
        m_unplugAtMs = -1;
    }
}

void SimulatedBus::UnplugAtOpen(int n, int forMs) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_unplugAtOpen = m_openCalls + n;
    m_unplugAtMs = -1;
    m_unplugForMs = forMs;
}

void SimulatedBus::UnplugAfter(int ms, int forMs) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_unplugAtOpen = 0;
    m_unplugAtMs = NowMs() + ms;
    m_unplugForMs = forMs;
}

void SimulatedBus::AddFailure(int request, bool configuration, int transfer, bool always) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    Failure failure;
    failure.request = request;
    failure.configuration = configuration;
    failure.transfer = transfer > 0 ? m_counters.transfers + transfer : 0;
    failure.always = always;
    m_failures.push_back(failure);
}

void SimulatedBus::ClearFaults() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_failures.clear();
    m_manualUnplug = false;
    m_unplugAtOpen = 0;
    m_unplugAtMs = -1;
}

void SimulatedBus::SetRaggedLive(bool ragged) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    for (auto& logger : m_loggers) {
        logger->SetRaggedLive(ragged);
    }
}

std::vector<unsigned char> SimulatedBus::Memory(int logger) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    if (logger < 0 || logger >= static_cast<int>(m_loggers.size())) {
        return {};
    }
    return m_loggers[logger]->Memory();
}

bool SimulatedBus::Logging(int logger) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    EnsureConfigured();
    return logger >= 0 && logger < static_cast<int>(m_loggers.size()) &&
           m_loggers[logger]->Logging();
}

std::vector<SimulatedLogger::Transfer> SimulatedBus::Log() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_log;
}

void SimulatedBus::ClearLog() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_log.clear();
}

SimulatedLogger::Counters SimulatedBus::Counters() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    SimulatedLogger::Counters counters = m_counters;
    counters.openHandles = static_cast<int>(m_handles.size());
    return counters;
}
