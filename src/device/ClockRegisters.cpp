#include "device/ClockRegisters.h"

#include <cstring>

ClockRegisters ClockRegisters::Decode(const unsigned char* reply) {
    ClockRegisters clock;
    std::memcpy(clock.bytes, reply, sizeof clock.bytes);
    return clock;
}
