#pragma once
#include <wx/string.h>

#include <vector>

// The program's command line: "dextrel [WORKSPACE.vrx]", plus --help and --version.
// The window is not needed to decide what the arguments ask for.
class StartupArguments {
public:
    enum Action { StartProgram, ShowHelp, ShowVersion, UsageError };

    // The arguments without the program name. --help and --version win over anything else,
    // so that they work whatever the rest of the line holds.
    static StartupArguments Parse(const std::vector<wxString>& arguments);

    static wxString UsageText();
    static wxString VersionText();

    Action GetAction() const { return m_action; }
    // The workspace to open at start-up, empty when none was given.
    const wxString& GetWorkspace() const { return m_workspace; }
    // What was wrong with the command line, for a UsageError.
    const wxString& GetError() const { return m_error; }

private:
    Action m_action = StartProgram;
    wxString m_workspace;
    wxString m_error;
};
