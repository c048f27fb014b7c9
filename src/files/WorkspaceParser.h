#pragma once
#include "files/LineScanner.h"
#include "files/WorkspaceFile.h"

#include <wx/string.h>

#include <string_view>

// Reads one workspace text into a read result. Every Read... function returns false after it
// has recorded the error; the parse then stops.
class WorkspaceParser {
public:
    // path only names the file in error messages.
    WorkspaceParser(std::string_view content, const wxString& path, WorkspaceReadResult& result);

    bool Parse();

private:
    struct RecordHeader;

    bool Fail(const wxString& message);
    bool FailAtItem(LineScanner::Status status, const char* item);
    bool ReadInt(const char* item, long long minimum, long long maximum, int& value);
    bool ReadInt(const char* item, int& value);
    bool ReadFloat(const char* item, float& value);
    bool ReadText(const char* item, wxString& text);
    bool ReadTitle(wxString& title);
    bool CountFits(long long count, long long smallestBytes) const;
    bool ReadFormatAndCount(int& recordCount);
    bool ReadTextBoxCodes(wxString& text);
    bool ReadVersion4Fields(RecordHeader& header);
    bool ReadHeader(RecordHeader& header);
    bool ReadRecord(const RecordHeader& header, int number);

    LineScanner m_scanner;
    const wxString& m_path;
    WorkspaceReadResult& m_result;
    int m_recordNumber = 0;
};
