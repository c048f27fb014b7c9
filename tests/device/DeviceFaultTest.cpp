#include "app/AppSettings.h"
#include "device/DeviceTexts.h"
#include "device/DeviceWindowFixture.h"
#include "device/FaultSweep.h"
#include "device/SettingsDialog.h"
#include "device/SettingsTexts.h"
#include "mainframe/CommandIds.h"
#include "support/CapturedLog.h"
#include "support/GuiTestSupport.h"
#include "widgets/LevelGauge.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

// Every device operation of the window with a fault at each of its transfers and opens: it
// ends with no handle open, says what failed, and leaves the recordings, the saved mark, the
// settings and the live state as they were, or as far as they got before the failure.
namespace {

namespace Sim = SimulatedLogger;

// Answers every modal dialog without showing it, agreeing (Yes, OK) or not (No, Cancel), and
// keeps the messages of the message boxes; a file dialog is given path.
class DialogAnswers : public wxModalDialogHook {
public:
    explicit DialogAnswers(bool agree, const wxString& path = "") : m_agree(agree), m_path(path) {
        Register();
    }
    ~DialogAnswers() override { Unregister(); }
    std::vector<wxString> messages;

protected:
    int Enter(wxDialog* dialog) override {
        if (auto* files = dynamic_cast<wxFileDialog*>(dialog)) {
            messages.push_back("file dialog");
            files->SetPath(m_path);
            // GTK's chooser takes the path over only while events run.
            EXPECT_TRUE(WaitFor([&] { return files->GetPath() == m_path; }));
            return wxID_OK;
        }
        auto* box = dynamic_cast<wxMessageDialogBase*>(dialog);
        messages.push_back(box != nullptr ? box->GetMessage() : dialog->GetTitle());
        const bool yesNo = box != nullptr && (box->GetMessageDialogStyle() & wxYES_NO) != 0;
        return yesNo ? (m_agree ? wxID_YES : wxID_NO) : (m_agree ? wxID_OK : wxID_CANCEL);
    }
    void Exit(wxDialog*) override {}

private:
    bool m_agree;
    wxString m_path;
};

struct RecordSummary {
    wxString title;
    int samples;
    bool operator==(const RecordSummary& o) const {
        return title == o.title && samples == o.samples;
    }
};

void ExpectSameSettings(const AppSettingsBlock& actual, const AppSettingsBlock& expected) {
    EXPECT_EQ(actual.metric, expected.metric);
    EXPECT_EQ(actual.pressureUnit, expected.pressureUnit);
    EXPECT_EQ(actual.firmwareVersion, expected.firmwareVersion);
    EXPECT_EQ(actual.serialNumber, expected.serialNumber);
    EXPECT_EQ(actual.flowUnit, expected.flowUnit);
    EXPECT_EQ(actual.settingsLocked, expected.settingsLocked);
}

wxString Lines(std::initializer_list<std::pair<bool, wxString>> messages) {
    wxString text;
    for (const auto& m : messages) {
        if (m.first) {
            text += m.second + "\n";
        }
    }
    return text;
}

class DeviceFaultTest : public DeviceWindowFixture {
protected:
    void SetUp() override {
        DeviceWindowFixture::SetUp();
        // Settings unlike the logger's, so that what a failed operation changed shows.
        m_before.metric = 0;
        m_before.pressureUnit = 112;
        m_before.firmwareVersion = 0x0400;
        m_before.serialNumber = 17;
        m_before.flowUnit = 0;
    }
    void TearDown() override {
        Sim::ClearFaults();
        DeviceWindowFixture::TearDown();
    }

    static Sim::Options LoggerWithErrorCode() {
        Sim::Options options = TestLoggerOptions();
        options.errorCode = 9; // a failure that the recovery absorbs leaves the code readable
        return options;
    }
    // The message after a failed memory access: with the logger still answering, its code.
    static wxString UsbErrorAfter(const Fault& fault) {
        return DeviceTexts::UsbError(fault.laterPhasesFail ? 0 : 9) + "\n";
    }
    AppSettingsBlock BeforeWithFirmware(int firmware) const {
        AppSettingsBlock settings = m_before;
        settings.firmwareVersion = firmware;
        return settings;
    }

    // The window idle on a fresh logger with one saved recording and the settings of m_before.
    void PrepareWindow() {
        Sim::Configure(LoggerWithErrorCode());
        if (!m_frame) {
            StartOnLogger();
        }
        Command(ID_LIVE_STOP, wxEVT_BUTTON);
        Frame().m_recordings.clear();
        Frame().m_shownIndex = -1;
        AddSavedRecording("Memorie 1");
        AppSettings = m_before;
        StatusTick();
    }
    std::vector<RecordSummary> Records() {
        std::vector<RecordSummary> records;
        for (const Storage& r : Frame().m_recordings) {
            records.push_back({r.GetTitle(), r.GetSampleCount()});
        }
        return records;
    }
    void ExpectLiveState(bool liveEnabled, bool stopEnabled, bool recording) {
        EXPECT_EQ(Frame().m_liveButton->IsEnabled(), liveEnabled);
        EXPECT_EQ(Frame().m_stopButton->IsEnabled(), stopEnabled);
        EXPECT_EQ(Frame().m_liveTimer.IsRunning(), recording);
        EXPECT_EQ(Frame().m_liveRecording, recording);
    }
    void PrepareRecording(int ticks) {
        PrepareWindow();
        Command(ID_LIVE_START, wxEVT_BUTTON);
        for (int i = 0; i < ticks; ++i) {
            Sim::AdvanceTime(2000);
            LiveTick();
        }
        Sim::AdvanceTime(3000);
    }

    AppSettingsBlock m_before;
    AppSettingsBlock m_clean; // after the operation's clean run
};

TEST_F(DeviceFaultTest, Download) {
    const std::vector<RecordSummary> kept{{"Memorie 1", 10}};
    const SweepCount count = SweepFaults(
        [this] { PrepareWindow(); },
        [&](const Fault& fault) {
            CapturedLog log;
            DialogAnswers answers(false);
            Command(ID_DOWNLOAD, wxEVT_BUTTON);
            if (!fault.AnyFails()) {
                if (fault.point == 0) {
                    m_clean = AppSettings;
                }
                EXPECT_EQ(log.errors, "");
                EXPECT_EQ(Records(),
                          (std::vector<RecordSummary>{{"Memorie 1", 100}, {"Memorie 2", 100}}));
                EXPECT_FALSE(Frame().m_saved);
                EXPECT_EQ(answers.messages,
                          std::vector<wxString>{DeviceTexts::DownloadSaveQuestion()});
                ExpectSameSettings(AppSettings, m_clean);
                return;
            }
            EXPECT_EQ(log.errors, UsbErrorAfter(fault));
            EXPECT_EQ(Records(), kept);
            EXPECT_TRUE(Frame().m_saved);
            EXPECT_TRUE(answers.messages.empty());
            // Firmware word, header, table, data: the header is applied once it was read.
            ExpectSameSettings(AppSettings, fault.failedPhase == 0   ? BeforeWithFirmware(0)
                                            : fault.failedPhase == 1 ? BeforeWithFirmware(0x0403)
                                                                     : m_clean);
        });
    ASSERT_EQ(count.phases.size(), 4u);
    EXPECT_EQ(count.phases[3].request, 23);
}

// Download, saved as a workspace, and the logger's memory cleared after the save.
TEST_F(DeviceFaultTest, DownloadSavedAndCleared) {
    const std::string path = std::string(std::getenv("HOME")) + "/fault-download.vrx";
    const std::string before = "an older workspace\n";
    const SweepCount count = SweepFaults(
        [&] {
            PrepareWindow();
            Frame().m_workspacePath = "";
            std::ofstream(path, std::ios::trunc) << before;
        },
        [&](const Fault& fault) {
            CapturedLog log;
            DialogAnswers answers(true, wxString::FromUTF8(path));
            Command(ID_DOWNLOAD, wxEVT_BUTTON);
            std::ifstream in(path);
            const std::string saved((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            const std::vector<unsigned char> memory = Sim::Memory();
            const int eventsLeft = memory[2] | memory[3] << 8;
            // Firmware word, header, table and data, then the clear after the save.
            const bool downloaded =
                !fault.Fails(0) && !fault.Fails(1) && !fault.Fails(2) && !fault.Fails(3);
            if (!downloaded) {
                EXPECT_EQ(log.errors, UsbErrorAfter(fault));
                EXPECT_EQ(saved, before);
                EXPECT_EQ(Frame().m_workspacePath, "");
                EXPECT_EQ(Records(), (std::vector<RecordSummary>{{"Memorie 1", 10}}));
                EXPECT_EQ(eventsLeft, 2);
                return;
            }
            EXPECT_EQ(answers.messages,
                      (std::vector<wxString>{DeviceTexts::DownloadSaveQuestion(), "file dialog",
                                             DeviceTexts::ClearQuestion()}));
            EXPECT_NE(saved, before);
            EXPECT_TRUE(Frame().m_saved);
            EXPECT_EQ(Records().size(), 2u);
            EXPECT_EQ(log.errors, fault.Fails(4) ? UsbErrorAfter(fault) : wxString());
            EXPECT_EQ(eventsLeft, fault.Fails(4) ? 2 : 0);
        });
    ASSERT_EQ(count.phases.size(), 5u);
    EXPECT_EQ(count.phases[4].request, 13);
    std::filesystem::remove(path);
}

TEST_F(DeviceFaultTest, LiveStart) {
    const SweepCount count = SweepFaults(
        [this] { PrepareWindow(); },
        [&](const Fault& fault) {
            CapturedLog log;
            Command(ID_LIVE_START, wxEVT_BUTTON);
            if (!fault.AnyFails()) {
                if (fault.point == 0) {
                    m_clean = AppSettings;
                }
                EXPECT_EQ(log.errors, "");
                ExpectLiveState(false, true, true);
                EXPECT_EQ(Records(),
                          (std::vector<RecordSummary>{{"Live 2", 0}, {"Memorie 1", 10}}));
                ExpectSameSettings(AppSettings, m_clean);
                EXPECT_TRUE(Sim::Logging());
                return;
            }
            EXPECT_EQ(Records(), (std::vector<RecordSummary>{{"Memorie 1", 10}}));
            EXPECT_TRUE(Frame().m_saved);
            EXPECT_FALSE(Sim::Logging());
            if (fault.failedPhase <= 1) { // firmware word or header
                EXPECT_EQ(log.errors, DeviceTexts::LiveHeaderFailed() + "\n");
                ExpectLiveState(true, false, false);
                ExpectSameSettings(AppSettings,
                                   BeforeWithFirmware(fault.failedPhase == 0 ? 0 : 0x0403));
                return;
            }
            // Logging could not be switched on: the buttons stay switched, nothing else runs.
            EXPECT_EQ(log.errors, DeviceTexts::LiveLoggingOnFailed() + "\n");
            ExpectLiveState(false, true, false);
            AppSettingsBlock expected = m_clean;
            expected.serialNumber = m_before.serialNumber;
            ExpectSameSettings(AppSettings, expected);
        });
    ASSERT_EQ(count.phases.size(), 3u);
    EXPECT_EQ(count.phases[2].request, 5);
}

TEST_F(DeviceFaultTest, LiveTick) {
    const SweepCount count = SweepFaults(
        [this] { PrepareRecording(1); },
        [&](const Fault& fault) {
            CapturedLog log;
            LiveTick();
            if (!fault.AnyFails()) {
                EXPECT_EQ(log.errors, "");
                ExpectLiveState(false, true, true);
                EXPECT_EQ(Frame().m_recordings[0].GetSampleCount(), 5);
                return;
            }
            // The recording stops; switching logging off fails too while the logger is gone.
            EXPECT_EQ(log.errors,
                      Lines({{true, DeviceTexts::LiveConnectionLost()},
                             {fault.laterPhasesFail, DeviceTexts::LiveLoggingOffFailed()}}));
            ExpectLiveState(true, false, false);
            EXPECT_EQ(Frame().m_recordings[0].GetSampleCount(), 2);
            EXPECT_EQ(Frame().m_recordings.size(), 2u);
        });
    EXPECT_EQ(count.phases.size(), 1u);
}

TEST_F(DeviceFaultTest, LiveStop) {
    const SweepCount count = SweepFaults(
        [this] { PrepareRecording(2); },
        [&](const Fault& fault) {
            CapturedLog log;
            Command(ID_LIVE_STOP, wxEVT_BUTTON);
            // Logging off, then the samples taken meanwhile are read and dropped.
            EXPECT_EQ(log.errors, Lines({{fault.Fails(0), DeviceTexts::LiveLoggingOffFailed()}}));
            ExpectLiveState(true, false, false);
            EXPECT_EQ(Sim::Logging(), fault.Fails(0));
            EXPECT_EQ(Records(), (std::vector<RecordSummary>{{"Live 2", 4}, {"Memorie 1", 10}}));
        });
    EXPECT_EQ(count.phases.size(), 2u);
}

TEST_F(DeviceFaultTest, StatusTick) {
    wxString cleanText;
    const SweepCount count = SweepFaults(
        [this] {
            PrepareWindow();
            Frame().m_resourceText->SetLabel("-");
        },
        [&](const Fault& fault) {
            CapturedLog log;
            StatusTick();
            EXPECT_EQ(log.errors, "");
            if (fault.point == 0) {
                cleanText = Frame().m_resourceText->GetLabel();
                EXPECT_NE(cleanText, " ");
            }
            EXPECT_EQ(Frame().m_resourceText->GetLabel(),
                      fault.AnyFails() ? wxString(" ") : cleanText);
            if (fault.AnyFails()) {
                EXPECT_EQ(Frame().m_batteryGauge->GetValue(), 0);
                EXPECT_EQ(Frame().m_memoryGauge->GetValue(), 0);
            }
        });
    EXPECT_EQ(count.phases.size(), 1u);
}

TEST_F(DeviceFaultTest, MemoryClear) {
    const SweepCount count = SweepFaults(
        [this] { PrepareWindow(); },
        [&](const Fault& fault) {
            CapturedLog log;
            DialogAnswers answers(true);
            Command(ID_CLEAR_MEMORY, wxEVT_BUTTON);
            EXPECT_EQ(answers.messages, std::vector<wxString>{DeviceTexts::ClearQuestion()});
            EXPECT_EQ(log.errors, fault.AnyFails() ? UsbErrorAfter(fault) : wxString());
            const std::vector<unsigned char> memory = Sim::Memory();
            EXPECT_EQ(memory[2] | memory[3] << 8, fault.AnyFails() ? 2 : 0); // events left
            EXPECT_EQ(Records(), (std::vector<RecordSummary>{{"Memorie 1", 10}}));
            EXPECT_TRUE(Frame().m_saved);
        });
    EXPECT_EQ(count.phases.size(), 1u);
}

// The settings dialog on its own device link.
class SettingsDialogFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_before.firmwareVersion = 0x0400;
        m_before.pressureUnit = 112;
    }
    void TearDown() override {
        Sim::ClearFaults();
        m_dialog.reset();
    }
    void Prepare() {
        m_dialog.reset();
        Sim::Configure(TestLoggerOptions());
        AppSettings = m_before;
    }
    void Open() { m_dialog = std::make_unique<SettingsDialog>(nullptr); }
    void Send(int id, wxEvent& event) {
        wxWindow* window = m_dialog->FindWindow(id);
        ASSERT_NE(window, nullptr) << id;
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }
    // A change of every kind: time, date and the automatic logging.
    void EditEverything() {
        wxSpinEvent spin(wxEVT_SPIN_UP, SettingsDialog::ID_HOURS_SPIN);
        Send(SettingsDialog::ID_HOURS_SPIN, spin);
        const wxDateTime date(1, wxDateTime::Jan, 2020);
        m_dialog->DatePicker()->SetValue(date);
        wxDateEvent picked(m_dialog->DatePicker(), date, wxEVT_DATE_CHANGED);
        Send(SettingsDialog::ID_DATE, picked);
        m_dialog->AutoLogBox()->SetValue(true);
        wxCommandEvent tick(wxEVT_CHECKBOX, SettingsDialog::ID_AUTO_LOG);
        tick.SetInt(1);
        Send(SettingsDialog::ID_AUTO_LOG, tick);
    }

    AppSettingsBlock m_before;
    std::unique_ptr<SettingsDialog> m_dialog;
};

TEST_F(SettingsDialogFaultTest, Reading) {
    AppSettingsBlock clean;
    wxString cleanHours;
    const SweepCount count = SweepFaults(
        [this] { Prepare(); },
        [&](const Fault& fault) {
            CapturedLog log;
            Open();
            EXPECT_EQ(log.errors, ""); // the dialog's picture tells
            if (fault.point == 0) {
                clean = AppSettings;
                cleanHours = m_dialog->HoursText()->GetValue();
            }
            // The dialog's own link searches first: discovery, firmware word, header, clock and the
            // clock configuration (whose answer is not used).
            const bool headerRead = !fault.Fails(1) && !fault.Fails(2);
            EXPECT_EQ(m_dialog->FindWindow(SettingsDialog::ID_SEND)->IsEnabled(), headerRead);
            if (!headerRead) {
                AppSettingsBlock expected = m_before;
                expected.firmwareVersion = fault.Fails(1) ? 0 : 0x0403;
                ExpectSameSettings(AppSettings, expected);
                return;
            }
            ExpectSameSettings(AppSettings, clean);
            EXPECT_EQ(m_dialog->HoursText()->GetValue(),
                      fault.Fails(3) ? wxString(SettingsTexts::NoClock) : cleanHours);
        });
    ASSERT_EQ(count.phases.size(), 5u);
    EXPECT_EQ(count.phases[0].request, -1);
    EXPECT_EQ(count.phases[4].request, 29);
}

TEST_F(SettingsDialogFaultTest, Sending) {
    AppSettingsBlock opened;
    const SweepCount count = SweepFaults(
        [&] {
            Prepare();
            Open();
            EditEverything();
            opened = AppSettings;
        },
        [&](const Fault& fault) {
            CapturedLog log;
            wxCommandEvent click(wxEVT_BUTTON, SettingsDialog::ID_SEND);
            Send(SettingsDialog::ID_SEND, click);
            // Sample rate and pressure unit, time, date, flow on, flow off, automatic logging:
            // each failure has its message and never stops the steps after it.
            EXPECT_EQ(log.errors,
                      Lines({{fault.Fails(0) || fault.Fails(1), SettingsTexts::SendFailed},
                             {fault.Fails(2), SettingsTexts::ClockFailed},
                             {fault.Fails(3), SettingsTexts::ClockFailed},
                             {fault.Fails(4) || fault.Fails(5), SettingsTexts::ThresholdFailed},
                             {fault.Fails(6), SettingsTexts::AutoLogFailed}}));
            EXPECT_FALSE(m_dialog->Model().timeChanged);
            EXPECT_FALSE(m_dialog->Model().dateChanged);
            EXPECT_FALSE(m_dialog->Model().autoLogChanged);
            ExpectSameSettings(AppSettings, opened);
        });
    ASSERT_EQ(count.phases.size(), 7u);
    EXPECT_EQ(count.phases[6].request, 3);
}

} // namespace
