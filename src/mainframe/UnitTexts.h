#pragma once
#include <wx/string.h>

#include <optional>

// The unit texts the main window shows for a unit system, a flow unit index, a pressure code
// and the graph on show. A text without a value is left as the control has it.
struct UnitTexts {
    std::optional<wxString> flowAxisTitle;
    std::optional<wxString> volumeAxisTitle;
    std::optional<wxString> flowUnitLabel; // beside the flow display
    std::optional<wxString> flowValueSuffix;
    std::optional<wxString> flowExtraSuffix;
    std::optional<wxString> volumeValueSuffix;
    std::optional<wxString> volumeExtraSuffix;
    // The pressure unit label is also the value suffix of both pressure series; the axis
    // title goes to the pressure axis and to the overlaid pressure axis.
    std::optional<wxString> pressureLabel;
    std::optional<wxString> pressureAxisTitle;

    // metric 1 is litres, any other value US gallons.
    static UnitTexts For(int metric, int flowIndex, int pressureCode, bool flowGraphShown,
                         bool volumeGraphShown);
};
