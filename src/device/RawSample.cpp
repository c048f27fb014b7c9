#include "device/RawSample.h"

RawSample RawSample::Decode(const unsigned char* bytes) {
    RawSample sample;
    sample.flow = (bytes[1] & 0x3F) << 8 | bytes[0];
    sample.pressure = (bytes[1] >> 6) << 8 | bytes[2];
    return sample;
}
