// dextrel-export: lists the recordings of a workspace file and converts them to CSV files
// exactly as the program's export writes them right after opening that workspace.

#include "app/ProgramVersion.h"
#include "files/CsvExport.h"
#include "files/TextEncoding.h"
#include "files/WorkspaceFile.h"
#include "records/Units.h"

#include <wx/filename.h>
#include <wx/init.h>
#include <wx/string.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

const char* const kUsage =
    "Usage: dextrel-export WORKSPACE.vrx --list\n"
    "       dextrel-export WORKSPACE.vrx -o DIR\n"
    "       dextrel-export --help | --version\n"
    "  --list     print one line per recording: title, date, time, duration, volume and\n"
    "             number of samples, tab-separated, after a header line\n"
    "  -o DIR     write one CSV file per recording into DIR, named after its date and time\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n";

struct Options {
    bool help = false;
    bool version = false;
    wxString workspace;
    bool list = false;
    wxString outputFolder;
};

void PrintError(const wxString& message) {
    std::fprintf(stderr, "dextrel-export: %s\n", TextEncoding::ToUtf8(message).c_str());
}

void PrintLine(const wxString& line) {
    std::fputs(TextEncoding::ToUtf8(line).c_str(), stdout);
    std::fputc('\n', stdout);
}

bool ParseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return true;
        }
        if (argument == "--version") {
            options.version = true;
            return true;
        }
        if (argument == "--list") {
            options.list = true;
        } else if (argument == "-o" && i + 1 < argc) {
            options.outputFolder = wxString(argv[++i], *wxConvFileName);
        } else if (!argument.empty() && argument[0] != '-' && options.workspace.empty()) {
            options.workspace = wxString(argv[i], *wxConvFileName);
        } else {
            return false;
        }
    }
    const bool oneAction = options.list != !options.outputFolder.empty();
    return !options.workspace.empty() && oneAction;
}

// Tabs inside a text would shift the columns of the listing.
wxString Cell(const wxString& text) {
    wxString cell = TextEncoding::OnOneLine(text);
    cell.Replace("\t", " ");
    return cell;
}

wxString ListRow(const Storage& record) {
    const wxString dateText = record.GetDateText();
    const wxString date = dateText.BeforeFirst(' ');
    const wxString time = dateText.Contains(" ") ? dateText.AfterFirst(' ') : wxString();
    return Cell(record.GetTitle()) + "\t" + Cell(date) + "\t" + Cell(time) + "\t" +
           Units::DurationText(record.GetIntervalMs(), record.GetSampleCount()) + "\t" +
           Units::ListVolumeText(record.GetLastVolume()) + "\t" +
           wxString::Format("%d", record.GetSampleCount());
}

void ListRecordings(const WorkspaceReadResult& workspace) {
    PrintLine(wxString("Titlu\tData\tOra\tDurata\t") +
              Units::VolumeColumnHeader(workspace.metric, workspace.flowUnit) + "\tEsantioane");
    for (const Storage& record : workspace.records) {
        PrintLine(ListRow(record));
    }
}

// Two recordings of the same date and time get "_2", "_3", ... before the extension.
wxString UniqueFileName(const Storage& record, int number, std::set<wxString>& used) {
    wxString base = CsvExport::DefaultFileName(record.GetDateText());
    if (base.empty()) {
        base = wxString::Format("recording_%d", number);
    }
    wxString name = CsvExport::WithExtension(base);
    for (int suffix = 2; used.count(name) != 0; ++suffix) {
        name = CsvExport::WithExtension(wxString::Format("%s_%d", base, suffix));
    }
    used.insert(name);
    return name;
}

bool PrepareFolder(const wxString& folder) {
    if (wxFileName::DirExists(folder) ||
        wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
        return true;
    }
    PrintError(wxString::Format("cannot create the folder %s", folder));
    return false;
}

bool ExportRecordings(const WorkspaceReadResult& workspace, const wxString& folder) {
    if (!PrepareFolder(folder)) {
        return false;
    }
    std::set<wxString> used;
    for (size_t i = 0; i < workspace.records.size(); ++i) {
        const Storage& record = workspace.records[i];
        wxFileName path(folder, UniqueFileName(record, static_cast<int>(i) + 1, used));
        path.MakeAbsolute();
        wxString error;
        if (!CsvExport::Write(path.GetFullPath(), record, workspace.flowUnit, error)) {
            PrintError(error);
            return false;
        }
        PrintLine(path.GetFullPath());
    }
    return true;
}

int Run(const Options& options) {
    const WorkspaceReadResult workspace = WorkspaceFile::Read(options.workspace);
    if (!workspace.ok) {
        PrintError(workspace.reason.empty() ? workspace.error
                                            : workspace.error + ": " + workspace.reason);
        return kExitFailure;
    }
    if (options.list) {
        ListRecordings(workspace);
        return kExitOk;
    }
    return ExportRecordings(workspace, options.outputFolder) ? kExitOk : kExitFailure;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArguments(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (options.version) {
        std::printf("dextrel-export %s\n", ProgramVersion());
        return kExitOk;
    }
    wxInitializer initializer;
    if (!initializer.IsOk()) {
        PrintError("cannot initialise wxWidgets");
        return kExitFailure;
    }
    return Run(options);
}
