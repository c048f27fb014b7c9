#include "device/DeviceWindowFixture.h"
#include "device/JournalFolder.h"
#include "device/JournalTexts.h"
#include "device/LiveRecording.h"
#include "mainframe/CommandIds.h"
#include "support/CapturedLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

// The window's live journals: kept while a live record is unsaved, gone after Save and Delete,
// and offered for restoring by the next start.
namespace {

namespace Sim = SimulatedLogger;
namespace fs = std::filesystem;

class LiveJournalWindowTest : public DeviceWindowFixture {
protected:
    void SetUp() override {
        DeviceWindowFixture::SetUp();
        // Other tests' windows leave their journals behind, as a crash would.
        std::error_code ignored;
        fs::remove_all(Folder(), ignored);
    }
    static std::string Folder() { return std::string(JournalFolder::Path().utf8_str()); }
    static std::vector<std::string> Files() {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(Folder(), ignored)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    void StartLive() { Command(ID_LIVE_START, wxEVT_BUTTON); }
    void StopLive() { Command(ID_LIVE_STOP, wxEVT_BUTTON); }
    void LiveTicks(int count) {
        for (int i = 0; i < count; ++i) {
            Sim::AdvanceTime(1000 + 500 * (i % 3));
            LiveTick();
        }
    }
    // A live recording of ticks ticks, left unsaved by a window that then goes away as a crash
    // would take it: nothing is saved or deleted. Returns the record it held.
    Storage RecordAndAbandon(int ticks) {
        StartOnLogger();
        AddSavedRecording("Memorie 1");
        StartLive();
        LiveTicks(ticks);
        const Storage held = Frame().m_recordings.front();
        Frame().m_saved = true; // no exit prompt
        m_frame->Destroy();
        WaitForDestroyed();
        return held;
    }
    void Save() {
        Frame().m_workspacePath = wxString::FromUTF8(Folder() + "/../saved.vrx");
        Command(ID_SAVE_WORKSPACE);
    }
    // The restore question for these records, answered with id.
    static MessageAnswer Offer(const std::vector<const Storage*>& records, int id) {
        return MessageAnswer(id, JournalTexts::RestoreQuestion(records),
                             JournalTexts::RestoreCaption(), wxYES_NO | wxCANCEL);
    }
    void OfferRestore() { m_frame->OfferToRestoreLiveRecordings(); }
};

bool SameSamples(const Storage& a, const Storage& b) {
    return a.GetTimes() == b.GetTimes() && a.GetFlows() == b.GetFlows() &&
           a.GetPressures() == b.GetPressures() && a.GetVolumes() == b.GetVolumes();
}

TEST_F(LiveJournalWindowTest, TheJournalOutlivesStopAndGoesWithSaveOrDelete) {
    StartOnLogger();
    StartLive();
    ASSERT_EQ(Files().size(), 1u);
    LiveTicks(3);
    // A save while the recording runs does not make its later samples safe.
    Save();
    EXPECT_TRUE(Frame().m_saved);
    EXPECT_EQ(Files().size(), 1u);
    StopLive();
    EXPECT_EQ(Files().size(), 1u);
    Save();
    EXPECT_TRUE(Files().empty());

    // Two live records: Delete takes exactly the deleted one's journal.
    StartLive();
    LiveTicks(1);
    StopLive();
    StartLive();
    LiveTicks(1);
    ASSERT_EQ(Files().size(), 2u);
    const std::string second = std::string(Frame().m_recordings[0].GetJournalPath().utf8_str());
    SelectOnly(1);
    Command(ID_DELETE, wxEVT_BUTTON);
    EXPECT_EQ(Files(), std::vector<std::string>{fs::path(second).filename().string()});
    SelectOnly(0);
    Command(ID_DELETE, wxEVT_BUTTON); // the running one: the recording ends with it
    EXPECT_FALSE(Frame().m_liveRecording);
    EXPECT_TRUE(Files().empty());
}

TEST_F(LiveJournalWindowTest, TheNextStartRestoresTheRecordAsTheLiveRecordingHadIt) {
    const Storage held = RecordAndAbandon(7);
    ASSERT_GT(held.GetSampleCount(), 7);
    StartOnLogger();
    AddSavedRecording("Deschis");
    Frame().m_shownIndex = 0;
    wxTEST_DIALOG(OfferRestore(), Offer({&held}, wxID_YES));
    ASSERT_EQ(Frame().m_recordings.size(), 2u);
    const Storage& restored = Frame().m_recordings[0];
    EXPECT_EQ(restored.GetTitle(), held.GetTitle());
    EXPECT_EQ(restored.GetDateText(), held.GetDateText());
    EXPECT_EQ(restored.GetIntervalMs(), held.GetIntervalMs());
    EXPECT_EQ(restored.GetSerialNumber(), held.GetSerialNumber());
    EXPECT_EQ(restored.GetPressureUnit(), held.GetPressureUnit());
    EXPECT_TRUE(SameSamples(restored, held));
    EXPECT_FALSE(Frame().m_saved);
    EXPECT_EQ(Frame().m_shownIndex, 1);
    EXPECT_EQ(Frame().m_recordList->GetItemText(0), held.GetTitle());
    // Restored, it is still unsaved: the journal stays until the record is saved.
    EXPECT_EQ(Files().size(), 1u);
    Save();
    EXPECT_TRUE(Files().empty());
}

TEST_F(LiveJournalWindowTest, LaterKeepsTheJournalsAndDiscardRemovesThem) {
    const Storage first = RecordAndAbandon(2);
    const Storage second = RecordAndAbandon(4);
    ASSERT_EQ(Files().size(), 2u);
    StartOnLogger();
    wxTEST_DIALOG(OfferRestore(), Offer({&first, &second}, wxID_CANCEL));
    EXPECT_TRUE(Frame().m_recordings.empty());
    EXPECT_EQ(Files().size(), 2u);
    wxTEST_DIALOG(OfferRestore(), Offer({&first, &second}, wxID_NO));
    EXPECT_TRUE(Frame().m_recordings.empty());
    EXPECT_TRUE(Files().empty());
    OfferRestore(); // nothing left: no question
}

TEST_F(LiveJournalWindowTest, BothRestoredTheNewestStandsInFront) {
    const Storage first = RecordAndAbandon(2);
    const Storage second = RecordAndAbandon(4);
    StartOnLogger();
    wxTEST_DIALOG(OfferRestore(), Offer({&first, &second}, wxID_YES));
    ASSERT_EQ(Frame().m_recordings.size(), 2u);
    EXPECT_TRUE(SameSamples(Frame().m_recordings[0], second));
    EXPECT_TRUE(SameSamples(Frame().m_recordings[1], first));
    // Deleting one restored record removes only its journal.
    SelectOnly(1);
    Command(ID_DELETE, wxEVT_BUTTON);
    EXPECT_EQ(Files().size(), 1u);
}

TEST_F(LiveJournalWindowTest, AJournalInUseByARunningCopyIsNotOffered) {
    StartOnLogger();
    StartLive();
    LiveTicks(2);
    // The same window asks: its own running journal is locked, so nothing is offered.
    OfferRestore();
    EXPECT_EQ(Frame().m_recordings.size(), 1u);
    EXPECT_EQ(Files().size(), 1u);
}

TEST_F(LiveJournalWindowTest, AnUnreadableJournalIsReportedOnceAndKeptAside) {
    fs::create_directories(Folder());
    std::ofstream(Folder() + "/live-broken.journal") << "DXLJ garbage";
    StartOnLogger();
    {
        CapturedLog log;
        OfferRestore();
        EXPECT_NE(log.errors.Find("live-broken.journal"), wxNOT_FOUND) << log.errors;
        EXPECT_NE(log.errors.Find("live-broken.journal.unreadable"), wxNOT_FOUND);
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"live-broken.journal.unreadable"});
    CapturedLog log;
    OfferRestore();
    EXPECT_TRUE(log.errors.empty());
    EXPECT_TRUE(Frame().m_recordings.empty());
}

} // namespace
