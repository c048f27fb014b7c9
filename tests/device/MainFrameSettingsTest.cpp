#include "app/AppSettings.h"
#include "device/DeviceTestSupport.h"
#include "device/SettingsDialog.h"
#include "mainframe/CommandIds.h"
#include "mainframe/MainFrameFixture.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/testing.h>

#include <algorithm>

namespace {

class MainFrameSettingsTest : public MainFrameFixture {};

// Closes the settings dialog with "&Iesire" once it runs modally over the main window.
class CloseSettings : public wxExpectModalBase<SettingsDialog, CloseSettings> {
protected:
    int OnInvoked(SettingsDialog* dialog) const override {
        EXPECT_EQ(dialog->GetTitle(), "Setari dispozitiv");
        EXPECT_NE(dialog->GetParent(), nullptr);
        return wxID_CANCEL;
    }
};

bool AnySettingsDialogLeft() {
    for (wxWindow* window : wxTopLevelWindows) {
        if (wxDynamicCast(window, SettingsDialog) != nullptr && !window->IsBeingDeleted()) {
            return true;
        }
    }
    return false;
}

TEST_F(MainFrameSettingsTest, TheSettingsButtonOpensTheDialogModallyAndDestroysIt) {
    SimulatedLogger::Configure(TestLoggerOptions());
    Start();
    SimulatedLogger::ClearLog();
    wxTEST_DIALOG(Command(ID_DEVICE_SETTINGS, wxEVT_BUTTON), CloseSettings());
    const std::vector<WireTransfer> wire = WireLog();
    EXPECT_NE(std::find(wire.begin(), wire.end(), WireTransfer{0x40, 29, 0xAB00, 0, 2, 100}),
              wire.end());
    EXPECT_EQ(AppSettings.serialNumber, 4711);
    wxTheApp->ProcessIdle(); // destroyed windows go at idle time
    EXPECT_FALSE(AnySettingsDialogLeft());
}

} // namespace
