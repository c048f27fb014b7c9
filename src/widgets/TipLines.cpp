#include "widgets/TipLines.h"

std::vector<wxString> CutTipLines(const wxString& text, size_t width) {
    std::vector<wxString> lines;
    wxString rest = text;
    while (!rest.empty()) {
        if (rest.length() <= width) {
            lines.push_back(rest);
            break;
        }
        const size_t blank = rest.Left(width).find_last_of(' ');
        if (blank == wxString::npos || blank < 2) {
            lines.push_back(rest);
            break;
        }
        lines.push_back(rest.Left(blank));
        rest = rest.Mid(blank + 1);
    }
    return lines;
}
