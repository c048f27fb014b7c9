#pragma once
#include "mainframe/MainFrame.h"

#include "plot/PlotReadoutBox.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"

#include <gtest/gtest.h>
#include <wx/weakref.h>

#include <string>
#include <vector>

// The main window's parts as the tests reach them: a view of one window's members, by
// reference, under the members' own names.
struct MainFrameInternals {
    explicit MainFrameInternals(MainFrame* frame);
    MainFrame* frame;
    std::unique_ptr<LoggerUsb>& m_usb;
    std::vector<Storage>& m_recordings;
    int& m_shownIndex;
    bool& m_saved;
    wxString& m_workspacePath;
    wxTimer& m_statusTimer;
    wxTimer& m_liveTimer;
    bool& m_liveRecording;
    int& m_livePeriodMs;
    float& m_lastSampleTime;
    bool& m_filterOn;
    int& m_filterHalfWidth;
    bool& m_flowGraphShown;
    bool& m_volumeGraphShown;
    bool& m_pressureGraphShown;
    bool& m_measureFlow;
    bool& m_measurePressure;
    bool& m_gridShown;
    bool& m_samplesShown;
    wxMenu*& m_dateMenu;
    wxMenuItem* (&m_unitItems)[4];
    wxMenuItem*& m_absoluteTimeItem;
    wxPanel*& m_panel;
    PlotWindow*& m_plot;
    wxListView*& m_recordList;
    LcdClock*& m_clock;
    LcdDisplay*& m_flowLcd;
    LcdDisplay*& m_pressureLcd;
    wxStaticText*& m_flowUnitLabel;
    wxStaticText*& m_pressureUnitLabel;
    LevelGauge*& m_batteryGauge;
    LevelGauge*& m_memoryGauge;
    wxStaticText*& m_resourceText;
    CaptionButton*& m_openButton;
    CaptionButton*& m_saveButton;
    CaptionButton*& m_printButton;
    CaptionButton*& m_captureButton;
    CaptionButton*& m_versionButton;
    CaptionButton*& m_flowGraphButton;
    CaptionButton*& m_volumeGraphButton;
    CaptionButton*& m_pressureGraphButton;
    CaptionButton*& m_zoomInButton;
    CaptionButton*& m_zoomOutButton;
    CaptionButton*& m_measureFlowButton;
    CaptionButton*& m_measurePressureButton;
    CaptionButton*& m_gridButton;
    CaptionButton*& m_samplesButton;
    CaptionButton*& m_filterButton;
    wxBitmapButton*& m_liveButton;
    wxBitmapButton*& m_stopButton;
    wxBitmapButton*& m_settingsButton;
    wxBitmapButton*& m_clearButton;
    wxBitmapButton*& m_downloadButton;
    wxButton*& m_deleteButton;
    wxButton*& m_titleButton;
    wxButton*& m_informationButton;
    wxButton*& m_textBoxButton;
    wxButton*& m_flowTargetButton;
    std::unique_ptr<PlotTimeAxis>& m_timeAxis;
    std::unique_ptr<PlotValueAxis>& m_flowAxis;
    std::unique_ptr<PlotValueAxis>& m_volumeAxis;
    std::unique_ptr<PlotSecondaryAxis>& m_pressureOverlayAxis;
    std::unique_ptr<PlotValueAxis>& m_pressureAxis;
    std::unique_ptr<PlotVectorSeries>& m_flowSeries;
    std::unique_ptr<PlotVectorSeries>& m_volumeSeries;
    std::unique_ptr<PlotVectorSeries>& m_pressureSeries;
    std::unique_ptr<PlotSecondaryVectorSeries>& m_pressureOverlaySeries;
    std::unique_ptr<PlotVectorSeries>& m_targetSeries;
    std::unique_ptr<PlotReadoutBox>& m_readoutBox;
    std::unique_ptr<PlotTextBox>& m_textBoxLayer;
    int& m_pointWidth;
    int& m_lineWidth;
    int& m_markedIndex;
};

// Starts the main window on a configuration file of the test's own (in the temporary
// configuration folder of the test program) and closes it again after the test.
class MainFrameFixture : public ::testing::Test {
protected:
    void TearDown() override;

    static MainFrameInternals In(MainFrame* frame) { return MainFrameInternals(frame); }

    static std::string ConfigPath();
    static void WriteConfig(const std::vector<int>& lines);
    static std::string ReadConfig();

    // Configuration lines: metric, pressure unit, firmware, tips, flow unit, lock, absolute time.
    MainFrame* Start(const std::vector<int>& config = {1, 98, 0, 0, 0, 0, 0});
    void WaitForDestroyed();

    // Sends a command event (menu or button) to the main window, as a click would.
    void Command(int id, wxEventType type = wxEVT_MENU);

    // Appends a recording of count samples at 1 s: flow 10 + i, pressure 2 + i / 10, volume
    // growing by the flow, and refreshes the list.
    Storage& AddRecording(const wxString& title, const wxString& date = "05/03/2012 14:30:05",
                          int count = 10);
    // Clicks a row: only it is selected and focused.
    void SelectOnly(int row);

    wxWeakRef<MainFrame> m_frame;
};

#include <wx/filedlg.h>
#include <wx/testing.h>

// Answers a file dialog with a path. GTK's file chooser takes the path over only while events
// run, so the answer waits (bounded) until the dialog reports it.
class FileDialogAnswer : public wxExpectModalBase<wxFileDialog, FileDialogAnswer> {
public:
    explicit FileDialogAnswer(const wxString& path, int id = wxID_OK) : m_path(path), m_id(id) {}
    // Also checks the message and the file name the dialog was opened with. Returns a copy: the
    // test macro keeps the expectation alive only through the temporary it binds.
    FileDialogAnswer Offering(const wxString& message, const wxString& fileName) const {
        FileDialogAnswer answer(*this);
        answer.m_message = message;
        answer.m_fileName = fileName;
        return answer;
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override;

private:
    wxString m_path;
    int m_id;
    wxString m_message;
    wxString m_fileName;
};

#include <wx/msgdlg.h>

// Answers a message box with a button id after checking its text, caption and style bits.
class MessageAnswer : public wxExpectModalBase<wxMessageDialog, MessageAnswer> {
public:
    MessageAnswer(int id, const wxString& message, const wxString& caption, long style)
        : m_id(id), m_message(message), m_caption(caption), m_style(style) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override;

private:
    int m_id;
    wxString m_message;
    wxString m_caption;
    long m_style;
};
