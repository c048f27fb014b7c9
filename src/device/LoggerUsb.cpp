#include "device/LoggerUsb.h"

#include "device/LoggerProtocol.h"

#include <algorithm>
#include <cstring>
#include <usb.h>

using namespace LoggerProtocol;

namespace {

constexpr int ConfigurationTimeoutMs = 100;
constexpr int CommandTimeoutMs = 500;
constexpr int LiveTimeoutMs = 100;
constexpr int MemoryTimeoutMs = 1000;
constexpr std::uint32_t AddressSpace = 0x1000000; // 24-bit addresses

std::uint16_t LowByte(int value) {
    return static_cast<std::uint16_t>(value & 0xFF);
}
std::uint16_t Word(int value) {
    return static_cast<std::uint16_t>(value & 0xFFFF);
}

} // namespace

LoggerUsb::LoggerUsb() : m_handle(nullptr), m_device(nullptr) {
    std::memset(m_reply, 0, sizeof m_reply);
}

LoggerUsb::~LoggerUsb() = default;

bool LoggerUsb::FindDevice() {
    usb_init();
    usb_find_busses();
    usb_find_devices();
    for (struct usb_bus* bus = usb_get_busses(); bus != nullptr; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev != nullptr; dev = dev->next) {
            if (dev->descriptor.idVendor != VendorId || dev->descriptor.idProduct != ProductId) {
                continue;
            }
            // A logger that is listed but cannot be opened counts as not found.
            m_device = dev;
            if (!OpenDevice()) {
                return false;
            }
            SelectConfiguration();
            CloseDevice();
            return true;
        }
    }
    return false;
}

bool LoggerUsb::EnsureDevice() {
    return m_device != nullptr || FindDevice();
}

bool LoggerUsb::OpenDevice() {
    m_handle = usb_open(m_device);
    if (m_handle == nullptr) {
        // Unplugged since the last search: search again next time.
        m_device = nullptr;
        return false;
    }
    return true;
}

void LoggerUsb::CloseDevice() {
    if (m_handle != nullptr) {
        usb_close(m_handle);
        m_handle = nullptr;
    }
}

bool LoggerUsb::SelectConfiguration() {
    return usb_control_msg(m_handle, RequestTypeStandardOut, StandardSetConfiguration,
                           Configuration, 0, nullptr, 0, ConfigurationTimeoutMs) >= 0;
}

int LoggerUsb::Transfer(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
                        std::uint16_t index, int length, int timeoutMs) {
    return usb_control_msg(m_handle, requestType, request, value, index,
                           reinterpret_cast<char*>(m_reply), length, timeoutMs);
}

int LoggerUsb::TransferWithRecovery(std::uint8_t requestType, std::uint8_t request,
                                    std::uint16_t value, std::uint16_t index, int length,
                                    int timeoutMs) {
    if (length < 0 || length > ReplyBufferSize) {
        return UsbBadRequest;
    }
    if (!EnsureDevice()) {
        return UsbNotFound;
    }
    if (!OpenDevice()) {
        return UsbOpenFailed;
    }
    int code = UsbOk;
    if (Transfer(requestType, request, value, index, length, timeoutMs) < 0) {
        if (!SelectConfiguration()) {
            code = UsbConfigFailed;
        } else if (Transfer(requestType, request, value, index, length, timeoutMs) < 0) {
            code = UsbRetryFailed;
        }
    }
    CloseDevice();
    return code;
}

int LoggerUsb::ReadRequest(std::uint8_t request, std::uint16_t value, std::uint16_t index,
                           int length, int timeoutMs) {
    return TransferWithRecovery(RequestTypeIn, request, value, index, length, timeoutMs);
}

int LoggerUsb::WriteRequest(std::uint8_t request, std::uint16_t value, std::uint16_t index,
                            int length, int timeoutMs) {
    return TransferWithRecovery(RequestTypeOut, request, value, index, length, timeoutMs);
}

const unsigned char* LoggerUsb::ReadLive() {
    if (!EnsureDevice() || !OpenDevice()) {
        return nullptr;
    }
    const bool ok =
        Transfer(RequestTypeIn, LoggerProtocol::ReadLive, 0, 0, LiveBlockSize, LiveTimeoutMs) >= 0;
    CloseDevice();
    return ok ? m_reply : nullptr;
}

bool LoggerUsb::ReadMemory(std::uint32_t address, std::uint32_t length,
                           unsigned char* destination) {
    if (address >= AddressSpace || length > AddressSpace - address) {
        return false;
    }
    if (!EnsureDevice() || !OpenDevice()) {
        return false;
    }
    while (length > 0) {
        const std::uint32_t chunk = std::min<std::uint32_t>(length, MemoryChunk);
        const std::uint16_t value = Word(address);
        const std::uint16_t index = Word(chunk * 256 + ((address >> 16) & 0xFF));
        if (Transfer(RequestTypeIn, LoggerProtocol::ReadMemory, value, index,
                     static_cast<int>(chunk), MemoryTimeoutMs) < 0) {
            CloseDevice();
            return false;
        }
        std::memcpy(destination, m_reply, chunk);
        destination += chunk;
        address += chunk;
        length -= chunk;
    }
    CloseDevice();
    return true;
}

bool LoggerUsb::SingleOutTransfer(std::uint8_t request, std::uint16_t value, std::uint16_t index,
                                  int length, int timeoutMs) {
    if (!EnsureDevice() || !OpenDevice()) {
        return false;
    }
    const bool ok = Transfer(RequestTypeOut, request, value, index, length, timeoutMs) >= 0;
    CloseDevice();
    return ok;
}

bool LoggerUsb::SetClockTime(const unsigned char* bytes) {
    const std::uint16_t value = Word(bytes[0] | bytes[1] << 8);
    const std::uint16_t index = Word(bytes[2] | bytes[3] << 8);
    return SingleOutTransfer(LoggerProtocol::SetClockTime, value, index, 4, CommandTimeoutMs);
}

bool LoggerUsb::SetClockDate(const unsigned char* bytes) {
    const std::uint16_t value = Word(bytes[0] | bytes[1] << 8);
    return SingleOutTransfer(LoggerProtocol::SetClockDate, value, bytes[2], 4, CommandTimeoutMs);
}

unsigned char LoggerUsb::GetErrorCode() {
    return ReadRequest(LoggerProtocol::GetErrorCode, 0, 0, 1, CommandTimeoutMs) == UsbOk
               ? m_reply[0]
               : 0;
}

bool LoggerUsb::SetAutoLog(bool enable) {
    return WriteRequest(LoggerProtocol::SetAutoLog, enable ? 2 : 0, 0, 1, CommandTimeoutMs) ==
           UsbOk;
}

bool LoggerUsb::SetSampleRate(int reload, int pressureUnitCode) {
    if (WriteRequest(SetSampleReload, Word(reload), 0, 1, CommandTimeoutMs) != UsbOk) {
        return false;
    }
    return WriteRequest(SetPressureUnit, LowByte(pressureUnitCode), 0, 1, CommandTimeoutMs) ==
           UsbOk;
}

bool LoggerUsb::SetLogging(int on) {
    return WriteRequest(LoggerProtocol::SetLogging, on > 0 ? 1 : 0, 0, 1, CommandTimeoutMs) ==
           UsbOk;
}

bool LoggerUsb::ClearMemory() {
    return WriteRequest(LoggerProtocol::ClearMemory, 0, 0, 1, CommandTimeoutMs) == UsbOk;
}

const unsigned char* LoggerUsb::ReadClock() {
    return ReplyIfOk(
        ReadRequest(LoggerProtocol::ReadClock, 0, 0, ClockRegistersSize, CommandTimeoutMs));
}

bool LoggerUsb::SetClockConfig(int a, int b) {
    const std::uint16_t value = Word(LowByte(a) | LowByte(b) << 8);
    return WriteRequest(LoggerProtocol::SetClockConfig, value, 0, 2, ConfigurationTimeoutMs) ==
           UsbOk;
}

bool LoggerUsb::SetFlowOn(int threshold, int delaySamples) {
    return WriteRequest(LoggerProtocol::SetFlowOn, Word(threshold), Word(delaySamples), 4,
                        CommandTimeoutMs) == UsbOk;
}

bool LoggerUsb::SetFlowOff(int threshold, int delaySamples) {
    return WriteRequest(LoggerProtocol::SetFlowOff, Word(threshold), Word(delaySamples), 4,
                        CommandTimeoutMs) == UsbOk;
}

const unsigned char* LoggerUsb::GetStatus() {
    return ReplyIfOk(
        ReadRequest(LoggerProtocol::GetStatus, 0, 0, StatusBlockSize, CommandTimeoutMs));
}

const unsigned char* LoggerUsb::GetFirmwareVersion() {
    // A failed request must read as firmware 0, whatever the last reply left here.
    m_reply[0] = 0;
    m_reply[1] = 0;
    return ReplyIfOk(ReadRequest(LoggerProtocol::GetFirmwareVersion, 0, 0, 2, CommandTimeoutMs));
}
