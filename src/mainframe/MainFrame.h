#pragma once
#include "device/LiveJournal.h"
#include "records/Storage.h"

#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/timer.h>

#include <cstddef>
#include <map>
#include <memory>
#include <vector>

class CaptionButton;
class LcdClock;
class LcdDisplay;
class LevelGauge;
class LoggerUsb;
class PlotLayer;
class PlotReadoutBox;
class PlotSecondaryAxis;
class PlotSecondaryVectorSeries;
class PlotTextBox;
class PlotTimeAxis;
class PlotValueAxis;
class PlotVectorSeries;
class PlotWindow;
class wxBitmapButton;
class wxButton;
class wxMenu;
class wxMenuItem;
class wxPanel;
class wxStaticText;
struct EarlierJournal;
struct StatusReadout;

// The program's only top-level window: it owns the recordings, the device link,
// the plot and every control, and handles every command.
class MainFrame : public wxFrame {
public:
    MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size);
    ~MainFrame() override;

    // The configuration file: dextrelv48.ini directly in the user's configuration folder.
    static wxString SettingsPath();

    // Opens a workspace as "Deschidere" does once a file has been chosen: an unreadable file is
    // reported and changes nothing, a damaged one gives the records read before the damage.
    void OpenWorkspaceFile(const wxString& path);

    // Writes the unit texts into the controls and layers: -1 for the logger's
    // settings, or a recording's index for its own unit system and pressure unit.
    void ApplyUnitTexts(int recordingIndex);
    // Rebuilds the recordings list from the collection.
    void RefreshList();
    // Shows one recording in the plot; an index outside the collection changes nothing.
    void ShowRecording(int index);
    // Shows what the shown recording index gained at its end since it held heldBefore samples,
    // without copying its samples again; shows it afresh when it was not the shown one or its
    // samples changed otherwise.
    void ShowGrowthOfShownRecording(int index, std::size_t heldBefore);
    void ShowRecordingAround(int index);

    // Workspace files. A damaged file gives the complete records read before the damage; an
    // unreadable one leaves the workspace as it was. Failures are reported to the user.
    enum WorkspaceReadOutcome { WorkspaceRead, WorkspaceDamaged, WorkspaceUnreadable };
    WorkspaceReadOutcome ReadWorkspace(const wxString& path);
    // Writes m_workspacePath; the workspace counts as saved only when the file was written.
    bool WriteWorkspace();

    // Offers to restore the live recordings that earlier runs left unsaved in their journals;
    // an unreadable journal is reported and set aside.
    void OfferToRestoreLiveRecordings();

private:
    // The tests reach the window's parts through their fixture.
    friend struct MainFrameInternals;
    // The live-tick benchmark drives one window the same way.
    friend class LiveTickBench;

    enum class MeasureMode { None, Flow, Pressure };
    enum class RecordText { Title, Information, TextBox, FlowTarget };

    // Configuration and start-up.
    void LoadSettings();
    void SaveSettings();
    void BuildMenuBar();
    void BuildControls();
    void InitialiseState();
    void CreateStatusLine();
    void ShowSplash();
    CaptionButton* MakeCaptionButton(int id, const char* image, const wxString& caption,
                                     const wxString& tooltip, const wxSize& size);
    wxBitmapButton* MakeDeviceButton(int id, const char* image, const wxString& tooltip,
                                     const wxSize& size);
    wxButton* MakeTextButton(int id, const wxString& text, const wxString& tooltip);

    // Units.
    void UpdateFlowUnitChecks();
    void SelectFlowUnit(int flowIndex);

    // Recordings list.
    void ReselectRow(int row);
    // The focused row when exactly one row is selected, else -1.
    int CurrentItem() const;
    // The row of the recording the record commands act on, or -1 when exactly one row is not
    // selected or it has no recording.
    int SelectedRow() const;
    Storage* SelectedRecord();
    // The focused row when it has a recording, whatever else is selected, else -1.
    int FocusedRow() const;
    void SetRecordButtonsEnabled(bool enabled);
    void EditRecordText(int row, RecordText which);
    void EditTitle(int row);
    void DeleteRecording(int row);
    void SetFilter(bool on);
    void ChangeFilterWidth();

    // Graphs.
    void BuildGraphLayers();
    void RebuildGraph();
    // The four data series that the measuring marks, pens and recording texts apply to.
    std::vector<PlotLayer*> SeriesLayers() const;
    // A latched tool or graph button shows its pressed image as its normal and hover image.
    void SetButtonLatched(CaptionButton* button, const char* image, bool latched);
    void ShowSelectedGraph();
    void ShowFlowGraph();
    void ToggleFlowGraph();
    void ShowVolumeGraph();
    void TogglePressureGraph();
    void ToggleGrid();
    void ToggleSamples();
    void SetSeriesWidths(int width, bool continuous);
    void ChooseSeriesColour(int command);
    void ChooseSeriesWidth(int command);
    void ToggleAbsoluteTime();

    // Measuring.
    void SetMeasureMode(MeasureMode mode);
    void ShowMeasurement(int kind, const wxString& text);

    // Files.
    // Asks whether to save first when the collection holds unsaved changes: true when the
    // user answers Yes, so that the command stops and the recordings can be saved.
    bool KeepUnsavedBefore(const wxString& question, const wxString& caption);
    void ChooseAndOpenWorkspace();
    void SaveWorkspace();
    void SaveWorkspaceAs();
    void ExportSelectedCsv();

    // Printing and image export.
    void ShowPrintPreview();
    void PrintGraph();
    void SaveGraphImage();

    // Device operations.
    void StartLiveRecording();
    void TakeLiveSamples();
    void ShowNewestLiveSample(const Storage& record);
    void StopLiveRecording();
    // A live recording ends as by its Stop button when its record leaves the collection.
    void StopLiveRecordingIfRunning();
    void SetLiveButtons(bool recording);
    // Crash journals of live records, kept until the record is saved or deleted.
    void StartLiveJournal(Storage& record);
    void KeepJournal(Storage& record, LiveJournal journal);
    void AppendToLiveJournal(const unsigned char* block);
    void RemoveJournalOf(Storage& record);
    void RemoveJournalsOfSavedRecords();
    void RestoreJournals(std::vector<EarlierJournal>& journals);
    void DownloadMemory();
    void ReplaceRecordingsByDownload(std::vector<Storage> records);
    void OfferToSaveAndClear();
    void PollStatus();
    void ShowStatus(const StatusReadout& readout);
    void ClearLoggerMemory();
    // Reports a failed logger operation by the logger's error code.
    void ReportUsbError();

    void OnClose(wxCloseEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPrintPreview(wxCommandEvent& event);
    void OnCapture(wxCommandEvent& event);
    void OnSeriesColour(wxCommandEvent& event);
    void OnSeriesWidth(wxCommandEvent& event);
    void OnFlowUnit(wxCommandEvent& event);
    void OnAbsoluteTime(wxCommandEvent& event);
    void OnExportCsv(wxCommandEvent& event);
    void OnFilterSettings(wxCommandEvent& event);
    void OnShowTips(wxCommandEvent& event);
    void OnFlowGraph(wxCommandEvent& event);
    void OnVolumeGraph(wxCommandEvent& event);
    void OnPressureGraph(wxCommandEvent& event);
    void OnZoomIn(wxCommandEvent& event);
    void OnZoomOut(wxCommandEvent& event);
    void OnMeasureFlow(wxCommandEvent& event);
    void OnMeasurePressure(wxCommandEvent& event);
    void OnGrid(wxCommandEvent& event);
    void OnSamples(wxCommandEvent& event);
    void OnFilter(wxCommandEvent& event);
    void OnLiveStart(wxCommandEvent& event);
    void OnLiveStop(wxCommandEvent& event);
    void OnDeviceSettings(wxCommandEvent& event);
    void OnClearMemory(wxCommandEvent& event);
    void OnDownload(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnTitle(wxCommandEvent& event);
    void OnInformation(wxCommandEvent& event);
    void OnTextBox(wxCommandEvent& event);
    void OnFlowTarget(wxCommandEvent& event);
    void OnListSelected(wxListEvent& event);
    void OnListDeselected(wxListEvent& event);
    void OnListActivated(wxListEvent& event);
    void OnStatusTimer(wxTimerEvent& event);
    void OnLiveTimer(wxTimerEvent& event);
    void OnPlotTextBox(wxCommandEvent& event);
    void OnPlotMeasure(wxCommandEvent& event);
    void OnTipsAtStartup(wxCommandEvent& event);

    std::unique_ptr<LoggerUsb> m_usb;
    std::vector<Storage> m_recordings;
    int m_shownIndex = -1;
    bool m_saved = false;
    wxString m_workspacePath;
    wxTimer m_statusTimer;
    wxTimer m_liveTimer;
    // While a live recording runs, record 0 is its record.
    bool m_liveRecording = false;
    int m_livePeriodMs = 1000;
    float m_lastSampleTime = 0.0f;
    // The open journals by path; a record names its own by GetJournalPath.
    std::map<wxString, LiveJournal> m_journals;

    bool m_filterOn = false;
    int m_filterHalfWidth = 2;
    bool m_flowGraphShown = false;
    bool m_volumeGraphShown = false;
    bool m_pressureGraphShown = false;
    bool m_measureFlow = false;
    bool m_measurePressure = false;
    bool m_gridShown = false;
    bool m_samplesShown = false;

    wxMenu* m_dateMenu = nullptr;
    wxMenuItem* m_unitItems[4] = {nullptr, nullptr, nullptr, nullptr};
    wxMenuItem* m_absoluteTimeItem = nullptr;

    wxPanel* m_panel = nullptr;
    PlotWindow* m_plot = nullptr;
    wxListView* m_recordList = nullptr;
    LcdClock* m_clock = nullptr;
    LcdDisplay* m_flowLcd = nullptr;
    LcdDisplay* m_pressureLcd = nullptr;
    wxStaticText* m_flowUnitLabel = nullptr;
    wxStaticText* m_pressureUnitLabel = nullptr;
    LevelGauge* m_batteryGauge = nullptr;
    LevelGauge* m_memoryGauge = nullptr;
    wxStaticText* m_resourceText = nullptr;

    CaptionButton* m_openButton = nullptr;
    CaptionButton* m_saveButton = nullptr;
    CaptionButton* m_printButton = nullptr;
    CaptionButton* m_captureButton = nullptr;
    CaptionButton* m_versionButton = nullptr;
    CaptionButton* m_flowGraphButton = nullptr;
    CaptionButton* m_volumeGraphButton = nullptr;
    CaptionButton* m_pressureGraphButton = nullptr;
    CaptionButton* m_zoomInButton = nullptr;
    CaptionButton* m_zoomOutButton = nullptr;
    CaptionButton* m_measureFlowButton = nullptr;
    CaptionButton* m_measurePressureButton = nullptr;
    CaptionButton* m_gridButton = nullptr;
    CaptionButton* m_samplesButton = nullptr;
    CaptionButton* m_filterButton = nullptr;
    wxBitmapButton* m_liveButton = nullptr;
    wxBitmapButton* m_stopButton = nullptr;
    wxBitmapButton* m_settingsButton = nullptr;
    wxBitmapButton* m_clearButton = nullptr;
    wxBitmapButton* m_downloadButton = nullptr;
    wxButton* m_deleteButton = nullptr;
    wxButton* m_titleButton = nullptr;
    wxButton* m_informationButton = nullptr;
    wxButton* m_textBoxButton = nullptr;
    wxButton* m_flowTargetButton = nullptr;

    // The layers of the graphs; they live as long as the window.
    std::unique_ptr<PlotTimeAxis> m_timeAxis;
    std::unique_ptr<PlotValueAxis> m_flowAxis;
    std::unique_ptr<PlotValueAxis> m_volumeAxis;
    std::unique_ptr<PlotSecondaryAxis> m_pressureOverlayAxis;
    std::unique_ptr<PlotValueAxis> m_pressureAxis;
    std::unique_ptr<PlotVectorSeries> m_flowSeries;
    std::unique_ptr<PlotVectorSeries> m_volumeSeries;
    std::unique_ptr<PlotVectorSeries> m_pressureSeries;
    std::unique_ptr<PlotSecondaryVectorSeries> m_pressureOverlaySeries;
    std::unique_ptr<PlotVectorSeries> m_targetSeries;
    std::unique_ptr<PlotReadoutBox> m_readoutBox;
    std::unique_ptr<PlotTextBox> m_textBoxLayer;
    int m_pointWidth = 6;
    int m_lineWidth = 2;
    int m_markedIndex = -1;

    wxDECLARE_EVENT_TABLE();
};
