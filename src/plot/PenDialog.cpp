#include "plot/PenDialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>

wxBEGIN_EVENT_TABLE(PenDialog, wxDialog)
    EVT_BUTTON(wxID_OK, PenDialog::OnOk)
wxEND_EVENT_TABLE()

PenDialog::PenDialog(wxWindow* parent, int width)
    : wxDialog(parent, wxID_ANY, "Stil linie grafic", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE, "dialog"),
      m_selection(width >= 1 && width <= MaxWidth ? width - 1 : wxNOT_FOUND) {
    wxArrayString entries;
    for (int n = 1; n <= MaxWidth; ++n) {
        entries.Add(wxString::Format("Latime linie %d", n));
    }
    m_choice = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxSize(150, 50), entries);
    m_choice->SetSelection(m_selection);
    auto* ok = new wxButton(this, wxID_OK, "Ok", wxDefaultPosition, wxSize(60, 30));
    auto* exit = new wxButton(this, wxID_CANCEL, "Iesire", wxDefaultPosition, wxSize(60, 30));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(ok, 0, wxALL, 10);
    buttons->Add(exit, 0, wxALL, 10);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_choice, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 10);
    column->Add(buttons, 0, wxEXPAND);
    SetSizerAndFit(column);
}

void PenDialog::OnOk(wxCommandEvent&) {
    m_selection = m_choice->GetSelection();
    SetReturnCode(wxID_OK);
    EndDialog(wxID_OK);
}
