#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "mainframe/CommandIds.h"
#include "plot/FilterDialog.h"
#include "plot/PlotTextBox.h"
#include "records/Units.h"
#include "widgets/CaptionButton.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/textdlg.h>

void MainFrame::RefreshList() {
    m_recordList->DeleteAllItems();
    for (size_t i = 0; i < m_recordings.size(); ++i) {
        const Storage& record = m_recordings[i];
        const long row = m_recordList->InsertItem(static_cast<long>(i), record.GetTitle());
        const wxString date = record.GetDateText();
        const int blank = date.Find(' ');
        m_recordList->SetItem(row, 1, blank == wxNOT_FOUND ? date : date.Left(blank));
        m_recordList->SetItem(row, 2, blank == wxNOT_FOUND ? wxString() : date.Mid(blank + 1));
        m_recordList->SetItem(row, 3,
                              Units::DurationText(record.GetIntervalMs(), record.GetSampleCount()));
        m_recordList->SetItem(row, 4, Units::ListVolumeText(record.GetLastVolume()));
    }
}

int MainFrame::CurrentItem() const {
    if (m_recordList->GetSelectedItemCount() != 1) {
        return -1;
    }
    return static_cast<int>(m_recordList->GetFocusedItem());
}

int MainFrame::SelectedRow() const {
    const int row = CurrentItem();
    return row >= 0 && row < static_cast<int>(m_recordings.size()) ? row : -1;
}

Storage* MainFrame::SelectedRecord() {
    const int row = SelectedRow();
    return row < 0 ? nullptr : &m_recordings[row];
}

int MainFrame::FocusedRow() const {
    const long row = m_recordList->GetFocusedItem();
    return row >= 0 && row < static_cast<long>(m_recordings.size()) ? static_cast<int>(row) : -1;
}

void MainFrame::ReselectRow(int row) {
    m_recordList->SetFocus();
    // The selection handling acts on the focused row, and a rebuilt list has none: the row
    // takes the focus before it is selected.
    m_recordList->Focus(row);
    // Selecting a row that is still selected raises no event: clear it first, so that the
    // selection handling runs again.
    if (m_recordList->IsSelected(row)) {
        m_recordList->Select(row, false);
    }
    m_recordList->Select(row, true);
    m_recordList->EnsureVisible(row);
}

void MainFrame::SetRecordButtonsEnabled(bool enabled) {
    for (wxButton* button : {m_deleteButton, m_titleButton, m_informationButton, m_textBoxButton,
                             m_flowTargetButton}) {
        button->Enable(enabled);
    }
    GetMenuBar()->Enable(ID_EXPORT_CSV, enabled);
}

// List events

void MainFrame::OnListSelected(wxListEvent&) {
    if (m_recordList->GetSelectedItemCount() == 1) {
        const int row = FocusedRow();
        if (row >= 0) {
            // A newly selected recording is shown unfiltered.
            SetFilter(false);
            ShowRecording(row);
        }
    }
    SetRecordButtonsEnabled(true);
}

void MainFrame::OnListDeselected(wxListEvent&) {
    SetRecordButtonsEnabled(false);
}

void MainFrame::OnListActivated(wxListEvent&) {
    EditTitle(CurrentItem());
}

// Record commands

void MainFrame::EditRecordText(int row, RecordText which) {
    if (row < 0 || row >= static_cast<int>(m_recordings.size())) {
        return;
    }
    Storage& record = m_recordings[row];
    wxString value;
    wxString caption = "Informatii suplimentare..";
    long style = wxOK | wxCANCEL;
    switch (which) {
    case RecordText::Title:
        value = record.GetTitle();
        caption = "Schimbare nume Titlu";
        break;
    case RecordText::Information:
        value = record.GetInformation();
        break;
    case RecordText::TextBox:
        value = record.GetTextBox();
        style |= wxTE_MULTILINE;
        break;
    case RecordText::FlowTarget:
        value = wxString::Format("%f", record.GetFlowTarget());
        caption = wxString::FromUTF8("Ţintă de flux");
        break;
    }

    wxTextEntryDialog dialog(this, value, caption, value, style);
    if (dialog.ShowModal() == wxID_OK) {
        const wxString entered = dialog.GetValue();
        bool changed = true;
        switch (which) {
        case RecordText::Title:
            record.SetTitle(entered.empty() ? wxString("-") : entered);
            break;
        case RecordText::Information:
            record.SetInformation(entered);
            break;
        case RecordText::TextBox:
            record.SetTextBox(entered);
            break;
        case RecordText::FlowTarget: {
            double target = 0.0;
            changed = entered.ToDouble(&target);
            if (changed) {
                record.SetFlowTarget(static_cast<float>(target));
            }
            break;
        }
        }
        if (changed) {
            RefreshList();
            ShowRecording(row);
            m_saved = false;
        }
    }
    ReselectRow(row);
}

void MainFrame::EditTitle(int row) {
    EditRecordText(row, RecordText::Title);
}

void MainFrame::OnTitle(wxCommandEvent&) {
    EditTitle(CurrentItem());
}
void MainFrame::OnInformation(wxCommandEvent&) {
    EditRecordText(CurrentItem(), RecordText::Information);
}
void MainFrame::OnTextBox(wxCommandEvent&) {
    EditRecordText(CurrentItem(), RecordText::TextBox);
}
void MainFrame::OnFlowTarget(wxCommandEvent&) {
    EditRecordText(CurrentItem(), RecordText::FlowTarget);
}

void MainFrame::DeleteRecording(int row) {
    if (row < 0 || row >= static_cast<int>(m_recordings.size())) {
        return;
    }
    // Deleting the live recording's record ends the recording, so that no sample goes elsewhere.
    if (row == 0) {
        StopLiveRecordingIfRunning();
    }
    RemoveJournalOf(m_recordings[row]);
    m_recordings.erase(m_recordings.begin() + row);
    // Indices of the records after the deleted one move down by one; the deleted one is gone.
    auto afterErase = [row](int index) {
        return index == row ? -1 : index > row ? index - 1 : index;
    };
    m_shownIndex = afterErase(m_shownIndex);
    m_markedIndex = afterErase(m_markedIndex);
    RefreshList();
    ShowRecording(-1);
    m_saved = false;
    if (m_recordings.empty()) {
        return;
    }
    // The row before the deleted one (row 0 when the first was deleted) becomes the current
    // item: focused before it is selected, so that the selection shows it.
    const int next = row == 0 ? 0 : row - 1;
    m_recordList->SetFocus();
    m_recordList->Focus(next);
    m_recordList->Select(next, true);
    m_recordList->EnsureVisible(next);
}

void MainFrame::OnDelete(wxCommandEvent&) {
    DeleteRecording(SelectedRow());
}

// Filter

void MainFrame::SetFilter(bool on) {
    const int row = FocusedRow();
    if (row < 0) {
        return;
    }
    m_filterOn = on;
    SetButtonLatched(m_filterButton, "filter", m_filterOn);
    m_recordings[row].ApplyFilter(m_filterOn, m_filterHalfWidth);
    ShowRecording(row);
}

void MainFrame::OnFilter(wxCommandEvent&) {
    SetFilter(!m_filterOn);
}

void MainFrame::ChangeFilterWidth() {
    FilterDialog dialog(this, m_filterHalfWidth);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    m_filterHalfWidth = dialog.GetHalfWidth();
    const int row = FocusedRow();
    if (row < 0) {
        return;
    }
    // Re-applies a filter that was on with the new width; one that was off stays off.
    m_recordings[row].ApplyFilter(false, m_filterHalfWidth);
    SetFilter(m_filterOn);
}

void MainFrame::OnFilterSettings(wxCommandEvent&) {
    ChangeFilterWidth();
}

// Text box

void MainFrame::OnPlotTextBox(wxCommandEvent&) {
    // The plot reports where the text box was drawn: the selected recording keeps it.
    if (Storage* record = SelectedRecord()) {
        record->SetTextBoxPosition(m_textBoxLayer->GetTextBoxX(), m_textBoxLayer->GetTextBoxY());
    }
}
