#include "plot/PlotLayer.h"

#include <wx/gdicmn.h>
#include <wx/settings.h>

wxIMPLEMENT_ABSTRACT_CLASS(PlotLayer, wxObject);

PlotLayer::PlotLayer(const wxString& name, int kind)
    : m_font(*wxNORMAL_FONT), m_pen(*wxBLACK_PEN), m_name(name), m_kind(kind) {}
