#pragma once
#include <wx/log.h>

// Collects what the program reports through the error log instead of showing it.
class CapturedLog : public wxLog {
public:
    CapturedLog();
    ~CapturedLog() override;
    wxString errors; // one line per error

protected:
    // The message as the program gave it, without time stamp or level prefix.
    void DoLogRecord(wxLogLevel level, const wxString& message,
                     const wxLogRecordInfo& info) override;

private:
    wxLog* m_previous;
};
