#include "device/StatusBlock.h"

#include "device/LoggerConversions.h"

using namespace LoggerConversions;

StatusBlock StatusBlock::Decode(const unsigned char* bytes) {
    StatusBlock status;
    status.memoryPointer = ReadAddress(bytes);
    status.battery = ReadWord(bytes + 3);
    status.sampleReload = ReadWord(bytes + 5);
    return status;
}
