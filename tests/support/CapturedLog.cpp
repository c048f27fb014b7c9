#include "support/CapturedLog.h"

CapturedLog::CapturedLog() : m_previous(wxLog::SetActiveTarget(this)) {}

CapturedLog::~CapturedLog() {
    wxLog::SetActiveTarget(m_previous);
}

void CapturedLog::DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) {
    if (level == wxLOG_Error) {
        errors += message + "\n";
    }
}
