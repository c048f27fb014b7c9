#include "app/StartupArguments.h"

#include "app/ProgramVersion.h"

namespace {

bool IsOption(const wxString& argument) {
    return argument.length() > 1 && argument[0] == '-';
}

bool AsksFor(const std::vector<wxString>& arguments, const wxString& longName,
             const wxString& shortName) {
    for (const wxString& argument : arguments) {
        if (argument == "--") {
            return false;
        }
        if (argument == longName || (!shortName.empty() && argument == shortName)) {
            return true;
        }
    }
    return false;
}

} // namespace

StartupArguments StartupArguments::Parse(const std::vector<wxString>& arguments) {
    StartupArguments parsed;
    if (AsksFor(arguments, "--help", "-h")) {
        parsed.m_action = ShowHelp;
        return parsed;
    }
    if (AsksFor(arguments, "--version", "")) {
        parsed.m_action = ShowVersion;
        return parsed;
    }
    bool optionsEnded = false;
    std::vector<wxString> files;
    for (const wxString& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && IsOption(argument)) {
            parsed.m_action = UsageError;
            parsed.m_error = "unknown option " + argument;
            return parsed;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() > 1) {
        parsed.m_action = UsageError;
        parsed.m_error = "only one workspace can be opened";
        return parsed;
    }
    if (files.size() == 1) {
        if (files[0].empty()) {
            parsed.m_action = UsageError;
            parsed.m_error = "empty workspace name";
            return parsed;
        }
        parsed.m_workspace = files[0];
    }
    return parsed;
}

wxString StartupArguments::UsageText() {
    return "Usage: dextrel [WORKSPACE.vrx]\n"
           "       dextrel --help | --version\n"
           "  WORKSPACE.vrx  open this workspace at start-up, as \"Deschidere\" would\n"
           "  --help         show this text and exit\n"
           "  --version      show the version and exit\n";
}

wxString StartupArguments::VersionText() {
    return wxString("dextrel ") + ProgramVersion() + "\n";
}
