#include "mainframe/MainFrame.h"

#include "plot/MyPrintout.h"
#include "plot/PlotWindow.h"

#include <wx/filedlg.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/print.h>

namespace {
const char* const kPrintFailure = "Examinare înaintea imprimarii nereusita.\nVa rugam "
                                  "verificati setarile imprimantei.";
}

void MainFrame::ShowPrintPreview() {
    wxPrintData printData;
    printData.SetPaperId(wxPAPER_A4);
    wxPrintDialogData dialogData(printData);
    wxPrintPreview* preview = new wxPrintPreview(new MyPrintout("Primul", m_plot),
                                                 new MyPrintout("Al doilea", m_plot), &dialogData);
    if (!preview->IsOk()) {
        delete preview;
        wxMessageBox(wxString::FromUTF8(kPrintFailure), "Previzualizare", wxOK);
        return;
    }
    wxPreviewFrame* frame = new wxPreviewFrame(
        preview, this, "Tiparire previzualizare", wxPoint(100, 100), wxSize(600, 650),
        wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT, "frame");
    frame->Initialize();
    frame->Show(true);
}

void MainFrame::OnPrintPreview(wxCommandEvent&) {
    ShowPrintPreview();
}

void MainFrame::PrintGraph() {
    wxPrintData printData;
    printData.SetPaperId(wxPAPER_A4);
    wxPrintDialogData dialogData(printData);
    wxPrinter printer(&dialogData);
    MyPrintout printout("Tiparire ", m_plot);
    if (!printer.Print(this, &printout, true) && wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        wxMessageBox(wxString::FromUTF8(kPrintFailure), "Tiparire", wxOK);
    }
}

void MainFrame::OnPrint(wxCommandEvent&) {
    PrintGraph();
}

void MainFrame::SaveGraphImage() {
    m_plot->Redraw();
    const wxBitmap snapshot = m_plot->Snapshot();
    wxFileDialog dialog(this, "Salvare imagine ca...", "", "", "Fisiere imagine (*.bmp)|*.bmp",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT, wxDefaultPosition, wxDefaultSize,
                        "filedlg");
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    if (!snapshot.SaveFile(dialog.GetPath(), wxBITMAP_TYPE_BMP)) {
        wxLogError("Imaginea nu a putut fi salvata in %s", dialog.GetPath());
    }
}

void MainFrame::OnCapture(wxCommandEvent&) {
    SaveGraphImage();
}
