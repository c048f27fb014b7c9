#include "device/LiveJournal.h"

#include "device/LiveBlock.h"
#include "device/LoggerProtocol.h"
#include "files/Crc32.h"
#include "files/DescriptorWrites.h"
#include "records/Storage.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

#include <wx/datetime.h>

namespace {

void PutU8(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
}

void PutU16(std::string& out, unsigned value) {
    PutU8(out, value);
    PutU8(out, value >> 8);
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutText(std::string& out, const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    const std::size_t size = std::min<std::size_t>(utf8.length(), 0xFFFF);
    PutU16(out, static_cast<unsigned>(size));
    out.append(utf8.data(), size);
}

void PutChecksum(std::string& out, std::size_t from) {
    PutU32(out, Crc32::Of(out.data() + from, out.size() - from));
}

std::string NewJournalName(int attempt) {
    return std::string(wxDateTime::Now().Format("live-%Y%m%d-%H%M%S-").utf8_str()) +
           std::to_string(getpid()) + "-" + std::to_string(attempt) + ".journal";
}

} // namespace

LiveJournal::LiveJournal(LiveJournal&& other) noexcept
    : m_descriptor(other.m_descriptor), m_path(other.m_path) {
    other.m_descriptor = -1;
}

LiveJournal& LiveJournal::operator=(LiveJournal&& other) noexcept {
    if (this != &other) {
        Close();
        m_descriptor = other.m_descriptor;
        m_path = other.m_path;
        other.m_descriptor = -1;
    }
    return *this;
}

LiveJournal::~LiveJournal() {
    Close();
}

bool LiveJournal::Create(const wxString& folder, const Storage& record, wxString& error) {
    Close();
    const std::string folderPath(folder.utf8_str());
    std::error_code made;
    std::filesystem::create_directories(folderPath, made);
    int descriptor = -1;
    std::string path;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        path = folderPath + "/" + NewJournalName(attempt);
        descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor < 0) {
        error = wxString::FromUTF8(path + ": " + std::strerror(errno));
        return false;
    }
    flock(descriptor, LOCK_EX | LOCK_NB); // a new name: nobody else can hold it
    if (!DescriptorWrites::WriteAll(descriptor, EncodeHeader(record)) ||
        fdatasync(descriptor) != 0) {
        error = wxString::FromUTF8(path + ": " + std::strerror(errno));
        unlink(path.c_str());
        close(descriptor);
        return false;
    }
    DescriptorWrites::SyncFolder(folderPath);
    m_descriptor = descriptor;
    m_path = wxString::FromUTF8(path);
    return true;
}

LiveJournal LiveJournal::Adopt(int descriptor, const wxString& path) {
    LiveJournal journal;
    journal.m_descriptor = descriptor;
    journal.m_path = path;
    return journal;
}

bool LiveJournal::AppendTick(const unsigned char* block) {
    if (!IsOpen()) {
        return false;
    }
    const std::string tick = EncodeTick(block);
    if (tick.empty()) {
        return true;
    }
    // O_APPEND is not used: after a failed partial write the next block would follow garbage.
    if (lseek(m_descriptor, 0, SEEK_END) < 0 || !DescriptorWrites::WriteAll(m_descriptor, tick) ||
        fdatasync(m_descriptor) != 0) {
        Close();
        return false;
    }
    return true;
}

void LiveJournal::Remove() {
    if (IsOpen()) {
        unlink(m_path.utf8_str());
    }
    Close();
}

void LiveJournal::Close() {
    if (m_descriptor >= 0) {
        close(m_descriptor); // also releases the lock
        m_descriptor = -1;
    }
}

std::string LiveJournal::EncodeHeader(const Storage& record) {
    std::string out = "DXLJ";
    const std::size_t checked = out.size();
    PutU16(out, kFormat);
    std::string header;
    PutU32(header, static_cast<std::uint32_t>(record.GetIntervalMs()));
    PutU32(header, static_cast<std::uint32_t>(record.GetMetric()));
    PutU32(header, static_cast<std::uint32_t>(record.GetFlowUnit()));
    PutU8(header, record.GetPressureOffset());
    PutU8(header, record.GetPressureGain());
    PutU8(header, record.GetPressureGainHundredths());
    PutU8(header, record.GetPressureUnit());
    PutU32(header, static_cast<std::uint32_t>(record.GetSerialNumber()));
    PutText(header, record.GetDateText());
    PutText(header, record.GetTitle());
    PutU32(out, static_cast<std::uint32_t>(header.size()));
    out += header;
    PutChecksum(out, checked);
    return out;
}

int LiveJournal::UsedBytes(const unsigned char* block) {
    return 1 + LiveBlock::SampleCount(block) * LoggerProtocol::SampleSize;
}

std::string LiveJournal::EncodeTick(const unsigned char* block) {
    if (LiveBlock::SampleCount(block) == 0) {
        return "";
    }
    const int used = UsedBytes(block);
    std::string out;
    out.reserve(2 + used + 4);
    PutU8(out, static_cast<unsigned char>(kTickTag));
    PutU8(out, static_cast<unsigned>(used));
    out.append(reinterpret_cast<const char*>(block), used);
    PutChecksum(out, 0);
    return out;
}
