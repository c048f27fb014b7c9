#include "records/Units.h"

namespace {

// Texts indexed by flow unit index.
struct FlowUnitTexts {
    const wchar_t* menuItem;
    const wchar_t* lcdLabel;
    const wchar_t* flowAxis;
    const wchar_t* volumeAxis;
    const wchar_t* volumeUnitLabel;
    const wchar_t* volumeSeriesExtra;
    const wchar_t* flowSeriesValue;
    const wchar_t* flowSeriesExtra;
    const wchar_t* volumeColumn;
    const wchar_t* csvFlow;
    const wchar_t* csvVolume;
};

const FlowUnitTexts kFlowUnits[Units::kFlowUnitCount] = {
    {L"Unitati de flux L/M", L"l/min ", L"Flux (Litru/min)", L"Litri", L"Litri", L"l/min", L"l/min",
     L"Litri", L"Volum (L)", L"L/min", L"L"},
    {L"Unitati de flux L/S", L"l/s ", L"Flux (Litre/sec)", L"Litri", L"Litri", L"l/min", L"l/s ",
     L"Litri", L"Volum (L)", L"L/s", L"L"},
    {L"Unitati de flux M\u00B3/h", L"M\u00B3/h ", L"Flux (M\u00B3/h)", L"Meters\u00B3",
     L"Meters\u00B3", L"M\u00B3/h ", L"M\u00B3/h ", L"Meters\u00B3", L"Volum (M\u00B3)",
     L"M\u00B3/h", L"M\u00B3"},
    {L"Unitati de flux GPM", L"GPM ", L"Flux (Galon/min)", L"Galoane", L"Galoane", L"GPM ", L"GPM ",
     L"Galoane", L"Volum (G)", L"G/min", L"G"},
};

struct PressureUnitTexts {
    int code;
    double divisor;
    const wchar_t* label;
    const wchar_t* axisTitle;
};

const PressureUnitTexts kPressureUnits[] = {
    {Units::kPressurePsi, 1.0, L"PSI", L"Presiune (psi)"},
    {Units::kPressureBar, 14.504, L"Bar", L"Presiune (bar)"},
    {Units::kPressureMetresOfWater, 1.42197, L"MtrH", L"Presiune (MtrH)"},
    {Units::kPressureKpa, 0.145038, L"KPa", L"Presiune (KPa)"},
};

const double kFlowFactors[Units::kFlowUnitCount] = {1.0, 1.0 / 60.0, 0.06, 0.264172};
const double kGallonsPerLitre = 0.264172;

const FlowUnitTexts* FlowTexts(int flowIndex) {
    return Units::IsKnownFlowIndex(flowIndex) ? &kFlowUnits[flowIndex] : nullptr;
}

const PressureUnitTexts* PressureTexts(int code) {
    for (const PressureUnitTexts& unit : kPressureUnits) {
        if (unit.code == code) {
            return &unit;
        }
    }
    return nullptr;
}

wxString FlowText(int flowIndex, const wchar_t* FlowUnitTexts::*field) {
    const FlowUnitTexts* texts = FlowTexts(flowIndex);
    return texts != nullptr ? wxString(texts->*field) : wxString();
}

bool IsMetric(int metric) {
    return metric == 1;
}

} // namespace

bool Units::IsKnownFlowIndex(int flowIndex) {
    return flowIndex >= 0 && flowIndex < kFlowUnitCount;
}

bool Units::IsKnownPressureCode(int code) {
    return PressureTexts(code) != nullptr;
}

double Units::FlowFactor(int flowIndex) {
    return IsKnownFlowIndex(flowIndex) ? kFlowFactors[flowIndex] : 0.0;
}

double Units::ConvertFlow(int flowIndex, double rawFlow) {
    // Litres per second divide by 60 rather than multiply by its rounded inverse.
    if (flowIndex == 1) {
        return rawFlow / 60.0;
    }
    return rawFlow * FlowFactor(flowIndex);
}

double Units::VolumePerSample(int flowIndex, double rawFlow, int intervalMs) {
    switch (flowIndex) {
    case 0:
    case 1:
        return rawFlow * intervalMs / 60000.0;
    case 2:
        return rawFlow * intervalMs / 60000000.0;
    case 3:
        return rawFlow * kGallonsPerLitre * intervalMs / 60000.0;
    default:
        return 0.0;
    }
}

double Units::ConvertStoredVolume(int flowIndex, double volume) {
    if (flowIndex == 2) {
        return volume / 1000.0;
    }
    return IsKnownFlowIndex(flowIndex) ? volume : 0.0;
}

double Units::PressureDivisor(int code) {
    const PressureUnitTexts* unit = PressureTexts(code);
    return unit != nullptr ? unit->divisor : 1.0;
}

double Units::ConvertPsi(int code, double psi) {
    const PressureUnitTexts* unit = PressureTexts(code);
    return unit != nullptr && unit->code != kPressurePsi ? psi / unit->divisor : psi;
}

wxString Units::FlowMenuItemText(int flowIndex) {
    return FlowText(flowIndex, &FlowUnitTexts::menuItem);
}

wxString Units::FlowLcdLabel(int flowIndex) {
    return FlowText(flowIndex, &FlowUnitTexts::lcdLabel);
}

wxString Units::FlowAxisTitle(int flowIndex) {
    return FlowText(flowIndex, &FlowUnitTexts::flowAxis);
}

wxString Units::VolumeAxisTitle(int flowIndex) {
    return FlowText(flowIndex, &FlowUnitTexts::volumeAxis);
}

wxString Units::VolumeUnitLabel(int flowIndex) {
    return IsKnownFlowIndex(flowIndex) ? FlowText(flowIndex, &FlowUnitTexts::volumeUnitLabel)
                                       : wxString(L"Litri");
}

wxString Units::VolumeSeriesExtraSuffix(int flowIndex) {
    return IsKnownFlowIndex(flowIndex) ? FlowText(flowIndex, &FlowUnitTexts::volumeSeriesExtra)
                                       : wxString(L"l/min");
}

wxString Units::FlowSeriesValueSuffix(int flowIndex) {
    return FlowText(flowIndex, &FlowUnitTexts::flowSeriesValue);
}

wxString Units::FlowSeriesExtraSuffix(int flowIndex) {
    return FlowText(flowIndex, &FlowUnitTexts::flowSeriesExtra);
}

wxString Units::UsFlowAxisTitle() {
    return L"Flux (Galon/min)";
}

wxString Units::UsVolumeAxisTitle() {
    return L"Galoane";
}

wxString Units::UsFlowUnitLabel() {
    return L"GPM";
}

wxString Units::UsVolumeUnitLabel() {
    return L"Galoane";
}

wxString Units::PressureLabel(int code) {
    const PressureUnitTexts* unit = PressureTexts(code);
    return unit != nullptr ? wxString(unit->label) : wxString();
}

wxString Units::PressureAxisTitle(int code) {
    const PressureUnitTexts* unit = PressureTexts(code);
    return unit != nullptr ? wxString(unit->axisTitle) : wxString();
}

wxString Units::VolumeColumnHeader(int metric, int flowIndex) {
    if (!IsMetric(metric)) {
        return L"Volum (G)";
    }
    return IsKnownFlowIndex(flowIndex) ? FlowText(flowIndex, &FlowUnitTexts::volumeColumn)
                                       : wxString(L"Volum (L)");
}

wxString Units::CsvFlowLabel(int metric, int flowIndex) {
    if (!IsMetric(metric)) {
        return L"G/min";
    }
    return IsKnownFlowIndex(flowIndex) ? FlowText(flowIndex, &FlowUnitTexts::csvFlow)
                                       : wxString(L"L/min");
}

wxString Units::CsvVolumeLabel(int metric, int flowIndex) {
    if (!IsMetric(metric)) {
        return L"G";
    }
    return IsKnownFlowIndex(flowIndex) ? FlowText(flowIndex, &FlowUnitTexts::csvVolume)
                                       : wxString(L"L");
}

wxString Units::CsvPressureLabel(int code) {
    return IsKnownPressureCode(code) ? PressureLabel(code) : PressureLabel(kPressurePsi);
}

wxString Units::FlowDisplayText(int flowIndex, double flow) {
    switch (flowIndex) {
    case 0:
        return wxString::Format("%.0f", flow);
    case 1:
    case 2:
        return wxString::Format("%.2f", flow);
    default:
        return wxString();
    }
}

wxString Units::LivePressureText(double pressure) {
    return wxString::Format("%.1f", pressure);
}

wxString Units::MeasuredPressureText(double pressure) {
    return wxString::Format("%.2f", pressure);
}

wxString Units::ListVolumeText(double volume) {
    return wxString::Format("%.2f", volume);
}

long Units::DurationSeconds(int intervalMs, int sampleCount) {
    const double seconds = static_cast<double>(intervalMs) * sampleCount / 1000.0;
    return seconds > 0.0 ? static_cast<long>(seconds) : 0L;
}

wxString Units::DurationText(long seconds) {
    const long secondsOfDay = seconds > 0 ? seconds % 86400 : 0;
    const long hours = secondsOfDay / 3600;
    const long minutes = secondsOfDay / 60 % 60;
    const long rest = secondsOfDay % 60;
    if (hours >= 1) {
        return wxString::Format("%02ld:%02ld:%02ld", hours, minutes, rest);
    }
    return wxString::Format("%02ld:%02ld", minutes, rest);
}

wxString Units::DurationText(int intervalMs, int sampleCount) {
    return DurationText(DurationSeconds(intervalMs, sampleCount));
}
