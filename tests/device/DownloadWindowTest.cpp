#include "app/AppSettings.h"
#include "device/DeviceTexts.h"
#include "device/DeviceWindowFixture.h"
#include "files/WorkspaceFile.h"
#include "mainframe/CommandIds.h"
#include "support/CapturedLog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// The Download button on the simulated logger: the records it builds, the save question, the
// memory clear after a real save, failures, and the question before unsaved work is dropped.
namespace {

namespace Sim = SimulatedLogger;
namespace fs = std::filesystem;

class DownloadWindowTest : public DeviceWindowFixture {
protected:
    void TearDown() override {
        DeviceWindowFixture::TearDown();
        fs::remove(m_path.ToStdString());
    }
    void Download() { Command(ID_DOWNLOAD, wxEVT_BUTTON); }
    static MessageAnswer SaveQuestion(int answer) {
        return MessageAnswer(answer, DeviceTexts::DownloadSaveQuestion(),
                             DeviceTexts::DownloadSaveCaption(), wxYES_NO | wxICON_INFORMATION);
    }
    static MessageAnswer UnsavedQuestion(int answer) {
        return MessageAnswer(answer, DeviceTexts::DownloadUnsavedQuestion(),
                             DeviceTexts::DownloadUnsavedCaption(), wxYES_NO | wxICON_INFORMATION);
    }
    static MessageAnswer ClearQuestion(int answer) {
        return MessageAnswer(answer, DeviceTexts::ClearQuestion(), DeviceTexts::ClearCaption(),
                             wxOK | wxCANCEL);
    }
    void ExpectDownloaded() {
        std::vector<Storage>& records = Frame().m_recordings;
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].GetTitle(), "Memorie 1");
        EXPECT_EQ(records[1].GetTitle(), "Memorie 2");
        EXPECT_EQ(records[0].GetSampleCount(), 100);
        EXPECT_EQ(records[1].GetSerialNumber(), 4711);
        EXPECT_EQ(Frame().m_recordList->GetItemCount(), 2);
    }
    void ExpectKept(const wxString& title) {
        ASSERT_EQ(Frame().m_recordings.size(), 1u);
        EXPECT_EQ(Frame().m_recordings[0].GetTitle(), title);
    }

    wxString m_path = wxString(std::getenv("HOME")) + "/download.vrx";
};

TEST_F(DownloadWindowTest, AnsweredNoKeepsTheRecordsUnsavedAndNeverClears) {
    StartOnLogger();
    wxTEST_DIALOG(Download(), SaveQuestion(wxID_NO));
    ExpectDownloaded();
    EXPECT_FALSE(Frame().m_saved);
    EXPECT_EQ(Requests(13), 0);
    EXPECT_EQ(AppSettings.firmwareVersion, 0x0403);
}

TEST_F(DownloadWindowTest, AnsweredYesSavesAndClearsOnlyWhenConfirmed) {
    StartOnLogger();
    wxTEST_DIALOG(Download(), SaveQuestion(wxID_YES), FileDialogAnswer(m_path),
                  ClearQuestion(wxID_OK));
    ExpectDownloaded();
    EXPECT_TRUE(Frame().m_saved);
    EXPECT_EQ(Requests(13), 1);
    const WorkspaceReadResult saved = WorkspaceFile::Read(m_path);
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(saved.records.size(), 2u);

    Sim::Configure(TestLoggerOptions());
    wxTEST_DIALOG(Download(), SaveQuestion(wxID_YES), FileDialogAnswer(m_path),
                  ClearQuestion(wxID_CANCEL));
    EXPECT_EQ(Requests(13), 0);
}

TEST_F(DownloadWindowTest, ACancelledOrFailedSaveNeverClearsTheLogger) {
    StartOnLogger();
    wxTEST_DIALOG(Download(), SaveQuestion(wxID_YES), FileDialogAnswer("", wxID_CANCEL));
    ExpectDownloaded();
    EXPECT_FALSE(Frame().m_saved);
    EXPECT_EQ(Requests(13), 0);

    Frame().m_saved = true;
    CapturedLog log;
    const wxString unwritable = "/proc/run.vrx"; // a folder where no file can be made
    wxTEST_DIALOG(Download(), SaveQuestion(wxID_YES), FileDialogAnswer(unwritable));
    EXPECT_FALSE(Frame().m_saved);
    EXPECT_FALSE(log.errors.empty());
    EXPECT_EQ(Requests(13), 0);
}

TEST_F(DownloadWindowTest, AFailedReadKeepsTheCollectionAndReportsIt) {
    struct {
        int transfer; // 1 firmware word, 2 header, 3 table, 4 and on data
        std::uint8_t errorCode;
        const char* message;
    } cases[] = {
        {2, 0, "Conexiune USB esuata\n"}, {3, 0, "Conexiune USB esuata\n"},
        {4, 0, "Conexiune USB esuata\n"}, {5, 0, "Conexiune USB esuata\n"},
        {4, 9, "Accesare Cod Eroare\n"},
    };
    for (const auto& c : cases) {
        Sim::Options options = TestLoggerOptions();
        options.errorCode = c.errorCode;
        Sim::Configure(options);
        if (!m_frame) {
            StartOnLogger();
            AddSavedRecording("Live 1");
        }
        StatusTick();
        Sim::ClearLog();
        Sim::FailTransfer(c.transfer);
        CapturedLog log;
        Download(); // no question is asked
        EXPECT_EQ(log.errors, c.message) << c.transfer;
        ExpectKept("Live 1");
        EXPECT_TRUE(Frame().m_saved);
    }
}

TEST_F(DownloadWindowTest, ATableThatCannotFitIsReportedAsDamagedMemory) {
    Sim::Options options = TestLoggerOptions();
    options.stateFile = StateFileWithMemory(TestLoggerOptions(),
                                            std::string(std::getenv("HOME")) + "/damaged.state",
                                            {{2, 0xFF}, {3, 0xFF}});
    Sim::Configure(options);
    StartOnLogger();
    AddSavedRecording("Live 1");
    CapturedLog log;
    Download();
    EXPECT_EQ(log.errors, DeviceTexts::DownloadDamagedMemory() + "\n");
    ExpectKept("Live 1");
    EXPECT_EQ(Requests(23), 1); // the header only
    fs::remove(options.stateFile);
}

TEST_F(DownloadWindowTest, UnsavedRecordingsAreOfferedForSavingFirst) {
    StartOnLogger();
    AddRecording("Live 1"); // not saved
    wxTEST_DIALOG(Download(), UnsavedQuestion(wxID_YES));
    ExpectKept("Live 1");
    EXPECT_EQ(Requests(23), 0);

    wxTEST_DIALOG(Download(), UnsavedQuestion(wxID_NO), SaveQuestion(wxID_NO));
    ExpectDownloaded();
}

TEST_F(DownloadWindowTest, AnEmptyLoggerEmptiesTheCollectionAndStillAsks) {
    Sim::Options options = TestLoggerOptions();
    options.events = 0;
    Sim::Configure(options);
    StartOnLogger();
    AddSavedRecording("Live 1");
    wxTEST_DIALOG(Download(), SaveQuestion(wxID_NO));
    EXPECT_TRUE(Frame().m_recordings.empty());
    EXPECT_EQ(Frame().m_recordList->GetItemCount(), 0);
    EXPECT_EQ(Requests(23), 1);
}

} // namespace
