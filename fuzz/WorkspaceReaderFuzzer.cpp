// The workspace reader over arbitrary bytes; what it reads must survive a save and a
// second read unchanged.
#include "AllocationBudget.h"
#include "FuzzSupport.h"

#include "files/TextEncoding.h"
#include "files/WorkspaceFile.h"

#include <wx/init.h>

#include <cstdint>
#include <string_view>

namespace {

// A sample line of eight bytes becomes sixteen bytes of series; texts in wide characters and
// the growth of vectors add to that.
const std::size_t kAllocationFactor = 64;
// A record costs some 600 bytes of structure, three times that while the collection grows,
// however small its block in the file (eleven bytes at the least). Only records actually read
// get this allowance: a count in the file buys nothing.
const std::size_t kBytesPerRecord = 2048;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer initializer;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    AllocationBudget::Start();
    const WorkspaceReadResult result = WorkspaceFile::Parse(content, "fuzz.vrx");
    AllocationBudget::Check(size, kAllocationFactor, result.records.size() * kBytesPerRecord);
    FUZZ_CHECK(result.ok == result.error.empty());
    if (!result.ok) {
        return 0;
    }
    const std::string saved = WorkspaceFile::Format(result.records, result.flowUnit);
    const WorkspaceReadResult reread = WorkspaceFile::Parse(saved, "saved.vrx");
    FUZZ_CHECK(reread.ok);
    FUZZ_CHECK(reread.records.size() == result.records.size());
    for (std::size_t i = 0; i < result.records.size(); ++i) {
        FUZZ_CHECK(reread.records[i].GetSampleCount() == result.records[i].GetSampleCount());
        // One-line texts keep their line breaks as blanks.
        FUZZ_CHECK(reread.records[i].GetTitle() ==
                   TextEncoding::OnOneLine(result.records[i].GetTitle()));
        FUZZ_CHECK(reread.records[i].GetTextBox() == result.records[i].GetTextBox());
    }
    // Six decimals may round what was read once; after that a save changes nothing.
    FUZZ_CHECK(WorkspaceFile::Format(reread.records, reread.flowUnit) == saved);
    return 0;
}
