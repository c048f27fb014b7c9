#include "mainframe/UnitTexts.h"

#include "records/Units.h"

namespace {

void SetMetricTexts(UnitTexts& texts, int flowIndex, bool flowGraphShown, bool volumeGraphShown) {
    // An unknown flow index leaves the axis titles, the flow label and the flow series alone.
    const bool known = Units::IsKnownFlowIndex(flowIndex);
    if (known) {
        texts.flowAxisTitle = Units::FlowAxisTitle(flowIndex);
        texts.volumeAxisTitle = Units::VolumeAxisTitle(flowIndex);
        if (flowGraphShown) {
            texts.flowUnitLabel = Units::FlowLcdLabel(flowIndex);
        }
    }
    if (volumeGraphShown) {
        const wxString volumeLabel = Units::VolumeUnitLabel(flowIndex);
        texts.flowUnitLabel = volumeLabel;
        texts.volumeValueSuffix = volumeLabel;
        texts.volumeExtraSuffix = Units::VolumeSeriesExtraSuffix(flowIndex);
    }
    if (known) {
        texts.flowValueSuffix = Units::FlowSeriesValueSuffix(flowIndex);
        texts.flowExtraSuffix = Units::FlowSeriesExtraSuffix(flowIndex);
    }
}

void SetUsTexts(UnitTexts& texts, bool flowGraphShown, bool volumeGraphShown) {
    texts.flowAxisTitle = Units::UsFlowAxisTitle();
    texts.volumeAxisTitle = Units::UsVolumeAxisTitle();
    if (flowGraphShown) {
        texts.flowUnitLabel = Units::UsFlowUnitLabel();
    }
    if (volumeGraphShown) {
        texts.flowUnitLabel = Units::UsVolumeUnitLabel();
    }
    texts.flowValueSuffix = Units::UsFlowUnitLabel();
    texts.volumeValueSuffix = Units::UsVolumeUnitLabel();
}

} // namespace

UnitTexts UnitTexts::For(int metric, int flowIndex, int pressureCode, bool flowGraphShown,
                         bool volumeGraphShown) {
    UnitTexts texts;
    if (metric == 1) {
        SetMetricTexts(texts, flowIndex, flowGraphShown, volumeGraphShown);
    } else {
        SetUsTexts(texts, flowGraphShown, volumeGraphShown);
    }
    if (Units::IsKnownPressureCode(pressureCode)) {
        texts.pressureLabel = Units::PressureLabel(pressureCode);
        texts.pressureAxisTitle = Units::PressureAxisTitle(pressureCode);
    }
    return texts;
}
