#pragma once
#include <cstdint>

struct usb_dev_handle;
struct usb_device;

// Result codes of the generic transfers.
enum UsbResult {
    UsbOpenFailed = 0,   // a device was known but would not open; it is forgotten
    UsbBadRequest = 1,   // the request could not be sent as asked (length beyond the buffer)
    UsbNotFound = 3,     // no logger on any bus
    UsbOk = 4,           // done, possibly after recovery
    UsbConfigFailed = 5, // the transfer failed and re-selecting the configuration failed too
    UsbRetryFailed = 6,  // the transfer failed again after re-selecting the configuration
};

// The only path to the logger: vendor control transfers on endpoint 0. Every operation opens
// its own handle and closes it again, so the logger may be unplugged between any two of them.
// IN replies land in one reply buffer that keeps its content until the next transfer; OUT data
// stages are sent from that same buffer as it stands.
class LoggerUsb {
public:
    static constexpr int ReplyBufferSize = 256;

    LoggerUsb();
    virtual ~LoggerUsb();
    LoggerUsb(const LoggerUsb&) = delete;
    LoggerUsb& operator=(const LoggerUsb&) = delete;

    bool FindDevice();
    int ReadRequest(std::uint8_t request, std::uint16_t value, std::uint16_t index, int length,
                    int timeoutMs);
    int WriteRequest(std::uint8_t request, std::uint16_t value, std::uint16_t index, int length,
                     int timeoutMs);
    bool SelectConfiguration();

    // Transfers without the recovery step.
    const unsigned char* ReadLive();
    bool ReadMemory(std::uint32_t address, std::uint32_t length, unsigned char* destination);
    bool SetClockTime(const unsigned char* bytes);
    bool SetClockDate(const unsigned char* bytes);

    // The logger's command set; IN commands give the reply buffer or null, OUT commands success.
    unsigned char GetErrorCode();
    bool SetAutoLog(bool enable);
    bool SetSampleRate(int reload, int pressureUnitCode);
    bool SetLogging(int on);
    bool ClearMemory();
    const unsigned char* ReadClock();
    bool SetClockConfig(int a, int b);
    bool SetFlowOn(int threshold, int delaySamples);
    bool SetFlowOff(int threshold, int delaySamples);
    const unsigned char* GetStatus();
    const unsigned char* GetFirmwareVersion();

    const unsigned char* Reply() const { return m_reply; }
    bool HasDevice() const { return m_device != nullptr; }

private:
    bool EnsureDevice();
    bool OpenDevice();
    void CloseDevice();
    int Transfer(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
                 std::uint16_t index, int length, int timeoutMs);
    int TransferWithRecovery(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
                             std::uint16_t index, int length, int timeoutMs);
    bool SingleOutTransfer(std::uint8_t request, std::uint16_t value, std::uint16_t index,
                           int length, int timeoutMs);
    const unsigned char* ReplyIfOk(int code) const { return code == UsbOk ? m_reply : nullptr; }

    usb_dev_handle* m_handle;
    usb_device* m_device;
    unsigned char m_reply[ReplyBufferSize];
};
