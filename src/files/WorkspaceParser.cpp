#include "files/WorkspaceParser.h"

#include "files/TextEncoding.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// The smallest record block (oldest format, empty title, one-digit numbers) and sample line
// a file can hold; counts that need more bytes than are left are damage.
const long long kSmallestRecordBytes = 10;
const long long kSmallestSampleBytes = 8;
// Records are reserved up to this count at once; a record copied when the list grows
// copies all its samples.
const int kMostReservedRecords = 1024;

int VersionOfFormatNumber(long long number) {
    switch (number) {
    case WorkspaceFile::kFormatVersion1:
        return 1;
    case WorkspaceFile::kFormatVersion2:
        return 2;
    case WorkspaceFile::kFormatVersion3:
        return 3;
    case WorkspaceFile::kFormatVersion4:
        return 4;
    default:
        return 0;
    }
}

} // namespace

// One record block as read, before it becomes a record.
struct WorkspaceParser::RecordHeader {
    wxString title;
    wxString dateText;
    wxString information;
    int serialNumber = 0;
    wxString textBox;
    int textBoxX = 0;
    int textBoxY = 0;
    float flowTarget = 0.0f;
    int intervalMs = 0;
    int pressureUnit = 0;
    int metric = 1;
    int flowUnit = 0;
    bool storedFlag = false;
    int sampleCount = 0;
};

WorkspaceParser::WorkspaceParser(std::string_view content, const wxString& path,
                                 WorkspaceReadResult& result)
    : m_scanner(content), m_path(path), m_result(result) {}

bool WorkspaceParser::Parse() {
    int recordCount = 0;
    if (!ReadFormatAndCount(recordCount)) {
        return false;
    }
    for (int t = 0; t < recordCount; ++t) {
        m_recordNumber = t + 1;
        RecordHeader header;
        if (!ReadHeader(header) || !ReadRecord(header, t + 1)) {
            return false;
        }
    }
    return true;
}

bool WorkspaceParser::Fail(const wxString& message) {
    m_result.ok = false;
    m_result.errorLine = m_scanner.LineNumber();
    const wxString where =
        m_recordNumber > 0 ? wxString::Format("record %d: ", m_recordNumber) : wxString();
    m_result.error =
        wxString::Format("%s, line %d: %s%s", m_path, m_result.errorLine, where, message);
    return false;
}

bool WorkspaceParser::FailAtItem(LineScanner::Status status, const char* item) {
    m_scanner.SkipWhiteSpace();
    if (status == LineScanner::Status::End) {
        return Fail(wxString::Format("the file ends before the %s", item));
    }
    const wxString found = TextEncoding::FromFileBytes(m_scanner.NextToken());
    if (status == LineScanner::Status::OutOfRange) {
        return Fail(wxString::Format("the %s \"%s\" is out of range", item, found));
    }
    return Fail(wxString::Format("the %s \"%s\" is not a number", item, found));
}

bool WorkspaceParser::ReadInt(const char* item, long long minimum, long long maximum, int& value) {
    long long number = 0;
    const LineScanner::Status status = m_scanner.ReadInt(number);
    if (status != LineScanner::Status::Ok) {
        return FailAtItem(status, item);
    }
    if (number < minimum || number > maximum) {
        return Fail(wxString::Format("the %s %lld is out of range", item, number));
    }
    value = static_cast<int>(number);
    return true;
}

bool WorkspaceParser::ReadInt(const char* item, int& value) {
    return ReadInt(item, INT_MIN, INT_MAX, value);
}

bool WorkspaceParser::ReadFloat(const char* item, float& value) {
    const LineScanner::Status status = m_scanner.ReadFloat(value);
    return status == LineScanner::Status::Ok || FailAtItem(status, item);
}

bool WorkspaceParser::ReadText(const char* item, wxString& text) {
    std::string_view line;
    if (!m_scanner.ReadLine(line)) {
        return Fail(wxString::Format("the file ends before the %s", item));
    }
    text = TextEncoding::FromFileBytes(line);
    return true;
}

// The number before a title skips the blanks that start it, and the title is the rest of
// that line; a line of blanks is an empty title.
bool WorkspaceParser::ReadTitle(wxString& title) {
    m_scanner.SkipToNextLine();
    if (!ReadText("title", title)) {
        return false;
    }
    const size_t start = title.find_first_not_of(" \t\r\v\f");
    title = start == wxString::npos ? wxString() : title.Mid(start);
    return true;
}

bool WorkspaceParser::CountFits(long long count, long long smallestBytes) const {
    return count <= static_cast<long long>(m_scanner.Remaining()) / smallestBytes;
}

bool WorkspaceParser::ReadFormatAndCount(int& recordCount) {
    int first = 0;
    if (!ReadInt("format number", first)) {
        return false;
    }
    const int version = VersionOfFormatNumber(first);
    m_result.version = version;
    if (version == 0) {
        recordCount = first;
    } else if (!ReadInt("record count", recordCount)) {
        return false;
    }
    if (recordCount < 0) {
        return Fail(wxString::Format("the record count %d is negative", recordCount));
    }
    if (!CountFits(recordCount, kSmallestRecordBytes)) {
        return Fail(
            wxString::Format("the record count %d is more than the file can hold", recordCount));
    }
    m_result.records.reserve(std::min(recordCount, kMostReservedRecords));
    return true;
}

bool WorkspaceParser::ReadTextBoxCodes(wxString& text) {
    std::vector<std::uint16_t> units;
    for (;;) {
        int code = 0;
        if (!ReadInt("text box code", 0, 0xFFFF, code)) {
            return false;
        }
        if (code == 0) {
            break;
        }
        units.push_back(static_cast<std::uint16_t>(code));
    }
    text = TextEncoding::FromUtf16(units);
    return true;
}

bool WorkspaceParser::ReadVersion4Fields(RecordHeader& header) {
    return ReadTextBoxCodes(header.textBox) && ReadInt("text box position", header.textBoxX) &&
           ReadInt("text box position", header.textBoxY) &&
           ReadFloat("flow target", header.flowTarget);
}

bool WorkspaceParser::ReadHeader(RecordHeader& header) {
    const int version = m_result.version;
    if (!ReadTitle(header.title)) {
        return false;
    }
    if (version >= 1 &&
        !(ReadText("date", header.dateText) && ReadText("information", header.information))) {
        return false;
    }
    if (version >= 2 && !ReadInt("serial number", header.serialNumber)) {
        return false;
    }
    if (version == 4 && !ReadVersion4Fields(header)) {
        return false;
    }
    if (!ReadInt("sample interval", header.intervalMs) ||
        !ReadInt("pressure unit", 0, 255, header.pressureUnit) ||
        !ReadInt("metric flag", 0, 255, header.metric)) {
        return false;
    }
    if (version >= 3 && !ReadInt("flow unit", 0, 255, header.flowUnit)) {
        return false;
    }
    int stored = 0;
    if (!ReadInt("stored flag", stored) || !ReadInt("sample count", header.sampleCount)) {
        return false;
    }
    header.storedFlag = stored != 0;
    if (header.sampleCount < 0) {
        return Fail(wxString::Format("the sample count %d is negative", header.sampleCount));
    }
    if (!CountFits(header.sampleCount, kSmallestSampleBytes)) {
        return Fail(wxString::Format("the sample count %d is more than the file can hold",
                                     header.sampleCount));
    }
    return true;
}

bool WorkspaceParser::ReadRecord(const RecordHeader& header, int number) {
    const int version = m_result.version;
    // Files older than version 3 carry no unit system per record: their records count as
    // metric, and their samples as litres per minute.
    const int recordMetric = version >= 3 ? header.metric : 1;
    Storage record(header.dateText, header.intervalMs, recordMetric, header.storedFlag, 0, number);
    record.SetTitle(header.title);
    record.SetInformation(header.information);
    record.SetSerialNumber(header.serialNumber);
    record.SetTextBox(header.textBox);
    record.SetTextBoxPosition(header.textBoxX, header.textBoxY);
    record.SetFlowTarget(header.flowTarget);
    record.SetPressureUnit(static_cast<std::uint8_t>(header.pressureUnit));
    record.ReserveSamples(header.sampleCount);
    for (int i = 0; i < header.sampleCount; ++i) {
        float time = 0, flow = 0, pressure = 0, volume = 0;
        if (!ReadFloat("sample time", time) || !ReadFloat("sample flow", flow) ||
            !ReadFloat("sample pressure", pressure) || !ReadFloat("sample volume", volume)) {
            return false;
        }
        record.AddSample(time, flow, pressure, volume);
    }
    m_result.records.push_back(std::move(record));
    m_result.hasUnitSettings = true;
    m_result.metric = header.metric;
    m_result.pressureUnit = header.pressureUnit;
    m_result.flowUnit = version >= 3 ? header.flowUnit : 0;
    return true;
}
