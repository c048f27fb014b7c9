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

// ApplyUnitTexts(-1) writes the unit texts of the logger's unit system and flow index into the
// controls and layers; a text the table leaves alone keeps what the control showed.
TEST_F(UnitTextsTest, FlowAndVolumeTextsAreWrittenIntoTheControls) {
    Start({1, 98, 0, 0, 1, 0, 0});
    ShowVolumeGraph();
    m_frame->ApplyUnitTexts(-1);
    EXPECT_EQ(In(m_frame).m_flowAxis->GetName(), "Flux (Litre/sec)");
    EXPECT_EQ(In(m_frame).m_volumeAxis->GetName(), "Litri");
    EXPECT_EQ(In(m_frame).m_flowUnitLabel->GetLabel(), "Litri");
    EXPECT_EQ(In(m_frame).m_flowSeries->GetValueSuffix(), "l/s ");
    EXPECT_EQ(In(m_frame).m_flowSeries->GetExtraSuffix(), "Litri");
    EXPECT_EQ(In(m_frame).m_volumeSeries->GetValueSuffix(), "Litri");
    EXPECT_EQ(In(m_frame).m_volumeSeries->GetExtraSuffix(), "l/min");
    m_frame->Destroy();
    WaitForDestroyed();

    // A US logger leaves the flow series' extra suffix and, with the flow graph, the volume
    // series' extra suffix as they were (empty since start-up).
    Start({0, 98, 0, 0, 2, 0, 0});
    m_frame->ApplyUnitTexts(-1);
    EXPECT_EQ(In(m_frame).m_flowAxis->GetName(), "Flux (Galon/min)");
    EXPECT_EQ(In(m_frame).m_volumeAxis->GetName(), "Galoane");
    EXPECT_EQ(In(m_frame).m_flowUnitLabel->GetLabel(), "GPM");
    EXPECT_EQ(In(m_frame).m_flowSeries->GetValueSuffix(), "GPM");
    EXPECT_EQ(In(m_frame).m_flowSeries->GetExtraSuffix(), "");
    EXPECT_EQ(In(m_frame).m_volumeSeries->GetValueSuffix(), "Galoane");
    EXPECT_EQ(In(m_frame).m_volumeSeries->GetExtraSuffix(), "");
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
        EXPECT_EQ(In(m_frame).m_pressureUnitLabel->GetLabel(), c.label);
        EXPECT_EQ(In(m_frame).m_pressureAxis->GetName(), c.axis);
        EXPECT_EQ(In(m_frame).m_pressureOverlayAxis->GetName(), c.axis);
        EXPECT_EQ(In(m_frame).m_pressureSeries->GetValueSuffix(), c.label);
        EXPECT_EQ(In(m_frame).m_pressureOverlaySeries->GetValueSuffix(), c.label);
    }
    AppSettings.pressureUnit = 7;
    m_frame->ApplyUnitTexts(-1);
    EXPECT_EQ(In(m_frame).m_pressureUnitLabel->GetLabel(), "KPa");
    EXPECT_EQ(In(m_frame).m_pressureAxis->GetName(), "Presiune (KPa)");
    EXPECT_EQ(In(m_frame).m_pressureSeries->GetValueSuffix(), "KPa");
}

TEST_F(UnitTextsTest, ARecordingsIndexTakesItsOwnUnitSystemAndPressureCode) {
    Start({1, 98, 0, 0, 0, 0, 0});
    Storage& record = AddRecording("US");
    record.SetMetric(0);
    record.SetPressureUnit(16);
    m_frame->ApplyUnitTexts(0);
    EXPECT_EQ(In(m_frame).m_flowAxis->GetName(), "Flux (Galon/min)");
    EXPECT_EQ(In(m_frame).m_flowUnitLabel->GetLabel(), "GPM");
    EXPECT_EQ(In(m_frame).m_pressureUnitLabel->GetLabel(), "KPa");
    // -1 goes back to the logger's settings.
    m_frame->ApplyUnitTexts(-1);
    EXPECT_EQ(In(m_frame).m_flowAxis->GetName(), "Flux (Litru/min)");
    EXPECT_EQ(In(m_frame).m_flowUnitLabel->GetLabel(), "l/min ");
    EXPECT_EQ(In(m_frame).m_pressureUnitLabel->GetLabel(), "Bar");
}

} // namespace
