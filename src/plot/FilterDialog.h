#pragma once
#include <wx/dialog.h>

class wxSlider;
class wxStaticText;
class wxScrollEvent;

// Picks the half width k of the moving-average filter; the filter averages 2k + 1 samples.
class FilterDialog : public wxDialog {
public:
    static constexpr int MinHalfWidth = 1;
    static constexpr int MaxHalfWidth = 10;

    FilterDialog(wxWindow* parent, int halfWidth);

    int GetHalfWidth() const { return m_halfWidth; }
    wxSlider* GetSlider() const { return m_slider; }
    wxStaticText* GetText() const { return m_text; }

private:
    enum { ID_SLIDER = 5200 };

    static wxString WindowSizeText(int halfWidth);
    void ShowWindowSize();
    void OnSliderScroll(wxScrollEvent& event);

    int m_halfWidth;
    wxStaticText* m_text = nullptr;
    wxSlider* m_slider = nullptr;

    wxDECLARE_EVENT_TABLE();
};
