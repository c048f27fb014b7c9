#pragma once
#include <wx/brush.h>
#include <wx/font.h>
#include <wx/object.h>
#include <wx/pen.h>
#include <wx/string.h>

class wxDC;
class PlotWindow;

// Anything drawn on the plot: an axis, a data series or a floating box. Layers are owned by
// whoever creates them; the plot window only keeps pointers to them.
class PlotLayer : public wxObject {
public:
    enum Kind { KindAxis = 1, KindPrimarySeries = 2, KindSecondarySeries = 3, KindInfoBox = 4 };

    explicit PlotLayer(const wxString& name = wxEmptyString, int kind = KindAxis);
    ~PlotLayer() override = default;

    virtual bool HasBoundingBox() { return true; }
    virtual double BoundMinX() { return -1.0; }
    virtual double BoundMaxX() { return 1.0; }
    virtual double BoundMinY() { return -1.0; }
    virtual double BoundMaxY() { return 1.0; }
    // Draws with the device origin at the centre of the plot (screen, bitmap or page alike).
    virtual void Draw(wxDC& dc, PlotWindow& window) = 0;

    int GetKind() const { return m_kind; }

    void SetName(const wxString& name) { m_name = name; }
    const wxString& GetName() const { return m_name; }
    void SetSubtitle(const wxString& text) { m_subtitle = text; }
    const wxString& GetSubtitle() const { return m_subtitle; }
    void SetFooter(const wxString& text) { m_footer = text; }
    const wxString& GetFooter() const { return m_footer; }

    void SetValuePrefix(const wxString& text) { m_valuePrefix = text; }
    const wxString& GetValuePrefix() const { return m_valuePrefix; }
    void SetValueSuffix(const wxString& text) { m_valueSuffix = text; }
    const wxString& GetValueSuffix() const { return m_valueSuffix; }
    void SetExtraPrefix(const wxString& text) { m_extraPrefix = text; }
    const wxString& GetExtraPrefix() const { return m_extraPrefix; }
    void SetExtraSuffix(const wxString& text) { m_extraSuffix = text; }
    const wxString& GetExtraSuffix() const { return m_extraSuffix; }

    void SetFont(const wxFont& font) { m_font = font; }
    const wxFont& GetFont() const { return m_font; }
    void SetPen(const wxPen& pen) { m_pen = pen; }
    const wxPen& GetPen() const { return m_pen; }
    void SetBrush(const wxBrush& brush) { m_brush = brush; }
    const wxBrush& GetBrush() const { return m_brush; }

    void SetContinuous(bool continuous) { m_continuous = continuous; }
    bool IsContinuous() const { return m_continuous; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool IsVisible() const { return m_visible; }

    // The measuring mark: the last sample measured on this layer (series only).
    void SetMarkShown(bool shown) { m_markShown = shown; }
    bool IsMarkShown() const { return m_markShown; }
    double GetMarkValue() const { return m_markValue; }
    double GetMarkExtra() const { return m_markExtra; }

protected:
    wxString m_extraPrefix;
    wxString m_extraSuffix;
    wxString m_valuePrefix;
    wxString m_valueSuffix;
    bool m_markShown = false;
    double m_markValue = 0.0;
    double m_markExtra = -1.0;
    wxFont m_font;
    wxPen m_pen;
    wxString m_name;
    wxString m_subtitle;
    wxString m_footer;
    bool m_continuous = false;
    wxBrush m_brush;
    int m_kind;
    bool m_visible = true;

private:
    wxDECLARE_ABSTRACT_CLASS(PlotLayer);
};
