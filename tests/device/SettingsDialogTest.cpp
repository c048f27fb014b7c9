#include "device/SettingsDialog.h"
#include "app/AppSettings.h"
#include "device/DeviceTestSupport.h"
#include "device/SettingsTexts.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using SD = SettingsDialog;

// What the device link reports through the error log, instead of showing it.
class CapturedLog : public wxLog {
public:
    CapturedLog() : m_previous(wxLog::SetActiveTarget(this)) {}
    ~CapturedLog() override { wxLog::SetActiveTarget(m_previous); }
    std::vector<std::string> errors;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& text, const wxLogRecordInfo&) override {
        if (level == wxLOG_Error) {
            errors.push_back(std::string(text.utf8_str()));
        }
    }

private:
    wxLog* m_previous;
};

// Answers one message box after checking its text and caption.
class MessageAnswer : public wxExpectModalBase<wxMessageDialog, MessageAnswer> {
public:
    MessageAnswer(const char* text, const std::string& caption)
        : m_text(wxString::FromUTF8(text)), m_caption(wxString::FromUTF8(caption.c_str())) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), m_text);
        EXPECT_EQ(dialog->GetTitle(), m_caption);
        return wxID_OK;
    }

private:
    wxString m_text;
    wxString m_caption;
};

constexpr WireTransfer Firmware{0xC0, 41, 0, 0, 2, 500};
constexpr WireTransfer LongHeader{0xC0, 23, 0, 0x2900, 41, 1000};
constexpr WireTransfer ShortHeader{0xC0, 23, 0, 0x1500, 21, 1000};
constexpr WireTransfer Clock{0xC0, 26, 0, 0, 8, 500};
constexpr WireTransfer ClockConfig{0x40, 29, 0xAB00, 0, 2, 100};

WireTransfer SampleReload(int reload) {
    return {0x40, 4, reload, 0, 1, 500};
}
WireTransfer PressureUnit(int code) {
    return {0x40, 12, code, 0, 1, 500};
}
WireTransfer FlowOn(int threshold, int samples) {
    return {0x40, 30, threshold, samples, 4, 500};
}
WireTransfer FlowOff(int threshold, int samples) {
    return {0x40, 31, threshold, samples, 4, 500};
}
WireTransfer AutoLog(bool on) {
    return {0x40, 3, on ? 2 : 0, 0, 1, 500};
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppSettings = AppSettingsBlock();
        Configure(TestLoggerOptions());
    }
    void TearDown() override { m_dialog.reset(); }

    void Configure(const SimulatedLogger::Options& options) { SimulatedLogger::Configure(options); }

    SD& Open() {
        m_dialog = std::make_unique<SD>(nullptr);
        return *m_dialog;
    }
    // Opens the dialog and forgets the traffic of opening it.
    SD& OpenQuietly() {
        Open();
        SimulatedLogger::ClearLog();
        return *m_dialog;
    }

    void Send(int id, wxEvent& event) {
        wxWindow* window = m_dialog->FindWindow(id);
        ASSERT_NE(window, nullptr) << id;
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }
    void Press(int id) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        Send(id, click);
    }
    void Tick(wxCheckBox* box, bool value) {
        box->SetValue(value);
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetInt(value ? 1 : 0);
        Send(box->GetId(), event);
    }
    void Spin(int id, bool up) {
        wxSpinEvent event(up ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, id);
        Send(id, event);
    }
    void Slide(int value) {
        m_dialog->SampleRateSlider()->SetValue(value);
        wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, SD::ID_SAMPLE_RATE_SLIDER, value,
                            wxHORIZONTAL);
        Send(SD::ID_SAMPLE_RATE_SLIDER, event);
    }
    void PickDate(const wxDateTime& date) {
        m_dialog->DatePicker()->SetValue(date);
        wxDateEvent event(m_dialog->DatePicker(), date, wxEVT_DATE_CHANGED);
        Send(SD::ID_DATE, event);
    }
    void TypeAutoLog(const char* flowOn, const char* flowOff, const char* delayOn,
                     const char* delayOff) {
        m_dialog->FlowOnText()->SetValue(flowOn);
        m_dialog->FlowOffText()->SetValue(flowOff);
        m_dialog->DelayOnText()->SetValue(delayOn);
        m_dialog->DelayOffText()->SetValue(delayOff);
    }

    std::unique_ptr<SD> m_dialog;
};

TEST_F(SettingsDialogTest, OpeningReadsFirmwareHeaderClockAndSetsTheClockConfiguration) {
    SD& dialog = Open();
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SetConfiguration, Firmware, LongHeader, Clock,
                                                    ClockConfig}));
    EXPECT_EQ(dialog.GetTitle(), "Setari dispozitiv");
    EXPECT_EQ(AppSettings.firmwareVersion, 0x0403);
    EXPECT_EQ(AppSettings.serialNumber, 4711);
    EXPECT_EQ(AppSettings.pressureUnit, 0x62);
    EXPECT_EQ(dialog.SampleRateSlider()->GetValue(), 10);
    EXPECT_EQ(dialog.SampleRateSlider()->GetMin(), 1);
    EXPECT_EQ(dialog.SampleRateSlider()->GetMax(), 159);
    EXPECT_EQ(dialog.SampleRateText()->GetValue(), "1.0");
    EXPECT_FALSE(dialog.PsiBox()->GetValue());
    EXPECT_TRUE(dialog.BarBox()->GetValue());
    EXPECT_EQ(dialog.HoursText()->GetValue(), "9");
    EXPECT_EQ(dialog.MinutesText()->GetValue(), "05");
    EXPECT_EQ(dialog.SecondsText()->GetValue(), "7");
    EXPECT_EQ(dialog.DatePicker()->GetValue(), wxDateTime(25, wxDateTime::Dec, 2011));
    EXPECT_FALSE(dialog.AutoLogBox()->GetValue());
    EXPECT_EQ(dialog.FlowOnText()->GetValue(), "5");
    EXPECT_EQ(dialog.DelayOnText()->GetValue(), "10");
    EXPECT_EQ(dialog.FlowOffText()->GetValue(), "2");
    EXPECT_EQ(dialog.DelayOffText()->GetValue(), "30");
    EXPECT_FALSE(dialog.FlowOnText()->IsEnabled());
    EXPECT_EQ(dialog.FlowOnUnit()->GetLabel(), "l/min");
    EXPECT_EQ(dialog.Information()->GetLabel(),
              "Numarul de serie Vendrix: \t 4711 \nData Fabricatiei: \t 15:3:2021");
    EXPECT_TRUE(dialog.PressureGroup()->GetStaticBox()->IsShown());
    EXPECT_FALSE(dialog.Model().timeChanged);
    EXPECT_FALSE(dialog.Model().dateChanged);
    EXPECT_FALSE(dialog.Model().autoLogChanged);
    EXPECT_EQ(dialog.Picture()->GetBitmap().GetSize(), wxSize(280, 70));
}

TEST_F(SettingsDialogTest, ControlsCarryTheirIdsAndTexts) {
    SD& dialog = Open();
    const struct {
        int id;
        const char* label;
    } labelled[] = {
        {SD::ID_SEND, "Descarcare"},
        {wxID_CANCEL, "&Iesire"},
        {SD::ID_PSI, "PSI"},
        {SD::ID_BAR, "Bar"},
        {SD::ID_AUTO_LOG, "Activati \xC3\xAEnregistrarea automata \xC3\xAEn jurnal"},
    };
    for (const auto& c : labelled) {
        ASSERT_NE(dialog.FindWindow(c.id), nullptr) << c.id;
        EXPECT_EQ(dialog.FindWindow(c.id)->GetLabel(), wxString::FromUTF8(c.label));
    }
    for (int id :
         {SD::ID_HOURS_SPIN, SD::ID_MINUTES_SPIN, SD::ID_SECONDS_SPIN, SD::ID_SAMPLE_RATE_SPIN}) {
        EXPECT_NE(wxDynamicCast(dialog.FindWindow(id), wxSpinButton), nullptr) << id;
    }
    EXPECT_EQ(dialog.FlowOnText()->GetId(), SD::ID_AUTO_LOG_TEXT);
    EXPECT_EQ(dialog.DelayOffText()->GetId(), SD::ID_AUTO_LOG_TEXT);
    EXPECT_EQ(dialog.DatePicker()->GetId(), SD::ID_DATE);

    std::vector<wxString> texts;
    std::function<void(wxWindow*)> collect = [&](wxWindow* window) {
        if (auto* text = wxDynamicCast(window, wxStaticText)) {
            texts.push_back(text->GetLabel());
        }
        if (auto* box = wxDynamicCast(window, wxStaticBox)) {
            texts.push_back(box->GetLabel());
        }
        for (wxWindow* child : window->GetChildren()) {
            collect(child);
        }
    };
    collect(&dialog);
    for (const char* expected :
         {"Ceas timp real \xC3\xAEncorporat", "Ora", "Minute", "Secunde", "Data",
          "Rata de Adunare Esantion (Secunde)", "Unitati de presiune",
          "Controale Jurnal de date automat", "Activati Jurnalul de date atunci c\xC3\xA2nd:",
          "Rata de flux mai mare ca:", "pentru mai mult de", "secunde",
          "Dezactivati Jurnalul de date atunci c\xC3\xA2nd:", "Rata de flux mai mica ca:"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wxString::FromUTF8(expected)), texts.end())
            << expected;
    }
}

TEST_F(SettingsDialogTest, DescarcareWithoutChangesSendsOnlyTheSampleRate) {
    OpenQuietly();
    CapturedLog log;
    Press(SD::ID_SEND);
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xF000), PressureUnit(0x62)}));
    EXPECT_TRUE(log.errors.empty());
}

TEST_F(SettingsDialogTest, SliderAtThreeSendsItsReloadAndTheAutomaticLogging) {
    SD& dialog = OpenQuietly();
    Slide(3);
    EXPECT_EQ(dialog.SampleRateText()->GetValue(), "0.3");
    Press(SD::ID_SEND);
    // 10 s and 30 s at 0.3 s: 33 and 100 samples, shown back as 9 and 30 s.
    EXPECT_EQ(WireLog(),
              (std::vector<WireTransfer>{SampleReload(0xFB34), PressureUnit(0x62), FlowOn(5, 33),
                                         FlowOff(2, 100), AutoLog(false)}));
    EXPECT_EQ(dialog.DelayOnText()->GetValue(), "9");
    EXPECT_EQ(dialog.DelayOffText()->GetValue(), "30");
    EXPECT_FALSE(dialog.Model().autoLogChanged);

    SimulatedLogger::ClearLog();
    Press(SD::ID_SEND); // sent once only
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xFB34), PressureUnit(0x62)}));
}

TEST_F(SettingsDialogTest, SampleRateSpinStepsThePeriodWithinItsRange) {
    SD& dialog = OpenQuietly();
    Spin(SD::ID_SAMPLE_RATE_SPIN, true);
    EXPECT_EQ(dialog.SampleRateText()->GetValue(), "1.1");
    EXPECT_EQ(dialog.SampleRateSlider()->GetValue(), 11);
    Slide(1);
    Spin(SD::ID_SAMPLE_RATE_SPIN, false);
    EXPECT_EQ(dialog.SampleRateText()->GetValue(), "0.1");
    Slide(159);
    Spin(SD::ID_SAMPLE_RATE_SPIN, true);
    EXPECT_EQ(dialog.SampleRateText()->GetValue(), "15.9");
    EXPECT_TRUE(WireLog().empty());
}

TEST_F(SettingsDialogTest, EachKindOfChangeIsSentOnDescarcare) {
    SD& dialog = OpenQuietly();
    Tick(dialog.PsiBox(), true);
    EXPECT_FALSE(dialog.BarBox()->GetValue());
    EXPECT_EQ(AppSettings.pressureUnit, 0x70);
    Spin(SD::ID_HOURS_SPIN, true);    // 09 -> 10
    Spin(SD::ID_MINUTES_SPIN, false); // 05 -> 04
    Spin(SD::ID_SECONDS_SPIN, true);  // 07 -> 08
    EXPECT_EQ(dialog.HoursText()->GetValue(), "10");
    EXPECT_EQ(dialog.MinutesText()->GetValue(), "04");
    EXPECT_EQ(dialog.SecondsText()->GetValue(), "8");
    PickDate(wxDateTime(29, wxDateTime::Feb, 2024));
    Tick(dialog.AutoLogBox(), true);
    EXPECT_TRUE(dialog.FlowOnText()->IsEnabled());
    TypeAutoLog("50", "20", "5", "12");
    Press(SD::ID_SEND);
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xF000),
                                                    PressureUnit(0x70),
                                                    {0x40, 27, 0x0408, 0x0110, 4, 500},
                                                    {0x40, 28, 0x0229, 0x24, 4, 500},
                                                    FlowOn(50, 5),
                                                    FlowOff(20, 12),
                                                    AutoLog(true)}));
    EXPECT_FALSE(dialog.Model().timeChanged);
    EXPECT_FALSE(dialog.Model().dateChanged);

    SimulatedLogger::ClearLog();
    Tick(dialog.BarBox(), true);
    EXPECT_FALSE(dialog.PsiBox()->GetValue());
    Press(SD::ID_SEND);
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xF000), PressureUnit(0x62)}));
}

TEST_F(SettingsDialogTest, ClockSpinsWrapAround) {
    SimulatedLogger::Options options = TestLoggerOptions();
    options.clock = "2011-12-25 23:00:59";
    Configure(options);
    SD& dialog = OpenQuietly();
    Spin(SD::ID_HOURS_SPIN, true);
    EXPECT_EQ(dialog.HoursText()->GetValue(), "0");
    Spin(SD::ID_HOURS_SPIN, false);
    EXPECT_EQ(dialog.HoursText()->GetValue(), "23");
    Spin(SD::ID_MINUTES_SPIN, false);
    EXPECT_EQ(dialog.MinutesText()->GetValue(), "59");
    Spin(SD::ID_SECONDS_SPIN, true);
    EXPECT_EQ(dialog.SecondsText()->GetValue(), "0");
}

TEST_F(SettingsDialogTest, ValidationMessagesStopOrWarn) {
    SD& dialog = OpenQuietly();
    TypeAutoLog("50", "60", "10", "30");
    wxTEST_DIALOG(Press(SD::ID_SEND), MessageAnswer(SettingsTexts::OnBelowOff, "Message"));
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xF000), PressureUnit(0x62)}));
    EXPECT_TRUE(dialog.Model().autoLogChanged);

    SimulatedLogger::ClearLog();
    TypeAutoLog("abc", "60", "10", "30");
    wxTEST_DIALOG(Press(SD::ID_SEND), MessageAnswer(SettingsTexts::ReenterValue, "abc"));
    EXPECT_EQ(WireLog().size(), 2u);

    SimulatedLogger::ClearLog();
    TypeAutoLog("2500", "30", "10", "30");
    wxTEST_DIALOG(Press(SD::ID_SEND), MessageAnswer(SettingsTexts::VeryHighThresholds, "Message"));
    EXPECT_EQ(WireLog(),
              (std::vector<WireTransfer>{SampleReload(0xF000), PressureUnit(0x62), FlowOn(2500, 10),
                                         FlowOff(30, 30), AutoLog(false)}));
    EXPECT_FALSE(dialog.Model().autoLogChanged);
}

TEST_F(SettingsDialogTest, PeriodLongerThanADelayIsRejected) {
    SD& dialog = OpenQuietly();
    Slide(25);
    TypeAutoLog("50", "20", "1", "30");
    wxTEST_DIALOG(Press(SD::ID_SEND), MessageAnswer(SettingsTexts::DelayBelowPeriod, "Message"));
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xD800), PressureUnit(0x62)}));
    EXPECT_EQ(dialog.DelayOnText()->GetValue(), "1");
}

TEST_F(SettingsDialogTest, AFailingSampleRateIsReportedAndTheRestIsStillSent) {
    SD& dialog = OpenQuietly();
    Spin(SD::ID_HOURS_SPIN, true);
    Slide(3);
    SimulatedLogger::FailRequest(4, true);
    CapturedLog log;
    Press(SD::ID_SEND);
    EXPECT_EQ(log.errors, std::vector<std::string>{SettingsTexts::SendFailed});
    const std::vector<WireTransfer> wire = WireLog();
    ASSERT_GE(wire.size(), 4u);
    EXPECT_EQ(wire[0], SampleReload(0xFB34));
    EXPECT_EQ(std::count(wire.begin(), wire.end(), PressureUnit(0x62)), 0);
    EXPECT_EQ(
        std::vector<WireTransfer>(wire.end() - 4, wire.end()),
        (std::vector<WireTransfer>{
            {0x40, 27, 0x0507, 0x0110, 4, 500}, FlowOn(5, 33), FlowOff(2, 100), AutoLog(false)}));
    EXPECT_EQ(dialog.Picture()->GetBitmap().GetSize(), wxSize(280, 70));
}

TEST_F(SettingsDialogTest, EverySendingFailureHasItsMessage) {
    const struct {
        int request;
        const char* message;
    } cases[] = {
        {27, SettingsTexts::ClockFailed},     {28, SettingsTexts::ClockFailed},
        {30, SettingsTexts::ThresholdFailed}, {31, SettingsTexts::ThresholdFailed},
        {3, SettingsTexts::AutoLogFailed},
    };
    for (const auto& c : cases) {
        Configure(TestLoggerOptions());
        SD& dialog = OpenQuietly();
        Spin(SD::ID_SECONDS_SPIN, true);
        PickDate(wxDateTime(1, wxDateTime::Jan, 2020));
        Tick(dialog.AutoLogBox(), true);
        SimulatedLogger::FailRequest(c.request, true);
        CapturedLog log;
        Press(SD::ID_SEND);
        EXPECT_EQ(log.errors, std::vector<std::string>{c.message}) << c.request;
        const std::vector<WireTransfer> wire = WireLog();
        EXPECT_EQ(wire.back(), AutoLog(true)) << c.request; // the last step is always tried
    }
}

TEST_F(SettingsDialogTest, AnUnreadClockShowsNoTimeAndIsSentOnlyWhenEdited) {
    SimulatedLogger::FailRequest(26, true);
    SD& dialog = OpenQuietly();
    EXPECT_EQ(dialog.HoursText()->GetValue(), "--");
    EXPECT_EQ(dialog.MinutesText()->GetValue(), "--");
    EXPECT_EQ(dialog.SecondsText()->GetValue(), "--");
    EXPECT_FALSE(dialog.DatePicker()->GetValue().IsValid());
    Press(SD::ID_SEND);
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xF000), PressureUnit(0x62)}));

    SimulatedLogger::ClearLog();
    Spin(SD::ID_HOURS_SPIN, false);
    EXPECT_EQ(dialog.HoursText()->GetValue(), "23");
    EXPECT_EQ(dialog.MinutesText()->GetValue(), "00");
    Press(SD::ID_SEND);
    EXPECT_EQ(WireLog(),
              (std::vector<WireTransfer>{
                  SampleReload(0xF000), PressureUnit(0x62), {0x40, 27, 0x0000, 0x0123, 4, 500}}));
}

TEST_F(SettingsDialogTest, TheShortHeaderLeavesTheInformationEmpty) {
    SimulatedLogger::Options options = TestLoggerOptions();
    options.firmwareWord = 0x0400;
    Configure(options);
    SD& dialog = Open();
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SetConfiguration, Firmware, ShortHeader, Clock,
                                                    ClockConfig}));
    EXPECT_EQ(dialog.Information()->GetLabel(), "");
    EXPECT_EQ(AppSettings.serialNumber, 0);
}

TEST_F(SettingsDialogTest, GallonsAndOtherPressureUnitsAsTheLoggerHasThem) {
    SimulatedLogger::Options options = TestLoggerOptions();
    options.metric = false;
    options.pressureUnit = 16;
    Configure(options);
    SD& dialog = OpenQuietly();
    EXPECT_EQ(dialog.FlowOnUnit()->GetLabel(), "G/min");
    EXPECT_EQ(dialog.FlowOffUnit()->GetLabel(), "G/min");
    EXPECT_FALSE(dialog.PsiBox()->GetValue());
    EXPECT_FALSE(dialog.BarBox()->GetValue());
    EXPECT_EQ(AppSettings.metric, 0);
    Press(SD::ID_SEND);
    EXPECT_EQ(WireLog(), (std::vector<WireTransfer>{SampleReload(0xF000), PressureUnit(16)}));
}

TEST_F(SettingsDialogTest, ALockedLoggerKeepsItsDateTimeAndPressureUnit) {
    SimulatedLogger::Options options = TestLoggerOptions();
    options.modelCode = 5;
    options.flowUnitCode = 4;
    Configure(options);
    SD& dialog = Open();
    EXPECT_TRUE(AppSettings.settingsLocked);
    EXPECT_EQ(AppSettings.flowUnit, 2);
    for (wxWindow* control : std::initializer_list<wxWindow*>{
             dialog.DatePicker(), dialog.PsiBox(), dialog.BarBox(), dialog.HoursText(),
             dialog.MinutesText(), dialog.SecondsText()}) {
        EXPECT_FALSE(control->IsEnabled()) << control->GetClassInfo()->GetClassName();
    }
    EXPECT_FALSE(dialog.PressureGroup()->GetStaticBox()->IsShown());
    EXPECT_FALSE(dialog.PsiBox()->IsShown());
    EXPECT_FALSE(dialog.BarBox()->IsShown());
    for (int id : {SD::ID_HOURS_SPIN, SD::ID_MINUTES_SPIN, SD::ID_SECONDS_SPIN, SD::ID_SEND,
                   SD::ID_SAMPLE_RATE_SLIDER}) {
        EXPECT_TRUE(dialog.FindWindow(id)->IsEnabled()) << id;
    }
}

TEST_F(SettingsDialogTest, WithoutALoggerOnlyIesireIsEnabled) {
    SimulatedLogger::Options options = TestLoggerOptions();
    options.present = false;
    Configure(options);
    SD& dialog = Open();
    EXPECT_TRUE(WireLog().empty());
    EXPECT_EQ(dialog.SampleRateText()->GetValue(), "10.0");
    EXPECT_EQ(dialog.HoursText()->GetValue(), "--");
    std::vector<wxWindow*> enabled;
    std::function<void(wxWindow*)> collect = [&](wxWindow* window) {
        for (wxWindow* child : window->GetChildren()) {
            const bool input = wxDynamicCast(child, wxButton) || wxDynamicCast(child, wxCheckBox) ||
                               wxDynamicCast(child, wxTextCtrl) || wxDynamicCast(child, wxSlider) ||
                               wxDynamicCast(child, wxSpinButton) ||
                               wxDynamicCast(child, wxDatePickerCtrl);
            if (input && child->IsEnabled()) {
                enabled.push_back(child);
            }
            collect(child);
        }
    };
    collect(&dialog);
    ASSERT_EQ(enabled.size(), 1u);
    EXPECT_EQ(enabled[0]->GetId(), wxID_CANCEL);
    EXPECT_FALSE(dialog.Model().autoLogChanged);
}

TEST_F(SettingsDialogTest, AFailedHeaderReadShowsTheFailedPicture) {
    SimulatedLogger::FailRequest(23, true);
    SD& dialog = Open();
    EXPECT_FALSE(dialog.FindWindow(SD::ID_SEND)->IsEnabled());
    EXPECT_EQ(AppSettings.firmwareVersion, 0x0403);
    const std::vector<WireTransfer> wire = WireLog();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), Clock), 0);
}

} // namespace
