#include "app/AppSettings.h"
#include "files/WorkspaceFile.h"
#include "mainframe/CommandIds.h"
#include "mainframe/MainFrameFixture.h"
#include "plot/PlotWindow.h"
#include "support/CapturedLog.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/print.h>
#include <wx/testing.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class WorkspaceCommandsTest : public MainFrameFixture {
protected:
    void SetUp() override {
        m_dir = fs::path(getenv("HOME")) /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        MainFrameFixture::TearDown();
        fs::remove_all(m_dir);
    }
    wxString PathOf(const char* name) const { return wxString((m_dir / name).string()); }
    fs::path m_dir;
};

TEST_F(WorkspaceCommandsTest, SaveAsAppendsTheExtensionAndOpenReadsItBack) {
    Start({1, 98, 0, 0, 1, 0, 0});
    AddRecording("Run 1");
    AddRecording("Run 2").SetTextBox("AB\nC");
    wxTEST_DIALOG(Command(ID_SAVE_WORKSPACE_AS), FileDialogAnswer(PathOf("run")));
    EXPECT_TRUE(fs::exists(m_dir / "run.vrx"));
    EXPECT_EQ(In(m_frame).m_workspacePath, PathOf("run.vrx"));
    EXPECT_EQ(m_frame->GetTitle(), "run");
    EXPECT_TRUE(In(m_frame).m_saved);
    EXPECT_EQ(ReadFile(m_dir / "run.vrx").substr(0, 9), "480000\n2\n");

    // Save writes to the same path without asking.
    In(m_frame).m_recordings[0].SetTitle("Changed");
    In(m_frame).m_saved = false;
    Command(ID_SAVE_WORKSPACE, wxEVT_BUTTON);
    EXPECT_TRUE(In(m_frame).m_saved);

    In(m_frame).m_recordings.clear();
    m_frame->RefreshList();
    AppSettings.flowUnit = 0;
    wxTEST_DIALOG(Command(ID_OPEN_BUTTON, wxEVT_BUTTON), FileDialogAnswer(PathOf("run.vrx")));
    ASSERT_EQ(In(m_frame).m_recordings.size(), 2u);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "Changed");
    EXPECT_EQ(In(m_frame).m_recordings[1].GetTextBox(), "AB\nC");
    EXPECT_EQ(In(m_frame).m_recordList->GetItemCount(), 2);
    EXPECT_EQ(AppSettings.flowUnit, 1);
    EXPECT_TRUE(In(m_frame).m_unitItems[1]->IsChecked());
    EXPECT_TRUE(In(m_frame).m_saved);
    EXPECT_EQ(m_frame->GetTitle(), "run.vrx");
}

TEST_F(WorkspaceCommandsTest, SaveWithoutAPathAsksForOneAndCancellingWritesNothing) {
    Start();
    AddRecording("A");
    wxTEST_DIALOG(Command(ID_SAVE_WORKSPACE, wxEVT_BUTTON), FileDialogAnswer("", wxID_CANCEL));
    EXPECT_FALSE(In(m_frame).m_saved);
    EXPECT_TRUE(In(m_frame).m_workspacePath.empty());
    EXPECT_TRUE(fs::is_empty(m_dir));
}

TEST_F(WorkspaceCommandsTest, AFailingSaveIsReportedAndLeavesTheWorkspaceUnsaved) {
    Start();
    AddRecording("A");
    In(m_frame).m_workspacePath = PathOf("missing/run.vrx");
    CapturedLog log;
    Command(ID_SAVE_WORKSPACE, wxEVT_BUTTON);
    EXPECT_FALSE(In(m_frame).m_saved);
    EXPECT_FALSE(log.errors.empty());
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
}

TEST_F(WorkspaceCommandsTest, AnUnreadableFileKeepsTheCurrentWorkspace) {
    Start();
    AddRecording("Keep");
    In(m_frame).m_workspacePath = "/somewhere/else.vrx";
    In(m_frame).m_saved = true;
    CapturedLog log;
    EXPECT_EQ(m_frame->ReadWorkspace(PathOf("none.vrx")), MainFrame::WorkspaceUnreadable);
    EXPECT_TRUE(log.errors.Contains("Cannot open File for Reading"));
    ASSERT_EQ(In(m_frame).m_recordings.size(), 1u);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "Keep");
    EXPECT_EQ(In(m_frame).m_workspacePath, "/somewhere/else.vrx");
    EXPECT_TRUE(In(m_frame).m_saved);
    EXPECT_EQ(m_frame->GetTitle(), "Fara titlu");
}

// Cancels a file dialog after noting the file types it offers and the one it has chosen.
class FileTypesSeen : public wxExpectModalBase<wxFileDialog, FileTypesSeen> {
public:
    FileTypesSeen(wxString* wildcard, int* index) : m_wildcard(wildcard), m_index(index) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        *m_wildcard = dialog->GetWildcard();
        *m_index = dialog->GetFilterIndex();
        return wxID_CANCEL;
    }

private:
    wxString* m_wildcard;
    int* m_index;
};

// GTK shows every filter of the wildcard: the save dialogs offer their one named file type and
// have it chosen.
TEST_F(WorkspaceCommandsTest, SaveDialogsOpenOnTheirNamedFileType) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    struct Case {
        int command;
        const char* wildcard;
    };
    const Case cases[] = {{ID_SAVE_WORKSPACE_AS, "fisiere Dextrel (*.vrx)|*.vrx"},
                          {ID_EXPORT_CSV, "Fisiere Excel (*.csv)|*.csv"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wildcard);
        wxString wildcard;
        int index = -1;
        wxTEST_DIALOG(Command(c.command), FileTypesSeen(&wildcard, &index));
        EXPECT_EQ(wildcard, c.wildcard);
        EXPECT_EQ(index, 0);
    }
}

TEST_F(WorkspaceCommandsTest, AFailedSaveAsKeepsThePathAndTitleItHad) {
    Start();
    AddRecording("A");
    In(m_frame).m_workspacePath = PathOf("old.vrx");
    m_frame->SetTitle("old.vrx");
    // A folder stands where the file would go, so the write fails.
    fs::create_directories(m_dir / "run.vrx");
    CapturedLog log;
    wxTEST_DIALOG(Command(ID_SAVE_WORKSPACE_AS), FileDialogAnswer(PathOf("run")));
    EXPECT_FALSE(log.errors.empty());
    EXPECT_EQ(In(m_frame).m_workspacePath, PathOf("old.vrx"));
    EXPECT_EQ(m_frame->GetTitle(), "old.vrx");
    EXPECT_TRUE(fs::is_directory(m_dir / "run.vrx"));
}

// A file from which not one complete record can be read is no workspace: it changes nothing,
// whatever it is.
TEST_F(WorkspaceCommandsTest, AFileWithoutACompleteRecordKeepsTheCurrentWorkspace) {
    struct Case {
        const char* name;
        const char* content;
    };
    const Case cases[] = {
        {"empty", ""},
        {"csv", "Data,05/03/2012\nTimp,Flux\n1.00,10.00\n"},
        {"first record cut short", "480000\n2\n480000\n05/03/2012 14:30:05\n"},
        {"text", "hello\n"},
    };
    Start();
    AddRecording("Download");
    In(m_frame).m_workspacePath = PathOf("kept.vrx");
    m_frame->SetTitle("kept.vrx");
    In(m_frame).m_saved = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string(c.name) + ".vrx";
        std::ofstream(m_dir / name) << c.content;
        CapturedLog log;
        m_frame->OpenWorkspaceFile(PathOf(name.c_str()));
        EXPECT_FALSE(log.errors.empty());
        ASSERT_EQ(In(m_frame).m_recordings.size(), 1u);
        EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "Download");
        EXPECT_EQ(In(m_frame).m_recordList->GetItemCount(), 1);
        EXPECT_EQ(In(m_frame).m_workspacePath, PathOf("kept.vrx"));
        EXPECT_EQ(m_frame->GetTitle(), "kept.vrx");
        EXPECT_FALSE(In(m_frame).m_saved);
    }
}

TEST_F(WorkspaceCommandsTest, OpenOverUnsavedRecordingsAsksFirst) {
    const wxString question = wxString::FromUTF8("Doriti sa salvati datele înainte de deschidere?");
    const wxString caption = wxString::FromUTF8("Înainte de deschidere");
    Start();
    AddRecording("Unsaved");
    In(m_frame).m_saved = false;
    // Yes keeps the recordings so that they can be saved: no file dialog follows.
    wxTEST_DIALOG(Command(ID_OPEN_WORKSPACE),
                  MessageAnswer(wxID_YES, question, caption, wxICON_INFORMATION));
    ASSERT_EQ(In(m_frame).m_recordings.size(), 1u);

    // No goes on to the file dialog and opens the chosen file.
    Storage other("06/03/2012 10:00:00", 1000, 1, false, 0, 1);
    other.SetTitle("Other");
    std::ofstream(m_dir / "other.vrx") << WorkspaceFile::Format({other}, 0);
    wxTEST_DIALOG(Command(ID_OPEN_BUTTON, wxEVT_BUTTON),
                  MessageAnswer(wxID_NO, question, caption, wxICON_INFORMATION),
                  FileDialogAnswer(PathOf("other.vrx")));
    ASSERT_EQ(In(m_frame).m_recordings.size(), 1u);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "Other");

    // Saved recordings are replaced without a question.
    ASSERT_TRUE(In(m_frame).m_saved);
    wxTEST_DIALOG(Command(ID_OPEN_WORKSPACE), FileDialogAnswer("", wxID_CANCEL));
}

TEST_F(WorkspaceCommandsTest, ADamagedFileKeepsTheCompleteRecordsButNotItsPath) {
    Start();
    {
        // Two records; the second one's samples break off with a line that is no number.
        Storage first("05/03/2012 14:30:05", 1000, 1, false, 0, 1);
        first.SetTitle("First");
        first.AddSample(1, 2, 3, 4);
        Storage second = first;
        second.SetTitle("Second");
        second.AddSample(2, 2, 3, 4);
        std::string content = WorkspaceFile::Format({first, second}, 0);
        content = content.substr(0, content.rfind("2.000000")) + "not a number\n";
        std::ofstream(m_dir / "bad.vrx") << content;
    }
    CapturedLog log;
    wxTEST_DIALOG(Command(ID_OPEN_WORKSPACE), FileDialogAnswer(PathOf("bad.vrx")));
    ASSERT_EQ(In(m_frame).m_recordings.size(), 1u);
    EXPECT_EQ(In(m_frame).m_recordings[0].GetTitle(), "First");
    EXPECT_TRUE(log.errors.Contains("bad.vrx"));
    EXPECT_TRUE(In(m_frame).m_workspacePath.empty());
    EXPECT_FALSE(In(m_frame).m_saved);
}

TEST_F(WorkspaceCommandsTest, CsvExportWritesTheFocusedRecording) {
    Start();
    AddRecording("A", "05/03/2012 14:30:05", 3);
    SelectOnly(0);
    wxTEST_DIALOG(Command(ID_EXPORT_CSV),
                  FileDialogAnswer(PathOf("run")).Offering("Export Excel", "05_03_2012 14_30_05"));
    const std::string csv = ReadFile(m_dir / "run.csv");
    EXPECT_NE(csv.find("1.00,10.00,0.17,2.00\n"), std::string::npos) << csv;
}

TEST_F(WorkspaceCommandsTest, CsvExportThatCannotWriteShowsItsMessage) {
    Start();
    AddRecording("A");
    SelectOnly(0);
    // A folder stands where the file would go, so the file cannot be written.
    fs::create_directories(m_dir / "run.csv" / "inner");
    wxTEST_DIALOG(Command(ID_EXPORT_CSV), FileDialogAnswer(PathOf("run.csv")),
                  wxExpectModal<wxMessageDialog>(wxID_OK));
}

TEST_F(WorkspaceCommandsTest, CaptureSavesABitmapOfThePlotWindowsSize) {
    Start();
    AddRecording("A");
    m_frame->ShowRecording(0);
    wxTEST_DIALOG(Command(ID_CAPTURE, wxEVT_BUTTON), FileDialogAnswer(PathOf("g.bmp")));
    wxImage image;
    ASSERT_TRUE(image.LoadFile(PathOf("g.bmp"), wxBITMAP_TYPE_BMP));
    EXPECT_EQ(image.GetSize(), In(m_frame).m_plot->GetSize());
}

TEST_F(WorkspaceCommandsTest, AFailedImageSaveIsReported) {
    Start();
    CapturedLog log;
    fs::create_directories(m_dir / "g.bmp" / "inner");
    wxTEST_DIALOG(Command(ID_CAPTURE, wxEVT_BUTTON), FileDialogAnswer(PathOf("g.bmp")));
    EXPECT_FALSE(log.errors.empty());
}

TEST_F(WorkspaceCommandsTest, PrintButtonAndPreviewMenuOpenThePreviewFrame) {
    auto previewFrames = [] {
        std::vector<wxPreviewFrame*> frames;
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* frame = dynamic_cast<wxPreviewFrame*>(window);
                frame != nullptr && !frame->IsBeingDeleted()) {
                frames.push_back(frame);
            }
        }
        return frames;
    };
    Start();
    for (const auto& [id, type] :
         {std::pair{ID_PRINT_BUTTON, wxEVT_BUTTON}, std::pair{ID_PRINT_PREVIEW, wxEVT_MENU}}) {
        SCOPED_TRACE(id);
        Command(id, type);
        const std::vector<wxPreviewFrame*> frames = previewFrames();
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0]->GetTitle(), "Tiparire previzualizare");
        EXPECT_TRUE(frames[0]->IsShown());
        EXPECT_EQ(frames[0]->GetParent(), m_frame.get());
        EXPECT_FALSE(m_frame->IsEnabled()); // the preview is application-modal
        // Closed as its close box closes it, which also gives the other windows back.
        frames[0]->Close(true);
        EXPECT_TRUE(WaitFor([&] { return previewFrames().empty(); }));
        EXPECT_TRUE(m_frame->IsEnabled());
    }
}

} // namespace
