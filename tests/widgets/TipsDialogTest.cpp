#include "widgets/TipsDialog.h"

#include "support/GuiTestSupport.h"
#include "widgets/ResourceBitmap.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <set>

namespace {

class TipsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new wxFrame(nullptr, wxID_ANY, "owner");
        m_frame->Bind(EVT_TIPS_AT_STARTUP, [this](wxCommandEvent& event) {
            m_notices.push_back(event.GetId());
            m_noticeSender = event.GetEventObject();
        });
    }
    void TearDown() override { delete m_frame; }

    void PressNextTip(TipsDialog* dialog) {
        wxCommandEvent event(wxEVT_BUTTON, TipsDialog::kNextTipId);
        dialog->GetEventHandler()->ProcessEvent(event);
    }

    void Toggle(TipsDialog* dialog, bool ticked) {
        wxCheckBox* box = dialog->GetShowCheckBox();
        box->SetValue(ticked);
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(ticked ? 1 : 0);
        box->GetEventHandler()->ProcessEvent(event);
    }

    wxFrame* m_frame = nullptr;
    std::vector<int> m_notices;
    wxObject* m_noticeSender = nullptr;
};

TEST_F(TipsDialogTest, HoldsTheSevenTipsWithTheirExactBlanks) {
    TipsDialog* dialog = new TipsDialog(m_frame, true);
    const std::vector<Tip>& tips = dialog->GetTips();
    ASSERT_EQ(tips.size(), 7u);
    EXPECT_NE(tips[0].GetText().Find("timp real  masuratorile"), wxNOT_FOUND);
    EXPECT_TRUE(tips[4].GetText().EndsWith("modificari. "));
    EXPECT_TRUE(tips[5].GetText().StartsWith(" Miscati"));
    EXPECT_TRUE(tips[6].GetText().EndsWith("Excel. "));
    EXPECT_NE(tips[1].GetText().Find(wxString::FromUTF8("\xC3\xAEnregistrarii")), wxNOT_FOUND);
    const wxSize pictures[] = {{70, 70}, {70, 70}, {70, 70}, {70, 70},
                               {50, 50}, {70, 70}, {50, 50}};
    for (size_t i = 0; i < tips.size(); ++i) {
        ASSERT_TRUE(tips[i].GetPicture().IsOk()) << i;
        EXPECT_EQ(tips[i].GetPicture().GetSize(), pictures[i]) << i;
    }
    EXPECT_EQ(dialog->GetTitle(), "Sfaturi ajutatoare");
}

TEST_F(TipsDialogTest, CheckBoxStartsAsAsked) {
    EXPECT_TRUE((new TipsDialog(m_frame, true))->GetShowCheckBox()->GetValue());
    EXPECT_FALSE((new TipsDialog(m_frame, false))->GetShowCheckBox()->GetValue());
    EXPECT_EQ((new TipsDialog(m_frame, false))->GetShowCheckBox()->GetLabel(),
              "Afisarea sfaturilor la pornire");
}

TEST_F(TipsDialogTest, SevenNextTipsComeBackToTheFirst) {
    TipsDialog* dialog = new TipsDialog(m_frame, true);
    const int first = dialog->GetCurrentTip();
    ASSERT_GE(first, 0);
    ASSERT_LT(first, 7);
    for (int k = 1; k <= 7; ++k) {
        PressNextTip(dialog);
        EXPECT_EQ(dialog->GetCurrentTip(), (first + k) % 7);
    }
    EXPECT_EQ(dialog->GetCurrentTip(), first);
}

TEST_F(TipsDialogTest, FirstTipIsChosenAtRandom) {
    std::set<int> firsts;
    for (int k = 0; k < 30; ++k) {
        TipsDialog* dialog = new TipsDialog(m_frame, true);
        firsts.insert(dialog->GetCurrentTip());
        dialog->Destroy();
    }
    EXPECT_GT(firsts.size(), 1u);
    EXPECT_GE(*firsts.begin(), 0);
    EXPECT_LT(*firsts.rbegin(), 7);
}

TEST_F(TipsDialogTest, ClearingAndTickingTheBoxNotifiesTheOwnerAtOnce) {
    TipsDialog* dialog = new TipsDialog(m_frame, true);
    Toggle(dialog, false);
    EXPECT_EQ(m_notices, std::vector<int>{0});
    EXPECT_EQ(m_noticeSender, dialog);
    Toggle(dialog, true);
    EXPECT_EQ(m_notices, (std::vector<int>{0, 1}));
}

TEST_F(TipsDialogTest, PaintsPictureAndTextOfTheCurrentTip) {
    TipsDialog* dialog = new TipsDialog(m_frame, true);
    dialog->SetCurrentTip(4);
    wxBitmap bitmap(500, 100, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dialog->Paint(dc);
    dc.SelectObject(wxNullBitmap);

    const wxBitmap picture = ResourceBitmap("open_normal");
    EXPECT_EQ(PixelAt(bitmap, 10 + 25, 10 + 40), PixelAt(picture, 25, 40));
    const wxImage image = bitmap.ConvertToImage();
    int inkRows = 0;
    for (int y = 15; y < 55; ++y) {
        bool ink = false;
        for (int x = 100; x < 500 && !ink; ++x) {
            ink = image.GetRed(x, y) < 100;
        }
        inkRows += ink ? 1 : 0;
    }
    EXPECT_GT(inkRows, 10) << "two lines of text from x = 100";
}

TEST_F(TipsDialogTest, OkAndCloseBoxHideTheDialog) {
    TipsDialog* dialog = new TipsDialog(m_frame, true);
    dialog->Show(true);
    ASSERT_TRUE(dialog->IsShown());
    wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
    dialog->GetEventHandler()->ProcessEvent(ok);
    EXPECT_FALSE(dialog->IsShown());

    dialog->Show(true);
    dialog->Close(); // the close box
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_TRUE(m_notices.empty()) << "closing does not change the setting";
}

} // namespace
