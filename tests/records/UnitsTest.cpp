#include "records/Units.h"

#include <gtest/gtest.h>

namespace {

// UTF-8 text of a wxString, so that failures print readably and "³" is compared exactly.
std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

} // namespace

TEST(UnitsFlow, TextsByFlowIndex) {
    struct Case {
        int index;
        const char* lcd;
        const char* flowAxis;
        const char* volumeAxis;
        const char* menuItem;
    };
    const Case cases[] = {
        {0, "l/min ", "Flux (Litru/min)", "Litri", "Unitati de flux L/M"},
        {1, "l/s ", "Flux (Litre/sec)", "Litri", "Unitati de flux L/S"},
        {2, "M\xC2\xB3/h ", "Flux (M\xC2\xB3/h)", "Meters\xC2\xB3", "Unitati de flux M\xC2\xB3/h"},
        {3, "GPM ", "Flux (Galon/min)", "Galoane", "Unitati de flux GPM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(Utf8(Units::FlowLcdLabel(c.index)), c.lcd);
        EXPECT_EQ(Utf8(Units::FlowAxisTitle(c.index)), c.flowAxis);
        EXPECT_EQ(Utf8(Units::VolumeAxisTitle(c.index)), c.volumeAxis);
        EXPECT_EQ(Utf8(Units::FlowMenuItemText(c.index)), c.menuItem);
    }
    EXPECT_EQ(Units::FlowLcdLabel(2).length(), 5u); // "M³/h " is five characters
}

TEST(UnitsFlow, UnknownIndexGivesEmptyTextsAndNoConversion) {
    for (int index : {-1, 4, 200}) {
        EXPECT_TRUE(Units::FlowLcdLabel(index).empty());
        EXPECT_TRUE(Units::FlowAxisTitle(index).empty());
        EXPECT_TRUE(Units::VolumeAxisTitle(index).empty());
        EXPECT_TRUE(Units::FlowSeriesValueSuffix(index).empty());
        EXPECT_EQ(Units::ConvertFlow(index, 10.0), 0.0);
        EXPECT_EQ(Units::VolumePerSample(index, 10.0, 1000), 0.0);
    }
}

TEST(UnitsFlow, SeriesSuffixesByFlowIndex) {
    EXPECT_EQ(Utf8(Units::FlowSeriesValueSuffix(0)), "l/min");
    EXPECT_EQ(Utf8(Units::FlowSeriesValueSuffix(1)), "l/s ");
    EXPECT_EQ(Utf8(Units::FlowSeriesExtraSuffix(1)), "Litri");
    EXPECT_EQ(Utf8(Units::FlowSeriesExtraSuffix(2)), "Meters\xC2\xB3");
    EXPECT_EQ(Utf8(Units::VolumeUnitLabel(3)), "Galoane");
    EXPECT_EQ(Utf8(Units::VolumeUnitLabel(7)), "Litri");
    EXPECT_EQ(Utf8(Units::VolumeSeriesExtraSuffix(2)), "M\xC2\xB3/h ");
    EXPECT_EQ(Utf8(Units::VolumeSeriesExtraSuffix(1)), "l/min");
    EXPECT_EQ(Utf8(Units::UsFlowAxisTitle()), "Flux (Galon/min)");
    EXPECT_EQ(Utf8(Units::UsFlowUnitLabel()), "GPM");
    EXPECT_EQ(Utf8(Units::UsVolumeUnitLabel()), "Galoane");
}

TEST(UnitsPressure, TextsAndDivisorsByCode) {
    struct Case {
        int code;
        const char* label;
        const char* axis;
        double divisor;
    };
    const Case cases[] = {{112, "PSI", "Presiune (psi)", 1.0},
                          {98, "Bar", "Presiune (bar)", 14.504},
                          {8, "MtrH", "Presiune (MtrH)", 1.42197},
                          {16, "KPa", "Presiune (KPa)", 0.145038}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_TRUE(Units::IsKnownPressureCode(c.code));
        EXPECT_EQ(Utf8(Units::PressureLabel(c.code)), c.label);
        EXPECT_EQ(Utf8(Units::PressureAxisTitle(c.code)), c.axis);
        EXPECT_EQ(Utf8(Units::CsvPressureLabel(c.code)), c.label);
        EXPECT_DOUBLE_EQ(Units::PressureDivisor(c.code), c.divisor);
        EXPECT_DOUBLE_EQ(Units::ConvertPsi(c.code, 14.5), 14.5 / c.divisor);
    }
    EXPECT_FALSE(Units::IsKnownPressureCode(7));
    EXPECT_TRUE(Units::PressureLabel(7).empty());
    EXPECT_TRUE(Units::PressureAxisTitle(7).empty());
    EXPECT_EQ(Utf8(Units::CsvPressureLabel(7)), "PSI");
    EXPECT_DOUBLE_EQ(Units::ConvertPsi(7, 14.5), 14.5);
}

TEST(UnitsLabels, VolumeColumnHeaderByMetricAndFlowIndex) {
    struct Case {
        int metric;
        int flowIndex;
        const char* header;
    };
    const Case cases[] = {{1, 0, "Volum (L)"}, {1, 1, "Volum (L)"}, {1, 2, "Volum (M\xC2\xB3)"},
                          {1, 3, "Volum (G)"}, {0, 0, "Volum (G)"}, {0, 2, "Volum (G)"},
                          {5, 2, "Volum (G)"}, {1, 9, "Volum (L)"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8(Units::VolumeColumnHeader(c.metric, c.flowIndex)), c.header)
            << "metric " << c.metric << ", flow index " << c.flowIndex;
    }
}

TEST(UnitsLabels, CsvFlowAndVolumeLabelsByMetricAndFlowIndex) {
    struct Case {
        int metric;
        int flowIndex;
        const char* flow;
        const char* volume;
    };
    const Case cases[] = {
        {1, 0, "L/min", "L"}, {1, 1, "L/s", "L"},   {1, 2, "M\xC2\xB3/h", "M\xC2\xB3"},
        {1, 3, "G/min", "G"}, {0, 0, "G/min", "G"}, {0, 2, "G/min", "G"},
        {2, 1, "G/min", "G"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "metric " << c.metric << ", index " << c.flowIndex);
        EXPECT_EQ(Utf8(Units::CsvFlowLabel(c.metric, c.flowIndex)), c.flow);
        EXPECT_EQ(Utf8(Units::CsvVolumeLabel(c.metric, c.flowIndex)), c.volume);
    }
}

TEST(UnitsFormats, FlowDisplayTextByFlowIndex) {
    EXPECT_EQ(Units::FlowDisplayText(0, 12.6), "13");
    EXPECT_EQ(Units::FlowDisplayText(1, 0.2049), "0.20");
    EXPECT_EQ(Units::FlowDisplayText(2, 1.005), "1.00");
    EXPECT_EQ(Units::FlowDisplayText(3, 5.0), "");
    EXPECT_EQ(Units::FlowDisplayText(4, 5.0), "");
    EXPECT_EQ(Units::LivePressureText(1.25), "1.2");
    EXPECT_EQ(Units::MeasuredPressureText(1.256), "1.26");
    EXPECT_EQ(Units::ListVolumeText(0.4), "0.40");
}

TEST(UnitsFormats, DurationText) {
    struct Case {
        int intervalMs;
        int samples;
        const char* text;
    };
    const Case cases[] = {
        {1000, 3600, "01:00:00"}, {1000, 59, "00:59"},       {1000, 90000, "01:00:00"},
        {1000, 86400, "00:00"},   {250, 7, "00:01"},         {1000, 0, "00:00"},
        {1000, 3599, "59:59"},    {3000, 45000, "13:30:00"}, {-1000, 5, "00:00"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Units::DurationText(c.intervalMs, c.samples), c.text)
            << c.samples << " samples at " << c.intervalMs << " ms";
    }
}
