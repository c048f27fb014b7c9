#pragma once
#include "device/JournalReader.h"
#include "device/LiveJournal.h"

#include <wx/string.h>

#include <vector>

// A journal left by an earlier run, locked now by this process, with what it holds.
struct EarlierJournal {
    LiveJournal journal;
    JournalContents contents;
};

// The folder of the live journals: $XDG_STATE_HOME/dextrel, else ~/.local/state/dextrel.
class JournalFolder {
public:
    static constexpr const char* kExtension = ".journal";
    static constexpr const char* kSetAsideExtension = ".unreadable";

    static wxString Path();
    // The journals in folder that no running program holds, oldest name first, each locked for
    // the caller. A journal in use elsewhere is left alone.
    static std::vector<EarlierJournal> TakeEarlier(const wxString& folder);
    // Moves an unreadable journal aside (NAME.unreadable), so it is reported only once and
    // never deleted; the new path, or empty when it could not be moved.
    static wxString SetAside(LiveJournal& journal);
};
