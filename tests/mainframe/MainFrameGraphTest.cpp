#include "mainframe/CommandIds.h"
#include "mainframe/MainFrameFixture.h"
#include "plot/PenDialog.h"
#include "plot/PlotEvents.h"
#include "plot/PlotReadoutBox.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"
#include "support/GuiTestSupport.h"
#include "widgets/CaptionButton.h"
#include "widgets/LcdClock.h"
#include "widgets/LcdDisplay.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>

namespace {

// GTK's colour dialog reads the chosen colour back from its native colour selection when it
// ends, so the answer must be given to that widget. The GTK functions are looked up in the
// running process, where the toolkit has loaded them.
void SetNativeChooserColour(wxColourDialog* dialog, const wxColour& colour) {
    struct Rgba {
        double red, green, blue, alpha;
    };
    using GetSelection = void* (*)(void*);
    using SetRgba = void (*)(void*, const Rgba*);
    auto getSelection = reinterpret_cast<GetSelection>(
        dlsym(RTLD_DEFAULT, "gtk_color_selection_dialog_get_color_selection"));
    auto setRgba =
        reinterpret_cast<SetRgba>(dlsym(RTLD_DEFAULT, "gtk_color_selection_set_current_rgba"));
    ASSERT_NE(getSelection, nullptr);
    ASSERT_NE(setRgba, nullptr);
    const Rgba rgba{colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0, 1.0};
    setRgba(getSelection(dialog->GetHandle()), &rgba);
}

// Picks a colour in the colour dialog and checks the grey custom colours it was given.
class ColourAnswer : public wxExpectModalBase<wxColourDialog, ColourAnswer> {
public:
    explicit ColourAnswer(const wxColour& colour) : m_colour(colour) {}

protected:
    int OnInvoked(wxColourDialog* dialog) const override {
        wxColourData& data = dialog->GetColourData();
        EXPECT_TRUE(data.GetChooseFull());
        EXPECT_EQ(data.GetCustomColour(0), wxColour(0, 0, 0));
        EXPECT_EQ(data.GetCustomColour(15), wxColour(240, 240, 240));
        data.SetColour(m_colour);
        SetNativeChooserColour(dialog, m_colour);
        return wxID_OK;
    }

private:
    wxColour m_colour;
};

// Chooses a width in the line-style dialog and presses Ok.
class PenAnswer : public wxExpectModalBase<PenDialog, PenAnswer> {
public:
    explicit PenAnswer(int width) : m_width(width) {}

protected:
    int OnInvoked(PenDialog* dialog) const override {
        dialog->GetChoice()->SetSelection(m_width - 1);
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(dialog->FindWindow(wxID_OK));
        dialog->GetEventHandler()->ProcessEvent(ok);
        return wxID_OK;
    }

private:
    int m_width;
};

class GraphTest : public MainFrameFixture {
protected:
    void Measure(int kind, const wxString& text) {
        wxCommandEvent event(EVT_PLOT_MEASURE);
        event.SetInt(kind);
        event.SetString(text);
        m_frame->GetEventHandler()->ProcessEvent(event);
    }
    std::vector<PlotLayer*> Layers() {
        std::vector<PlotLayer*> layers;
        for (int i = 0; i < In(m_frame).m_plot->LayerCount(); ++i) {
            layers.push_back(In(m_frame).m_plot->LayerAt(i));
        }
        return layers;
    }
};

TEST_F(GraphTest, FlowGraphIsShownAtStartUp) {
    Start();
    const std::vector<PlotLayer*> expected = {
        In(m_frame).m_timeAxis.get(),   In(m_frame).m_flowAxis.get(),
        In(m_frame).m_flowSeries.get(), In(m_frame).m_targetSeries.get(),
        In(m_frame).m_readoutBox.get(), In(m_frame).m_textBoxLayer.get()};
    EXPECT_EQ(Layers(), expected);
    EXPECT_TRUE(In(m_frame).m_flowGraphButton->GetBitmapLabel().IsSameAs(
        In(m_frame).m_flowGraphButton->GetBitmapPressed()));
}

TEST_F(GraphTest, FlowWithPressureOverlayHasItsLayersInOrder) {
    Start();
    Command(ID_PRESSURE_GRAPH, wxEVT_BUTTON);
    const std::vector<PlotLayer*> expected = {In(m_frame).m_timeAxis.get(),
                                              In(m_frame).m_flowAxis.get(),
                                              In(m_frame).m_flowSeries.get(),
                                              In(m_frame).m_targetSeries.get(),
                                              In(m_frame).m_pressureOverlayAxis.get(),
                                              In(m_frame).m_pressureOverlaySeries.get(),
                                              In(m_frame).m_readoutBox.get(),
                                              In(m_frame).m_textBoxLayer.get()};
    EXPECT_EQ(Layers(), expected);
    EXPECT_TRUE(In(m_frame).m_timeAxis->reserveRight);
    EXPECT_TRUE(In(m_frame).m_flowAxis->reserveRight);
    EXPECT_EQ(In(m_frame).m_pressureOverlaySeries->GetValuePrefix(), "Presiune");
    EXPECT_EQ(In(m_frame).m_flowSeries->GetValuePrefix(), "Flux");
    EXPECT_EQ(In(m_frame).m_flowSeries->GetExtraPrefix(), "Volum");
}

TEST_F(GraphTest, PressureAloneAndNothingSelected) {
    Start();
    Command(ID_PRESSURE_GRAPH, wxEVT_BUTTON);
    Command(ID_FLOW_GRAPH, wxEVT_BUTTON); // flow off: pressure alone
    const std::vector<PlotLayer*> expected = {
        In(m_frame).m_timeAxis.get(), In(m_frame).m_pressureAxis.get(),
        In(m_frame).m_pressureSeries.get(), In(m_frame).m_readoutBox.get(),
        In(m_frame).m_textBoxLayer.get()};
    EXPECT_EQ(Layers(), expected);
    EXPECT_EQ(In(m_frame).m_pressureAxis->keyLabel, "Presiune");
    Command(ID_PRESSURE_GRAPH, wxEVT_BUTTON);
    EXPECT_EQ(In(m_frame).m_plot->LayerCount(), 0);
}

TEST_F(GraphTest, VolumeButtonTwiceKeepsVolumeSelected) {
    Start();
    Command(ID_VOLUME_GRAPH, wxEVT_BUTTON);
    Command(ID_VOLUME_GRAPH, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_volumeGraphShown);
    EXPECT_FALSE(In(m_frame).m_flowGraphShown);
    EXPECT_EQ(In(m_frame).m_measureFlowButton->GetCaption(), "Masurare Volum");
    EXPECT_EQ(In(m_frame).m_plot->LayerAt(2), In(m_frame).m_volumeSeries.get());
    Command(ID_FLOW_GRAPH, wxEVT_BUTTON);
    EXPECT_EQ(In(m_frame).m_measureFlowButton->GetCaption(), "Masurare F");
}

TEST_F(GraphTest, GridReplacesTickMarksExceptOnTheOverlayAxis) {
    Start();
    Command(ID_GRID, wxEVT_BUTTON);
    EXPECT_FALSE(In(m_frame).m_timeAxis->ticks);
    EXPECT_FALSE(In(m_frame).m_flowAxis->ticks);
    EXPECT_FALSE(In(m_frame).m_pressureAxis->ticks);
    EXPECT_TRUE(In(m_frame).m_pressureOverlayAxis->ticks);
    Command(ID_GRID, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_timeAxis->ticks);
}

TEST_F(GraphTest, SamplesUseThePointWidthAndLinesTheChosenLineWidth) {
    Start();
    Command(ID_SAMPLES, wxEVT_BUTTON);
    EXPECT_EQ(In(m_frame).m_flowSeries->GetPen().GetWidth(), 6);
    EXPECT_FALSE(In(m_frame).m_flowSeries->IsContinuous());
    EXPECT_EQ(In(m_frame).m_pressureOverlaySeries->GetPen().GetWidth(), 6);
    EXPECT_EQ(In(m_frame).m_targetSeries->GetPen().GetWidth(), 3);
    Command(ID_SAMPLES, wxEVT_BUTTON);
    EXPECT_EQ(In(m_frame).m_flowSeries->GetPen().GetWidth(), 2);
    EXPECT_TRUE(In(m_frame).m_flowSeries->IsContinuous());

    wxTEST_DIALOG(Command(ID_WIDTH_FLOW), PenAnswer(4));
    EXPECT_EQ(In(m_frame).m_flowSeries->GetPen().GetWidth(), 4);
    EXPECT_EQ(In(m_frame).m_lineWidth, 4);
    Command(ID_SAMPLES, wxEVT_BUTTON);
    EXPECT_EQ(In(m_frame).m_volumeSeries->GetPen().GetWidth(), 6);
    Command(ID_SAMPLES, wxEVT_BUTTON);
    for (PlotLayer* series : {static_cast<PlotLayer*>(In(m_frame).m_flowSeries.get()),
                              static_cast<PlotLayer*>(In(m_frame).m_volumeSeries.get()),
                              static_cast<PlotLayer*>(In(m_frame).m_pressureSeries.get()),
                              static_cast<PlotLayer*>(In(m_frame).m_pressureOverlaySeries.get())}) {
        EXPECT_EQ(series->GetPen().GetWidth(), 4);
    }
}

TEST_F(GraphTest, PressureWidthGoesToBothPressureSeries) {
    Start();
    wxTEST_DIALOG(Command(ID_WIDTH_PRESSURE), PenAnswer(7));
    EXPECT_EQ(In(m_frame).m_pressureSeries->GetPen().GetWidth(), 7);
    EXPECT_EQ(In(m_frame).m_pressureOverlaySeries->GetPen().GetWidth(), 7);
    EXPECT_EQ(In(m_frame).m_lineWidth, 2);
}

TEST_F(GraphTest, ColourCommandGivesAWidthFivePen) {
    Start();
    wxTEST_DIALOG(Command(ID_COLOUR_PRESSURE), ColourAnswer(wxColour(10, 200, 30)));
    EXPECT_EQ(In(m_frame).m_pressureSeries->GetPen().GetColour(), wxColour(10, 200, 30));
    EXPECT_EQ(In(m_frame).m_pressureSeries->GetPen().GetWidth(), 5);
    EXPECT_EQ(In(m_frame).m_pressureOverlaySeries->GetPen().GetColour(), wxColour(10, 200, 30));
    EXPECT_EQ(In(m_frame).m_flowSeries->GetPen().GetColour(), *wxBLUE);
}

TEST_F(GraphTest, ShowRecordingLoadsSeriesTextsAndFooter) {
    Start({1, 8, 0, 0, 2, 0, 0});
    Storage& record = AddRecording("Run");
    record.SetInformation("info");
    record.SetSerialNumber(1234);
    record.SetPressureUnit(112);
    m_frame->ShowRecording(0);
    EXPECT_EQ(In(m_frame).m_flowSeries->PointCount(), 10);
    EXPECT_EQ(In(m_frame).m_pressureOverlaySeries->GetName(), "Run 05/03/2012 14:30:05");
    EXPECT_EQ(In(m_frame).m_volumeSeries->GetSubtitle(), "info");
    EXPECT_EQ(In(m_frame).m_pressureSeries->GetFooter(), "Vendrix Serial No. 1234");
    // Units of the recording's own pressure code and the current flow index.
    EXPECT_EQ(In(m_frame).m_pressureUnitLabel->GetLabel(), "PSI");
    EXPECT_EQ(In(m_frame).m_pressureAxis->GetName(), "Presiune (psi)");
    EXPECT_EQ(In(m_frame).m_flowAxis->GetName(), wxString::FromUTF8("Flux (M³/h)"));
    EXPECT_EQ(In(m_frame).m_flowSeries->GetValueSuffix(), wxString::FromUTF8("M³/h "));
    EXPECT_FALSE(In(m_frame).m_targetSeries->IsVisible());
    EXPECT_EQ(In(m_frame).m_plot->bottomMargin, 35);
}

TEST_F(GraphTest, MarksAreClearedOnlyWhenAnotherRecordingIsShown) {
    Start();
    AddRecording("A");
    AddRecording("B");
    m_frame->ShowRecording(0);
    In(m_frame).m_flowSeries->SetMarkShown(true);
    m_frame->ShowRecording(0);
    EXPECT_TRUE(In(m_frame).m_flowSeries->IsMarkShown());
    m_frame->ShowRecording(1);
    EXPECT_FALSE(In(m_frame).m_flowSeries->IsMarkShown());
}

TEST_F(GraphTest, MarksOfADeletedRecordingDoNotCarryOverToTheNextOne) {
    Start();
    AddRecording("A");
    AddRecording("B");
    SelectOnly(0);
    In(m_frame).m_flowSeries->SetMarkShown(true);
    Command(ID_DELETE, wxEVT_BUTTON); // B moves to index 0 and is shown
    EXPECT_EQ(In(m_frame).m_shownIndex, 0);
    EXPECT_FALSE(In(m_frame).m_flowSeries->IsMarkShown());
}

TEST_F(GraphTest, MeasuringModesExcludeEachOther) {
    Start();
    Command(ID_MEASURE_FLOW, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_measureFlow);
    EXPECT_TRUE(In(m_frame).m_plot->measurePrimary);
    Command(ID_MEASURE_PRESSURE, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_measurePressure);
    EXPECT_FALSE(In(m_frame).m_measureFlow);
    EXPECT_FALSE(In(m_frame).m_plot->measurePrimary);
    EXPECT_TRUE(In(m_frame).m_plot->measureSecondary);
    EXPECT_FALSE(In(m_frame).m_measureFlowButton->GetBitmapLabel().IsSameAs(
        In(m_frame).m_measureFlowButton->GetBitmapPressed()));
    EXPECT_TRUE(In(m_frame).m_measurePressureButton->GetBitmapLabel().IsSameAs(
        In(m_frame).m_measurePressureButton->GetBitmapPressed()));
}

TEST_F(GraphTest, MeasuredFlowFollowsTheFlowUnitFormat) {
    struct Case {
        int flowUnit;
        const char* shown;
    };
    for (const Case& c : {Case{0, "13"}, Case{1, "12.60"}, Case{3, ""}}) {
        Start({1, 98, 0, 0, c.flowUnit, 0, 0});
        AddRecording("A");
        m_frame->ShowRecording(0);
        Measure(1, "3725.400000 12.600000");
        EXPECT_EQ(In(m_frame).m_flowLcd->GetValue(), c.shown);
        EXPECT_EQ(In(m_frame).m_recordings[0].GetFlowMeasurement(), c.shown);
        EXPECT_EQ(In(m_frame).m_recordings[0].GetPressureMeasurement(), "");
        EXPECT_EQ(In(m_frame).m_clock->GetValue(), "01:02:05");
        In(m_frame).m_saved = true;
        m_frame->Destroy();
        WaitForDestroyed();
    }
}

TEST_F(GraphTest, MeasuredVolumeIsShownButNotStored) {
    Start();
    AddRecording("A");
    m_frame->ShowRecording(0);
    Command(ID_VOLUME_GRAPH, wxEVT_BUTTON);
    Measure(1, "10.000000 123.400000");
    EXPECT_EQ(In(m_frame).m_flowLcd->GetValue(), "123");
    EXPECT_EQ(In(m_frame).m_recordings[0].GetFlowMeasurement(), "");
}

TEST_F(GraphTest, OverlayMeasurementStoresOnlyThePressure) {
    Start();
    AddRecording("A");
    m_frame->ShowRecording(0);
    Measure(2, "1.234500 ");
    EXPECT_EQ(In(m_frame).m_pressureLcd->GetValue(), "1.23");
    EXPECT_EQ(In(m_frame).m_recordings[0].GetPressureMeasurement(), "1.23");
    EXPECT_EQ(In(m_frame).m_recordings[0].GetFlowMeasurement(), "");
    Measure(7, "1 2");
    EXPECT_EQ(In(m_frame).m_pressureLcd->GetValue(), "1.23");
}

TEST_F(GraphTest, PressureAloneMeasuresIntoThePressureDisplay) {
    Start();
    AddRecording("A");
    m_frame->ShowRecording(0);
    Command(ID_PRESSURE_GRAPH, wxEVT_BUTTON);
    Command(ID_FLOW_GRAPH, wxEVT_BUTTON);
    Measure(1, "5.000000 2.345000");
    EXPECT_EQ(In(m_frame).m_pressureLcd->GetValue(), "2.35");
    EXPECT_EQ(In(m_frame).m_recordings[0].GetPressureMeasurement(), "2.35");
}

TEST_F(GraphTest, WithoutAShownRecordingMeasurementsOnlyReachTheDisplays) {
    Start();
    Measure(1, "1.000000 20.000000");
    EXPECT_EQ(In(m_frame).m_flowLcd->GetValue(), "20");
}

TEST_F(GraphTest, TextBoxPositionIsStoredInTheSelectedRecording) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    In(m_frame).m_textBoxLayer->SetTextBoxPosition(*In(m_frame).m_plot, 33, 44);
    wxCommandEvent event(EVT_PLOT_TEXTBOX);
    m_frame->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTextBoxX(), In(m_frame).m_textBoxLayer->GetTextBoxX());
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTextBoxY(), In(m_frame).m_textBoxLayer->GetTextBoxY());
}

} // namespace
