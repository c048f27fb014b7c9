#include "device/SettingsDialog.h"

#include "app/AppSettings.h"
#include "device/AutoLogValidation.h"
#include "device/DeviceSettingsSender.h"
#include "device/HeaderReader.h"
#include "device/LoggerProtocol.h"
#include "widgets/ResourceBitmap.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

wxString Utf8(const std::string& text) {
    return wxString::FromUTF8(text.c_str());
}

std::string TextOf(const wxTextCtrl* text) {
    return std::string(text->GetValue().utf8_str());
}

// The clock configuration the logger is given whenever its settings are opened.
constexpr int ClockConfigA = 0;
constexpr int ClockConfigB = 0xAB;

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(SettingsDialog, wxDialog)
    EVT_BUTTON(SettingsDialog::ID_SEND, SettingsDialog::OnSend)
    // Every kind of scroll, dragging included, so the period follows the thumb.
    EVT_COMMAND_SCROLL(SettingsDialog::ID_SAMPLE_RATE_SLIDER, SettingsDialog::OnSliderScroll)
    EVT_SPIN_UP(SettingsDialog::ID_SAMPLE_RATE_SPIN, SettingsDialog::OnSampleRateSpin)
    EVT_SPIN_DOWN(SettingsDialog::ID_SAMPLE_RATE_SPIN, SettingsDialog::OnSampleRateSpin)
    EVT_CHECKBOX(SettingsDialog::ID_PSI, SettingsDialog::OnPsi)
    EVT_CHECKBOX(SettingsDialog::ID_BAR, SettingsDialog::OnBar)
    EVT_DATE_CHANGED(SettingsDialog::ID_DATE, SettingsDialog::OnDateChanged)
    EVT_SPIN_UP(SettingsDialog::ID_HOURS_SPIN, SettingsDialog::OnClockSpin)
    EVT_SPIN_DOWN(SettingsDialog::ID_HOURS_SPIN, SettingsDialog::OnClockSpin)
    EVT_SPIN_UP(SettingsDialog::ID_MINUTES_SPIN, SettingsDialog::OnClockSpin)
    EVT_SPIN_DOWN(SettingsDialog::ID_MINUTES_SPIN, SettingsDialog::OnClockSpin)
    EVT_SPIN_UP(SettingsDialog::ID_SECONDS_SPIN, SettingsDialog::OnClockSpin)
    EVT_SPIN_DOWN(SettingsDialog::ID_SECONDS_SPIN, SettingsDialog::OnClockSpin)
    EVT_CHECKBOX(SettingsDialog::ID_AUTO_LOG, SettingsDialog::OnAutoLogBox)
    EVT_TEXT(SettingsDialog::ID_AUTO_LOG_TEXT, SettingsDialog::OnAutoLogText)
wxEND_EVENT_TABLE()
    // clang-format on

    SettingsDialog::SettingsDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Setari dispozitiv", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    CreateControls();
    LoadFromLogger();
    Layout();
    Fit();
}

// ------------------------------------------------------------------ reading the logger

void SettingsDialog::LoadFromLogger() {
    m_model.timeChanged = false;
    m_model.dateChanged = false;
    const HeaderRead read = HeaderReader::Read(m_usb);
    AppSettings.firmwareVersion = read.firmwareWord;
    if (!read.ok) {
        ShowReadFailed();
    } else {
        ShowPicture(PictureRead);
        ShowHeader(read);
        LoadClock();
        m_usb.SetClockConfig(ClockConfigA, ClockConfigB); // its answer changes nothing here
        ShowAutoLogTexts();
        EnableAutoLogTexts();
        m_information->SetLabel(Utf8(DeviceSettingsModel::InformationText(read.header)));
        if (AppSettings.settingsLocked) {
            ShowLocked();
        }
    }
    m_model.autoLogChanged = false;
}

void SettingsDialog::ShowHeader(const HeaderRead& read) {
    HeaderReader::Apply(read, AppSettings);
    m_model.LoadHeader(read.header);
    ShowSamplePeriod();
    ShowPressureUnit();
    m_autoLog->SetValue(m_model.autoLog);
}

void SettingsDialog::LoadClock() {
    m_model.LoadClock(m_usb.ReadClock());
    ShowClock();
    ShowClockDate();
}

void SettingsDialog::ShowLocked() {
    for (wxWindow* control :
         std::initializer_list<wxWindow*>{m_date, m_psi, m_bar, m_hours, m_minutes, m_seconds}) {
        control->Disable();
    }
    m_psi->Hide();
    m_bar->Hide();
    m_pressureGroup->GetStaticBox()->Hide();
    Layout();
}

void SettingsDialog::ShowReadFailed() {
    ShowPicture(PictureFailed);
    // The time spin buttons go too: without a logger there is nothing they could set.
    for (wxWindow* control : std::initializer_list<wxWindow*>{
             m_send, m_psi, m_bar, m_slider, m_rateSpin, m_rateText, m_hours, m_minutes, m_seconds,
             m_hoursSpin, m_minutesSpin, m_secondsSpin, m_date, m_autoLog, m_flowOn, m_flowOff,
             m_delayOn, m_delayOff}) {
        control->Disable();
    }
    m_model.LoadNothing();
    ShowSamplePeriod();
    ShowClock();
}

// ------------------------------------------------------------------ showing the model

void SettingsDialog::ShowPicture(const char* name) {
    m_picture->SetBitmap(ResourceBitmap(name));
}

void SettingsDialog::ShowSamplePeriod() {
    m_slider->SetValue(m_model.period);
    m_rateText->ChangeValue(m_model.PeriodText());
}

void SettingsDialog::ShowPressureUnit() {
    // The logger's other units (metres of water, kPa) leave both boxes as they are.
    if (m_model.pressureUnitCode == LoggerProtocol::PressurePsi) {
        m_psi->SetValue(true);
        m_bar->SetValue(false);
    } else if (m_model.pressureUnitCode == LoggerProtocol::PressureBar) {
        m_bar->SetValue(true);
        m_psi->SetValue(false);
    }
}

void SettingsDialog::ShowClock() {
    m_hours->ChangeValue(m_model.ClockFieldText(ClockField::Hours));
    m_minutes->ChangeValue(m_model.ClockFieldText(ClockField::Minutes));
    m_seconds->ChangeValue(m_model.ClockFieldText(ClockField::Seconds));
}

void SettingsDialog::ShowClockDate() {
    ClockDate date;
    if (m_model.ClockDateShown(date)) {
        m_date->SetValue(wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day),
                                    static_cast<wxDateTime::Month>(date.month - 1), date.year));
    } else {
        m_date->SetValue(wxInvalidDateTime); // no date rather than one the clock does not have
    }
}

void SettingsDialog::ShowAutoLogTexts() {
    m_flowOn->ChangeValue(m_model.FlowOnText());
    m_delayOn->ChangeValue(m_model.DelayOnText());
    m_flowOff->ChangeValue(m_model.FlowOffText());
    m_delayOff->ChangeValue(m_model.DelayOffText());
    const wxString unit = wxGetTranslation(m_model.FlowUnitLabel());
    m_flowOnUnit->SetLabel(unit);
    m_flowOffUnit->SetLabel(unit);
}

void SettingsDialog::EnableAutoLogTexts() {
    const bool enable = m_autoLog->GetValue();
    for (wxTextCtrl* text : {m_flowOn, m_flowOff, m_delayOn, m_delayOff}) {
        text->Enable(enable);
    }
}

// ------------------------------------------------------------------ sending

void SettingsDialog::SendSettings() {
    const std::vector<std::string> rateFailures =
        DeviceSettingsSender::SendSampleRate(m_usb, m_model);
    if (rateFailures.empty()) {
        ShowPicture(PictureSent);
    }
    ReportFailures(rateFailures);
    if (m_model.timeChanged) {
        ReportFailures(DeviceSettingsSender::SendTime(m_usb, m_model));
        m_model.timeChanged = false;
    }
    if (m_model.dateChanged) {
        ReportFailures(DeviceSettingsSender::SendDate(m_usb, m_model));
        m_model.dateChanged = false;
    }
    if (m_model.autoLogChanged) {
        SendAutoLog();
    }
}

void SettingsDialog::SendAutoLog() {
    const AutoLogCheck check = AutoLogValidation::Check(TypedAutoLogTexts(), m_model.period);
    if (!ShowCheckMessages(check)) {
        return; // the settings stay marked as changed
    }
    m_delayOn->ChangeValue(Utf8(check.delayOnText));
    m_delayOff->ChangeValue(Utf8(check.delayOffText));
    ReportFailures(DeviceSettingsSender::SendAutoLog(m_usb, check));
    m_model.autoLogChanged = false;
}

AutoLogTexts SettingsDialog::TypedAutoLogTexts() const {
    return {m_autoLog->GetValue(), TextOf(m_flowOn), TextOf(m_flowOff), TextOf(m_delayOn),
            TextOf(m_delayOff)};
}

bool SettingsDialog::ShowCheckMessages(const AutoLogCheck& check) {
    for (const SettingsMessage& message : check.messages) {
        wxMessageBox(Utf8(message.text), Utf8(message.caption), wxOK | wxCENTRE, this);
    }
    return check.accepted;
}

void SettingsDialog::ReportFailures(const std::vector<std::string>& failures) {
    for (const std::string& failure : failures) {
        wxLogError("%s", Utf8(failure));
    }
}

// ------------------------------------------------------------------ editing

void SettingsDialog::ChoosePressureUnit(std::uint8_t code) {
    m_model.ChoosePressureUnit(code);
    AppSettings.pressureUnit = code;
    // The two boxes are a pair: the one clicked stays ticked, the other is cleared.
    m_psi->SetValue(code == LoggerProtocol::PressurePsi);
    m_bar->SetValue(code == LoggerProtocol::PressureBar);
}

void SettingsDialog::ChangeSamplePeriod(int tenths) {
    m_model.SetSamplePeriod(tenths);
    ShowSamplePeriod();
}

void SettingsDialog::StepClockField(ClockField field, int direction) {
    m_model.StepClock(field, direction);
    ShowClock();
}

// ------------------------------------------------------------------ handlers

void SettingsDialog::OnSend(wxCommandEvent&) {
    SendSettings();
}

void SettingsDialog::OnSliderScroll(wxScrollEvent&) {
    ChangeSamplePeriod(m_slider->GetValue());
}

void SettingsDialog::OnSampleRateSpin(wxSpinEvent& event) {
    if (m_model.StepPeriod(event.GetEventType() == wxEVT_SPIN_UP ? +1 : -1)) {
        ShowSamplePeriod();
    }
    event.Veto(); // keeps the button's own value away from its ends
}

void SettingsDialog::OnPsi(wxCommandEvent&) {
    ChoosePressureUnit(LoggerProtocol::PressurePsi);
}

void SettingsDialog::OnBar(wxCommandEvent&) {
    ChoosePressureUnit(LoggerProtocol::PressureBar);
}

void SettingsDialog::OnDateChanged(wxDateEvent& event) {
    const wxDateTime picked = event.GetDate();
    if (!picked.IsValid()) {
        return; // an emptied picker leaves the clock's date alone
    }
    m_model.SetDate({picked.GetYear(), picked.GetMonth() + 1, picked.GetDay()});
}

void SettingsDialog::OnClockSpin(wxSpinEvent& event) {
    const int direction = event.GetEventType() == wxEVT_SPIN_UP ? +1 : -1;
    switch (event.GetId()) {
    case ID_HOURS_SPIN:
        StepClockField(ClockField::Hours, direction);
        break;
    case ID_MINUTES_SPIN:
        StepClockField(ClockField::Minutes, direction);
        break;
    default:
        StepClockField(ClockField::Seconds, direction);
        break;
    }
    event.Veto();
}

void SettingsDialog::OnAutoLogBox(wxCommandEvent&) {
    EnableAutoLogTexts();
    m_model.autoLogChanged = true;
}

void SettingsDialog::OnAutoLogText(wxCommandEvent&) {
    m_model.autoLogChanged = true;
}
