#pragma once
#include <wx/dialog.h>

class wxChoice;

// Picks the line width of a series, 1 to 7.
class PenDialog : public wxDialog {
public:
    static constexpr int MaxWidth = 7;

    PenDialog(wxWindow* parent, int width);

    // The chosen width; 0 when Ok was pressed with nothing selected.
    int GetWidth() const { return m_selection + 1; }
    wxChoice* GetChoice() const { return m_choice; }

private:
    void OnOk(wxCommandEvent& event);

    int m_selection;
    wxChoice* m_choice = nullptr;

    wxDECLARE_EVENT_TABLE();
};
