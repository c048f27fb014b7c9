// The settings header decoder over any number of bytes, and what the device operations
// derive from a header.
#include "FuzzSupport.h"

#include "app/AppSettings.h"
#include "device/LoggerConversions.h"
#include "device/LoggerHeader.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte is the flow unit index in force before the header is applied; the copy
    // of the rest has exactly its size, so that any read past it is caught.
    AppSettingsBlock settings;
    settings.flowUnit = data[0] % 4;
    const std::vector<unsigned char> bytes(data + 1, data + size);
    const LoggerHeader header = LoggerHeader::Decode(bytes.data(), static_cast<int>(bytes.size()));
    FUZZ_CHECK(header.longForm == (bytes.size() >= 41));

    const int periodMs = header.SamplePeriodMs();
    FUZZ_CHECK(periodMs >= 1 && periodMs <= 16000);
    const int tenths = LoggerConversions::SamplePeriodTenths(header.sampleReload);
    FUZZ_CHECK(tenths >= 1 && tenths <= 161);
    FUZZ_CHECK(LoggerConversions::DelaySamplesToSeconds(header.flowOnDelay, tenths) >= 0);
    FUZZ_CHECK(LoggerConversions::DelaySamplesToSeconds(header.flowOffDelay, tenths) >= 0);
    for (const std::uint8_t digits : header.manufactureDate) {
        FUZZ_CHECK(LoggerConversions::FromBcd(digits) <= 165);
    }

    header.ApplyFlowUnit(settings);
    FUZZ_CHECK(settings.settingsLocked == header.DictatesFlowUnit());
    FUZZ_CHECK(settings.flowUnit <= 3);
    return 0;
}
