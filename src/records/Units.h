#pragma once
#include <wx/string.h>

// Units of flow, volume and pressure: the conversion factors, every unit text that a control,
// axis, series, list or exported file shows, and the number formats of the displays.
//
// Flow unit index: 0 l/min, 1 l/s, 2 m³/h, 3 US gal/min. Pressure code: 112 psi, 98 bar,
// 8 metres of water, 16 kPa. Metric flag: 1 litres, any other value US gallons.
// Indices and codes outside the tables convert as stated per function and give empty texts,
// so that callers leave their texts as they were.
class Units {
public:
    static constexpr int kFlowUnitCount = 4;
    static constexpr int kPressurePsi = 112;
    static constexpr int kPressureBar = 98;
    static constexpr int kPressureMetresOfWater = 8;
    static constexpr int kPressureKpa = 16;

    static bool IsKnownFlowIndex(int flowIndex);
    static bool IsKnownPressureCode(int code);

    // Conversions. Raw flow is in the logger's volume unit per minute; raw pressure, after the
    // logger's offset and gain, is in psi.
    static double FlowFactor(int flowIndex); // 0 for an unknown index
    static double ConvertFlow(int flowIndex, double rawFlow);
    // Volume that one sample of raw flow adds over intervalMs; 0 for an unknown index.
    static double VolumePerSample(int flowIndex, double rawFlow, int intervalMs);
    // A stored volume (litres) in the record's volume unit; 0 for an unknown index.
    static double ConvertStoredVolume(int flowIndex, double volume);
    static double PressureDivisor(int code); // 1 (psi) for an unknown code
    static double ConvertPsi(int code, double psi);

    // Text of a flow-unit menu item.
    static wxString FlowMenuItemText(int flowIndex);

    // Texts of a metric logger by flow index; empty for an unknown index.
    static wxString FlowLcdLabel(int flowIndex);
    static wxString FlowAxisTitle(int flowIndex);
    static wxString VolumeAxisTitle(int flowIndex);
    // The unit label beside the flow display while the volume graph is shown, and the value
    // suffix of the volume series ("Litri" also for an unknown index).
    static wxString VolumeUnitLabel(int flowIndex);
    static wxString VolumeSeriesExtraSuffix(int flowIndex);
    static wxString FlowSeriesValueSuffix(int flowIndex);
    static wxString FlowSeriesExtraSuffix(int flowIndex);

    // Texts of a US logger (metric flag 0), whatever the flow index.
    static wxString UsFlowAxisTitle();
    static wxString UsVolumeAxisTitle();
    static wxString UsFlowUnitLabel();
    static wxString UsVolumeUnitLabel();

    // Pressure texts; empty for an unknown code.
    static wxString PressureLabel(int code);
    static wxString PressureAxisTitle(int code);

    // Header of the recordings list's volume column. A metric flag other than 1 counts as
    // US gallons; an unknown flow index of a metric logger counts as litres.
    static wxString VolumeColumnHeader(int metric, int flowIndex);

    // Labels of the exported CSV file: the flow and volume labels follow the record's metric
    // flag and the current flow index; the pressure label is "PSI" for an unknown code.
    static wxString CsvFlowLabel(int metric, int flowIndex);
    static wxString CsvVolumeLabel(int metric, int flowIndex);
    static wxString CsvPressureLabel(int code);

    // Display formats.
    static wxString FlowDisplayText(int flowIndex, double flow); // empty for index 3 and above
    static wxString LivePressureText(double pressure);
    static wxString MeasuredPressureText(double pressure);
    static wxString ListVolumeText(double volume);

    // Duration of a recording in whole seconds (truncated, never negative), and its text in
    // the recordings list: "%H:%M:%S" from one hour on, else "%M:%S"; 24 hours wrap.
    static long DurationSeconds(int intervalMs, int sampleCount);
    static wxString DurationText(long seconds);
    static wxString DurationText(int intervalMs, int sampleCount);
};
