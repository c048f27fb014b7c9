#include "files/WorkspaceFile.h"

#include "files/AtomicFileWriter.h"
#include "files/ClassicNumber.h"
#include "files/LineScanner.h"
#include "files/TextEncoding.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The smallest record block (oldest format, empty title, one-digit numbers) and sample line
// a file can hold; counts that need more bytes than are left are damage.
const long long kSmallestRecordBytes = 10;
const long long kSmallestSampleBytes = 8;
// Rough size of one written sample line, to size the output once.
const std::size_t kTypicalSampleBytes = 44;

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

void AppendLine(std::string& out, const wxString& text) {
    out += TextEncoding::ToUtf8(TextEncoding::OnOneLine(text));
    out += '\n';
}

void AppendIntLine(std::string& out, long long value) {
    ClassicNumber::AppendInt(out, value);
    out += '\n';
}

void AppendTextBoxCodes(std::string& out, const wxString& text) {
    for (const std::uint16_t unit : TextEncoding::ToUtf16(text)) {
        ClassicNumber::AppendInt(out, unit);
        out += ' ';
    }
    out += "0 \n";
}

void AppendSamples(std::string& out, const Storage& record) {
    const std::vector<float>& times = record.GetTimes();
    const std::vector<float>& flows = record.GetFlows();
    const std::vector<float>& pressures = record.GetPressures();
    const std::vector<float>& volumes = record.GetVolumes();
    for (std::size_t i = 0; i < times.size(); ++i) {
        ClassicNumber::AppendFixed(out, times[i], 6);
        out += ' ';
        ClassicNumber::AppendFixed(out, flows[i], 6);
        out += ' ';
        ClassicNumber::AppendFixed(out, pressures[i], 6);
        out += ' ';
        ClassicNumber::AppendFixed(out, volumes[i], 6);
        out += '\n';
    }
}

void AppendRecord(std::string& out, const Storage& record, int flowUnit) {
    AppendLine(out, record.GetTitle());
    AppendLine(out, record.GetDateText());
    AppendLine(out, record.GetInformation());
    AppendIntLine(out, record.GetSerialNumber());
    AppendTextBoxCodes(out, record.GetTextBox());
    ClassicNumber::AppendInt(out, record.GetTextBoxX());
    out += ' ';
    AppendIntLine(out, record.GetTextBoxY());
    ClassicNumber::AppendFixed(out, record.GetFlowTarget(), 6);
    out += '\n';
    AppendIntLine(out, record.GetIntervalMs());
    AppendIntLine(out, record.GetPressureUnit());
    ClassicNumber::AppendInt(out, record.GetMetric());
    out += ' ';
    AppendIntLine(out, flowUnit);
    AppendIntLine(out, record.GetStoredFlag() ? 1 : 0);
    AppendIntLine(out, record.GetSampleCount());
    AppendSamples(out, record);
}

// One record block as read, before it becomes a record.
struct RecordHeader {
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

// Reads one workspace text. Every Read... function returns false after it has recorded the
// error; the parse then stops.
class WorkspaceParser {
public:
    WorkspaceParser(std::string_view content, const wxString& path, WorkspaceReadResult& result)
        : m_scanner(content), m_path(path), m_result(result) {}

    bool Parse() {
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

private:
    bool Fail(const wxString& message) {
        m_result.ok = false;
        m_result.errorLine = m_scanner.LineNumber();
        const wxString where =
            m_recordNumber > 0 ? wxString::Format("record %d: ", m_recordNumber) : wxString();
        m_result.error =
            wxString::Format("%s, line %d: %s%s", m_path, m_result.errorLine, where, message);
        return false;
    }

    bool FailAtItem(LineScanner::Status status, const char* item) {
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

    bool ReadInt(const char* item, long long minimum, long long maximum, int& value) {
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

    bool ReadInt(const char* item, int& value) { return ReadInt(item, INT_MIN, INT_MAX, value); }

    bool ReadFloat(const char* item, float& value) {
        const LineScanner::Status status = m_scanner.ReadFloat(value);
        return status == LineScanner::Status::Ok || FailAtItem(status, item);
    }

    bool ReadText(const char* item, wxString& text) {
        std::string_view line;
        if (!m_scanner.ReadLine(line)) {
            return Fail(wxString::Format("the file ends before the %s", item));
        }
        text = TextEncoding::FromFileBytes(line);
        return true;
    }

    // The number before a title skips the blanks that start it, and the title is the rest of
    // that line; a line of blanks is an empty title.
    bool ReadTitle(wxString& title) {
        m_scanner.SkipToNextLine();
        if (!ReadText("title", title)) {
            return false;
        }
        const size_t start = title.find_first_not_of(" \t\r\v\f");
        title = start == wxString::npos ? wxString() : title.Mid(start);
        return true;
    }

    bool CountFits(long long count, long long smallestBytes) const {
        return count <= static_cast<long long>(m_scanner.Remaining()) / smallestBytes;
    }

    bool ReadFormatAndCount(int& recordCount) {
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
            return Fail(wxString::Format("the record count %d is more than the file can hold",
                                         recordCount));
        }
        return true;
    }

    bool ReadTextBoxCodes(wxString& text) {
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

    bool ReadVersion4Fields(RecordHeader& header) {
        return ReadTextBoxCodes(header.textBox) && ReadInt("text box position", header.textBoxX) &&
               ReadInt("text box position", header.textBoxY) &&
               ReadFloat("flow target", header.flowTarget);
    }

    bool ReadHeader(RecordHeader& header) {
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

    bool ReadRecord(const RecordHeader& header, int number) {
        const int version = m_result.version;
        // Files older than version 3 carry no unit system per record: their records count as
        // metric, and their samples as litres per minute.
        const int recordMetric = version >= 3 ? header.metric : 1;
        Storage record(header.dateText, header.intervalMs, recordMetric, header.storedFlag, 0,
                       number);
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

    LineScanner m_scanner;
    const wxString& m_path;
    WorkspaceReadResult& m_result;
    int m_recordNumber = 0;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool ReadWholeFile(const wxString& path, std::string& content, int& errorNumber) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.fn_str(), "rb"));
    if (!file) {
        errorNumber = errno;
        return false;
    }
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        errorNumber = errno;
        return false;
    }
    return true;
}

} // namespace

const wxString WorkspaceReadResult::kCannotOpenMessage = "Cannot open File for Reading";

std::string WorkspaceFile::Format(const std::vector<Storage>& records, int flowUnit) {
    std::size_t sampleCount = 0;
    for (const Storage& record : records) {
        sampleCount += static_cast<std::size_t>(record.GetSampleCount());
    }
    std::string out;
    out.reserve(64 + records.size() * 128 + sampleCount * kTypicalSampleBytes);
    AppendIntLine(out, kFormatVersion4);
    AppendIntLine(out, static_cast<long long>(records.size()));
    for (const Storage& record : records) {
        AppendRecord(out, record, flowUnit);
    }
    return out;
}

bool WorkspaceFile::Write(const wxString& path, const std::vector<Storage>& records, int flowUnit,
                          wxString& error) {
    return AtomicFileWriter::Write(path, Format(records, flowUnit), error);
}

WorkspaceReadResult WorkspaceFile::Read(const wxString& path) {
    std::string content;
    int errorNumber = 0;
    if (!ReadWholeFile(path, content, errorNumber)) {
        WorkspaceReadResult result;
        result.error = WorkspaceReadResult::kCannotOpenMessage;
        result.reason =
            wxString::Format("%s: %s", path, wxString::FromUTF8(std::strerror(errorNumber)));
        return result;
    }
    return Parse(content, path);
}

WorkspaceReadResult WorkspaceFile::Parse(std::string_view content, const wxString& path) {
    // Editors that save UTF-8 may put a byte order mark in front of the first number.
    const std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (content.substr(0, byteOrderMark.size()) == byteOrderMark) {
        content.remove_prefix(byteOrderMark.size());
    }
    WorkspaceReadResult result;
    WorkspaceParser parser(content, path, result);
    result.ok = parser.Parse();
    return result;
}

wxString WorkspaceFile::WithExtension(const wxString& path) {
    return path.Contains(".vrx") ? path : path + ".vrx";
}
