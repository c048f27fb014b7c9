#pragma once
#include "device/DeviceSettingsModel.h"
#include "device/LoggerUsb.h"

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxButton;
class wxCheckBox;
class wxDateEvent;
class wxDatePickerCtrl;
class wxScrollEvent;
class wxSlider;
class wxSpinButton;
class wxSpinEvent;
class wxStaticBitmap;
class wxStaticBoxSizer;
class wxStaticText;
class wxTextCtrl;
struct AutoLogCheck;
struct AutoLogTexts;
struct HeaderRead;

// Reads the logger's clock, sample period, pressure unit and automatic logging while it is
// built, and sends back what the user changed when "Descarcare" is pressed. It has a device
// link of its own.
class SettingsDialog : public wxDialog {
public:
    enum {
        ID_SAMPLE_RATE_SLIDER = 3,
        ID_SAMPLE_RATE_SPIN = 4,
        ID_SEND = 5,
        ID_PSI = 6,
        ID_BAR = 7,
        ID_MINUTES_SPIN = 8,
        ID_HOURS_SPIN = 9,
        ID_DATE = 10,
        ID_SECONDS_SPIN = 11,
        ID_AUTO_LOG = 12,
        ID_AUTO_LOG_TEXT = 13,
    };

    explicit SettingsDialog(wxWindow* parent);

    const DeviceSettingsModel& Model() const { return m_model; }
    wxStaticBitmap* Picture() const { return m_picture; }
    wxTextCtrl* HoursText() const { return m_hours; }
    wxTextCtrl* MinutesText() const { return m_minutes; }
    wxTextCtrl* SecondsText() const { return m_seconds; }
    wxDatePickerCtrl* DatePicker() const { return m_date; }
    wxSlider* SampleRateSlider() const { return m_slider; }
    wxTextCtrl* SampleRateText() const { return m_rateText; }
    wxCheckBox* PsiBox() const { return m_psi; }
    wxCheckBox* BarBox() const { return m_bar; }
    wxStaticBoxSizer* PressureGroup() const { return m_pressureGroup; }
    wxCheckBox* AutoLogBox() const { return m_autoLog; }
    wxTextCtrl* FlowOnText() const { return m_flowOn; }
    wxTextCtrl* FlowOffText() const { return m_flowOff; }
    wxTextCtrl* DelayOnText() const { return m_delayOn; }
    wxTextCtrl* DelayOffText() const { return m_delayOff; }
    wxStaticText* FlowOnUnit() const { return m_flowOnUnit; }
    wxStaticText* FlowOffUnit() const { return m_flowOffUnit; }
    wxStaticText* Information() const { return m_information; }

    // The picture names of the three connection states.
    static constexpr const char* PictureRead = "settings_read";
    static constexpr const char* PictureFailed = "settings_failed";
    static constexpr const char* PictureSent = "settings_sent";

private:
    // Layout (SettingsDialogLayout.cpp).
    void CreateControls();
    wxSizer* CreateClockGroup();
    wxSizer* CreateSampleRateGroup();
    wxSizer* CreatePressureGroup();
    wxSizer* CreateAutoLogGroup();
    wxSizer* CreateButtons();

    // Reading the logger.
    void LoadFromLogger();
    void ShowHeader(const HeaderRead& read);
    void LoadClock();
    void ShowLocked();
    void ShowReadFailed();

    // Showing the model.
    void ShowPicture(const char* name);
    void ShowSamplePeriod();
    void ShowPressureUnit();
    void ShowClock();
    void ShowClockDate();
    void ShowAutoLogTexts();
    void EnableAutoLogTexts();

    // Sending.
    void SendSettings();
    void SendAutoLog();
    AutoLogTexts TypedAutoLogTexts() const;
    bool ShowCheckMessages(const AutoLogCheck& check);
    void ReportFailures(const std::vector<std::string>& failures);

    void ChoosePressureUnit(std::uint8_t code);
    void ChangeSamplePeriod(int tenths);
    void StepClockField(ClockField field, int direction);

    void OnSend(wxCommandEvent& event);
    void OnSliderScroll(wxScrollEvent& event);
    void OnSampleRateSpin(wxSpinEvent& event);
    void OnPsi(wxCommandEvent& event);
    void OnBar(wxCommandEvent& event);
    void OnDateChanged(wxDateEvent& event);
    void OnClockSpin(wxSpinEvent& event);
    void OnAutoLogBox(wxCommandEvent& event);
    void OnAutoLogText(wxCommandEvent& event);

    LoggerUsb m_usb;
    DeviceSettingsModel m_model;

    wxStaticBitmap* m_picture = nullptr;
    wxTextCtrl* m_hours = nullptr;
    wxTextCtrl* m_minutes = nullptr;
    wxTextCtrl* m_seconds = nullptr;
    wxSpinButton* m_hoursSpin = nullptr;
    wxSpinButton* m_minutesSpin = nullptr;
    wxSpinButton* m_secondsSpin = nullptr;
    wxDatePickerCtrl* m_date = nullptr;
    wxSlider* m_slider = nullptr;
    wxTextCtrl* m_rateText = nullptr;
    wxSpinButton* m_rateSpin = nullptr;
    wxStaticBoxSizer* m_pressureGroup = nullptr;
    wxCheckBox* m_psi = nullptr;
    wxCheckBox* m_bar = nullptr;
    wxButton* m_send = nullptr;
    wxCheckBox* m_autoLog = nullptr;
    wxTextCtrl* m_flowOn = nullptr;
    wxTextCtrl* m_flowOff = nullptr;
    wxTextCtrl* m_delayOn = nullptr;
    wxTextCtrl* m_delayOff = nullptr;
    wxStaticText* m_flowOnUnit = nullptr;
    wxStaticText* m_flowOffUnit = nullptr;
    wxStaticText* m_information = nullptr;

    wxDECLARE_EVENT_TABLE();
};
