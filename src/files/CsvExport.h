#pragma once
#include "records/Storage.h"

#include <wx/string.h>

#include <string>

// One recording as comma-separated text for a spreadsheet: five header lines, a column header
// and one line per sample. Fields are never quoted.
class CsvExport {
public:
    // flowUnit is the current flow unit index; with the record's metric flag it chooses the
    // flow and volume labels. path is written into the first line.
    static std::string Format(const Storage& record, int flowUnit, const wxString& path);
    // Replaces the file only after everything was written; false with a message on failure.
    static bool Write(const wxString& path, const Storage& record, int flowUnit, wxString& error);

    // The file name offered for a record: its date text with ":", "/", ".", "," and "'"
    // replaced by "_".
    static wxString DefaultFileName(const wxString& dateText);
    // The path with ".csv" appended unless it contains it somewhere already.
    static wxString WithExtension(const wxString& path);
};
