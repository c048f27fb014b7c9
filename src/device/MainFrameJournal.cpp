// The crash journals of live recordings: written while a live recording runs, removed once its
// record is saved or deleted, and offered for restoring at the next start after a crash.
#include "mainframe/MainFrame.h"

#include "device/JournalFolder.h"
#include "device/JournalTexts.h"

#include <wx/log.h>
#include <wx/msgdlg.h>

void MainFrame::StartLiveJournal(Storage& record) {
    LiveJournal journal;
    wxString error;
    if (!journal.Create(JournalFolder::Path(), record, error)) {
        wxLogError("%s", JournalTexts::CreateFailed(error));
        return;
    }
    KeepJournal(record, std::move(journal));
}

void MainFrame::KeepJournal(Storage& record, LiveJournal journal) {
    record.SetJournalPath(journal.GetPath());
    m_journals[journal.GetPath()] = std::move(journal);
}

void MainFrame::AppendToLiveJournal(const unsigned char* block) {
    Storage& record = m_recordings.front();
    const auto found = m_journals.find(record.GetJournalPath());
    if (found == m_journals.end() || found->second.AppendTick(block)) {
        return;
    }
    // What was flushed stays on the disk; the recording goes on without a journal.
    wxLogError("%s", JournalTexts::WriteFailed(found->first));
    m_journals.erase(found);
    record.SetJournalPath("");
}

void MainFrame::RemoveJournalOf(Storage& record) {
    const auto found = m_journals.find(record.GetJournalPath());
    if (found != m_journals.end()) {
        found->second.Remove();
        m_journals.erase(found);
    }
    record.SetJournalPath("");
}

void MainFrame::RemoveJournalsOfSavedRecords() {
    for (std::size_t i = 0; i < m_recordings.size(); ++i) {
        // A recording still running gets samples the saved file does not have.
        if (m_liveRecording && i == 0) {
            continue;
        }
        RemoveJournalOf(m_recordings[i]);
    }
}

void MainFrame::OfferToRestoreLiveRecordings() {
    std::vector<EarlierJournal> found = JournalFolder::TakeEarlier(JournalFolder::Path());
    std::vector<EarlierJournal> readable;
    for (EarlierJournal& earlier : found) {
        if (earlier.contents.readable) {
            readable.push_back(std::move(earlier));
            continue;
        }
        const wxString path = earlier.journal.GetPath();
        const wxString aside = JournalFolder::SetAside(earlier.journal);
        wxLogError("%s", JournalTexts::Unreadable(path, earlier.contents.problem, aside));
    }
    if (readable.empty()) {
        return;
    }
    std::vector<const Storage*> records;
    for (const EarlierJournal& earlier : readable) {
        records.push_back(&earlier.contents.record);
    }
    wxMessageDialog ask(this, JournalTexts::RestoreQuestion(records),
                        JournalTexts::RestoreCaption(), wxYES_NO | wxCANCEL | wxICON_QUESTION);
    ask.SetExtendedMessage(JournalTexts::RestoreExplanation());
    // Escape and the window's close box answer Cancel: that must be the choice that loses nothing.
    ask.SetYesNoCancelLabels(JournalTexts::RestoreLabel(), JournalTexts::DiscardLabel(),
                             JournalTexts::LaterLabel());
    const int answer = ask.ShowModal();
    if (answer == wxID_YES) {
        RestoreJournals(readable);
    } else if (answer == wxID_NO) {
        for (EarlierJournal& earlier : readable) {
            earlier.journal.Remove();
        }
    }
    // Otherwise the journals close with the list and wait for a later start.
}

void MainFrame::RestoreJournals(std::vector<EarlierJournal>& journals) {
    // Oldest first, each in front: the newest ends on top, as the live starts had put them.
    for (EarlierJournal& earlier : journals) {
        m_recordings.insert(m_recordings.begin(), std::move(earlier.contents.record));
        KeepJournal(m_recordings.front(), std::move(earlier.journal));
    }
    const int count = static_cast<int>(journals.size());
    if (m_shownIndex >= 0) {
        m_shownIndex += count;
    }
    if (m_markedIndex >= 0) {
        m_markedIndex += count;
    }
    m_saved = false;
    RefreshList();
}
