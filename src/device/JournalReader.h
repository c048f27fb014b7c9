#pragma once
#include "records/Storage.h"

#include <wx/string.h>

#include <cstddef>
#include <string>

// What a live journal holds, rebuilt into the record the live recording had.
struct JournalContents {
    bool readable = false;
    wxString problem; // why it is not readable
    Storage record{"", 0, 0, false, 0, 0};
    int ticks = 0;
    // Bytes after the last whole block: a block torn by the crash, dropped.
    std::size_t droppedBytes = 0;
};

// Reads a live journal (the layout is described in LiveJournal.h). The record is rebuilt through
// the same conversion as the live ticks, so its values are the live record's values.
class JournalReader {
public:
    static JournalContents Parse(const std::string& bytes);
    // Reads the journal from an open descriptor, from its start.
    static JournalContents ReadFrom(int descriptor);
};
