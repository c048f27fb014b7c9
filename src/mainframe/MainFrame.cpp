#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "app/ConfigFile.h"
#include "device/LoggerUsb.h"
#include "mainframe/CommandIds.h"
#include "plot/PlotEvents.h"
#include "plot/PlotReadoutBox.h"
#include "plot/PlotSecondaryAxis.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"
#include "plot/PlotWindow.h"
#include "records/Units.h"
#include "widgets/LevelGauge.h"
#include "widgets/ResourceBitmap.h"
#include "widgets/TipsDialog.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/splash.h>
#include <wx/stdpaths.h>

wxBEGIN_EVENT_TABLE(MainFrame, wxFrame)
    EVT_MENU(ID_EXIT, MainFrame::OnExit)
    EVT_MENU(ID_OPEN_WORKSPACE, MainFrame::OnOpen)
    EVT_BUTTON(ID_OPEN_BUTTON, MainFrame::OnOpen)
    EVT_MENU(ID_SAVE_WORKSPACE, MainFrame::OnSave)
    EVT_BUTTON(ID_SAVE_WORKSPACE, MainFrame::OnSave)
    EVT_MENU(ID_SAVE_WORKSPACE_AS, MainFrame::OnSaveAs)
    EVT_MENU(ID_PRINT, MainFrame::OnPrint)
    EVT_MENU(ID_PRINT_PREVIEW, MainFrame::OnPrintPreview)
    EVT_BUTTON(ID_PRINT_BUTTON, MainFrame::OnPrintPreview)
    EVT_BUTTON(ID_CAPTURE, MainFrame::OnCapture)
    EVT_MENU_RANGE(ID_COLOUR_FLOW, ID_COLOUR_PRESSURE, MainFrame::OnSeriesColour)
    EVT_MENU_RANGE(ID_WIDTH_FLOW, ID_WIDTH_PRESSURE, MainFrame::OnSeriesWidth)
    EVT_MENU_RANGE(ID_FLOW_UNIT_LPM, ID_FLOW_UNIT_GPM, MainFrame::OnFlowUnit)
    EVT_MENU(ID_ABSOLUTE_TIME, MainFrame::OnAbsoluteTime)
    EVT_MENU(ID_EXPORT_CSV, MainFrame::OnExportCsv)
    EVT_MENU(ID_FILTER_SETTINGS, MainFrame::OnFilterSettings)
    EVT_MENU(ID_SHOW_TIPS, MainFrame::OnShowTips)
    EVT_BUTTON(ID_FLOW_GRAPH, MainFrame::OnFlowGraph)
    EVT_BUTTON(ID_VOLUME_GRAPH, MainFrame::OnVolumeGraph)
    EVT_BUTTON(ID_PRESSURE_GRAPH, MainFrame::OnPressureGraph)
    EVT_BUTTON(ID_ZOOM_IN, MainFrame::OnZoomIn)
    EVT_BUTTON(ID_ZOOM_OUT, MainFrame::OnZoomOut)
    EVT_BUTTON(ID_MEASURE_FLOW, MainFrame::OnMeasureFlow)
    EVT_BUTTON(ID_MEASURE_PRESSURE, MainFrame::OnMeasurePressure)
    EVT_BUTTON(ID_GRID, MainFrame::OnGrid)
    EVT_BUTTON(ID_SAMPLES, MainFrame::OnSamples)
    EVT_BUTTON(ID_FILTER, MainFrame::OnFilter)
    EVT_BUTTON(ID_LIVE_START, MainFrame::OnLiveStart)
    EVT_BUTTON(ID_LIVE_STOP, MainFrame::OnLiveStop)
    EVT_BUTTON(ID_DEVICE_SETTINGS, MainFrame::OnDeviceSettings)
    EVT_BUTTON(ID_CLEAR_MEMORY, MainFrame::OnClearMemory)
    EVT_BUTTON(ID_DOWNLOAD, MainFrame::OnDownload)
    EVT_BUTTON(ID_DELETE, MainFrame::OnDelete)
    EVT_BUTTON(ID_TITLE, MainFrame::OnTitle)
    EVT_BUTTON(ID_INFORMATION, MainFrame::OnInformation)
    EVT_BUTTON(ID_TEXT_BOX, MainFrame::OnTextBox)
    EVT_BUTTON(ID_FLOW_TARGET, MainFrame::OnFlowTarget)
    EVT_LIST_ITEM_SELECTED(ID_RECORD_LIST, MainFrame::OnListSelected)
    EVT_LIST_ITEM_DESELECTED(ID_RECORD_LIST, MainFrame::OnListDeselected)
    EVT_LIST_ITEM_ACTIVATED(ID_RECORD_LIST, MainFrame::OnListActivated)
    EVT_TIMER(ID_STATUS_TIMER, MainFrame::OnStatusTimer)
    EVT_TIMER(ID_LIVE_TIMER, MainFrame::OnLiveTimer)
    EVT_COMMAND(wxID_ANY, EVT_PLOT_TEXTBOX, MainFrame::OnPlotTextBox)
    EVT_COMMAND(wxID_ANY, EVT_PLOT_MEASURE, MainFrame::OnPlotMeasure)
    EVT_COMMAND(wxID_ANY, EVT_TIPS_AT_STARTUP, MainFrame::OnTipsAtStartup)
wxEND_EVENT_TABLE()

MainFrame::MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE, "frame") {
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
    LoadSettings();
    BuildMenuBar();
    BuildControls();
    InitialiseState();
    CreateStatusLine();
    ShowSplash();
    if (AppSettings.showTips) {
        (new TipsDialog(this, true))->Show(true);
    }
}

MainFrame::~MainFrame() {
    SaveSettings();
    m_statusTimer.Stop();
    m_liveTimer.Stop();
    m_usb.reset();
    // The plot keeps pointers to the layers this window owns: it goes first.
    DestroyChildren();
}

// Configuration

wxString MainFrame::SettingsPath() {
    wxStandardPaths& paths = wxStandardPaths::Get();
    paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
    return paths.GetUserConfigDir() + wxFILE_SEP_PATH + ConfigFile::kFileName;
}

void MainFrame::LoadSettings() {
    AppSettings = ConfigFile::Load(std::string(SettingsPath().fn_str()));
}

void MainFrame::SaveSettings() {
    // A fresh account may not have its configuration folder yet.
    const wxFileName path(SettingsPath());
    if (!path.DirExists()) {
        path.Mkdir(wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
    ConfigFile::Save(std::string(path.GetFullPath().fn_str()), AppSettings);
}

// Start-up

void MainFrame::InitialiseState() {
    m_workspacePath = "";
    BuildGraphLayers();

    m_recordList->SetFont(wxFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    m_recordList->AppendColumn("Titlu", wxLIST_FORMAT_LEFT, 80);
    m_recordList->AppendColumn("Data", wxLIST_FORMAT_LEFT, 80);
    m_recordList->AppendColumn("Ora", wxLIST_FORMAT_LEFT, 80);
    m_recordList->AppendColumn("Durata", wxLIST_FORMAT_LEFT, 80);
    m_recordList->AppendColumn(Units::VolumeColumnHeader(AppSettings.metric, AppSettings.flowUnit),
                               wxLIST_FORMAT_LEFT, 150);

    m_batteryGauge->SetValue(0);
    m_batteryGauge->SetBarColour(wxColour(255, 0, 0));
    m_batteryGauge->SetBackgroundColour(wxColour(50, 50, 50));

    m_flowGraphShown = false;
    m_measureFlow = false;
    m_measurePressure = false;
    m_gridShown = false;
    m_samplesShown = false;
    ShowFlowGraph();
    m_volumeGraphShown = false;
    m_pressureGraphShown = false;
    RebuildGraph();

    m_liveButton->Enable(true);
    m_stopButton->Enable(false);
    m_deleteButton->Enable(false);
    m_titleButton->Enable(false);
    m_informationButton->Enable(false);
    m_textBoxButton->Enable(false);
    m_flowTargetButton->Enable(false);

    m_filterOn = false;
    m_filterHalfWidth = 2;

    m_statusTimer.SetOwner(this, ID_STATUS_TIMER);
    m_statusTimer.Start(5000, wxTIMER_CONTINUOUS);
    m_liveTimer.SetOwner(this, ID_LIVE_TIMER);

    m_usb = std::make_unique<LoggerUsb>();
}

void MainFrame::CreateStatusLine() {
    CreateStatusBar(2, wxSTB_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE, 0, "status_line");
    SetStatusText("Bun venit la software-ul Dextrel-4.8 Flow Monitoring", 0);
}

void MainFrame::ShowSplash() {
    EnsureImageHandlers();
    new wxSplashScreen(ResourceBitmap("splash"), wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, 2000,
                       nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxSIMPLE_BORDER | wxSTAY_ON_TOP);
    wxYield();
}

// Application commands

void MainFrame::OnClose(wxCloseEvent& event) {
    if (KeepUnsavedBefore(wxString::FromUTF8("Doriti sa salvati datele înainte de iesire?"),
                          wxString::FromUTF8("Înainte de iesire"))) {
        return; // stay open so that the user can save
    }
    event.Skip();
}

void MainFrame::OnExit(wxCommandEvent&) {
    Close(true);
}

void MainFrame::OnShowTips(wxCommandEvent&) {
    (new TipsDialog(this, AppSettings.showTips))->Show(true);
}

void MainFrame::OnTipsAtStartup(wxCommandEvent& event) {
    AppSettings.showTips = event.GetId() == 1;
}
