#pragma once
#include <wx/datetime.h>
#include <wx/string.h>

#include <cstdint>
#include <vector>

// One recording: its texts, the settings in force when it was made, and four equal-length
// series (time in seconds, flow, pressure, cumulative volume) plus the unfiltered copies that
// the moving-average filter keeps. A value type: copies share nothing.
class Storage {
public:
    Storage(const wxString& dateText, int intervalMs, int metric, bool storedFlag, int flowUnit,
            int number);
    Storage(const Storage&) = default;
    Storage& operator=(const Storage&) = default;
    Storage(Storage&&) = default;
    Storage& operator=(Storage&&) = default;
    virtual ~Storage() = default;

    // Appends one sample in logger counts, converted by the record's flow unit and pressure
    // calibration. The n-th raw sample is at n intervals.
    void AddRawSample(int rawFlow, int rawPressure);
    // Appends one finished sample, as stored in a workspace file.
    void AddSample(float time, float flow, float pressure, float volume);
    // Makes room for count more samples; only an optimisation for bulk loading.
    void ReserveSamples(int count);
    void SetPressureCalibration(std::uint8_t offset, std::uint8_t gain, std::uint8_t gainHundredths,
                                std::uint8_t pressureUnit);

    void GetSample(int index, float& time, float& flow, float& pressure, float& volume) const;
    void GetLastSample(float& time, float& flow, float& pressure, float& volume) const;
    float GetLastVolume() const;
    int GetSampleCount() const { return static_cast<int>(m_time.size()); }

    // Switches the moving-average filter of half width halfWidth on or off. A new width takes
    // effect only after the filter was switched off.
    void ApplyFilter(bool on, int halfWidth);
    bool IsFiltered() const { return m_filtered; }

    // The flow-target line from the first to the last sample, end point doubled.
    std::vector<float> GetTargetLineX() const;
    std::vector<float> GetTargetLineY() const;
    bool HasFlowTarget() const { return m_flowTarget != 0.0f; }

    // Sample count times the interval.
    double GetDurationMs() const;

    const std::vector<float>& GetTimes() const { return m_time; }
    const std::vector<float>& GetFlows() const { return m_flow; }
    const std::vector<float>& GetPressures() const { return m_pressure; }
    const std::vector<float>& GetVolumes() const { return m_volume; }

    const wxDateTime& GetStartTime() const { return m_startTime; }
    void SetStartTime(const wxDateTime& startTime) { m_startTime = startTime; }
    int GetFlowUnit() const { return m_flowUnit; }
    void SetFlowUnit(int flowUnit) { m_flowUnit = flowUnit; }
    const wxString& GetFlowMeasurement() const { return m_flowMeasurement; }
    void SetFlowMeasurement(const wxString& text) { m_flowMeasurement = text; }
    const wxString& GetPressureMeasurement() const { return m_pressureMeasurement; }
    void SetPressureMeasurement(const wxString& text) { m_pressureMeasurement = text; }
    const wxString& GetInformation() const { return m_information; }
    void SetInformation(const wxString& information) { m_information = information; }
    const wxString& GetTextBox() const { return m_textBox; }
    void SetTextBox(const wxString& text) { m_textBox = text; }
    int GetTextBoxX() const { return m_textBoxX; }
    int GetTextBoxY() const { return m_textBoxY; }
    void SetTextBoxPosition(int x, int y);
    std::uint8_t GetPressureOffset() const { return m_pressureOffset; }
    std::uint8_t GetPressureGain() const { return m_pressureGain; }
    std::uint8_t GetPressureGainHundredths() const { return m_pressureGainHundredths; }
    std::uint8_t GetPressureUnit() const { return m_pressureUnit; }
    void SetPressureUnit(std::uint8_t pressureUnit) { m_pressureUnit = pressureUnit; }
    const wxString& GetTitle() const { return m_title; }
    void SetTitle(const wxString& title) { m_title = title; }
    int GetMemoryEnd() const { return m_memoryEnd; }
    void SetMemoryEnd(int memoryEnd) { m_memoryEnd = memoryEnd; }
    bool GetStoredFlag() const { return m_storedFlag; }
    void SetStoredFlag(bool storedFlag) { m_storedFlag = storedFlag; }
    int GetMetric() const { return m_metric; }
    void SetMetric(int metric) { m_metric = metric; }
    int GetIntervalMs() const { return m_intervalMs; }
    void SetIntervalMs(int intervalMs) { m_intervalMs = intervalMs; }
    const wxString& GetDateText() const { return m_dateText; }
    void SetDateText(const wxString& dateText) { m_dateText = dateText; }
    int GetSerialNumber() const { return m_serialNumber; }
    void SetSerialNumber(int serialNumber) { m_serialNumber = serialNumber; }
    float GetFlowTarget() const { return m_flowTarget; }
    void SetFlowTarget(float flowTarget) { m_flowTarget = flowTarget; }
    // The crash journal that keeps a live record until it is saved; empty for none. Not part
    // of the workspace file.
    const wxString& GetJournalPath() const { return m_journalPath; }
    void SetJournalPath(const wxString& path) { m_journalPath = path; }

private:
    double PressureFromRaw(int rawPressure) const;
    void SaveUnfilteredSeries();
    void RestoreUnfilteredSeries();

    wxDateTime m_startTime;
    int m_flowUnit;
    wxString m_flowMeasurement;
    wxString m_pressureMeasurement;
    wxString m_information;
    wxString m_textBox;
    int m_textBoxX = 0;
    int m_textBoxY = 0;
    std::uint8_t m_pressureOffset = 0;
    std::uint8_t m_pressureGain = 0;
    std::uint8_t m_pressureGainHundredths = 0;
    std::uint8_t m_pressureUnit = 0;
    wxString m_title;
    int m_memoryEnd = 0;
    bool m_filtered = false;
    std::vector<float> m_time;
    std::vector<float> m_flow;
    std::vector<float> m_pressure;
    std::vector<float> m_volume;
    std::vector<float> m_savedFlow;
    std::vector<float> m_savedPressure;
    std::vector<float> m_savedVolume;
    float m_volumeTotal = 0.0f;
    int m_rawSampleCount = 0;
    bool m_storedFlag;
    int m_metric;
    int m_intervalMs;
    wxString m_dateText;
    int m_serialNumber = 0;
    float m_flowTarget = 0.0f;
    wxString m_journalPath;
};
