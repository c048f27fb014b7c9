#include "device/DownloadRecords.h"

#include "app/AppSettings.h"
#include "device/HeaderReader.h"
#include "device/LoggerProtocol.h"
#include "device/RawSample.h"

wxString DownloadRecords::DateText(const TocEntry& e) {
    return wxString::Format("%x/%x%x/20%x%x %x:%x%x:%x%x", e.day, e.month >> 4, e.month & 0x0F,
                            e.year >> 4, e.year & 0x0F, e.hours, e.minutes >> 4, e.minutes & 0x0F,
                            e.seconds >> 4, e.seconds & 0x0F);
}

wxString DownloadRecords::Title(int index) {
    return wxString::Format("Memorie %d", index + 1);
}

Storage DownloadRecords::NewRecord(const TocEntry& entry, int index, const HeaderRead& read,
                                   const AppSettingsBlock& settings) {
    Storage record(DateText(entry), read.header.SamplePeriodMs(), settings.metric, false,
                   settings.flowUnit, index + 1);
    const LoggerHeader& h = read.header;
    record.SetPressureCalibration(h.pressureZero, h.pressureScale, h.pressureScaleFine,
                                  h.pressureUnit);
    record.SetTitle(Title(index));
    record.SetSerialNumber(HeaderReader::SerialNumber(read));
    record.SetMemoryEnd(static_cast<int>(entry.endAddress));
    return record;
}

std::uint32_t DownloadRecords::SamplesInside(std::uint32_t start, std::uint32_t end, int headerSize,
                                             std::size_t dataSize) {
    // Unsigned on purpose: an end below its start wraps to a count no event can have.
    const std::uint32_t count = (end - start) / LoggerProtocol::SampleSize;
    if (count < 1 || count > kMaxEventSamples) {
        return 0;
    }
    const std::uint32_t header = static_cast<std::uint32_t>(headerSize);
    if (start < header || start - header >= dataSize) {
        return 0;
    }
    const std::uint32_t available =
        static_cast<std::uint32_t>((dataSize - (start - header)) / LoggerProtocol::SampleSize);
    return count < available ? count : available;
}

void DownloadRecords::AddSamples(Storage& record, const unsigned char* samples,
                                 std::uint32_t count) {
    record.ReserveSamples(static_cast<int>(count));
    for (std::uint32_t k = 0; k < count; ++k) {
        const RawSample sample = RawSample::Decode(samples + LoggerProtocol::SampleSize * k);
        record.AddRawSample(sample.flow, sample.pressure);
    }
}

std::vector<Storage> DownloadRecords::Build(const HeaderRead& read,
                                            const std::vector<TocEntry>& table,
                                            const std::vector<unsigned char>& data,
                                            const AppSettingsBlock& settings, const Step& step) {
    std::vector<Storage> records;
    records.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        records.push_back(NewRecord(table[i], static_cast<int>(i), read, settings));
        step();
    }
    // Events lie oldest first from the header's end, each up to its own end address.
    const std::uint32_t headerSize = static_cast<std::uint32_t>(read.headerSize);
    std::uint32_t start = headerSize;
    for (std::size_t i = table.size(); i-- > 0;) {
        const std::uint32_t end = table[i].endAddress;
        const std::uint32_t count = SamplesInside(start, end, read.headerSize, data.size());
        if (count > 0) {
            AddSamples(records[i], data.data() + (start - headerSize), count);
        }
        step();
        start = end;
    }
    return records;
}
