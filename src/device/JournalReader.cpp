#include "device/JournalReader.h"

#include "device/LiveJournal.h"
#include "device/LiveRecording.h"
#include "device/LoggerProtocol.h"
#include "files/Crc32.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads little-endian fields; past the end it only marks itself failed.
class FieldReader {
public:
    FieldReader(const std::string& bytes, std::size_t from, std::size_t to)
        : m_bytes(bytes), m_at(from), m_end(to) {}
    bool Ok() const { return m_ok; }
    unsigned U8() {
        if (m_at >= m_end) {
            m_ok = false;
            return 0;
        }
        return static_cast<unsigned char>(m_bytes[m_at++]);
    }
    unsigned U16() {
        const unsigned low = U8();
        return low | U8() << 8;
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | static_cast<std::uint32_t>(U16()) << 16;
    }
    int I32() { return static_cast<int>(U32()); }
    wxString Text() {
        const unsigned size = U16();
        if (!m_ok || m_end - m_at < size) {
            m_ok = false;
            return "";
        }
        const wxString text = wxString::FromUTF8(m_bytes.data() + m_at, size);
        m_at += size;
        return text;
    }

private:
    const std::string& m_bytes;
    std::size_t m_at;
    std::size_t m_end;
    bool m_ok = true;
};

constexpr std::size_t kMagicSize = 4;
constexpr std::size_t kPrefixSize = kMagicSize + 2 + 4; // magic, format, header length
constexpr std::size_t kChecksumSize = 4;

std::uint32_t StoredChecksum(const std::string& bytes, std::size_t at) {
    FieldReader reader(bytes, at, at + kChecksumSize);
    return reader.U32();
}

bool ChecksumMatches(const std::string& bytes, std::size_t from, std::size_t to) {
    return Crc32::Of(bytes.data() + from, to - from) == StoredChecksum(bytes, to);
}

JournalContents Unreadable(const wxString& problem) {
    JournalContents contents;
    contents.problem = problem;
    return contents;
}

// The record as NewRecord made it, from the header fields.
Storage RecordFromHeader(FieldReader& fields) {
    const int interval = fields.I32();
    const int metric = fields.I32();
    const int flowUnit = fields.I32();
    const std::uint8_t offset = fields.U8();
    const std::uint8_t gain = fields.U8();
    const std::uint8_t hundredths = fields.U8();
    const std::uint8_t unit = fields.U8();
    const int serial = fields.I32();
    const wxString dateText = fields.Text();
    const wxString title = fields.Text();
    Storage record(dateText, interval, metric, false, flowUnit, 0);
    record.SetTitle(title);
    record.SetPressureCalibration(offset, gain, hundredths, unit);
    record.SetSerialNumber(serial);
    return record;
}

// The length of the whole tick block at at, or 0 when it is not a sound block.
std::size_t TickBlockSize(const std::string& bytes, std::size_t at) {
    const std::size_t left = bytes.size() - at;
    if (left < 2 || bytes[at] != LiveJournal::kTickTag) {
        return 0;
    }
    const std::size_t used = static_cast<unsigned char>(bytes[at + 1]);
    const std::size_t size = 2 + used + kChecksumSize;
    if (used < 1 || used > static_cast<std::size_t>(LoggerProtocol::LiveBlockSize) || left < size ||
        !ChecksumMatches(bytes, at, at + 2 + used)) {
        return 0;
    }
    return size;
}

} // namespace

JournalContents JournalReader::Parse(const std::string& bytes) {
    if (bytes.size() < kPrefixSize || bytes.compare(0, kMagicSize, "DXLJ") != 0) {
        return Unreadable(wxString::FromUTF8("nu este un jurnal de înregistrare"));
    }
    FieldReader prefix(bytes, kMagicSize, kPrefixSize);
    const unsigned format = prefix.U16();
    const std::uint32_t headerSize = prefix.U32();
    if (format != LiveJournal::kFormat) {
        return Unreadable(wxString::Format("formatul %u nu este cunoscut", format));
    }
    const std::size_t headerEnd = kPrefixSize + headerSize;
    if (headerSize > bytes.size() || bytes.size() < headerEnd + kChecksumSize ||
        !ChecksumMatches(bytes, kMagicSize, headerEnd)) {
        return Unreadable(wxString::FromUTF8("antetul este deteriorat"));
    }
    FieldReader fields(bytes, kPrefixSize, headerEnd);
    JournalContents contents;
    contents.record = RecordFromHeader(fields);
    if (!fields.Ok()) {
        return Unreadable(wxString::FromUTF8("antetul este deteriorat"));
    }
    contents.readable = true;
    std::size_t at = headerEnd + kChecksumSize;
    unsigned char block[LoggerProtocol::LiveBlockSize];
    while (at < bytes.size()) {
        const std::size_t size = TickBlockSize(bytes, at);
        if (size == 0) {
            break;
        }
        const std::size_t used = static_cast<unsigned char>(bytes[at + 1]);
        std::memset(block, 0, sizeof block);
        std::memcpy(block, bytes.data() + at + 2, used);
        LiveRecording::AppendBlock(contents.record, block);
        ++contents.ticks;
        at += size;
    }
    contents.droppedBytes = bytes.size() - at;
    return contents;
}

JournalContents JournalReader::ReadFrom(int descriptor) {
    // A day of the fastest live ticks is some 20 MB; anything far beyond is no journal.
    constexpr off_t kLargest = off_t(256) << 20;
    struct stat status;
    if (fstat(descriptor, &status) != 0 || status.st_size > kLargest) {
        return Unreadable(wxString::FromUTF8("este prea mare pentru un jurnal"));
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = pread(descriptor, buffer, sizeof buffer, offset);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Unreadable(wxString::FromUTF8(std::strerror(errno)));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
    return Parse(bytes);
}
