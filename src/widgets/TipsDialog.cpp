#include "widgets/TipsDialog.h"

#include "widgets/ResourceBitmap.h"
#include "widgets/TipLines.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include <algorithm>
#include <random>

wxDEFINE_EVENT(EVT_TIPS_AT_STARTUP, wxCommandEvent);

namespace {
const int kTextLeft = 100;
const int kFirstLineTop = 15;
const int kLineStep = 20;
const int kTipAreaHeight = 100;
} // namespace

wxBEGIN_EVENT_TABLE(TipsDialog, wxDialog)
    EVT_PAINT(TipsDialog::OnPaint)
    EVT_BUTTON(TipsDialog::kNextTipId, TipsDialog::OnNextTip)
    EVT_CHECKBOX(TipsDialog::kShowAtStartupId, TipsDialog::OnShowAtStartup)
wxEND_EVENT_TABLE()

TipsDialog::TipsDialog(wxWindow* parent, bool showAtStartup)
    : wxDialog(parent, wxID_ANY, "Sfaturi ajutatoare", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "dialog"),
      m_owner(parent) {
    SetBackgroundColour(wxColour(236, 233, 216));
    FillTips();
    ChooseFirstTip();
    BuildControls(showAtStartup);
}

TipsDialog::~TipsDialog() = default;

void TipsDialog::FillTips() {
    m_tips = {
        Tip("Citeste si inregistreaza in timp real  masuratorile din Vendrix-ul conectat prin "
            "USB.",
            ResourceBitmap("live_normal")),
        Tip(wxString::FromUTF8("Modificarea setarilor Vendrix-ului pentru controlarea "
                               "\xC3\xAEnregistrarii de date."),
            ResourceBitmap("settings_normal")),
        Tip(wxString::FromUTF8("Download all recorded Flow and Pressure events from the Vendrix "
                               "via the USB. Descarcati \xC3\xAEnregistrarile de Flux si "
                               "Presiune de la Vendrix prin cablu USB"),
            ResourceBitmap("download_normal")),
        Tip(wxString::FromUTF8("stergeti toate \xC3\xAEnregistrarile de pe Vendrix. Aceasta "
                               "actiune goleste memoria, iar conectarea prin USB este "
                               "necesara."),
            ResourceBitmap("clear_normal")),
        Tip("Deschideti fisiere deja salvate pentru a vizualiza date si a face modificari. ",
            ResourceBitmap("open_normal")),
        Tip(" Miscati cursorul peste o icoana si mesajul de ajutor va aparea automat.",
            ResourceBitmap("tip_hover")),
        Tip(wxString::FromUTF8("Salvati imaginea subiectului curent. Imaginea salvata poate fi "
                               "importata \xC3\xAEntr-un document MS Word sau Excel. "),
            ResourceBitmap("capture_normal")),
    };
}

void TipsDialog::ChooseFirstTip() {
    std::random_device seed;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(m_tips.size()) - 1);
    m_current = pick(seed);
}

int TipsDialog::TipAreaHeight() const {
    // Room for the picture and for the longest tip's lines, so no text runs under the controls.
    int height = kTipAreaHeight;
    for (const Tip& tip : m_tips) {
        const int lines = static_cast<int>(CutTipLines(tip.GetText()).size());
        height = std::max(height, kFirstLineTop + lines * kLineStep + 5);
        height = std::max(height, 10 + tip.GetPicture().GetHeight() + 10);
    }
    return height;
}

void TipsDialog::BuildControls(bool showAtStartup) {
    wxStaticBoxSizer* row = new wxStaticBoxSizer(wxHORIZONTAL, this, "");
    wxStaticBox* box = row->GetStaticBox();
    m_showCheckBox =
        new wxCheckBox(box, kShowAtStartupId, "Afisarea sfaturilor la pornire", wxDefaultPosition,
                       wxDefaultSize, 0, wxDefaultValidator, "check");
    m_showCheckBox->SetValue(showAtStartup);
    wxButton* next = new wxButton(box, kNextTipId, "Urmatorul sfat", wxDefaultPosition,
                                  wxSize(100, 30), 0, wxDefaultValidator, "button");
    wxButton* ok = new wxButton(box, wxID_OK, "OK", wxDefaultPosition, wxSize(100, 30), 0,
                                wxDefaultValidator, "button");
    row->Add(m_showCheckBox, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 10);
    row->Add(next, 0, wxLEFT, 40);
    row->Add(ok, 0, wxLEFT, 10);

    wxBoxSizer* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, 0, wxTOP, TipAreaHeight());
    SetSizerAndFit(column);
}

void TipsDialog::SetCurrentTip(int index) {
    if (index < 0 || index >= static_cast<int>(m_tips.size())) {
        return;
    }
    m_current = index;
    Refresh(true);
}

void TipsDialog::Paint(wxDC& dc) const {
    const Tip& tip = m_tips[m_current];
    if (tip.GetPicture().IsOk()) {
        dc.DrawBitmap(tip.GetPicture(), 10, 10, false);
    }
    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    int y = kFirstLineTop;
    for (const wxString& line : CutTipLines(tip.GetText())) {
        dc.DrawText(line, kTextLeft, y);
        y += kLineStep;
    }
}

void TipsDialog::OnPaint(wxPaintEvent& event) {
    wxPaintDC dc(this);
    Paint(dc);
}

void TipsDialog::OnNextTip(wxCommandEvent& event) {
    m_current = (m_current + 1) % static_cast<int>(m_tips.size());
    Refresh(true);
}

void TipsDialog::OnShowAtStartup(wxCommandEvent& event) {
    if (m_owner == nullptr) {
        return;
    }
    wxCommandEvent notice(EVT_TIPS_AT_STARTUP, m_showCheckBox->GetValue() ? 1 : 0);
    notice.SetEventObject(this);
    m_owner->GetEventHandler()->ProcessEvent(notice);
}
