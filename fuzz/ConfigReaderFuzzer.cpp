// The configuration reader over arbitrary bytes.
#include "AllocationBudget.h"
#include "FuzzSupport.h"

#include "app/ConfigFile.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    AllocationBudget::Start();
    const AppSettingsBlock settings = ConfigFile::Parse(text);
    AllocationBudget::Check(size, 2);
    // Whatever was read is written as seven numbers that read back the same.
    const std::string saved =
        std::to_string(settings.metric) + "\n" + std::to_string(settings.pressureUnit) + "\n" +
        std::to_string(settings.firmwareVersion) + "\n" +
        std::to_string(settings.showTips ? 1 : 0) + "\n" + std::to_string(settings.flowUnit) +
        "\n" + std::to_string(settings.settingsLocked ? 1 : 0) + "\n" +
        std::to_string(settings.absoluteTime ? 1 : 0) + "\n";
    const AppSettingsBlock reread = ConfigFile::Parse(saved);
    FUZZ_CHECK(reread.metric == settings.metric);
    FUZZ_CHECK(reread.pressureUnit == settings.pressureUnit);
    FUZZ_CHECK(reread.firmwareVersion == settings.firmwareVersion);
    FUZZ_CHECK(reread.showTips == settings.showTips);
    FUZZ_CHECK(reread.flowUnit == settings.flowUnit);
    FUZZ_CHECK(reread.settingsLocked == settings.settingsLocked);
    FUZZ_CHECK(reread.absoluteTime == settings.absoluteTime);
    return 0;
}
