#include "device/ClockRegisters.h"

#include "device/LoggerConversions.h"

#include <cstring>

ClockRegisters ClockRegisters::Decode(const unsigned char* reply) {
    ClockRegisters clock;
    std::memcpy(clock.bytes, reply, sizeof clock.bytes);
    return clock;
}

int ClockRegisters::FullYear() const {
    return 2000 + LoggerConversions::FromBcd(Year());
}
