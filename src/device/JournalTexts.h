#pragma once
#include <wx/string.h>

#include <vector>

class Storage;

// The texts of the live journals and their restore offer.
namespace JournalTexts {

// One line per record: title, start date (GMT) and length.
wxString RestoreQuestion(const std::vector<const Storage*>& records);
wxString RestoreCaption();
wxString RestoreExplanation();
wxString RestoreLabel();
wxString LaterLabel();
wxString DiscardLabel();

wxString Unreadable(const wxString& path, const wxString& problem, const wxString& aside);
wxString CreateFailed(const wxString& error);
wxString WriteFailed(const wxString& path);

} // namespace JournalTexts
