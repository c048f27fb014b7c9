#pragma once
#include "widgets/Tip.h"

#include <wx/checkbox.h>
#include <wx/dialog.h>

#include <vector>

// Sent to the dialog's parent when "show tips at start-up" changes: the event's id is 1 when
// the box is ticked and 0 when it is cleared; its object is the dialog.
wxDECLARE_EVENT(EVT_TIPS_AT_STARTUP, wxCommandEvent);

// A modeless dialog showing one usage tip at a time, picture on the left, text on the right.
class TipsDialog : public wxDialog {
public:
    static const int kNextTipId = 0;
    static const int kShowAtStartupId = 1;

    TipsDialog(wxWindow* parent, bool showAtStartup);
    ~TipsDialog() override;

    int GetCurrentTip() const { return m_current; }
    void SetCurrentTip(int index);
    const std::vector<Tip>& GetTips() const { return m_tips; }
    wxCheckBox* GetShowCheckBox() const { return m_showCheckBox; }

    // Draws the current tip's picture and text onto the dialog's upper area.
    void Paint(wxDC& dc) const;

protected:
    void OnPaint(wxPaintEvent& event);
    void OnNextTip(wxCommandEvent& event);
    void OnShowAtStartup(wxCommandEvent& event);

private:
    void FillTips();
    void ChooseFirstTip();
    void BuildControls(bool showAtStartup);
    int TipAreaHeight() const;

    wxWindow* m_owner;
    std::vector<Tip> m_tips;
    int m_current = 0;
    wxCheckBox* m_showCheckBox = nullptr;

    wxDECLARE_EVENT_TABLE();
};
