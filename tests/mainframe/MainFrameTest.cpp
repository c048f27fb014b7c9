#include "app/AppSettings.h"
#include "mainframe/CommandIds.h"
#include "mainframe/MainFrameFixture.h"
#include "plot/PlotWindow.h"
#include "support/GuiTestSupport.h"
#include "widgets/CaptionButton.h"
#include "widgets/TipsDialog.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/weakref.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

class MainFrameTest : public MainFrameFixture {
protected:
    // An unsaved recording without samples.
    void AddRecording() {
        In(m_frame).m_recordings.push_back(Storage("05/03/2012 14:30:05", 1000, 1, false, 0, 1));
    }
};

TEST_F(MainFrameTest, StartsWithTheSpecifiedEnabledStatesAndRunningStatusTimer) {
    MainFrame* frame = Start();
    EXPECT_TRUE(In(frame).m_liveButton->IsEnabled());
    EXPECT_FALSE(In(frame).m_stopButton->IsEnabled());
    for (wxButton* button :
         {In(frame).m_deleteButton, In(frame).m_titleButton, In(frame).m_informationButton,
          In(frame).m_textBoxButton, In(frame).m_flowTargetButton}) {
        EXPECT_FALSE(button->IsEnabled()) << button->GetLabel();
    }
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_EXPORT_CSV));
    EXPECT_TRUE(In(frame).m_statusTimer.IsRunning());
    EXPECT_EQ(In(frame).m_statusTimer.GetInterval(), 5000);
    EXPECT_FALSE(In(frame).m_liveTimer.IsRunning());
    EXPECT_TRUE(In(frame).m_flowGraphShown);
    EXPECT_FALSE(In(frame).m_volumeGraphShown);
    EXPECT_FALSE(In(frame).m_pressureGraphShown);
    EXPECT_EQ(In(frame).m_shownIndex, -1);
    EXPECT_FALSE(In(frame).m_saved);
    EXPECT_NE(In(frame).m_usb, nullptr);
    EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0),
              "Bun venit la software-ul Dextrel-4.8 Flow Monitoring");
    EXPECT_EQ(In(frame).m_versionButton->GetCaption(), "Versiune Dextrel 4.8");
}

TEST_F(MainFrameTest, OpensAtTheSizeItsSizersNeed) {
    MainFrame* frame = Start();
    const wxSize size = frame->GetSize();
    EXPECT_GT(size.x, 440);
    EXPECT_GE(size.x, frame->GetMinSize().x);
    EXPECT_GE(size.y, frame->GetMinSize().y);
    EXPECT_GT(In(frame).m_plot->GetSize().x, 64);
    EXPECT_GT(In(frame).m_plot->GetSize().y, 64);
}

// GTK's small font is wider than the one the button sizes were made for: every caption of the
// button bar is drawn whole, in a font no larger than the button's own and not below the
// smallest readable size.
TEST_F(MainFrameTest, EveryButtonCaptionFitsItsButton) {
    MainFrame* frame = Start();
    int buttons = 0;
    for (wxWindow* child : In(frame).m_panel->GetChildren()) {
        CaptionButton* button = dynamic_cast<CaptionButton*>(child);
        if (button == nullptr) {
            continue;
        }
        ++buttons;
        SCOPED_TRACE(button->GetCaption().utf8_str().data());
        const wxSize size = button->GetClientSize();
        wxBitmap bitmap(size.x, size.y);
        wxMemoryDC dc(bitmap);
        const CaptionButton::CaptionLayout layout = button->LayOutCaption(dc, size.x);
        EXPECT_LE(layout.font.GetPointSize(), button->GetFont().GetPointSize());
        EXPECT_GE(layout.font.GetPointSize(), CaptionButton::kSmallestCaptionPoints);
        dc.SetFont(layout.font);
        for (const wxString& line : layout.lines) {
            EXPECT_LE(dc.GetTextExtent(line).x, size.x) << line.utf8_str().data();
        }
    }
    EXPECT_EQ(buttons, 15);
}

TEST_F(MainFrameTest, MenuTextsHelpStringsAndChecks) {
    MainFrame* frame = Start({1, 98, 0, 0, 2, 0, 1});
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 4u);
    EXPECT_EQ(bar->GetMenuLabelText(0), "Fisier");
    EXPECT_EQ(bar->GetMenuLabelText(3), "Ajutor");
    EXPECT_EQ(bar->FindItem(ID_SAVE_WORKSPACE)->GetHelp(),
              wxString::FromUTF8("Salvarea unui spatiu de\xC2\xA0lucru"));
    EXPECT_EQ(bar->FindItem(ID_WIDTH_VOLUME)->GetHelp(), "Schimbare grosimea  subiectului volum");
    EXPECT_EQ(bar->FindItem(ID_FLOW_UNIT_M3H)->GetItemLabelText(),
              wxString::FromUTF8("Unitati de flux M³/h"));
    EXPECT_TRUE(bar->IsChecked(ID_FLOW_UNIT_M3H));
    EXPECT_FALSE(bar->IsChecked(ID_FLOW_UNIT_LPM));
    EXPECT_TRUE(bar->IsChecked(ID_ABSOLUTE_TIME));
    EXPECT_TRUE(bar->FindItem(ID_OPEN_WORKSPACE)->GetBitmap().IsOk());
}

TEST_F(MainFrameTest, UnitLabelsFollowTheConfigurationAndAreBold) {
    MainFrame* frame = Start({1, 8, 0, 0, 2, 0, 0});
    EXPECT_EQ(In(frame).m_flowUnitLabel->GetLabel(), wxString::FromUTF8("M³/h "));
    EXPECT_EQ(In(frame).m_pressureUnitLabel->GetLabel(), "MtrH");
    EXPECT_EQ(In(frame).m_flowUnitLabel->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(In(frame).m_pressureUnitLabel->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(In(frame).m_flowUnitLabel->GetFont().GetPointSize(), 11);
}

TEST_F(MainFrameTest, UnknownUnitsFallBackToLitresPerMinuteAndPsi) {
    MainFrame* frame = Start({1, 7, 0, 0, -3, 0, 0});
    EXPECT_EQ(AppSettings.flowUnit, 253);
    EXPECT_EQ(In(frame).m_flowUnitLabel->GetLabel(), "l/min ");
    EXPECT_EQ(In(frame).m_pressureUnitLabel->GetLabel(), "PSI");
    // No flow-unit item is checked for an index no table knows.
    for (wxMenuItem* item : In(frame).m_unitItems) {
        EXPECT_FALSE(item->IsChecked());
    }
}

TEST_F(MainFrameTest, ClosingWithUnsavedRecordingsAnsweredYesKeepsTheWindowAndWritesNothing) {
    MainFrame* frame = Start();
    AddRecording();
    std::remove(ConfigPath().c_str());
    wxTEST_DIALOG(frame->Close(true), wxExpectModal<wxMessageDialog>(wxID_YES));
    PumpEvents(50);
    ASSERT_TRUE(m_frame);
    EXPECT_FALSE(frame->IsBeingDeleted());
    EXPECT_TRUE(ReadConfig().empty());
}

TEST_F(MainFrameTest, ClosingWithUnsavedRecordingsAnsweredNoClosesAndWritesTheConfiguration) {
    MainFrame* frame = Start({0, 112, 1027, 0, 3, 1, 0});
    AddRecording();
    std::remove(ConfigPath().c_str());
    wxTEST_DIALOG(frame->Close(true), wxExpectModal<wxMessageDialog>(wxID_NO));
    WaitForDestroyed();
    EXPECT_EQ(ReadConfig(), "0\n112\n1027\n0\n3\n1\n0\n");
}

TEST_F(MainFrameTest, ClosingWithoutRecordingsOrAfterSavingAsksNothing) {
    MainFrame* frame = Start();
    frame->Close(true); // an unexpected dialog would fail the test
    WaitForDestroyed();
    EXPECT_EQ(ReadConfig(), "1\n98\n0\n0\n0\n0\n0\n");

    frame = Start();
    AddRecording();
    In(frame).m_saved = true;
    Command(ID_EXIT);
    WaitForDestroyed();
}

TEST_F(MainFrameTest, AMissingConfigurationFolderIsCreatedAtExit) {
    const std::string previous = getenv("XDG_CONFIG_HOME");
    const std::string fresh = std::string(getenv("HOME")) + "/fresh-account";
    setenv("XDG_CONFIG_HOME", (fresh + "/config").c_str(), 1);
    Start(); // finds no configuration, so it starts on the defaults
    m_frame->Destroy();
    WaitForDestroyed();
    EXPECT_EQ(ReadConfig(), "1\n98\n0\n1\n0\n0\n0\n");
    setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    std::filesystem::remove_all(fresh);
}

TEST_F(MainFrameTest, AbsoluteTimeTwiceRestoresElapsedTimeAndWritesZero) {
    MainFrame* frame = Start();
    Command(ID_ABSOLUTE_TIME);
    EXPECT_TRUE(AppSettings.absoluteTime);
    EXPECT_TRUE(In(frame).m_absoluteTimeItem->IsChecked());
    EXPECT_TRUE(In(frame).m_plot->absoluteTime);
    EXPECT_EQ(In(frame).m_plot->bottomMargin, 45);
    Command(ID_ABSOLUTE_TIME);
    EXPECT_FALSE(AppSettings.absoluteTime);
    EXPECT_FALSE(In(frame).m_absoluteTimeItem->IsChecked());
    EXPECT_EQ(In(frame).m_plot->bottomMargin, 35);
    frame->Destroy();
    WaitForDestroyed();
    EXPECT_EQ(ReadConfig(), "1\n98\n0\n0\n0\n0\n0\n");
}

TEST_F(MainFrameTest, FlowUnitCommandStoresTheIndexChecksOnlyItsItemAndAsksForARestart) {
    MainFrame* frame = Start();
    wxTEST_DIALOG(Command(ID_FLOW_UNIT_LPS),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("restart message"));
    EXPECT_EQ(AppSettings.flowUnit, 1);
    EXPECT_TRUE(In(frame).m_unitItems[1]->IsChecked());
    EXPECT_FALSE(In(frame).m_unitItems[0]->IsChecked());
    EXPECT_FALSE(In(frame).m_unitItems[2]->IsChecked());
    EXPECT_FALSE(In(frame).m_unitItems[3]->IsChecked());
    // The label keeps the unit of start-up until the unit texts are applied again.
    EXPECT_EQ(In(frame).m_flowUnitLabel->GetLabel(), "l/min ");
    frame->Destroy();
    WaitForDestroyed();
    EXPECT_EQ(ReadConfig(), "1\n98\n0\n0\n1\n0\n0\n");
}

TEST_F(MainFrameTest, TipsEventStoresTheFlag) {
    MainFrame* frame = Start({1, 98, 0, 1, 0, 0, 0});
    EXPECT_TRUE(AppSettings.showTips);
    wxCommandEvent cleared(EVT_TIPS_AT_STARTUP, 0);
    frame->GetEventHandler()->ProcessEvent(cleared);
    EXPECT_FALSE(AppSettings.showTips);
    wxCommandEvent ticked(EVT_TIPS_AT_STARTUP, 1);
    frame->GetEventHandler()->ProcessEvent(ticked);
    EXPECT_TRUE(AppSettings.showTips);
}

TEST_F(MainFrameTest, TipsDialogOpensAtStartupOnlyWhenEnabled) {
    auto tipsDialogs = [] {
        int count = 0;
        for (wxWindow* window : wxTopLevelWindows) {
            if (dynamic_cast<TipsDialog*>(window) != nullptr && !window->IsBeingDeleted()) {
                ++count;
            }
        }
        return count;
    };
    const int before = tipsDialogs();
    Start({1, 98, 0, 0, 0, 0, 0});
    EXPECT_EQ(tipsDialogs(), before);
    m_frame->Destroy();
    WaitForDestroyed();
    Start({1, 98, 0, 1, 0, 0, 0});
    EXPECT_EQ(tipsDialogs(), before + 1);
}

} // namespace
