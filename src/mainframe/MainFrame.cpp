#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "app/ConfigFile.h"
#include "device/LoggerUsb.h"
#include "files/CsvExport.h"
#include "files/WorkspaceFile.h"
#include "mainframe/CommandIds.h"
#include "mainframe/Units.h"
#include "plot/FilterDialog.h"
#include "plot/MyPrintout.h"
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
#include "widgets/CaptionButton.h"
#include "widgets/LcdClock.h"
#include "widgets/LcdDisplay.h"
#include "widgets/ResourceBitmap.h"
#include "widgets/TipsDialog.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/gauge.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/print.h>
#include <wx/sizer.h>
#include <wx/splash.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/textdlg.h>

namespace {
const wxColour kPanelColour(236, 233, 216);
const double kVersion = 4.8;

// GTK's default font is larger than the Windows dialog font these buttons were
// laid out for: the small system font keeps their captions within the buttons.
void UseCaptionFont(CaptionButton* button) {
    button->SetFont(*wxSMALL_FONT);
}
} // namespace

// clang-format off
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
    // clang-format on

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
    delete m_usb;
    // The plot keeps pointers to the layers this window owns: it goes first.
    DestroyChildren();
}

// ---------------------------------------------------------------------------------------------
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

// ---------------------------------------------------------------------------------------------
// Menu bar

namespace {
wxMenuItem* AppendItem(wxMenu* menu, int id, const wxString& text, const wxString& help,
                       const char* image = nullptr) {
    wxMenuItem* item = new wxMenuItem(menu, id, text, help);
    if (image != nullptr) {
        item->SetBitmap(ResourceBitmap(image));
    }
    return menu->Append(item);
}
} // namespace

void MainFrame::BuildMenuBar() {
    const wxString nbsp = wxString::FromUTF8("\xC2\xA0");

    wxMenu* file = new wxMenu;
    AppendItem(file, ID_OPEN_WORKSPACE, "Deschidere spatiu de lucru",
               "Deschiderea unui spatiu de lucru salvat", "menu_open");
    AppendItem(file, ID_SAVE_WORKSPACE, "Salvare spatiu de lucru",
               "Salvarea unui spatiu de" + nbsp + "lucru", "menu_save");
    AppendItem(file, ID_SAVE_WORKSPACE_AS, "Salvare spatiu de lucru ca",
               "Salvarea spatiului de" + nbsp + "lucru curent", "menu_save");
    file->AppendSeparator();
    AppendItem(file, ID_PRINT, "Tipareste grafic", "Tipareste subiectul curent", "menu_print");
    AppendItem(file, ID_PRINT_PREVIEW, "Tipareste cu previzualizare",
               "Previzualizarea si tiparirea subiectului curent", "menu_print");
    AppendItem(file, ID_EXIT, "Iesire", wxString::FromUTF8("Închiderea aplicatiei"));

    wxMenu* graph = new wxMenu;
    wxMenu* colour = new wxMenu;
    AppendItem(colour, ID_COLOUR_FLOW, "Flux", "Schimbare culoare flux");
    AppendItem(colour, ID_COLOUR_VOLUME, "Volum", "Schimbare culoare volum");
    AppendItem(colour, ID_COLOUR_PRESSURE, "Presiune", "Schimbare culoare presiune");
    graph->AppendSubMenu(colour, "Culoare subiect", "Modificarea culorii subiect");
    wxMenu* width = new wxMenu;
    AppendItem(width, ID_WIDTH_FLOW, "Flux", "Schimbare grosimea subiectului de flux");
    AppendItem(width, ID_WIDTH_VOLUME, "Volum", "Schimbare grosimea  subiectului volum");
    AppendItem(width, ID_WIDTH_PRESSURE, "Presiune", "Schimbare grosimea subiectului presiune");
    graph->AppendSubMenu(width, "Stil linie", "Schimba stilul  liniei subiectului");

    m_dateMenu = new wxMenu;
    for (int index = 0; index < 4; ++index) {
        const wxString text = Units::FlowMenuItemText(index);
        m_unitItems[index] =
            m_dateMenu->AppendCheckItem(Units::MenuIdOfFlowIndex(index), text, text);
    }
    m_absoluteTimeItem =
        m_dateMenu->AppendCheckItem(ID_ABSOLUTE_TIME, "Absolut Ora", "Absolut Ora");
    AppendItem(m_dateMenu, ID_EXPORT_CSV, wxString::FromUTF8("Exportare în Excel"),
               wxString::FromUTF8("Exporteaza datele selectate în Microsoft Excel"));
    AppendItem(m_dateMenu, ID_FILTER_SETTINGS, "Setari filtre",
               "Modifica setarile filtrelor de date");
    m_absoluteTimeItem->Check(AppSettings.absoluteTime);
    UpdateFlowUnitChecks();
    m_dateMenu->Enable(ID_EXPORT_CSV, false);

    wxMenu* help = new wxMenu;
    AppendItem(help, ID_SHOW_TIPS, "Afisare Sfaturi la Startup", "Afisare sfaturi la pornire");

    wxMenuBar* bar = new wxMenuBar;
    bar->Append(file, "Fisier");
    bar->Append(graph, "Grafic");
    bar->Append(m_dateMenu, "Date");
    bar->Append(help, "Ajutor");
    SetMenuBar(bar);
}

void MainFrame::UpdateFlowUnitChecks() {
    const int current = AppSettings.flowUnit;
    if (current > 3) {
        return;
    }
    for (int index = 0; index < 4; ++index) {
        m_unitItems[index]->Check(index == current);
    }
}

// ---------------------------------------------------------------------------------------------
// Controls

CaptionButton* MainFrame::MakeCaptionButton(int id, const char* image, const wxString& caption,
                                            const wxString& tooltip, const wxSize& size) {
    const wxString name(image);
    CaptionButton* button =
        new CaptionButton(m_panel, id, ResourceBitmap((name + "_normal").c_str()), caption,
                          wxPoint(0, 0), size, wxNO_BORDER, wxDefaultValidator, "button");
    button->SetBitmapHover(ResourceBitmap((name + "_hover").c_str()));
    button->SetBitmapPressed(ResourceBitmap((name + "_pressed").c_str()));
    UseCaptionFont(button);
    if (!tooltip.empty()) {
        button->SetToolTip(tooltip);
    }
    return button;
}

wxBitmapButton* MainFrame::MakeDeviceButton(int id, const char* image, const wxString& tooltip,
                                            const wxSize& size) {
    const wxString name(image);
    wxBitmapButton* button =
        new wxBitmapButton(m_panel, id, ResourceBitmap((name + "_normal").c_str()),
                           wxDefaultPosition, size, wxBORDER_NONE, wxDefaultValidator, "button");
    const wxBitmap pressed = ResourceBitmap((name + "_pressed").c_str());
    button->SetBitmapPressed(pressed);
    button->SetBitmapDisabled(pressed);
    button->SetBitmapCurrent(ResourceBitmap((name + "_hover").c_str()));
    button->SetToolTip(tooltip);
    return button;
}

wxButton* MainFrame::MakeTextButton(int id, const wxString& text, const wxString& tooltip) {
    wxButton* button = new wxButton(m_panel, id, text, wxDefaultPosition, wxSize(10, 30), 0);
    if (!tooltip.empty()) {
        button->SetToolTip(tooltip);
    }
    return button;
}

void MainFrame::BuildControls() {
    m_panel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                          wxTAB_TRAVERSAL | wxNO_BORDER, "panel");
    m_panel->SetBackgroundColour(kPanelColour);

    const wxSize fileSize(55, 60);
    const wxSize toolSize(70, 50);
    m_openButton = MakeCaptionButton(ID_OPEN_BUTTON, "open", "Deschidere",
                                     "Deschidere fisier existent", fileSize);
    m_saveButton =
        MakeCaptionButton(ID_SAVE_WORKSPACE, "save", "Salvare", "Salvare date curente", fileSize);
    m_printButton = MakeCaptionButton(ID_PRINT_BUTTON, "print", "Tiparire subiect",
                                      "Tiparire subiect  curent", fileSize);
    m_captureButton = MakeCaptionButton(ID_CAPTURE, "capture", "Captura",
                                        "Salvare subiect curent ca imagine", fileSize);
    m_versionButton =
        new CaptionButton(m_panel, ID_VERSION, ResourceBitmap("version"),
                          wxString::Format("Versiune Dextrel %.1f", kVersion), wxPoint(0, 0),
                          wxSize(100, 70), wxNO_BORDER, wxDefaultValidator, "button");
    UseCaptionFont(m_versionButton);

    m_zoomInButton = MakeCaptionButton(ID_ZOOM_IN, "zoomin", "Marire",
                                       wxString::FromUTF8("Marire în subiectul curent"), toolSize);
    m_zoomOutButton = MakeCaptionButton(ID_ZOOM_OUT, "zoomout", "Micsorare",
                                        "Micsorare din subiectul curent", toolSize);
    m_measureFlowButton =
        MakeCaptionButton(ID_MEASURE_FLOW, "measure", "Masurare F",
                          "Selectati pentru a masura punctul de flux pe diagrama", toolSize);
    m_measurePressureButton =
        MakeCaptionButton(ID_MEASURE_PRESSURE, "measure", "Masurare P",
                          "Selectati pentru a masura punctul de presiune pe diagrama", toolSize);
    m_gridButton = MakeCaptionButton(ID_GRID, "grid", "Grila", "Afisare grila pe grafic", toolSize);
    m_samplesButton = MakeCaptionButton(ID_SAMPLES, "samples", "Esantioane",
                                        "Arata sau ascunde punctele de date", toolSize);
    m_filterButton =
        MakeCaptionButton(ID_FILTER, "filter", "Filtru",
                          "Aplicarea filtrului de medie pentru graficul de date", toolSize);

    m_flowGraphButton = MakeCaptionButton(ID_FLOW_GRAPH, "flowgraph", "Grafic de Flux",
                                          "Arata sau ascunde datele de flux", fileSize);
    m_volumeGraphButton = MakeCaptionButton(ID_VOLUME_GRAPH, "volumegraph", "Grafic de Volum",
                                            "Arata sau ascunde datele de volum", fileSize);
    m_pressureGraphButton =
        MakeCaptionButton(ID_PRESSURE_GRAPH, "pressuregraph", "Grafic de Presiune",
                          "Arata sau ascunde datele de presiune", fileSize);

    // The disabled look of the graph and tool buttons is their pressed image; the
    // pressure measuring button keeps its normal image when disabled.
    for (CaptionButton* button :
         {m_flowGraphButton, m_volumeGraphButton, m_pressureGraphButton, m_zoomInButton,
          m_zoomOutButton, m_measureFlowButton, m_gridButton, m_samplesButton, m_filterButton}) {
        button->SetBitmapDisabled(button->GetBitmapPressed());
    }
    m_measurePressureButton->SetBitmapDisabled(m_measurePressureButton->GetBitmapLabel());

    m_plot =
        new PlotWindow(m_panel, wxID_ANY, wxDefaultPosition, wxSize(600, 300), wxSUNKEN_BORDER);

    m_liveButton =
        MakeDeviceButton(ID_LIVE_START, "live",
                         wxString::FromUTF8("Înregistrati date în timp real"), wxSize(50, 50));
    m_stopButton = MakeDeviceButton(ID_LIVE_STOP, "stop",
                                    wxString::FromUTF8("Opriti înregistrarea"), wxSize(50, 50));
    m_settingsButton = MakeDeviceButton(ID_DEVICE_SETTINGS, "settings",
                                        "Modificarea setarilor dispozitivului", wxSize(70, 50));
    m_clearButton =
        MakeDeviceButton(ID_CLEAR_MEMORY, "clear", "Golire memorie dispozitiv", wxSize(50, 50));
    m_downloadButton =
        MakeDeviceButton(ID_DOWNLOAD, "download",
                         wxString::FromUTF8("Încarcarea datelor de pe dispozitiv"), wxSize(50, 50));

    m_clock = new LcdClock(m_panel, wxDefaultPosition, wxSize(150, 40));
    m_clock->SetDigitCount(7);
    m_clock->SetSeconds(0);
    m_flowLcd = new LcdDisplay(m_panel, wxDefaultPosition, wxSize(100, 40));
    m_flowLcd->SetDigitCount(6);
    m_flowLcd->SetValue("0.0");
    m_pressureLcd = new LcdDisplay(m_panel, wxDefaultPosition, wxSize(60, 35));
    m_pressureLcd->SetDigitCount(6);
    m_pressureLcd->SetValue("0.0");

    wxString flowLabel = Units::FlowLcdLabel(AppSettings.flowUnit);
    if (flowLabel.empty()) {
        flowLabel = "l/min ";
    }
    m_flowUnitLabel = new wxStaticText(m_panel, wxID_ANY, flowLabel);
    m_pressureUnitLabel = new wxStaticText(m_panel, wxID_ANY, "PSI");
    if (Units::IsKnownPressureCode(AppSettings.pressureUnit)) {
        m_pressureUnitLabel->SetLabel(Units::PressureLabel(AppSettings.pressureUnit));
    }
    const wxFont unitFont(11, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
    m_flowUnitLabel->SetFont(unitFont);
    m_pressureUnitLabel->SetFont(unitFont);

    m_recordList =
        new wxListView(m_panel, ID_RECORD_LIST, wxDefaultPosition, wxSize(50, 100), wxLC_REPORT);

    m_deleteButton = MakeTextButton(
        ID_DELETE, "stergere",
        wxString::FromUTF8("Înlaturarea datelor înregistrate din fisierul de lucru"));
    m_titleButton =
        MakeTextButton(ID_TITLE, "Titlu",
                       wxString::FromUTF8("Adaugati sau modificati titlul datelor înregistrate"));
    m_informationButton =
        MakeTextButton(ID_INFORMATION, "informatii", "Adaugati grafic informatii suplimentare");
    m_textBoxButton = MakeTextButton(ID_TEXT_BOX, wxString::FromUTF8("Casetă de text"), "");
    m_flowTargetButton = MakeTextButton(ID_FLOW_TARGET, wxString::FromUTF8("Ţintă de flux"), "");

    m_memoryGauge = new wxGauge(m_panel, ID_GAUGE, 700, wxDefaultPosition, wxSize(20, 20),
                                wxGA_HORIZONTAL | wxBORDER_NONE);
    m_batteryGauge = new wxGauge(m_panel, ID_GAUGE, 700, wxDefaultPosition, wxSize(20, 20),
                                 wxGA_HORIZONTAL | wxBORDER_NONE);
    wxStaticText* batteryLabel = new wxStaticText(m_panel, wxID_ANY, "Baterie");
    wxStaticText* memoryLabel = new wxStaticText(m_panel, wxID_ANY, "Memorie");
    m_resourceText = new wxStaticText(m_panel, wxID_ANY, " ");

    // Sizers
    wxBoxSizer* root = new wxBoxSizer(wxHORIZONTAL);

    wxBoxSizer* left = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* buttonBar = new wxBoxSizer(wxHORIZONTAL);
    buttonBar->Add(m_openButton, 0, 0, 0);
    buttonBar->Add(m_saveButton, 1, 0, 0);
    buttonBar->Add(m_printButton, 1, 0, 0);
    buttonBar->Add(m_captureButton, 0, 0, 0);
    buttonBar->Add(m_versionButton, 2, wxLEFT, 20);
    buttonBar->Add(m_flowGraphButton, 1, wxLEFT, 0);
    buttonBar->Add(m_volumeGraphButton, 1, wxRIGHT, 10);
    buttonBar->Add(m_pressureGraphButton, 1, wxRIGHT, 10);
    left->Add(buttonBar, 0, wxEXPAND | wxBOTTOM, 5);

    wxBoxSizer* plotRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* tools = new wxBoxSizer(wxVERTICAL);
    tools->Add(m_zoomInButton, 0, wxTOP, 10);
    tools->Add(m_zoomOutButton, 0, 0, 0);
    tools->Add(m_measureFlowButton, 0, wxTOP, 10);
    tools->Add(m_measurePressureButton, 0, 0, 0);
    tools->Add(m_gridButton, 0, 0, 0);
    tools->Add(m_samplesButton, 0, 0, 0);
    tools->Add(m_filterButton, 0, 0, 0);
    plotRow->Add(tools, 0, 0, 0);
    plotRow->Add(m_plot, 3, wxEXPAND | wxRIGHT, 20);
    left->Add(plotRow, 1, wxEXPAND, 0);

    wxBoxSizer* deviceBar = new wxBoxSizer(wxHORIZONTAL);
    deviceBar->Add(m_clock, 0, wxEXPAND | wxALL, 5);
    wxStaticBoxSizer* usbBox = new wxStaticBoxSizer(
        wxHORIZONTAL, m_panel, wxString::FromUTF8("Înregistrare în jurnal USB"));
    usbBox->Add(m_liveButton, 0, wxALL, 5);
    usbBox->Add(m_stopButton, 0, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 5);
    deviceBar->Add(usbBox, 0, wxALL, 5);
    wxStaticBoxSizer* settingsBox =
        new wxStaticBoxSizer(wxHORIZONTAL, m_panel, "Setari dispozitiv");
    settingsBox->Add(m_settingsButton, 1, wxEXPAND | wxALL, 5);
    deviceBar->Add(settingsBox, 0, wxALL, 5);
    wxStaticBoxSizer* memoryBox = new wxStaticBoxSizer(wxHORIZONTAL, m_panel, "Memorie dispozitiv");
    memoryBox->Add(m_clearButton, 1, wxEXPAND | wxALL, 5);
    memoryBox->Add(m_downloadButton, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 5);
    deviceBar->Add(memoryBox, 0, wxALL, 5);
    left->Add(deviceBar, 0, 0, 0);
    root->Add(left, 2, wxEXPAND, 0);

    wxBoxSizer* right = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* displays = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* flowRow = new wxBoxSizer(wxHORIZONTAL);
    flowRow->Add(m_flowLcd, 4, wxEXPAND | wxLEFT | wxRIGHT, 2);
    flowRow->Add(m_flowUnitLabel, 1, wxALIGN_CENTER | wxRIGHT, 5);
    displays->Add(flowRow, 1, wxEXPAND, 0);
    wxBoxSizer* pressureRow = new wxBoxSizer(wxHORIZONTAL);
    pressureRow->Add(m_pressureLcd, 4, wxEXPAND | wxLEFT | wxRIGHT, 2);
    pressureRow->Add(m_pressureUnitLabel, 1, wxALIGN_CENTER | wxRIGHT, 5);
    displays->Add(pressureRow, 1, wxEXPAND, 0);
    right->Add(displays, 1, wxEXPAND, 0);

    wxStaticBoxSizer* recordBox =
        new wxStaticBoxSizer(wxHORIZONTAL, m_panel, "Functii referitoare la fluxul de evenimente");
    wxGridSizer* recordGrid = new wxGridSizer(2, 3, 5, 5);
    recordGrid->Add(m_deleteButton, 1, wxEXPAND, 0);
    recordGrid->Add(m_titleButton, 1, wxEXPAND, 0);
    recordGrid->Add(m_informationButton, 1, wxEXPAND, 0);
    recordGrid->Add(m_textBoxButton, 0, wxEXPAND, 5);
    recordGrid->Add(m_flowTargetButton, 0, wxEXPAND, 5);
    recordBox->Add(recordGrid, 1, wxEXPAND, 0);
    right->Add(recordBox, 0, wxEXPAND | wxALL, 10);

    right->Add(m_recordList, 4, wxEXPAND | wxLEFT | wxRIGHT, 10);

    wxStaticBoxSizer* resourceBox = new wxStaticBoxSizer(wxVERTICAL, m_panel, "Nivel de resurse");
    wxBoxSizer* batteryRow = new wxBoxSizer(wxHORIZONTAL);
    batteryRow->Add(m_batteryGauge, 5, 0, 0);
    batteryRow->Add(batteryLabel, 0, wxLEFT, 5);
    resourceBox->Add(batteryRow, 1, wxEXPAND | wxALL, 2);
    wxBoxSizer* memoryRow = new wxBoxSizer(wxHORIZONTAL);
    memoryRow->Add(m_memoryGauge, 5, 0, 0);
    memoryRow->Add(memoryLabel, 0, wxLEFT, 5);
    resourceBox->Add(memoryRow, 1, wxEXPAND | wxALL, 2);
    resourceBox->Add(m_resourceText, 1, wxALL, 2);
    right->Add(resourceBox, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    root->Add(right, 1, wxEXPAND, 0);

    m_panel->SetSizer(root, true);
    // The panel's minimum size becomes the frame's size hints and the frame takes that size.
    root->SetSizeHints(this);
}

void MainFrame::SetRecordButtonsEnabled(bool enabled) {
    for (wxButton* button : {m_deleteButton, m_titleButton, m_informationButton, m_textBoxButton,
                             m_flowTargetButton}) {
        button->Enable(enabled);
    }
    GetMenuBar()->Enable(ID_EXPORT_CSV, enabled);
}

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
    m_batteryGauge->SetForegroundColour(wxColour(255, 0, 0));
    m_batteryGauge->SetBackgroundColour(wxColour(50, 50, 50));

    m_flowGraphShown = false;
    m_measureFlow = false;
    m_measurePressure = false;
    m_gridShown = false;
    m_samplesShown = false;
    wxCommandEvent flowGraph(wxEVT_BUTTON, ID_FLOW_GRAPH);
    OnFlowGraph(flowGraph);
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

    m_usb = new LoggerUsb();
}

void MainFrame::CreateStatusLine() {
    CreateStatusBar(2, wxSTB_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE, 0, "status_line");
    SetStatusText("Bun venit la software-ul Dextrel-4.8 Flow Monitoring", 0);
}

void MainFrame::ShowSplash() {
    static bool handlersRegistered = false;
    if (!handlersRegistered) {
        wxInitAllImageHandlers();
        handlersRegistered = true;
    }
    new wxSplashScreen(ResourceBitmap("splash"), wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, 2000,
                       nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxSIMPLE_BORDER | wxSTAY_ON_TOP);
    wxYield();
}

// ---------------------------------------------------------------------------------------------
// Application commands

void MainFrame::OnClose(wxCloseEvent& event) {
    if (!m_saved && !m_recordings.empty()) {
        wxMessageDialog ask(nullptr,
                            wxString::FromUTF8("Doriti sa salvati datele înainte de iesire?"),
                            wxString::FromUTF8("Înainte de iesire"), wxYES_NO | wxICON_INFORMATION);
        if (ask.ShowModal() == wxID_YES) {
            return; // stay open so that the user can save
        }
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

void MainFrame::OnAbsoluteTime(wxCommandEvent&) {
    AppSettings.absoluteTime = !AppSettings.absoluteTime;
    m_absoluteTimeItem->Check(AppSettings.absoluteTime);
    m_plot->absoluteTime = AppSettings.absoluteTime;
    m_plot->bottomMargin = AppSettings.absoluteTime ? 45 : 35;
    m_plot->Redraw();
    m_plot->Fit();
}

void MainFrame::OnFlowUnit(wxCommandEvent& event) {
    AppSettings.flowUnit = static_cast<std::uint8_t>(Units::FlowIndexOfMenuId(event.GetId()));
    UpdateFlowUnitChecks();
    wxMessageBox("Reporniti aplicatia pentru a modifica unitatile de flux", "Message",
                 wxOK | wxCENTRE);
}

void MainFrame::OnZoomIn(wxCommandEvent&) {
    m_plot->ZoomIn();
}
void MainFrame::OnZoomOut(wxCommandEvent&) {
    m_plot->ZoomOut();
}

// ---------------------------------------------------------------------------------------------
// Unit texts

void MainFrame::ApplyUnitTexts(int recordingIndex) {
    int metric = AppSettings.metric;
    int pressureCode = AppSettings.pressureUnit;
    if (recordingIndex >= 0 && recordingIndex < static_cast<int>(m_recordings.size())) {
        metric = m_recordings[recordingIndex].GetMetric();
        pressureCode = m_recordings[recordingIndex].GetPressureUnit();
    }
    const int flowIndex = AppSettings.flowUnit;

    if (metric == 1) {
        const bool known = Units::IsKnownFlowIndex(flowIndex);
        if (known) {
            m_flowAxis->SetName(Units::FlowAxisTitle(flowIndex));
            m_volumeAxis->SetName(Units::VolumeAxisTitle(flowIndex));
            if (m_flowGraphShown) {
                m_flowUnitLabel->SetLabel(Units::FlowLcdLabel(flowIndex));
            }
        }
        if (m_volumeGraphShown) {
            const wxString volumeLabel = Units::VolumeUnitLabel(flowIndex);
            m_flowUnitLabel->SetLabel(volumeLabel);
            m_volumeSeries->SetValueSuffix(volumeLabel);
            m_volumeSeries->SetExtraSuffix(Units::VolumeSeriesExtraSuffix(flowIndex));
        }
        if (known) {
            m_flowSeries->SetValueSuffix(Units::FlowSeriesValueSuffix(flowIndex));
            m_flowSeries->SetExtraSuffix(Units::FlowSeriesExtraSuffix(flowIndex));
        }
    } else {
        m_flowAxis->SetName(Units::UsFlowAxisTitle());
        m_volumeAxis->SetName(Units::UsVolumeAxisTitle());
        if (m_flowGraphShown) {
            m_flowUnitLabel->SetLabel(Units::UsFlowUnitLabel());
        }
        if (m_volumeGraphShown) {
            m_flowUnitLabel->SetLabel(Units::UsVolumeUnitLabel());
        }
        m_flowSeries->SetValueSuffix(Units::UsFlowUnitLabel());
        m_volumeSeries->SetValueSuffix(Units::UsVolumeUnitLabel());
    }

    if (!Units::IsKnownPressureCode(pressureCode)) {
        return;
    }
    const wxString pressureLabel = Units::PressureLabel(pressureCode);
    m_pressureOverlayAxis->SetName(Units::PressureAxisTitle(pressureCode));
    m_pressureAxis->SetName(Units::PressureAxisTitle(pressureCode));
    m_pressureUnitLabel->SetLabel(pressureLabel);
    m_pressureSeries->SetValueSuffix(pressureLabel);
    m_pressureOverlaySeries->SetValueSuffix(pressureLabel);
}

// ---------------------------------------------------------------------------------------------
// Recordings list

void MainFrame::RefreshList() {
    m_recordList->DeleteAllItems();
    for (size_t i = 0; i < m_recordings.size(); ++i) {
        const Storage& record = m_recordings[i];
        const long row = m_recordList->InsertItem(static_cast<long>(i), record.GetTitle());
        const wxString date = record.GetDateText();
        const int blank = date.Find(' ');
        m_recordList->SetItem(row, 1, blank == wxNOT_FOUND ? date : date.Left(blank));
        m_recordList->SetItem(row, 2, blank == wxNOT_FOUND ? wxString() : date.Mid(blank + 1));
        m_recordList->SetItem(row, 3,
                              Units::DurationText(record.GetIntervalMs(), record.GetSampleCount()));
        m_recordList->SetItem(row, 4, Units::ListVolumeText(record.GetLastVolume()));
    }
}

int MainFrame::CurrentItem() const {
    if (m_recordList->GetSelectedItemCount() != 1) {
        return -1;
    }
    return static_cast<int>(m_recordList->GetFocusedItem());
}

void MainFrame::ReselectRow(int row) {
    m_recordList->SetFocus();
    // The selection handling acts on the focused row, and a rebuilt list has none: the row
    // takes the focus before it is selected.
    m_recordList->Focus(row);
    // Selecting a row that is still selected raises no event: clear it first, so that the
    // selection handling runs again.
    if (m_recordList->IsSelected(row)) {
        m_recordList->Select(row, false);
    }
    m_recordList->Select(row, true);
    m_recordList->EnsureVisible(row);
}

void MainFrame::OnListSelected(wxListEvent&) {
    if (m_recordList->GetSelectedItemCount() == 1) {
        const int row = static_cast<int>(m_recordList->GetFocusedItem());
        if (row >= 0 && row < static_cast<int>(m_recordings.size())) {
            m_filterOn = true;
            wxCommandEvent filter(wxEVT_BUTTON, ID_FILTER);
            OnFilter(filter); // switches the record's filter off and shows it
            ShowRecording(row);
        }
    }
    SetRecordButtonsEnabled(true);
}

void MainFrame::OnListDeselected(wxListEvent&) {
    SetRecordButtonsEnabled(false);
}

void MainFrame::OnListActivated(wxListEvent&) {
    wxCommandEvent title(wxEVT_BUTTON, ID_TITLE);
    OnTitle(title);
}

void MainFrame::EditRecordText(int command) {
    const int row = CurrentItem();
    if (row < 0 || row >= static_cast<int>(m_recordings.size())) {
        return;
    }
    Storage& record = m_recordings[row];
    wxString value;
    wxString caption = "Informatii suplimentare..";
    long style = wxOK | wxCANCEL;
    switch (command) {
    case ID_TITLE:
        value = record.GetTitle();
        caption = "Schimbare nume Titlu";
        break;
    case ID_INFORMATION:
        value = record.GetInformation();
        break;
    case ID_TEXT_BOX:
        value = record.GetTextBox();
        style |= wxTE_MULTILINE;
        break;
    case ID_FLOW_TARGET:
        value = wxString::Format("%f", record.GetFlowTarget());
        caption = wxString::FromUTF8("Ţintă de flux");
        break;
    }

    wxTextEntryDialog dialog(this, value, caption, value, style);
    if (dialog.ShowModal() == wxID_OK) {
        const wxString entered = dialog.GetValue();
        bool changed = true;
        switch (command) {
        case ID_TITLE:
            record.SetTitle(entered.empty() ? wxString("-") : entered);
            break;
        case ID_INFORMATION:
            record.SetInformation(entered);
            break;
        case ID_TEXT_BOX:
            record.SetTextBox(entered);
            break;
        case ID_FLOW_TARGET: {
            double target = 0.0;
            changed = entered.ToDouble(&target);
            if (changed) {
                record.SetFlowTarget(static_cast<float>(target));
            }
            break;
        }
        }
        if (changed) {
            RefreshList();
            ShowRecording(row);
            m_saved = false;
        }
    }
    ReselectRow(row);
}

void MainFrame::OnTitle(wxCommandEvent&) {
    EditRecordText(ID_TITLE);
}
void MainFrame::OnInformation(wxCommandEvent&) {
    EditRecordText(ID_INFORMATION);
}
void MainFrame::OnTextBox(wxCommandEvent&) {
    EditRecordText(ID_TEXT_BOX);
}
void MainFrame::OnFlowTarget(wxCommandEvent&) {
    EditRecordText(ID_FLOW_TARGET);
}

void MainFrame::OnDelete(wxCommandEvent&) {
    const int row = CurrentItem();
    if (row < 0 || row >= static_cast<int>(m_recordings.size())) {
        return;
    }
    m_recordings.erase(m_recordings.begin() + row);
    // Indices of the records after the deleted one move down by one; the deleted one is gone.
    auto afterErase = [row](int index) {
        return index == row ? -1 : index > row ? index - 1 : index;
    };
    m_shownIndex = afterErase(m_shownIndex);
    m_markedIndex = afterErase(m_markedIndex);
    RefreshList();
    ShowRecording(-1);
    m_saved = false;
    if (m_recordings.empty()) {
        return;
    }
    // The row before the deleted one (row 0 when the first was deleted) becomes the current
    // item: focused before it is selected, so that the selection shows it.
    const int next = row == 0 ? 0 : row - 1;
    m_recordList->SetFocus();
    m_recordList->Focus(next);
    m_recordList->Select(next, true);
    m_recordList->EnsureVisible(next);
}

void MainFrame::OnFilter(wxCommandEvent&) {
    const long row = m_recordList->GetFocusedItem();
    if (row < 0 || row >= static_cast<long>(m_recordings.size())) {
        return;
    }
    m_filterOn = !m_filterOn;
    SetButtonLatched(m_filterButton, "filter", m_filterOn);
    m_recordings[row].ApplyFilter(m_filterOn, m_filterHalfWidth);
    ShowRecording(static_cast<int>(row));
}

void MainFrame::OnFilterSettings(wxCommandEvent&) {
    FilterDialog dialog(this, m_filterHalfWidth);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    m_filterHalfWidth = dialog.GetHalfWidth();
    const long row = m_recordList->GetFocusedItem();
    if (row < 0 || row >= static_cast<long>(m_recordings.size())) {
        return;
    }
    // Re-applies a filter that was on with the new width; one that was off stays off.
    m_recordings[row].ApplyFilter(false, m_filterHalfWidth);
    m_filterOn = !m_filterOn;
    wxCommandEvent filter(wxEVT_BUTTON, ID_FILTER);
    OnFilter(filter);
}

// ---------------------------------------------------------------------------------------------
// Graphs

void MainFrame::BuildGraphLayers() {
    const wxFont axisFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
    m_timeAxis = std::make_unique<PlotTimeAxis>("Timp (h:m:s)", 2, true, false);
    m_flowAxis = std::make_unique<PlotValueAxis>("Flux", 2, true, false);
    m_volumeAxis = std::make_unique<PlotValueAxis>("Volum", 2, true, false);
    m_pressureOverlayAxis = std::make_unique<PlotSecondaryAxis>("Presiune", 5, true);
    m_pressureAxis = std::make_unique<PlotValueAxis>("Presiune", 2, true, false);
    for (PlotLayer* axis :
         {static_cast<PlotLayer*>(m_timeAxis.get()), static_cast<PlotLayer*>(m_flowAxis.get()),
          static_cast<PlotLayer*>(m_volumeAxis.get()),
          static_cast<PlotLayer*>(m_pressureOverlayAxis.get()),
          static_cast<PlotLayer*>(m_pressureAxis.get())}) {
        axis->SetFont(axisFont);
    }

    m_plot->absoluteTime = true;
    m_plot->bottomMargin = 45;
    m_plot->AppendLayer(m_timeAxis.get());

    m_flowSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_volumeSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_pressureSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_pressureOverlaySeries = std::make_unique<PlotSecondaryVectorSeries>("", 0);
    const wxPen bluePen(*wxBLUE, 2, wxPENSTYLE_SOLID);
    const wxPen redPen(*wxRED, 2, wxPENSTYLE_SOLID);
    for (PlotLayer* series : SeriesLayers()) {
        series->SetFont(axisFont);
        series->SetContinuous(true);
        series->SetVisible(true);
    }
    m_flowSeries->SetPen(bluePen);
    m_volumeSeries->SetPen(bluePen);
    m_pressureSeries->SetPen(redPen);
    m_pressureOverlaySeries->SetPen(redPen);

    m_pointWidth = 6;
    m_lineWidth = 2;

    const wxFont boxFont(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
    m_readoutBox = std::make_unique<PlotReadoutBox>(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
    m_readoutBox->SetFont(boxFont);
    m_textBoxLayer = std::make_unique<PlotTextBox>(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
    m_textBoxLayer->SetFont(boxFont);

    m_targetSeries = std::make_unique<PlotVectorSeries>("", 0);
    m_targetSeries->SetFont(axisFont);
    m_targetSeries->SetPen(wxPen(*wxGREEN, 3, wxPENSTYLE_LONG_DASH));
    m_flowAxis->SetTopKeyLabel("");
    m_targetSeries->auxiliary = true;
    m_targetSeries->hideKeyStroke = true;
}

std::vector<PlotLayer*> MainFrame::SeriesLayers() const {
    return {m_flowSeries.get(), m_volumeSeries.get(), m_pressureSeries.get(),
            m_pressureOverlaySeries.get()};
}

void MainFrame::RebuildGraph() {
    for (int key = 0; key <= 8; ++key) {
        m_plot->RemoveLayer(key);
    }
    const bool ticks = !m_gridShown;
    m_timeAxis->SetTicks(ticks);
    m_flowAxis->SetTicks(ticks);
    m_volumeAxis->SetTicks(ticks);
    m_pressureAxis->SetTicks(ticks);

    PlotValueAxis* leftAxis = nullptr;
    PlotVectorSeries* series = nullptr;
    wxString valuePrefix, extraPrefix;
    if (m_flowGraphShown) {
        m_plot->AppendLayer(m_timeAxis.get());
        m_plot->AppendLayer(m_flowAxis.get());
        m_plot->AppendLayer(m_flowSeries.get());
        m_plot->AppendLayer(m_targetSeries.get());
        m_targetSeries->SetValuePrefix("");
        m_targetSeries->SetContinuous(true);
        leftAxis = m_flowAxis.get();
        series = m_flowSeries.get();
        valuePrefix = "Flux";
        extraPrefix = "Volum";
    } else if (m_volumeGraphShown) {
        m_plot->AppendLayer(m_timeAxis.get());
        m_plot->AppendLayer(m_volumeAxis.get());
        m_plot->AppendLayer(m_volumeSeries.get());
        leftAxis = m_volumeAxis.get();
        series = m_volumeSeries.get();
        valuePrefix = "Volum";
        extraPrefix = "Flux";
    } else if (m_pressureGraphShown) {
        m_plot->AppendLayer(m_timeAxis.get());
        m_timeAxis->SetReserveRight(false);
        m_flowAxis->SetReserveRight(false);
        m_plot->AppendLayer(m_pressureAxis.get());
        m_plot->AppendLayer(m_pressureSeries.get());
        m_pressureAxis->SetKeyLabel("Presiune");
        m_plot->AppendLayer(m_readoutBox.get());
        m_pressureSeries->SetValuePrefix("Presiune");
        m_plot->AppendLayer(m_textBoxLayer.get());
        return;
    } else {
        return;
    }

    // The common tail of the flow and volume graphs.
    m_timeAxis->SetReserveRight(false);
    leftAxis->SetReserveRight(false);
    series->SetValuePrefix(valuePrefix);
    series->SetExtraPrefix(extraPrefix);
    if (m_pressureGraphShown) {
        m_timeAxis->SetReserveRight(true);
        leftAxis->SetReserveRight(true);
        m_plot->AppendLayer(m_pressureOverlayAxis.get());
        m_plot->AppendLayer(m_pressureOverlaySeries.get());
        m_pressureOverlaySeries->SetValuePrefix("Presiune");
    }
    m_plot->AppendLayer(m_readoutBox.get());
    m_plot->AppendLayer(m_textBoxLayer.get());
}

void MainFrame::ShowRecording(int index) {
    if (index < 0 || index >= static_cast<int>(m_recordings.size())) {
        return;
    }
    m_shownIndex = index;
    const Storage& record = m_recordings[index];
    const wxString name = record.GetTitle() + " " + record.GetDateText();

    m_flowSeries->SetData3(record.GetTimes(), record.GetFlows(), record.GetVolumes(),
                           record.GetFlowTarget());
    m_volumeSeries->SetData3(record.GetTimes(), record.GetVolumes(), record.GetFlows(), 0);
    m_pressureSeries->SetData(record.GetTimes(), record.GetPressures(), 0);
    m_pressureOverlaySeries->SetData2(record.GetTimes(), record.GetPressures());
    for (PlotLayer* series : SeriesLayers()) {
        series->SetName(name);
        series->SetSubtitle(record.GetInformation());
    }

    m_targetSeries->SetData(record.GetTargetLineX(), record.GetTargetLineY(), 0);
    m_targetSeries->SetName("");
    const bool hasTarget = record.HasFlowTarget();
    m_targetSeries->SetVisible(hasTarget);
    m_targetSeries->hideKeyStroke = !hasTarget;
    m_flowAxis->SetTopKeyLabel(hasTarget ? wxString::FromUTF8("Ţintă de flux") : wxString());

    if (index != m_markedIndex) {
        for (PlotLayer* series : SeriesLayers()) {
            series->SetMarkShown(false);
        }
        m_markedIndex = index;
    }

    const wxString footer =
        record.GetSerialNumber() != 0
            ? wxString::Format("Vendrix Serial No. %d", record.GetSerialNumber())
            : wxString();
    for (PlotLayer* series : SeriesLayers()) {
        series->SetFooter(footer);
    }

    ApplyUnitTexts(index);

    m_textBoxLayer->SetText(record.GetTextBox());
    m_textBoxLayer->SetTextBoxPosition(*m_plot, record.GetTextBoxX(), record.GetTextBoxY());

    m_plot->startTime = record.GetStartTime();
    m_plot->absoluteTime = AppSettings.absoluteTime;
    m_plot->bottomMargin = AppSettings.absoluteTime ? 45 : 35;
    m_plot->Redraw();
    m_plot->Fit();
}

void MainFrame::SetButtonLatched(CaptionButton* button, const char* image, bool latched) {
    const wxString name(image);
    if (latched) {
        const wxBitmap pressed = button->GetBitmapPressed();
        button->SetBitmapLabel(pressed);
        button->SetBitmapHover(pressed);
    } else {
        button->SetBitmapLabel(ResourceBitmap((name + "_normal").c_str()));
        button->SetBitmapHover(ResourceBitmap((name + "_hover").c_str()));
    }
    button->Refresh();
}

void MainFrame::ShowSelectedGraph() {
    SetButtonLatched(m_flowGraphButton, "flowgraph", m_flowGraphShown);
    SetButtonLatched(m_volumeGraphButton, "volumegraph", m_volumeGraphShown);
    SetButtonLatched(m_pressureGraphButton, "pressuregraph", m_pressureGraphShown);
    ApplyUnitTexts(-1);
    RebuildGraph();
    m_plot->Fit();
}

void MainFrame::OnFlowGraph(wxCommandEvent&) {
    if (m_flowGraphShown) {
        m_flowGraphShown = false;
        m_volumeGraphShown = false;
    } else {
        m_flowGraphShown = true;
        m_volumeGraphShown = false;
        m_measureFlowButton->SetCaption("Masurare F");
    }
    ShowSelectedGraph();
}

void MainFrame::OnVolumeGraph(wxCommandEvent&) {
    if (!m_volumeGraphShown) {
        m_volumeGraphShown = true;
        m_flowGraphShown = false;
        m_measureFlowButton->SetCaption("Masurare Volum");
    }
    ShowSelectedGraph();
}

void MainFrame::OnPressureGraph(wxCommandEvent&) {
    m_pressureGraphShown = !m_pressureGraphShown;
    ShowSelectedGraph();
}

void MainFrame::OnGrid(wxCommandEvent&) {
    m_gridShown = !m_gridShown;
    SetButtonLatched(m_gridButton, "grid", m_gridShown);
    RebuildGraph();
}

void MainFrame::SetSeriesWidths(int width, bool continuous) {
    for (PlotLayer* series : SeriesLayers()) {
        wxPen pen = series->GetPen();
        pen.SetWidth(width);
        series->SetPen(pen);
        series->SetContinuous(continuous);
    }
}

void MainFrame::OnSamples(wxCommandEvent&) {
    m_samplesShown = !m_samplesShown;
    SetButtonLatched(m_samplesButton, "samples", m_samplesShown);
    if (m_samplesShown) {
        SetSeriesWidths(m_pointWidth, false);
    } else {
        SetSeriesWidths(m_lineWidth, true);
    }
    RebuildGraph();
}

void MainFrame::OnSeriesColour(wxCommandEvent& event) {
    wxColourData data;
    data.SetChooseFull(true);
    for (int i = 0; i < 16; ++i) {
        data.SetCustomColour(i, wxColour(16 * i, 16 * i, 16 * i));
    }
    wxColourDialog dialog(this, &data);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const wxPen pen(dialog.GetColourData().GetColour(), 5, wxPENSTYLE_SOLID);
    switch (event.GetId()) {
    case ID_COLOUR_FLOW:
        m_flowSeries->SetPen(pen);
        break;
    case ID_COLOUR_VOLUME:
        m_volumeSeries->SetPen(pen);
        break;
    case ID_COLOUR_PRESSURE:
        m_pressureSeries->SetPen(pen);
        m_pressureOverlaySeries->SetPen(pen);
        break;
    }
    m_plot->Redraw();
}

void MainFrame::OnSeriesWidth(wxCommandEvent& event) {
    PlotLayer* series = m_flowSeries.get();
    if (event.GetId() == ID_WIDTH_VOLUME) {
        series = m_volumeSeries.get();
    } else if (event.GetId() == ID_WIDTH_PRESSURE) {
        series = m_pressureSeries.get();
    }
    PenDialog dialog(this, series->GetPen().GetWidth());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const int width = dialog.GetWidth();
    wxPen pen = series->GetPen();
    pen.SetWidth(width);
    series->SetPen(pen);
    if (event.GetId() == ID_WIDTH_PRESSURE) {
        m_pressureOverlaySeries->SetPen(pen);
    } else if (m_samplesShown) {
        m_pointWidth = width;
    } else {
        m_lineWidth = width;
    }
    m_plot->Redraw();
}

void MainFrame::OnPlotTextBox(wxCommandEvent&) {
    const int row = CurrentItem();
    if (row < 0 || row >= static_cast<int>(m_recordings.size())) {
        return;
    }
    m_recordings[row].SetTextBoxPosition(m_textBoxLayer->GetTextBoxX(),
                                         m_textBoxLayer->GetTextBoxY());
}

// ---------------------------------------------------------------------------------------------
// Measuring

void MainFrame::OnMeasureFlow(wxCommandEvent&) {
    if (m_measureFlow) {
        SetButtonLatched(m_measureFlowButton, "measure", false);
        m_measureFlow = false;
        m_plot->SetMeasurePrimary(false);
    } else {
        SetButtonLatched(m_measureFlowButton, "measure", true);
        m_measureFlow = true;
        m_plot->SetMeasurePrimary(true);
        if (m_measurePressure) {
            wxCommandEvent pressure(wxEVT_BUTTON, ID_MEASURE_PRESSURE);
            OnMeasurePressure(pressure);
        }
    }
    RebuildGraph();
}

void MainFrame::OnMeasurePressure(wxCommandEvent&) {
    if (m_measurePressure) {
        SetButtonLatched(m_measurePressureButton, "measure", false);
        m_measurePressure = false;
        m_plot->SetMeasureSecondary(false);
    } else {
        SetButtonLatched(m_measurePressureButton, "measure", true);
        m_measurePressure = true;
        m_plot->SetMeasureSecondary(true);
        if (m_measureFlow) {
            wxCommandEvent flow(wxEVT_BUTTON, ID_MEASURE_FLOW);
            OnMeasureFlow(flow);
        }
    }
    RebuildGraph();
}

void MainFrame::OnPlotMeasure(wxCommandEvent& event) {
    Storage* shown = nullptr;
    if (m_shownIndex >= 0 && m_shownIndex < static_cast<int>(m_recordings.size())) {
        shown = &m_recordings[m_shownIndex];
    }
    const wxString text = event.GetString();
    if (event.GetInt() == 1) {
        double x = 0.0, y = 0.0;
        text.BeforeFirst(' ').ToCDouble(&x);
        text.AfterFirst(' ').ToCDouble(&y);
        if (m_flowGraphShown) {
            const wxString flow = Units::FlowDisplayText(AppSettings.flowUnit, y);
            m_flowLcd->SetValue(flow);
            m_clock->SetSeconds(static_cast<float>(x));
            if (shown != nullptr) {
                shown->SetFlowMeasurement(flow);
            }
        } else if (m_pressureGraphShown && !m_volumeGraphShown) {
            m_clock->SetSeconds(static_cast<float>(x));
            const wxString pressure = Units::MeasuredPressureText(y);
            m_pressureLcd->SetValue(pressure);
            if (shown != nullptr) {
                shown->SetPressureMeasurement(pressure);
            }
        } else if (m_volumeGraphShown) {
            m_flowLcd->SetValue(Units::FlowDisplayText(AppSettings.flowUnit, y));
            m_clock->SetSeconds(static_cast<float>(x));
        }
    } else if (event.GetInt() == 2) {
        double y = 0.0;
        text.BeforeFirst(' ').ToCDouble(&y);
        const wxString pressure = Units::MeasuredPressureText(y);
        m_pressureLcd->SetValue(pressure);
        if (shown != nullptr) {
            shown->SetPressureMeasurement(pressure);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Workspace files and CSV export

MainFrame::WorkspaceReadOutcome MainFrame::ReadWorkspace(const wxString& path) {
    WorkspaceReadResult result = WorkspaceFile::Read(path);
    if (!result.ok && result.errorLine == 0) {
        // Nothing could be read: the current workspace stays as it is.
        wxLogError("%s", result.error);
        return WorkspaceUnreadable;
    }
    m_recordings = std::move(result.records);
    // The new records share no index with the old ones.
    m_shownIndex = -1;
    m_markedIndex = -1;
    if (result.hasUnitSettings) {
        AppSettings.metric = static_cast<std::uint8_t>(result.metric);
        AppSettings.pressureUnit = static_cast<std::uint8_t>(result.pressureUnit);
        AppSettings.flowUnit = static_cast<std::uint8_t>(result.flowUnit);
    }
    UpdateFlowUnitChecks();
    RefreshList();
    if (!result.ok) {
        // A damaged file: keep what was read, but never let Save overwrite the file.
        m_workspacePath = "";
        m_saved = false;
        wxLogError("%s", result.error);
        return WorkspaceDamaged;
    }
    m_workspacePath = path;
    m_saved = true;
    return WorkspaceRead;
}

bool MainFrame::WriteWorkspace() {
    wxString error;
    if (!WorkspaceFile::Write(m_workspacePath, m_recordings, AppSettings.flowUnit, error)) {
        m_saved = false;
        wxLogError("%s", error);
        return false;
    }
    m_saved = true;
    return true;
}

void MainFrame::OnOpen(wxCommandEvent&) {
    wxFileDialog dialog(this, "Deschidere spatiu de lucru VRX Dextrel", "", "",
                        "fisiere VRX (*.vrx)|*.vrx", wxFD_OPEN, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    OpenWorkspaceFile(dialog.GetPath());
}

void MainFrame::OpenWorkspaceFile(const wxString& path) {
    if (ReadWorkspace(path) != WorkspaceUnreadable) {
        SetTitle(wxFileName(path).GetFullName());
    }
}

void MainFrame::OnSave(wxCommandEvent&) {
    if (m_workspacePath.empty()) {
        wxCommandEvent saveAs(wxEVT_MENU, ID_SAVE_WORKSPACE_AS);
        OnSaveAs(saveAs);
        return;
    }
    WriteWorkspace();
}

void MainFrame::OnSaveAs(wxCommandEvent&) {
    wxFileDialog dialog(this, "Salvare Spatiu de lucru", "", "", "fisiere Dextrel (*.vrx)|*.vrx||",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    dialog.SetFilterIndex(1);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    m_workspacePath = WorkspaceFile::WithExtension(dialog.GetPath());
    if (WriteWorkspace()) {
        SetTitle(dialog.GetFilename());
    }
}

void MainFrame::OnExportCsv(wxCommandEvent&) {
    const long row = m_recordList->GetFocusedItem();
    if (row < 0 || row >= static_cast<long>(m_recordings.size())) {
        return;
    }
    const Storage& record = m_recordings[row];
    wxFileDialog dialog(this, "Export Excel", "", CsvExport::DefaultFileName(record.GetDateText()),
                        "Fisiere Excel (*.csv)|*.csv||", wxFD_SAVE | wxFD_OVERWRITE_PROMPT,
                        wxDefaultPosition, wxDefaultSize, "filedlg");
    dialog.SetFilterIndex(1);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    wxString error;
    if (!CsvExport::Write(CsvExport::WithExtension(dialog.GetPath()), record, AppSettings.flowUnit,
                          error)) {
        wxMessageBox("Fisierul Excel nu poate fi deschis: Este posibil ca fisierul "
                     "sa fie utilizat "
                     "de o alta aplicatie",
                     "Message", wxOK | wxCENTRE);
    }
}

// ---------------------------------------------------------------------------------------------
// Printing and image export

namespace {
const char* const kPrintFailure = "Examinare înaintea imprimarii nereusita.\nVa rugam "
                                  "verificati setarile imprimantei.";
}

void MainFrame::OnPrintPreview(wxCommandEvent&) {
    wxPrintData printData;
    printData.SetPaperId(wxPAPER_A4);
    wxPrintDialogData dialogData(printData);
    wxPrintPreview* preview = new wxPrintPreview(new MyPrintout("Primul", m_plot),
                                                 new MyPrintout("Al doilea", m_plot), &dialogData);
    if (!preview->IsOk()) {
        delete preview;
        wxMessageBox(wxString::FromUTF8(kPrintFailure), "Previzualizare", wxOK);
        return;
    }
    wxPreviewFrame* frame = new wxPreviewFrame(
        preview, this, "Tiparire previzualizare", wxPoint(100, 100), wxSize(600, 650),
        wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT, "frame");
    frame->Initialize();
    frame->Show(true);
}

void MainFrame::OnPrint(wxCommandEvent&) {
    wxPrintData printData;
    printData.SetPaperId(wxPAPER_A4);
    wxPrintDialogData dialogData(printData);
    wxPrinter printer(&dialogData);
    MyPrintout printout("Tiparire ", m_plot);
    if (!printer.Print(this, &printout, true) && wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        wxMessageBox(wxString::FromUTF8(kPrintFailure), "Tiparire", wxOK);
    }
}

void MainFrame::OnCapture(wxCommandEvent&) {
    m_plot->Redraw();
    const wxBitmap snapshot = m_plot->Snapshot();
    wxFileDialog dialog(this, "Salvare imagine ca...", "", "", "Fisiere imagine (*.bmp)|*.bmp",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    if (!snapshot.SaveFile(dialog.GetPath(), wxBITMAP_TYPE_BMP)) {
        wxLogError("Imaginea nu a putut fi salvata in %s", dialog.GetPath());
    }
}

// ---------------------------------------------------------------------------------------------
// Device commands: live recording, download, status polling and the settings
// dialog are not part of this version yet.

void MainFrame::OnLiveStart(wxCommandEvent&) {}
void MainFrame::OnLiveStop(wxCommandEvent&) {}
void MainFrame::OnDeviceSettings(wxCommandEvent&) {}
void MainFrame::OnClearMemory(wxCommandEvent&) {}
void MainFrame::OnDownload(wxCommandEvent&) {}
void MainFrame::OnStatusTimer(wxTimerEvent&) {}
void MainFrame::OnLiveTimer(wxTimerEvent&) {}
