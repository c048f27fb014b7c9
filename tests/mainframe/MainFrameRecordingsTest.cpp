#include "mainframe/CommandIds.h"
#include "mainframe/MainFrameFixture.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotValueAxis.h"
#include "plot/PlotVectorSeries.h"
#include "support/GuiTestSupport.h"
#include "widgets/CaptionButton.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/testing.h>
#include <wx/textdlg.h>

namespace {

// Answers a text-entry dialog with a text and OK, or cancels it.
class TextEntryAnswer : public wxExpectModalBase<wxTextEntryDialog, TextEntryAnswer> {
public:
    TextEntryAnswer(const wxString& text, int id = wxID_OK) : m_text(text), m_id(id) {}

protected:
    int OnInvoked(wxTextEntryDialog* dialog) const override {
        seenCaption = dialog->GetTitle();
        seenValue = dialog->GetValue();
        dialog->SetValue(m_text);
        return m_id;
    }

public:
    static wxString seenCaption;
    static wxString seenValue;

private:
    wxString m_text;
    int m_id;
};
wxString TextEntryAnswer::seenCaption;
wxString TextEntryAnswer::seenValue;

class RecordingsListTest : public MainFrameFixture {
protected:
    wxString Cell(int row, int column) {
        return In(m_frame).m_recordList->GetItemText(row, column);
    }
};

TEST_F(RecordingsListTest, RowsShowTitleDateTimeDurationAndVolume) {
    struct Case {
        const char* date;
        int intervalMs;
        int samples;
        const char* dateCell;
        const char* timeCell;
        const char* duration;
    };
    const Case cases[] = {
        {"12/03/2010 14:05:09", 1000, 3600, "12/03/2010", "14:05:09", "01:00:00"},
        {"12/03/2010", 1000, 59, "12/03/2010", "", "00:59"},
        {"01/01/2011 00:00:00", 90000 * 10, 100, "01/01/2011", "00:00:00", "01:00:00"},
    };
    Start();
    for (const Case& c : cases) {
        Storage record(c.date, c.intervalMs, 1, false, 0, 1);
        for (int i = 0; i < c.samples; ++i) {
            record.AddSample(static_cast<float>(i), 1.0f, 1.0f, 1.5f);
        }
        In(m_frame).m_recordings.push_back(record);
    }
    m_frame->RefreshList();
    ASSERT_EQ(In(m_frame).m_recordList->GetItemCount(), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(cases[row].date);
        EXPECT_EQ(Cell(row, 0), "1");
        EXPECT_EQ(Cell(row, 1), cases[row].dateCell);
        EXPECT_EQ(Cell(row, 2), cases[row].timeCell);
        EXPECT_EQ(Cell(row, 3), cases[row].duration);
        EXPECT_EQ(Cell(row, 4), "1.50");
    }
    wxListItem header;
    header.SetMask(wxLIST_MASK_TEXT);
    In(m_frame).m_recordList->GetColumn(4, header);
    EXPECT_EQ(header.GetText(), "Volum (L)");
}

TEST_F(RecordingsListTest, SelectingARowShowsItWithTheFilterOffAndEnablesTheCommands) {
    Start();
    AddRecording("A");
    Storage& second = AddRecording("B");
    second.ApplyFilter(true, 2);
    SelectOnly(1);
    EXPECT_EQ(In(m_frame).m_shownIndex, 1);
    EXPECT_FALSE(In(m_frame).m_recordings[1].IsFiltered());
    EXPECT_FALSE(In(m_frame).m_filterOn);
    EXPECT_TRUE(In(m_frame).m_titleButton->IsEnabled());
    EXPECT_TRUE(m_frame->GetMenuBar()->IsEnabled(ID_EXPORT_CSV));
    EXPECT_EQ(In(m_frame).m_flowSeries->GetName(), "B 05/03/2012 14:30:05");

    In(m_frame).m_recordList->Select(1, false);
    EXPECT_FALSE(In(m_frame).m_titleButton->IsEnabled());
    EXPECT_FALSE(m_frame->GetMenuBar()->IsEnabled(ID_EXPORT_CSV));
}

TEST_F(RecordingsListTest, FilterButtonSwitchesTheShownRecordingsFilter) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    const std::vector<float> raw = In(m_frame).m_recordings[0].GetPressures();
    Command(ID_FILTER, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_filterOn);
    EXPECT_TRUE(In(m_frame).m_recordings[0].IsFiltered());
    EXPECT_TRUE(In(m_frame).m_filterButton->GetBitmapLabel().IsSameAs(
        In(m_frame).m_filterButton->GetBitmapPressed()));
    Command(ID_FILTER, wxEVT_BUTTON);
    EXPECT_FALSE(In(m_frame).m_filterOn);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetPressures(), raw);
    EXPECT_FALSE(In(m_frame).m_filterButton->GetBitmapLabel().IsSameAs(
        In(m_frame).m_filterButton->GetBitmapPressed()));
}

TEST_F(RecordingsListTest, TitleDialogStoresTheTextOrADashForAnEmptyOne) {
    Start();
    AddRecording("Old");
    SelectOnly(0);
    wxTEST_DIALOG(Command(ID_TITLE, wxEVT_BUTTON), TextEntryAnswer("New"));
    EXPECT_EQ(TextEntryAnswer::seenCaption, "Schimbare nume Titlu");
    EXPECT_EQ(TextEntryAnswer::seenValue, "Old");
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "New");
    EXPECT_EQ(In(m_frame).m_recordList->GetItemText(0, 0), "New");
    EXPECT_FALSE(In(m_frame).m_saved);

    wxTEST_DIALOG(Command(ID_TITLE, wxEVT_BUTTON), TextEntryAnswer(""));
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "-");
}

TEST_F(RecordingsListTest, DoubleClickOpensTheTitleDialog) {
    Start();
    AddRecording("Old");
    SelectOnly(0);
    wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, ID_RECORD_LIST);
    activated.m_itemIndex = 0;
    wxTEST_DIALOG(m_frame->GetEventHandler()->ProcessEvent(activated), TextEntryAnswer("Dbl"));
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "Dbl");
}

TEST_F(RecordingsListTest, CancellingStillReselectsTheRowAndSwitchesItsFilterOff) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    Command(ID_FILTER, wxEVT_BUTTON);
    ASSERT_TRUE(In(m_frame).m_recordings[0].IsFiltered());
    In(m_frame).m_saved = true;
    wxTEST_DIALOG(Command(ID_TITLE, wxEVT_BUTTON), TextEntryAnswer("ignored", wxID_CANCEL));
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "A");
    EXPECT_TRUE(In(m_frame).m_saved);
    // Reselecting the row raises the selection event, which switches the filter off.
    EXPECT_TRUE(WaitFor([&] { return !In(m_frame).m_recordings[0].IsFiltered(); }));
}

TEST_F(RecordingsListTest, InformationAndTextBoxKeepEmptyTexts) {
    Start();
    Storage& record = AddRecording("A");
    record.SetInformation("info");
    SelectOnly(0);
    wxTEST_DIALOG(Command(ID_INFORMATION, wxEVT_BUTTON), TextEntryAnswer(""));
    EXPECT_EQ(TextEntryAnswer::seenCaption, "Informatii suplimentare..");
    EXPECT_EQ(In(m_frame).m_recordings[0].GetInformation(), "");
    wxTEST_DIALOG(Command(ID_TEXT_BOX, wxEVT_BUTTON), TextEntryAnswer("AB\nC"));
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTextBox(), "AB\nC");
    EXPECT_EQ(In(m_frame).m_textBoxLayer->GetText(), "AB\nC");
}

TEST_F(RecordingsListTest, FlowTargetTakesNumbersAndIgnoresLetters) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    wxTEST_DIALOG(Command(ID_FLOW_TARGET, wxEVT_BUTTON), TextEntryAnswer("abc"));
    EXPECT_EQ(TextEntryAnswer::seenValue, "0.000000");
    EXPECT_EQ(TextEntryAnswer::seenCaption, wxString::FromUTF8("Ţintă de flux"));
    EXPECT_FALSE(In(m_frame).m_recordings[0].HasFlowTarget());
    EXPECT_FALSE(In(m_frame).m_targetSeries->IsVisible());

    wxTEST_DIALOG(Command(ID_FLOW_TARGET, wxEVT_BUTTON), TextEntryAnswer("12.5"));
    EXPECT_FLOAT_EQ(In(m_frame).m_recordings[0].GetFlowTarget(), 12.5f);
    EXPECT_TRUE(In(m_frame).m_targetSeries->IsVisible());
    EXPECT_EQ(In(m_frame).m_flowAxis->topKeyLabel, wxString::FromUTF8("Ţintă de flux"));
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(In(m_frame).m_targetSeries->PointAt(x, y, z, 0));
    EXPECT_DOUBLE_EQ(y, 12.5);
}

TEST_F(RecordingsListTest, TwoSelectedRowsMakeTheTextCommandsAndDeleteDoNothing) {
    Start();
    AddRecording("A");
    AddRecording("B");
    SelectOnly(0);
    In(m_frame).m_recordList->Select(1, true);
    ASSERT_EQ(In(m_frame).m_recordList->GetSelectedItemCount(), 2);
    wxTEST_DIALOG(Command(ID_TITLE, wxEVT_BUTTON), TextEntryAnswer("X").Optional());
    Command(ID_DELETE, wxEVT_BUTTON);
    EXPECT_EQ(In(m_frame).m_recordings.size(), 2u);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "A");
    EXPECT_EQ(In(m_frame).m_recordings[1].GetTitle(), "B");
}

TEST_F(RecordingsListTest, DeletingRowZeroOfThreeSelectsTheNewRowZero) {
    Start();
    AddRecording("A");
    AddRecording("B");
    AddRecording("C");
    SelectOnly(0);
    In(m_frame).m_saved = true;
    Command(ID_DELETE, wxEVT_BUTTON);
    ASSERT_EQ(In(m_frame).m_recordings.size(), 2u);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "B");
    EXPECT_EQ(In(m_frame).m_recordList->GetItemCount(), 2);
    EXPECT_TRUE(In(m_frame).m_recordList->IsSelected(0));
    EXPECT_EQ(In(m_frame).m_shownIndex, 0);
    EXPECT_EQ(In(m_frame).m_flowSeries->GetName(), "B 05/03/2012 14:30:05");
    EXPECT_FALSE(In(m_frame).m_saved);
}

TEST_F(RecordingsListTest, DeletingTheOnlyRowLeavesTheListEmptyAndThePlotUnchanged) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    const int points = In(m_frame).m_flowSeries->PointCount();
    Command(ID_DELETE, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_recordings.empty());
    EXPECT_EQ(In(m_frame).m_recordList->GetItemCount(), 0);
    EXPECT_EQ(In(m_frame).m_flowSeries->PointCount(), points);
}

TEST_F(RecordingsListTest, ConfirmingAnEditReselectsTheRowAndSwitchesItsFilterOff) {
    struct Case {
        int command;
        const char* answer;
    };
    const Case cases[] = {
        {ID_TITLE, "New"}, {ID_INFORMATION, "info"}, {ID_TEXT_BOX, "box"}, {ID_FLOW_TARGET, "3"}};
    Start();
    AddRecording("A");
    AddRecording("B");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        SelectOnly(1);
        Command(ID_FILTER, wxEVT_BUTTON);
        ASSERT_TRUE(In(m_frame).m_recordings[1].IsFiltered());
        wxTEST_DIALOG(Command(c.command, wxEVT_BUTTON), TextEntryAnswer(c.answer));
        EXPECT_FALSE(In(m_frame).m_recordings[1].IsFiltered());
        EXPECT_FALSE(In(m_frame).m_filterOn);
        EXPECT_EQ(In(m_frame).m_recordList->GetFocusedItem(), 1);
        EXPECT_TRUE(In(m_frame).m_recordList->IsSelected(1));
        EXPECT_EQ(In(m_frame).m_shownIndex, 1);
        EXPECT_TRUE(In(m_frame).m_titleButton->IsEnabled());
    }
}

} // namespace
