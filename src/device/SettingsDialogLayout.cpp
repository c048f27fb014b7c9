// The settings dialog's controls and their arrangement; the handlers are in SettingsDialog.cpp.
#include "device/SettingsDialog.h"

#include "widgets/ResourceBitmap.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int Gap = 5;
const wxSize PictureSize(280, 70);

wxString Utf8(const char* text) {
    return wxString::FromUTF8(text);
}

// The spin buttons only say "up" or "down"; their own value is kept far from its ends so that
// the toolkit never stops sending either.
wxSpinButton* NewStepButton(wxWindow* parent, int id) {
    auto* spin = new wxSpinButton(parent, id, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
    spin->SetRange(-10000, 10000);
    spin->SetValue(0);
    return spin;
}

// A box the user reads but does not type into: only its spin button changes it.
wxTextCtrl* NewShownValue(wxWindow* parent, int width) {
    return new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(width, -1),
                          wxTE_READONLY | wxTE_RIGHT);
}

wxTextCtrl* NewAutoLogText(wxWindow* parent) {
    return new wxTextCtrl(parent, SettingsDialog::ID_AUTO_LOG_TEXT, wxEmptyString,
                          wxDefaultPosition, wxSize(60, -1));
}

} // namespace

void SettingsDialog::CreateControls() {
    m_picture = new wxStaticBitmap(this, wxID_ANY, ResourceBitmap(PictureRead), wxDefaultPosition,
                                   PictureSize);

    auto* settings = new wxBoxSizer(wxHORIZONTAL);
    settings->Add(CreateClockGroup(), 0, wxEXPAND | wxALL, Gap);
    auto* rateAndUnit = new wxBoxSizer(wxVERTICAL);
    rateAndUnit->Add(CreateSampleRateGroup(), 0, wxEXPAND | wxBOTTOM, Gap);
    rateAndUnit->Add(CreatePressureGroup(), 0, wxEXPAND);
    settings->Add(rateAndUnit, 1, wxEXPAND | wxALL, Gap);

    m_information = new wxStaticText(this, wxID_ANY, wxEmptyString);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_picture, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, Gap);
    column->Add(settings, 0, wxEXPAND);
    column->Add(CreateAutoLogGroup(), 0, wxEXPAND | wxALL, Gap * 2);
    column->Add(m_information, 0, wxLEFT | wxRIGHT, Gap * 2);
    column->Add(CreateButtons(), 0, wxALIGN_RIGHT | wxALL, Gap * 2);
    SetSizerAndFit(column);
}

wxSizer* SettingsDialog::CreateClockGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, Utf8("Ceas timp real încorporat"));
    wxWindow* box = group->GetStaticBox();
    m_hours = NewShownValue(box, 40);
    m_minutes = NewShownValue(box, 40);
    m_seconds = NewShownValue(box, 40);
    m_hoursSpin = NewStepButton(box, ID_HOURS_SPIN);
    m_minutesSpin = NewStepButton(box, ID_MINUTES_SPIN);
    m_secondsSpin = NewStepButton(box, ID_SECONDS_SPIN);

    auto* grid = new wxFlexGridSizer(3, Gap, Gap);
    const struct {
        const char* label;
        wxTextCtrl* text;
        wxSpinButton* spin;
    } rows[] = {{"Ora", m_hours, m_hoursSpin},
                {"Minute", m_minutes, m_minutesSpin},
                {"Secunde", m_seconds, m_secondsSpin}};
    for (const auto& row : rows) {
        grid->Add(new wxStaticText(box, wxID_ANY, row.label), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(row.text, 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(row.spin, 0, wxALIGN_CENTER_VERTICAL);
    }
    group->Add(grid, 0, wxALL, Gap);

    m_date = new wxDatePickerCtrl(box, ID_DATE, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                                  wxDP_DROPDOWN | wxDP_SHOWCENTURY | wxDP_ALLOWNONE);
    m_date->SetRange(wxDateTime(1, wxDateTime::Jan, DeviceSettingsModel::MinClockYear),
                     wxDateTime(31, wxDateTime::Dec, DeviceSettingsModel::MaxClockYear));
    auto* dateRow = new wxBoxSizer(wxHORIZONTAL);
    dateRow->Add(new wxStaticText(box, wxID_ANY, "Data"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                 Gap);
    dateRow->Add(m_date, 1, wxALIGN_CENTER_VERTICAL);
    group->Add(dateRow, 0, wxEXPAND | wxALL, Gap);
    return group;
}

wxSizer* SettingsDialog::CreateSampleRateGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Rata de Adunare Esantion (Secunde)");
    wxWindow* box = group->GetStaticBox();
    m_slider = new wxSlider(box, ID_SAMPLE_RATE_SLIDER, DeviceSettingsModel::MinPeriod,
                            DeviceSettingsModel::MinPeriod, DeviceSettingsModel::MaxPeriod,
                            wxDefaultPosition, wxSize(200, -1), wxSL_HORIZONTAL);
    m_rateText = NewShownValue(box, 50);
    m_rateSpin = NewStepButton(box, ID_SAMPLE_RATE_SPIN);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_slider, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap);
    row->Add(m_rateText, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap);
    row->Add(m_rateSpin, 0, wxALIGN_CENTER_VERTICAL);
    group->Add(row, 0, wxEXPAND | wxALL, Gap);
    return group;
}

wxSizer* SettingsDialog::CreatePressureGroup() {
    m_pressureGroup = new wxStaticBoxSizer(wxHORIZONTAL, this, "Unitati de presiune");
    wxWindow* box = m_pressureGroup->GetStaticBox();
    m_psi = new wxCheckBox(box, ID_PSI, "PSI");
    m_bar = new wxCheckBox(box, ID_BAR, "Bar");
    m_pressureGroup->Add(m_psi, 0, wxALL, Gap);
    m_pressureGroup->Add(m_bar, 0, wxALL, Gap);
    return m_pressureGroup;
}

wxSizer* SettingsDialog::CreateAutoLogGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Controale Jurnal de date automat");
    wxWindow* box = group->GetStaticBox();
    m_autoLog = new wxCheckBox(box, ID_AUTO_LOG, Utf8("Activati înregistrarea automata în jurnal"));
    m_flowOn = NewAutoLogText(box);
    m_delayOn = NewAutoLogText(box);
    m_flowOff = NewAutoLogText(box);
    m_delayOff = NewAutoLogText(box);
    m_flowOnUnit = new wxStaticText(box, wxID_ANY, "l/min");
    m_flowOffUnit = new wxStaticText(box, wxID_ANY, "l/min");
    group->Add(m_autoLog, 0, wxALL, Gap);

    const struct {
        const char* heading;
        const char* threshold;
        wxTextCtrl* flow;
        wxStaticText* unit;
        wxTextCtrl* delay;
    } conditions[] = {
        {"Activati Jurnalul de date atunci când:", "Rata de flux mai mare ca:", m_flowOn,
         m_flowOnUnit, m_delayOn},
        {"Dezactivati Jurnalul de date atunci când:", "Rata de flux mai mica ca:", m_flowOff,
         m_flowOffUnit, m_delayOff},
    };
    for (const auto& c : conditions) {
        group->Add(new wxStaticText(box, wxID_ANY, Utf8(c.heading)), 0, wxLEFT | wxTOP, Gap);
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(new wxStaticText(box, wxID_ANY, c.threshold), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                 Gap);
        row->Add(c.flow, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap);
        row->Add(c.unit, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap * 3);
        row->Add(new wxStaticText(box, wxID_ANY, "pentru mai mult de"), 0,
                 wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap);
        row->Add(c.delay, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap);
        row->Add(new wxStaticText(box, wxID_ANY, "secunde"), 0, wxALIGN_CENTER_VERTICAL);
        group->Add(row, 0, wxALL, Gap);
    }
    return group;
}

wxSizer* SettingsDialog::CreateButtons() {
    m_send = new wxButton(this, ID_SEND, "Descarcare");
    auto* exit = new wxButton(this, wxID_CANCEL, "&Iesire");
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_send, 0, wxRIGHT, Gap * 2);
    row->Add(exit);
    return row;
}
