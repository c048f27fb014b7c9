#include "device/DeviceTexts.h"

namespace DeviceTexts {

wxString UsbError(unsigned char errorCode) {
    return errorCode != 0 ? "Accesare Cod Eroare" : "Conexiune USB esuata";
}

wxString LiveHeaderFailed() {
    return "Conexiunea USB nu poate fi detectata: Reintroduceti cablul USB";
}

wxString LiveLoggingOnFailed() {
    return wxString::Format("Comunicare USB nereusita: %d SetareJurnal Esuata: Restartare totala",
                            0);
}

wxString LiveConnectionLost() {
    return "USB Connection Lost: STOP operation immediately and Restart Flowmeter AND software";
}

wxString LiveLoggingOffFailed() {
    return wxString::FromUTF8(
        "Eroare USB: SetareJurnal Esuata: Închideti Flowmeter si restartati programul.");
}

wxString DownloadProgressTitle() {
    return wxString::FromUTF8("Se încarca...");
}

wxString DownloadProgressMessage(int fileCount) {
    return wxString::Format(
        wxString::FromUTF8("Se încarca fisierele %d din memoria Dextrel. Va rugam asteptati... "),
        fileCount);
}

wxString DownloadDamagedMemory() {
    return "Memoria dispozitivului Dextrel este deteriorata: lista fisierelor nu poate fi citita";
}

wxString DownloadUnsavedQuestion() {
    return wxString::FromUTF8("Doriti sa salvati datele înainte de descarcare?");
}

wxString DownloadUnsavedCaption() {
    return wxString::FromUTF8("Înainte de descarcare");
}

wxString DownloadSaveQuestion() {
    return wxString::FromUTF8("Salvati fisierul în drive-ul computerului?");
}

wxString DownloadSaveCaption() {
    return "Salvati modificarile?";
}

wxString ClearQuestion() {
    return "Selectati OK pentru a sterge toate datele de pe dispozitivul Dextrel-2";
}

wxString ClearCaption() {
    return "Atentie: stergerea datelor";
}

} // namespace DeviceTexts
