#include "app/AppSettings.h"
#include "mainframe/CommandIds.h"
#include "mainframe/MainFrameFixture.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"

#include <gtest/gtest.h>
#include <wx/stattext.h>

namespace {

class UnitTextsTest : public MainFrameFixture {
protected:
    // Shows the volume graph instead of the flow graph that start-up selects.
    void ShowVolumeGraph() { Command(ID_VOLUME_GRAPH, wxEVT_BUTTON); }
};

wxString U(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

// The texts ApplyUnitTexts(-1) writes for the logger's unit system and the flow index, with the
// flow or the volume graph shown.
TEST_F(UnitTextsTest, FlowAndVolumeTextsFollowTheUnitSystemAndFlowIndex) {
    struct Case {
        const char* name;
        int metric;
        int flowUnit;
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
        {"litres per minute, flow", 1, 0, false, "Flux (Litru/min)", "Litri", "l/min ", "l/min",
         "Litri", "", ""},
        {"litres per second, volume", 1, 1, true, "Flux (Litre/sec)", "Litri", "Litri", "l/s ",
         "Litri", "Litri", "l/min"},
        {"cubic metres, volume", 1, 2, true, "Flux (M³/h)", "Meters³", "Meters³", "M³/h ",
         "Meters³", "Meters³", "M³/h "},
        {"gallons, flow", 1, 3, false, "Flux (Galon/min)", "Galoane", "GPM ", "GPM ", "Galoane", "",
         ""},
        {"unknown index, volume", 1, 9, true, "Flux", "Volum", "Litri", "", "", "Litri", "l/min"},
        {"US logger, flow", 0, 2, false, "Flux (Galon/min)", "Galoane", "GPM", "GPM", "", "Galoane",
         ""},
        {"US logger, volume", 0, 0, true, "Flux (Galon/min)", "Galoane", "Galoane", "GPM", "",
         "Galoane", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start({c.metric, 98, 0, 0, c.flowUnit, 0, 0});
        if (c.volumeGraph) {
            ShowVolumeGraph();
        }
        m_frame->ApplyUnitTexts(-1);
        EXPECT_EQ(m_frame->m_flowAxis->GetName(), U(c.flowAxis));
        EXPECT_EQ(m_frame->m_volumeAxis->GetName(), U(c.volumeAxis));
        EXPECT_EQ(m_frame->m_flowUnitLabel->GetLabel(), U(c.unitLabel));
        EXPECT_EQ(m_frame->m_flowSeries->GetValueSuffix(), U(c.flowValueSuffix));
        EXPECT_EQ(m_frame->m_flowSeries->GetExtraSuffix(), U(c.flowExtraSuffix));
        EXPECT_EQ(m_frame->m_volumeSeries->GetValueSuffix(), U(c.volumeValueSuffix));
        EXPECT_EQ(m_frame->m_volumeSeries->GetExtraSuffix(), U(c.volumeExtraSuffix));
        m_frame->Destroy();
        WaitForDestroyed();
    }
}

TEST_F(UnitTextsTest, PressureTextsFollowTheCodeAndAnUnknownCodeChangesNone) {
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
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        AppSettings.pressureUnit = static_cast<std::uint8_t>(c.code);
        m_frame->ApplyUnitTexts(-1);
        EXPECT_EQ(m_frame->m_pressureUnitLabel->GetLabel(), c.label);
        EXPECT_EQ(m_frame->m_pressureAxis->GetName(), c.axis);
        EXPECT_EQ(m_frame->m_pressureOverlayAxis->GetName(), c.axis);
        EXPECT_EQ(m_frame->m_pressureSeries->GetValueSuffix(), c.label);
        EXPECT_EQ(m_frame->m_pressureOverlaySeries->GetValueSuffix(), c.label);
    }
    AppSettings.pressureUnit = 7;
    m_frame->ApplyUnitTexts(-1);
    EXPECT_EQ(m_frame->m_pressureUnitLabel->GetLabel(), "KPa");
    EXPECT_EQ(m_frame->m_pressureAxis->GetName(), "Presiune (KPa)");
    EXPECT_EQ(m_frame->m_pressureSeries->GetValueSuffix(), "KPa");
}

TEST_F(UnitTextsTest, ARecordingsIndexTakesItsOwnUnitSystemAndPressureCode) {
    Start({1, 98, 0, 0, 0, 0, 0});
    Storage& record = AddRecording("US");
    record.SetMetric(0);
    record.SetPressureUnit(16);
    m_frame->ApplyUnitTexts(0);
    EXPECT_EQ(m_frame->m_flowAxis->GetName(), "Flux (Galon/min)");
    EXPECT_EQ(m_frame->m_flowUnitLabel->GetLabel(), "GPM");
    EXPECT_EQ(m_frame->m_pressureUnitLabel->GetLabel(), "KPa");
    // -1 goes back to the logger's settings.
    m_frame->ApplyUnitTexts(-1);
    EXPECT_EQ(m_frame->m_flowAxis->GetName(), "Flux (Litru/min)");
    EXPECT_EQ(m_frame->m_flowUnitLabel->GetLabel(), "l/min ");
    EXPECT_EQ(m_frame->m_pressureUnitLabel->GetLabel(), "Bar");
}

} // namespace
