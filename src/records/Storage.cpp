#include "records/Storage.h"

#include "records/Units.h"

namespace {

// Raw pressures this close to the offset are sensor noise around zero.
const int kPressureDeadBand = 5;

wxDateTime ParseStartTime(const wxString& dateText) {
    wxDateTime startTime;
    wxString::const_iterator end;
    if (!startTime.ParseDateTime(dateText, &end)) {
        return wxDateTime();
    }
    return startTime;
}

// Moving average of half width k over one series, in place and in ascending order: the
// values left of index i that enter its sum are already averaged.
void AverageInPlace(std::vector<float>& values, int k) {
    const int n = static_cast<int>(values.size());
    const double width = 2.0 * k + 1.0;
    for (int i = k; i < n - k; ++i) {
        double sum = 0.0;
        for (int j = i - k; j <= i + k; ++j) {
            sum += values[j];
        }
        values[i] = static_cast<float>(sum / width);
    }
}

} // namespace

Storage::Storage(const wxString& dateText, int intervalMs, int metric, bool storedFlag,
                 int flowUnit, int number)
    : m_startTime(ParseStartTime(dateText)), m_flowUnit(flowUnit),
      m_title(wxString::Format("%d", number)), m_storedFlag(storedFlag), m_metric(metric),
      m_intervalMs(intervalMs), m_dateText(dateText) {}

void Storage::AddRawSample(int rawFlow, int rawPressure) {
    ++m_rawSampleCount;
    const float time =
        static_cast<float>(static_cast<double>(m_rawSampleCount) * m_intervalMs / 1000.0);
    const float flow = static_cast<float>(Units::ConvertFlow(m_flowUnit, rawFlow));
    const float pressure = static_cast<float>(PressureFromRaw(rawPressure));
    m_volumeTotal = static_cast<float>(m_volumeTotal +
                                       Units::VolumePerSample(m_flowUnit, rawFlow, m_intervalMs));

    m_time.push_back(time);
    m_flow.push_back(flow);
    m_pressure.push_back(pressure);
    m_volume.push_back(m_volumeTotal);
    // Keep the unfiltered copies complete, so that switching the filter off restores every
    // sample and the four series stay of equal length.
    if (m_filtered) {
        m_savedFlow.push_back(flow);
        m_savedPressure.push_back(pressure);
        m_savedVolume.push_back(m_volumeTotal);
    }
}

double Storage::PressureFromRaw(int rawPressure) const {
    double counts = static_cast<double>(rawPressure) - m_pressureOffset;
    if (counts < kPressureDeadBand) {
        counts = 0.0;
    }
    const float gain = static_cast<float>(m_pressureGain + m_pressureGainHundredths / 100.0);
    // An uncalibrated logger (gain 0) reads no pressure rather than dividing by zero.
    if (gain == 0.0f) {
        return 0.0;
    }
    return Units::ConvertPsi(m_pressureUnit, counts / gain);
}

void Storage::AddSample(float time, float flow, float pressure, float volume) {
    const float convertedFlow = static_cast<float>(Units::ConvertFlow(m_flowUnit, flow));
    const float convertedVolume =
        static_cast<float>(Units::ConvertStoredVolume(m_flowUnit, volume));
    m_time.push_back(time);
    m_flow.push_back(convertedFlow);
    m_pressure.push_back(pressure);
    m_volume.push_back(convertedVolume);
    if (m_filtered) {
        m_savedFlow.push_back(convertedFlow);
        m_savedPressure.push_back(pressure);
        m_savedVolume.push_back(convertedVolume);
    }
}

void Storage::ReserveSamples(int count) {
    if (count <= 0) {
        return;
    }
    const std::size_t total = m_time.size() + static_cast<std::size_t>(count);
    m_time.reserve(total);
    m_flow.reserve(total);
    m_pressure.reserve(total);
    m_volume.reserve(total);
}

void Storage::SetPressureCalibration(std::uint8_t offset, std::uint8_t gain,
                                     std::uint8_t gainHundredths, std::uint8_t pressureUnit) {
    m_pressureOffset = offset;
    m_pressureGain = gain;
    m_pressureGainHundredths = gainHundredths;
    m_pressureUnit = pressureUnit;
}

void Storage::GetSample(int index, float& time, float& flow, float& pressure, float& volume) const {
    // An index outside the series reads as an all-zero sample instead of reading past it.
    if (index < 0 || index >= GetSampleCount()) {
        time = flow = pressure = volume = 0.0f;
        return;
    }
    time = m_time[index];
    flow = m_flow[index];
    pressure = m_pressure[index];
    volume = m_volume[index];
}

void Storage::GetLastSample(float& time, float& flow, float& pressure, float& volume) const {
    GetSample(GetSampleCount() - 1, time, flow, pressure, volume);
}

float Storage::GetLastVolume() const {
    return m_volume.empty() ? 0.0f : m_volume.back();
}

void Storage::ApplyFilter(bool on, int halfWidth) {
    if (on && !m_filtered) {
        SaveUnfilteredSeries();
        const int k = halfWidth > 0 ? halfWidth : 0;
        AverageInPlace(m_flow, k);
        AverageInPlace(m_volume, k);
        AverageInPlace(m_pressure, k);
        m_filtered = true;
    } else if (!on && m_filtered) {
        RestoreUnfilteredSeries();
        m_filtered = false;
    }
}

void Storage::SaveUnfilteredSeries() {
    m_savedFlow = m_flow;
    m_savedVolume = m_volume;
    m_savedPressure = m_pressure;
}

void Storage::RestoreUnfilteredSeries() {
    m_flow = m_savedFlow;
    m_volume = m_savedVolume;
    m_pressure = m_savedPressure;
}

std::vector<float> Storage::GetTargetLineX() const {
    if (m_time.empty()) {
        return {};
    }
    return {m_time.front(), m_time.back(), m_time.back()};
}

std::vector<float> Storage::GetTargetLineY() const {
    if (m_time.empty()) {
        return {};
    }
    return {m_flowTarget, m_flowTarget, m_flowTarget};
}

double Storage::GetDurationMs() const {
    return static_cast<double>(GetSampleCount()) * m_intervalMs;
}

void Storage::SetTextBoxPosition(int x, int y) {
    m_textBoxX = x;
    m_textBoxY = y;
}
