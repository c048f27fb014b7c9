#pragma once
#include "records/Storage.h"

#include <wx/string.h>

#include <string>
#include <string_view>
#include <vector>

class AtomicFileWriter;

// What reading a workspace gives: the records and the unit settings the file carries.
// On damage, ok is false, error names the file and the line, and records holds the complete
// records read before the damage. A file that cannot be read at all gives the user's message
// in error and the file's name and the system's reason in reason.
struct WorkspaceReadResult {
    static const wxString kCannotOpenMessage;

    bool ok = false;
    wxString error;
    wxString reason;
    int errorLine = 0; // 0 when the file could not be read at all
    int version = -1;
    std::vector<Storage> records;
    // The settings of the last complete record; when no record was read the file carries
    // none and the current settings stay as they are.
    bool hasUnitSettings = false;
    int metric = 1;
    int pressureUnit = 98;
    int flowUnit = 0;
};

// The workspace file (".vrx"): the recordings collection as line-oriented text. Writes the
// newest format, reads all earlier ones.
class WorkspaceFile {
public:
    static constexpr int kFormatVersion1 = 410000;
    static constexpr int kFormatVersion2 = 430000;
    static constexpr int kFormatVersion3 = 460000;
    static constexpr int kFormatVersion4 = 480000;

    // flowUnit is the flow unit index in force when saving; every record block carries it.
    static std::string Format(const std::vector<Storage>& records, int flowUnit);
    // Writes the text into file, which the caller commits; false when writing failed.
    static bool WriteTo(AtomicFileWriter& file, const std::vector<Storage>& records, int flowUnit);
    // Replaces the file only after everything was written; false with a message on failure.
    static bool Write(const wxString& path, const std::vector<Storage>& records, int flowUnit,
                      wxString& error);

    static WorkspaceReadResult Read(const wxString& path);
    // Reads a file's content; path only names the file in error messages.
    static WorkspaceReadResult Parse(std::string_view content, const wxString& path);

    // The path with ".vrx" appended unless it contains it somewhere already.
    static wxString WithExtension(const wxString& path);
};
