#pragma once
#include <wx/string.h>

#include <vector>

// Cuts a tip's text into the lines that the tips dialog paints: at most `width` characters,
// cut at the last blank within them (the blank itself is dropped). A text with no blank from
// its third character on within the first `width` characters stays one long line.
std::vector<wxString> CutTipLines(const wxString& text, size_t width = 40);
