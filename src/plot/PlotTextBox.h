#pragma once
#include "plot/PlotInfoBox.h"

// The recording's note: a multi-line text in a box that the user can drag. Every drawing is
// reported to the plot's parent so that the place is kept with the recording.
class PlotTextBox : public PlotInfoBox {
public:
    PlotTextBox(int x, int y, int width, int height, const wxBrush& brush);

    void Draw(wxDC& dc, PlotWindow& window) override;

    // Puts the top-left corner at (x, y), kept within the plot around its centre.
    void SetTextBoxPosition(const PlotWindow& window, int x, int y);
    int GetTextBoxX() const { return m_rect.x; }
    int GetTextBoxY() const { return m_rect.y; }
    void SetText(const wxString& text) { m_text = text; }
    const wxString& GetText() const { return m_text; }

private:
    wxString m_text;
};
