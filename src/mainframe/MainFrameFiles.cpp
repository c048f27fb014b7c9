#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "files/CsvExport.h"
#include "files/WorkspaceFile.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

MainFrame::WorkspaceReadOutcome MainFrame::ReadWorkspace(const wxString& path) {
    WorkspaceReadResult result = WorkspaceFile::Read(path);
    if (!result.ok && result.records.empty()) {
        // Not one complete record (a file that cannot be opened, an empty file, a file of
        // another kind): the current workspace stays as it is.
        wxLogError("%s", result.error);
        return WorkspaceUnreadable;
    }
    // The live recording's record leaves with the old collection.
    StopLiveRecordingIfRunning();
    m_recordings = std::move(result.records);
    // The new records share no index with the old ones.
    m_shownIndex = -1;
    m_markedIndex = -1;
    if (result.hasUnitSettings) {
        AppSettings.metric = static_cast<std::uint8_t>(result.metric);
        AppSettings.pressureUnit = static_cast<std::uint8_t>(result.pressureUnit);
        AppSettings.flowUnit = static_cast<std::uint8_t>(result.flowUnit);
    }
    UpdateFlowUnitChecks();
    RefreshList();
    if (!result.ok) {
        // A damaged file: keep what was read, but never let Save overwrite the file.
        m_workspacePath = "";
        m_saved = false;
        wxLogError("%s", result.error);
        return WorkspaceDamaged;
    }
    m_workspacePath = path;
    m_saved = true;
    return WorkspaceRead;
}

bool MainFrame::WriteWorkspace() {
    wxString error;
    if (!WorkspaceFile::Write(m_workspacePath, m_recordings, AppSettings.flowUnit, error)) {
        m_saved = false;
        wxLogError("%s", error);
        return false;
    }
    m_saved = true;
    RemoveJournalsOfSavedRecords();
    return true;
}

// Commands

void MainFrame::OpenWorkspaceFile(const wxString& path) {
    if (ReadWorkspace(path) != WorkspaceUnreadable) {
        SetTitle(wxFileName(path).GetFullName());
    }
}

bool MainFrame::KeepUnsavedBefore(const wxString& question, const wxString& caption) {
    if (m_saved || m_recordings.empty()) {
        return false;
    }
    wxMessageDialog ask(nullptr, question, caption, wxYES_NO | wxICON_INFORMATION);
    return ask.ShowModal() == wxID_YES;
}

void MainFrame::ChooseAndOpenWorkspace() {
    // Yes keeps the recordings so that the user can save them first.
    if (KeepUnsavedBefore(wxString::FromUTF8("Doriti sa salvati datele înainte de deschidere?"),
                          wxString::FromUTF8("Înainte de deschidere"))) {
        return;
    }
    wxFileDialog dialog(this, "Deschidere spatiu de lucru VRX Dextrel", "", "",
                        "fisiere VRX (*.vrx)|*.vrx", wxFD_OPEN, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    OpenWorkspaceFile(dialog.GetPath());
}

void MainFrame::OnOpen(wxCommandEvent&) {
    ChooseAndOpenWorkspace();
}

void MainFrame::SaveWorkspace() {
    if (m_workspacePath.empty()) {
        SaveWorkspaceAs();
        return;
    }
    WriteWorkspace();
}

void MainFrame::OnSave(wxCommandEvent&) {
    SaveWorkspace();
}

void MainFrame::SaveWorkspaceAs() {
    wxFileDialog dialog(this, "Salvare Spatiu de lucru", "", "", "fisiere Dextrel (*.vrx)|*.vrx",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    // The workspace names the new file only once it was written.
    const wxString previousPath = m_workspacePath;
    m_workspacePath = WorkspaceFile::WithExtension(dialog.GetPath());
    if (WriteWorkspace()) {
        SetTitle(dialog.GetFilename());
    } else {
        m_workspacePath = previousPath;
    }
}

void MainFrame::OnSaveAs(wxCommandEvent&) {
    SaveWorkspaceAs();
}

void MainFrame::ExportSelectedCsv() {
    const int row = FocusedRow();
    if (row < 0) {
        return;
    }
    const Storage& record = m_recordings[row];
    wxFileDialog dialog(this, "Export Excel", "", CsvExport::DefaultFileName(record.GetDateText()),
                        "Fisiere Excel (*.csv)|*.csv", wxFD_SAVE | wxFD_OVERWRITE_PROMPT,
                        wxDefaultPosition, wxDefaultSize, "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    wxString error;
    if (!CsvExport::Write(CsvExport::WithExtension(dialog.GetPath()), record, AppSettings.flowUnit,
                          error)) {
        wxMessageBox("Fisierul Excel nu poate fi deschis: Este posibil ca fisierul "
                     "sa fie utilizat "
                     "de o alta aplicatie",
                     "Message", wxOK | wxCENTRE);
    }
}

void MainFrame::OnExportCsv(wxCommandEvent&) {
    ExportSelectedCsv();
}
