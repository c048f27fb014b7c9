#include "files/WorkspaceWriter.h"

#include "files/ClassicNumber.h"
#include "files/TextEncoding.h"
#include "files/WorkspaceFile.h"

#include <cstdint>
#include <utility>

namespace {

const std::size_t kPieceBytes = 1 << 20;

} // namespace

WorkspaceWriter::WorkspaceWriter(PieceWriter write) : m_write(std::move(write)) {
    m_piece.reserve(kPieceBytes + 4 * ClassicNumber::kMostFixedChars);
}

bool WorkspaceWriter::Write(const std::vector<Storage>& records, int flowUnit) {
    m_piece.clear();
    AppendIntLine(WorkspaceFile::kFormatVersion4);
    AppendIntLine(static_cast<long long>(records.size()));
    for (const Storage& record : records) {
        AppendRecordHeader(record, flowUnit);
        if (!AppendSamples(record)) {
            return false;
        }
    }
    return PassOn();
}

void WorkspaceWriter::AppendLine(const wxString& text) {
    m_piece += TextEncoding::ToUtf8(TextEncoding::OnOneLine(text));
    m_piece += '\n';
}

void WorkspaceWriter::AppendIntLine(long long value) {
    ClassicNumber::AppendInt(m_piece, value);
    m_piece += '\n';
}

void WorkspaceWriter::AppendTextBoxCodes(const wxString& text) {
    for (const std::uint16_t unit : TextEncoding::ToUtf16(text)) {
        ClassicNumber::AppendInt(m_piece, unit);
        m_piece += ' ';
    }
    m_piece += "0 \n";
}

void WorkspaceWriter::AppendRecordHeader(const Storage& record, int flowUnit) {
    AppendLine(record.GetTitle());
    AppendLine(record.GetDateText());
    AppendLine(record.GetInformation());
    AppendIntLine(record.GetSerialNumber());
    AppendTextBoxCodes(record.GetTextBox());
    ClassicNumber::AppendInt(m_piece, record.GetTextBoxX());
    m_piece += ' ';
    AppendIntLine(record.GetTextBoxY());
    ClassicNumber::AppendFixed(m_piece, record.GetFlowTarget(), 6);
    m_piece += '\n';
    AppendIntLine(record.GetIntervalMs());
    AppendIntLine(record.GetPressureUnit());
    ClassicNumber::AppendInt(m_piece, record.GetMetric());
    m_piece += ' ';
    AppendIntLine(flowUnit);
    AppendIntLine(record.GetStoredFlag() ? 1 : 0);
    AppendIntLine(record.GetSampleCount());
}

bool WorkspaceWriter::AppendSamples(const Storage& record) {
    const std::vector<float>& times = record.GetTimes();
    const std::vector<float>& flows = record.GetFlows();
    const std::vector<float>& pressures = record.GetPressures();
    const std::vector<float>& volumes = record.GetVolumes();
    char line[4 * (ClassicNumber::kMostFixedChars + 1)];
    for (std::size_t i = 0; i < times.size(); ++i) {
        char* end = ClassicNumber::WriteFixed(line, times[i], 6);
        *end++ = ' ';
        end = ClassicNumber::WriteFixed(end, flows[i], 6);
        *end++ = ' ';
        end = ClassicNumber::WriteFixed(end, pressures[i], 6);
        *end++ = ' ';
        end = ClassicNumber::WriteFixed(end, volumes[i], 6);
        *end++ = '\n';
        m_piece.append(line, end);
        if (!PassOnWhenFull()) {
            return false;
        }
    }
    return true;
}

bool WorkspaceWriter::PassOnWhenFull() {
    return m_piece.size() < kPieceBytes || PassOn();
}

bool WorkspaceWriter::PassOn() {
    const bool taken = m_piece.empty() || m_write(m_piece);
    m_piece.clear();
    return taken;
}
