#include "mainframe/UnitTexts.h"
#include "mainframe/CommandIds.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// "-" stands for a text that is left as the control has it.
std::string Shown(const std::optional<wxString>& text) {
    return text ? std::string(text->utf8_str()) : std::string("-");
}

TEST(UnitTexts, FlowAndVolumeTextsFollowTheUnitSystemFlowIndexAndGraph) {
    struct Case {
        const char* name;
        int metric;
        int flowUnit;
        bool flowGraph;
        bool volumeGraph;
        const char* flowAxis;
        const char* volumeAxis;
        const char* unitLabel;
        const char* flowValueSuffix;
        const char* flowExtraSuffix;
        const char* volumeValueSuffix;
        const char* volumeExtraSuffix;
    };
    // The volume series' suffixes are written only while the volume graph is shown; the flow
    // series' extra suffix is left alone for a US logger; an unknown index leaves the axis
    // titles, the flow label and the flow series as they were.
    const Case cases[] = {
        {"litres per minute, flow", 1, 0, true, false, "Flux (Litru/min)", "Litri", "l/min ",
         "l/min", "Litri", "-", "-"},
        {"litres per second, volume", 1, 1, false, true, "Flux (Litre/sec)", "Litri", "Litri",
         "l/s ", "Litri", "Litri", "l/min"},
        {"cubic metres, volume", 1, 2, false, true, "Flux (M³/h)", "Meters³", "Meters³", "M³/h ",
         "Meters³", "Meters³", "M³/h "},
        {"gallons, flow", 1, 3, true, false, "Flux (Galon/min)", "Galoane", "GPM ", "GPM ",
         "Galoane", "-", "-"},
        {"unknown index, volume", 1, 9, false, true, "-", "-", "Litri", "-", "-", "Litri", "l/min"},
        {"unknown index, flow", 1, 9, true, false, "-", "-", "-", "-", "-", "-", "-"},
        {"litres, pressure alone", 1, 0, false, false, "Flux (Litru/min)", "Litri", "-", "l/min",
         "Litri", "-", "-"},
        {"US logger, flow", 0, 2, true, false, "Flux (Galon/min)", "Galoane", "GPM", "GPM", "-",
         "Galoane", "-"},
        {"US logger, volume", 0, 0, false, true, "Flux (Galon/min)", "Galoane", "Galoane", "GPM",
         "-", "Galoane", "-"},
        {"unit system 7 counts as US", 7, 0, false, false, "Flux (Galon/min)", "Galoane", "-",
         "GPM", "-", "Galoane", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const UnitTexts texts =
            UnitTexts::For(c.metric, c.flowUnit, 98, c.flowGraph, c.volumeGraph);
        EXPECT_EQ(Shown(texts.flowAxisTitle), c.flowAxis);
        EXPECT_EQ(Shown(texts.volumeAxisTitle), c.volumeAxis);
        EXPECT_EQ(Shown(texts.flowUnitLabel), c.unitLabel);
        EXPECT_EQ(Shown(texts.flowValueSuffix), c.flowValueSuffix);
        EXPECT_EQ(Shown(texts.flowExtraSuffix), c.flowExtraSuffix);
        EXPECT_EQ(Shown(texts.volumeValueSuffix), c.volumeValueSuffix);
        EXPECT_EQ(Shown(texts.volumeExtraSuffix), c.volumeExtraSuffix);
    }
}

TEST(UnitTexts, PressureTextsFollowTheCodeAndAnUnknownCodeChangesNone) {
    struct Case {
        int code;
        const char* label;
        const char* axis;
    };
    const Case cases[] = {
        {112, "PSI", "Presiune (psi)"},
        {98, "Bar", "Presiune (bar)"},
        {8, "MtrH", "Presiune (MtrH)"},
        {16, "KPa", "Presiune (KPa)"},
        {7, "-", "-"},
        {0, "-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        for (int metric : {0, 1}) {
            const UnitTexts texts = UnitTexts::For(metric, 0, c.code, true, false);
            EXPECT_EQ(Shown(texts.pressureLabel), c.label);
            EXPECT_EQ(Shown(texts.pressureAxisTitle), c.axis);
        }
    }
}

TEST(UnitTexts, FlowUnitMenuIdsByIndex) {
    const int ids[] = {61, 63, 62, 64}; // l/min, l/s, m³/h, GPM
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(MenuIdOfFlowIndex(index), ids[index]);
        EXPECT_EQ(FlowIndexOfMenuId(ids[index]), index);
    }
    for (int index : {-1, 4, 200}) {
        EXPECT_EQ(MenuIdOfFlowIndex(index), -1);
    }
    EXPECT_EQ(FlowIndexOfMenuId(60), -1);
    EXPECT_EQ(FlowIndexOfMenuId(65), -1);
}

} // namespace
