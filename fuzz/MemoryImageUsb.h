#pragma once
#include <vector>

// The libusb 0.1 functions of the fuzz program: one logger whose 128 KiB memory is the image
// given, answering the firmware request and memory reads as the real one does, so that a
// download runs through the device link unchanged.
namespace MemoryImageUsb {

void Load(const std::vector<unsigned char>& memory, int firmwareWord);
int OpenHandles();

} // namespace MemoryImageUsb
