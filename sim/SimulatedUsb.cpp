// The libusb 0.1 functions the program uses, answered by the simulated logger.
#include "SimulatedBus.h"

#include <usb.h>

extern "C" {

void usb_init(void) {
    SimulatedBus::Instance().Init();
}

int usb_find_busses(void) {
    return SimulatedBus::Instance().FindBusses();
}

int usb_find_devices(void) {
    return SimulatedBus::Instance().FindDevices();
}

struct usb_bus* usb_get_busses(void) {
    return SimulatedBus::Instance().Busses();
}

usb_dev_handle* usb_open(struct usb_device* dev) {
    return SimulatedBus::Instance().Open(dev);
}

int usb_close(usb_dev_handle* dev) {
    return SimulatedBus::Instance().Close(dev);
}

int usb_control_msg(usb_dev_handle* dev, int requesttype, int request, int value, int index,
                    char* bytes, int size, int timeout) {
    return SimulatedBus::Instance().ControlMessage(dev, requesttype, request, value, index, bytes,
                                                   size, timeout);
}
}
