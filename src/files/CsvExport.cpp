#include "files/CsvExport.h"

#include "files/AtomicFileWriter.h"
#include "files/ClassicNumber.h"
#include "files/TextEncoding.h"
#include "records/Units.h"

namespace {

const std::size_t kTypicalSampleBytes = 24;

// Texts go into the file as they are; only line breaks become blanks, so that every field
// stays on its own line.
void AppendText(std::string& out, const wxString& text) {
    out += TextEncoding::ToUtf8(TextEncoding::OnOneLine(text));
}

void AppendSample(std::string& out, float time, float flow, float volume, float pressure) {
    ClassicNumber::AppendFixed(out, time, 2);
    out += ',';
    ClassicNumber::AppendFixed(out, flow, 2);
    out += ',';
    ClassicNumber::AppendFixed(out, volume, 2);
    out += ',';
    ClassicNumber::AppendFixed(out, pressure, 2);
    out += '\n';
}

} // namespace

std::string CsvExport::Format(const Storage& record, int flowUnit, const wxString& path) {
    const wxString flowLabel = Units::CsvFlowLabel(record.GetMetric(), flowUnit);
    const wxString volumeLabel = Units::CsvVolumeLabel(record.GetMetric(), flowUnit);
    const wxString pressureLabel = Units::CsvPressureLabel(record.GetPressureUnit());

    std::string out;
    out.reserve(512 + static_cast<std::size_t>(record.GetSampleCount()) * kTypicalSampleBytes);
    out += "File Name,";
    AppendText(out, path);
    out += "\nTitle,";
    AppendText(out, record.GetTitle() + " " + record.GetDateText());
    out += "\nInformation,";
    AppendText(out, record.GetInformation());
    out += "\nFlow Measurement,";
    AppendText(out, record.GetFlowMeasurement() + "," + flowLabel);
    out += "\nPressure Measurement,";
    AppendText(out, record.GetPressureMeasurement() + "," + pressureLabel);
    out += "\nTimp (s), Flux (";
    AppendText(out, flowLabel + "),Volum (" + volumeLabel + "), Presiune (" + pressureLabel);
    out += ")\n";

    const std::vector<float>& times = record.GetTimes();
    const std::vector<float>& flows = record.GetFlows();
    const std::vector<float>& volumes = record.GetVolumes();
    const std::vector<float>& pressures = record.GetPressures();
    for (std::size_t i = 0; i < times.size(); ++i) {
        AppendSample(out, times[i], flows[i], volumes[i], pressures[i]);
    }
    return out;
}

bool CsvExport::Write(const wxString& path, const Storage& record, int flowUnit, wxString& error) {
    return AtomicFileWriter::Write(path, Format(record, flowUnit, path), error);
}

wxString CsvExport::DefaultFileName(const wxString& dateText) {
    wxString name(dateText);
    for (const char* character : {":", "/", ".", ",", "'"}) {
        name.Replace(character, "_");
    }
    return name;
}

wxString CsvExport::WithExtension(const wxString& path) {
    return path.Contains(".csv") ? path : path + ".csv";
}
