#pragma once
#include "device/TocEntry.h"
#include "records/Storage.h"

#include <wx/string.h>

#include <cstdint>
#include <functional>
#include <vector>

struct HeaderRead;
struct AppSettingsBlock;

// Turns what a download read from the logger (header, table of contents, sample data) into
// one recording per event, newest first. Samples are only ever taken from inside the data
// read: an event whose range reaches past it keeps the samples that lie inside.
class DownloadRecords {
public:
    using Step = std::function<void()>;

    // Events with more samples than the memory can hold are corrupt and get none.
    static constexpr std::uint32_t kMaxEventSamples = 0x1FFFF;

    // "25/12/2011 9:05:07": day and hours without a leading zero, the rest with two digits.
    static wxString DateText(const TocEntry& entry);
    static wxString Title(int index);

    // data holds the memory from the header's end on. step runs once per record made and
    // once per event whose samples were taken, as the progress display pulses.
    static std::vector<Storage> Build(const HeaderRead& header, const std::vector<TocEntry>& table,
                                      const std::vector<unsigned char>& data,
                                      const AppSettingsBlock& settings, const Step& step);

    // Number of samples of the event [start, end) that lie inside data, read from the
    // header's end on; 0 for an empty, reversed or corrupt range.
    static std::uint32_t SamplesInside(std::uint32_t start, std::uint32_t end, int headerSize,
                                       std::size_t dataSize);

private:
    static Storage NewRecord(const TocEntry& entry, int index, const HeaderRead& header,
                             const AppSettingsBlock& settings);
    static void AddSamples(Storage& record, const unsigned char* samples, std::uint32_t count);
};
