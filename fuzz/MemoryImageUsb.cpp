#include "MemoryImageUsb.h"

#include "device/LoggerProtocol.h"

#include <cerrno>
#include <cstring>
#include <usb.h>

struct usb_dev_handle {
    int open;
};

namespace {

constexpr std::size_t MemorySize = LoggerProtocol::MemorySize;

std::vector<unsigned char> Memory(MemorySize, 0);
int FirmwareWord = 0;
int Handles = 0;
usb_dev_handle Handle{0};
struct usb_device Device;
struct usb_bus Bus;

int ReadMemory(int value, int index, char* bytes, int size) {
    const std::size_t address = static_cast<std::size_t>(value) | (index & 0xFF) << 16;
    const int length = (index >> 8) & 0xFF;
    if (length != size || size <= 0 || address + size > MemorySize) {
        return -EPIPE; // the logger stalls a read it cannot serve
    }
    std::memcpy(bytes, Memory.data() + address, size);
    return size;
}

} // namespace

namespace MemoryImageUsb {

void Load(const std::vector<unsigned char>& memory, int firmwareWord) {
    Memory.assign(MemorySize, 0);
    std::memcpy(Memory.data(), memory.data(),
                memory.size() < MemorySize ? memory.size() : MemorySize);
    FirmwareWord = firmwareWord;
}

int OpenHandles() {
    return Handles;
}

} // namespace MemoryImageUsb

extern "C" {

void usb_init(void) {
    Device = {};
    Device.descriptor.idVendor = LoggerProtocol::VendorId;
    Device.descriptor.idProduct = LoggerProtocol::ProductId;
    Device.bus = &Bus;
    Bus = {};
    Bus.devices = &Device;
}

int usb_find_busses(void) {
    return 0;
}

int usb_find_devices(void) {
    return 0;
}

struct usb_bus* usb_get_busses(void) {
    return &Bus;
}

usb_dev_handle* usb_open(struct usb_device* dev) {
    if (dev != &Device) {
        return nullptr;
    }
    ++Handles;
    return &Handle;
}

int usb_close(usb_dev_handle* dev) {
    if (dev != &Handle || Handles == 0) {
        return -EINVAL;
    }
    --Handles;
    return 0;
}

int usb_control_msg(usb_dev_handle* dev, int requesttype, int request, int value, int index,
                    char* bytes, int size, int) {
    if (dev != &Handle || Handles == 0) {
        return -EINVAL;
    }
    if (requesttype == 0x00 && request == USB_REQ_SET_CONFIGURATION) {
        return 0;
    }
    if (requesttype == 0xC0 && request == LoggerProtocol::GetFirmwareVersion && size >= 2) {
        bytes[0] = static_cast<char>(FirmwareWord & 0xFF);
        bytes[1] = static_cast<char>(FirmwareWord >> 8);
        return 2;
    }
    if (requesttype == 0xC0 && request == LoggerProtocol::ReadMemory) {
        return ReadMemory(value, index, bytes, size);
    }
    return -EPIPE;
}
}
