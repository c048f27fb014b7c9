#include "device/JournalTexts.h"

#include "records/Storage.h"
#include "records/Units.h"

namespace JournalTexts {

wxString RestoreQuestion(const std::vector<const Storage*>& records) {
    wxString text = records.size() == 1
                        ? wxString::FromUTF8("O înregistrare în timp real nu a fost salvata:")
                        : wxString::Format(wxString::FromUTF8("%d înregistrari în timp real nu "
                                                              "au fost salvate:"),
                                           static_cast<int>(records.size()));
    text += "\n";
    for (const Storage* record : records) {
        text += wxString::Format(
            "\n%s, pornita la %s GMT, durata %s", record->GetTitle(), record->GetDateText(),
            Units::DurationText(record->GetIntervalMs(), record->GetSampleCount()));
    }
    text += "\n\n";
    text += records.size() == 1 ? "Doriti sa o restaurati?" : "Doriti sa le restaurati?";
    return text;
}

wxString RestoreCaption() {
    return wxString::FromUTF8("Înregistrare în timp real nesalvata");
}

wxString RestoreExplanation() {
    return wxString::FromUTF8("Restaurare: înregistrarile revin în lista, nesalvate.\n"
                              "Mai târziu: raman pastrate pentru o pornire urmatoare.\n"
                              "Renuntare: sunt sterse definitiv.");
}

wxString RestoreLabel() {
    return "Restaurare";
}

wxString LaterLabel() {
    return wxString::FromUTF8("Mai târziu");
}

wxString DiscardLabel() {
    return "Renuntare";
}

wxString Unreadable(const wxString& path, const wxString& problem, const wxString& aside) {
    wxString text = wxString::Format(wxString::FromUTF8("Jurnalul înregistrarii în timp real %s "
                                                        "nu poate fi citit: %s."),
                                     path, problem);
    if (aside.empty()) {
        return text;
    }
    return text + wxString::Format(" A fost pus deoparte ca %s.", aside);
}

wxString CreateFailed(const wxString& error) {
    return wxString::FromUTF8("Jurnalul înregistrarii în timp real nu poate fi creat (") + error +
           wxString::FromUTF8("): la o oprire neasteptata a programului înregistrarea se pierde.");
}

wxString WriteFailed(const wxString& path) {
    return wxString::FromUTF8("Jurnalul înregistrarii în timp real nu mai poate fi scris (") +
           path +
           wxString::FromUTF8("): la o oprire neasteptata a programului esantioanele noi se "
                              "pierd.");
}

} // namespace JournalTexts
