#include "plot/FilterDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(FilterDialog, wxDialog)
    // Every kind of scroll, dragging included, so the text follows the thumb.
    EVT_COMMAND_SCROLL(FilterDialog::ID_SLIDER, FilterDialog::OnSliderScroll)
wxEND_EVENT_TABLE()

FilterDialog::FilterDialog(wxWindow* parent, int halfWidth)
    : wxDialog(parent, wxID_ANY, "Setari filtrare", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE, "dialog"),
      // A width outside the slider's range would leave the text, the slider and the
      // returned value disagreeing; the slider's range is the filter's range.
      m_halfWidth(std::clamp(halfWidth, MinHalfWidth, MaxHalfWidth)) {
    m_text = new wxStaticText(this, wxID_ANY, wxEmptyString);
    ShowWindowSize();
    m_slider = new wxSlider(this, ID_SLIDER, m_halfWidth, MinHalfWidth, MaxHalfWidth,
                            wxDefaultPosition, wxSize(180, -1), wxSL_HORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "Ok", wxDefaultPosition, wxSize(60, 30));
    auto* exit = new wxButton(this, wxID_CANCEL, "&Iesire", wxDefaultPosition, wxSize(60, 30));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(ok, 0, wxALL, 10);
    buttons->Add(exit, 0, wxALL, 10);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_text, 0, wxALL, 20);
    column->Add(m_slider);
    column->Add(buttons, 0, wxEXPAND);
    SetSizerAndFit(column);
}

wxString FilterDialog::WindowSizeText(int halfWidth) {
    return wxString::Format("%d puncte Miscare Filtru mediu", 2 * halfWidth + 1);
}

void FilterDialog::ShowWindowSize() {
    m_text->SetLabel(WindowSizeText(m_halfWidth));
}

void FilterDialog::OnSliderScroll(wxScrollEvent&) {
    m_halfWidth = m_slider->GetValue();
    ShowWindowSize();
}
