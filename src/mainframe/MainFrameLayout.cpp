#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "mainframe/CommandIds.h"
#include "plot/PlotWindow.h"
#include "records/Units.h"
#include "widgets/CaptionButton.h"
#include "widgets/LcdClock.h"
#include "widgets/LcdDisplay.h"
#include "widgets/LevelGauge.h"
#include "widgets/ResourceBitmap.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {
const wxColour kPanelColour(236, 233, 216);
const double kVersion = 4.8;

// GTK's default font is larger than the Windows dialog font these buttons were
// laid out for: the small system font keeps their captions within the buttons.
void UseCaptionFont(CaptionButton* button) {
    button->SetFont(*wxSMALL_FONT);
}
} // namespace

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
        m_unitItems[index] = m_dateMenu->AppendCheckItem(MenuIdOfFlowIndex(index), text, text);
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

    // Drawn by the program: the toolkit's gauge takes no bar colour on GTK.
    m_memoryGauge = new LevelGauge(m_panel, ID_GAUGE, 700, wxDefaultPosition, wxSize(20, 20));
    m_memoryGauge->SetBarColour(wxColour(60, 80, 200));
    m_batteryGauge = new LevelGauge(m_panel, ID_GAUGE, 700, wxDefaultPosition, wxSize(20, 20));
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
