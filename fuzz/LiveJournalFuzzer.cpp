// The live journal reader over arbitrary bytes: what it restores must come back unchanged when
// its whole blocks are read again alone.
#include "AllocationBudget.h"
#include "FuzzSupport.h"

#include "device/JournalReader.h"

#include <wx/init.h>

#include <cstdint>
#include <string>

namespace {

// A sample of three bytes becomes sixteen bytes of series, plus the growth of the vectors.
const std::size_t kAllocationFactor = 32;
const std::size_t kRecordBytes = 4096;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer initializer;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    AllocationBudget::Start();
    const JournalContents contents = JournalReader::Parse(bytes);
    AllocationBudget::Check(size, kAllocationFactor, kRecordBytes);
    FUZZ_CHECK(contents.readable == contents.problem.empty());
    if (!contents.readable) {
        return 0;
    }
    FUZZ_CHECK(contents.droppedBytes <= size);
    FUZZ_CHECK(contents.record.GetSampleCount() <= contents.ticks * 74);
    const JournalContents again =
        JournalReader::Parse(bytes.substr(0, size - contents.droppedBytes));
    FUZZ_CHECK(again.readable && again.droppedBytes == 0 && again.ticks == contents.ticks);
    FUZZ_CHECK(again.record.GetTimes() == contents.record.GetTimes());
    FUZZ_CHECK(again.record.GetFlows() == contents.record.GetFlows());
    FUZZ_CHECK(again.record.GetPressures() == contents.record.GetPressures());
    FUZZ_CHECK(again.record.GetVolumes() == contents.record.GetVolumes());
    return 0;
}
