// Placeholder until the simulated logger lands: a bus with no devices.
#include <usb.h>

extern "C" {
void usb_init(void) {}
int usb_find_busses(void) { return 0; }
int usb_find_devices(void) { return 0; }
struct usb_bus* usb_get_busses(void) { return nullptr; }
usb_dev_handle* usb_open(struct usb_device*) { return nullptr; }
int usb_close(usb_dev_handle*) { return 0; }
int usb_control_msg(usb_dev_handle*, int, int, int, int, char*, int, int) { return -1; }
}
