#include "app/Application.h"

#include "app/StartupArguments.h"
#include "mainframe/MainFrame.h"
#include "widgets/ResourceBitmap.h"

#include <wx/filename.h>
#include <wx/iconbndl.h>

#include <cstdio>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(Application);

namespace {

enum ExitCode { kExitOk = 0, kExitUsage = 2 };

void PrintUsageError(const wxString& error) {
    std::fprintf(stderr, "dextrel: %s\n", static_cast<const char*>(error.utf8_str()));
    std::fputs(StartupArguments::UsageText().utf8_str(), stderr);
}

// The file dialog gives an absolute path; a name from the command line is made one, so the
// workspace is saved back where it came from.
wxString AbsolutePath(const wxString& path) {
    wxFileName name(path);
    name.MakeAbsolute();
    return name.GetFullPath();
}

wxIconBundle WindowIcons() {
    wxIconBundle icons;
    for (const char* name : {"icon32", "icon48"}) {
        wxIcon icon;
        icon.CopyFromBitmap(ResourceBitmap(name));
        icons.AddIcon(icon);
    }
    return icons;
}

} // namespace

bool Application::OnInit() {
    // The base OnInit is not called: the toolkit's own option parser would reject file names
    // it does not know and answer --help with its own text.
    std::vector<wxString> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(argv[i]);
    }
    const StartupArguments command = StartupArguments::Parse(arguments);
    if (command.GetAction() == StartupArguments::UsageError) {
        PrintUsageError(command.GetError());
        m_earlyExitCode = kExitUsage;
        return true;
    }
    MainFrame* frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    frame->SetIcons(WindowIcons());
    frame->Show(true);
    SetTopWindow(frame);
    if (!command.GetWorkspace().empty()) {
        frame->OpenWorkspaceFile(AbsolutePath(command.GetWorkspace()));
    }
    frame->OfferToRestoreLiveRecordings();
    return true;
}

int Application::OnRun() {
    if (m_earlyExitCode >= 0) {
        return m_earlyExitCode;
    }
    return wxApp::OnRun();
}

// --help, --version and a wrong command line are answered before the toolkit starts, so they
// work without a display.
int main(int argc, char** argv) {
    std::vector<wxString> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(wxString(argv[i]));
    }
    const StartupArguments command = StartupArguments::Parse(arguments);
    if (command.GetAction() == StartupArguments::ShowHelp) {
        std::fputs(StartupArguments::UsageText().utf8_str(), stdout);
        return kExitOk;
    }
    if (command.GetAction() == StartupArguments::ShowVersion) {
        std::fputs(StartupArguments::VersionText().utf8_str(), stdout);
        return kExitOk;
    }
    if (command.GetAction() == StartupArguments::UsageError) {
        PrintUsageError(command.GetError());
        return kExitUsage;
    }
    return wxEntry(argc, argv);
}
