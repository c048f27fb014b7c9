// Memory download: the logger's recorded events become the recordings collection.
#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "device/DeviceTexts.h"
#include "device/LoggerUsb.h"
#include "device/MemoryDownload.h"

#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/progdlg.h>

#include <memory>

void MainFrame::OnDownload(wxCommandEvent&) {
    DownloadMemory();
}

void MainFrame::DownloadMemory() {
    // Yes keeps the recordings so that the user can save them first.
    if (KeepUnsavedBefore(DeviceTexts::DownloadUnsavedQuestion(),
                          DeviceTexts::DownloadUnsavedCaption())) {
        return;
    }
    MemoryDownload download(*m_usb);
    if (!download.ReadHeader(AppSettings)) {
        ReportUsbError();
        return;
    }
    UpdateFlowUnitChecks();
    auto progress = std::make_unique<wxProgressDialog>(
        DeviceTexts::DownloadProgressTitle(),
        DeviceTexts::DownloadProgressMessage(download.EventCount()), 100, nullptr,
        wxPD_APP_MODAL | wxPD_AUTO_HIDE);
    progress->Pulse("");
    const MemoryDownload::Outcome outcome =
        download.ReadEvents(AppSettings, [&progress] { progress->Pulse(); });
    if (outcome != MemoryDownload::Outcome::Done) {
        progress.reset();
        if (outcome == MemoryDownload::Outcome::TableDamaged) {
            wxLogError("%s", DeviceTexts::DownloadDamagedMemory());
        } else {
            ReportUsbError();
        }
        return;
    }
    ReplaceRecordingsByDownload(std::move(download.Records()));
    // The progress dialog goes before the questions, so that it does not stand over them.
    progress.reset();
    OfferToSaveAndClear();
}

void MainFrame::ReplaceRecordingsByDownload(std::vector<Storage> records) {
    StopLiveRecordingIfRunning();
    m_recordings = std::move(records);
    // The new records share no index with the old ones.
    m_shownIndex = -1;
    m_markedIndex = -1;
    RefreshList();
    m_saved = false;
}

void MainFrame::OfferToSaveAndClear() {
    wxMessageDialog question(nullptr, DeviceTexts::DownloadSaveQuestion(),
                             DeviceTexts::DownloadSaveCaption(), wxYES_NO | wxICON_INFORMATION);
    if (question.ShowModal() == wxID_YES) {
        SaveWorkspaceAs();
    }
    // Only a workspace really written may let the logger's copy go.
    if (m_saved) {
        ClearLoggerMemory();
    }
}
