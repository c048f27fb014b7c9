#pragma once
#include <cstdint>

// One 3-byte sample as the logger stores and sends it: 14 bits of flow, 10 bits of pressure.
struct RawSample {
    int flow = 0;     // in the logger's flow unit per minute (litres or US gallons)
    int pressure = 0; // raw count, calibrated by the header's pressure bytes

    static RawSample Decode(const unsigned char* bytes);
};
