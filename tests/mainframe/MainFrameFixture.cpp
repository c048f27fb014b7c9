#include "mainframe/MainFrameFixture.h"
#include "support/GuiTestSupport.h"

#include <cstdio>
#include <fstream>
#include <sstream>

void MainFrameFixture::TearDown() {
    if (m_frame) {
        m_frame->m_saved = true; // no exit prompt
        m_frame->Destroy();
        WaitForDestroyed();
    }
    std::remove(ConfigPath().c_str());
}

std::string MainFrameFixture::ConfigPath() {
    return std::string(MainFrame::SettingsPath().fn_str());
}

void MainFrameFixture::WriteConfig(const std::vector<int>& lines) {
    std::ofstream out(ConfigPath());
    for (int line : lines) {
        out << line << "\n";
    }
}

std::string MainFrameFixture::ReadConfig() {
    std::ifstream in(ConfigPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

MainFrame* MainFrameFixture::Start(const std::vector<int>& config) {
    WriteConfig(config);
    m_frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    m_frame->Show(true);
    return m_frame.get();
}

void MainFrameFixture::WaitForDestroyed() {
    EXPECT_TRUE(WaitFor([this] { return !m_frame; }));
}

void MainFrameFixture::Command(int id, wxEventType type) {
    wxCommandEvent event(type, id);
    event.SetEventObject(m_frame.get());
    m_frame->GetEventHandler()->ProcessEvent(event);
}

Storage& MainFrameFixture::AddRecording(const wxString& title, const wxString& date, int count) {
    Storage record(date, 1000, 1, false, 0, static_cast<int>(m_frame->m_recordings.size()) + 1);
    record.SetTitle(title);
    float volume = 0.0f;
    for (int i = 0; i < count; ++i) {
        const float flow = 10.0f + static_cast<float>(i);
        volume += flow / 60.0f;
        record.AddSample(static_cast<float>(i + 1), flow, 2.0f + static_cast<float>(i) / 10.0f,
                         volume);
    }
    m_frame->m_recordings.push_back(record);
    m_frame->RefreshList();
    return m_frame->m_recordings.back();
}

void MainFrameFixture::SelectOnly(int row) {
    wxListView* list = m_frame->m_recordList;
    for (long i = list->GetFirstSelected(); i != -1; i = list->GetNextSelected(i)) {
        list->Select(i, false);
    }
    list->Focus(row);
    list->Select(row, true);
}

int FileDialogAnswer::OnInvoked(wxFileDialog* dialog) const {
    if (!m_message.empty()) {
        EXPECT_EQ(dialog->GetMessage(), m_message);
        EXPECT_EQ(dialog->GetFilename(), m_fileName);
    }
    if (m_id == wxID_OK) {
        dialog->SetPath(m_path);
        const bool taken = WaitFor([&] { return dialog->GetPath() == m_path; }, 3000);
        EXPECT_TRUE(taken) << "file dialog reports " << dialog->GetPath().utf8_str().data();
    }
    return m_id;
}
