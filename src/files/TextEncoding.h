#pragma once
#include <wx/string.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text as it travels in files: written as UTF-8; read as UTF-8 when the bytes are valid
// UTF-8, otherwise as Windows-1250, the code page of files written by the Windows version for
// Romanian users. Multi-line texts travel as UTF-16 code units.
class TextEncoding {
public:
    static std::string ToUtf8(const wxString& text);
    static wxString FromFileBytes(std::string_view bytes);
    static wxString FromWindows1250(std::string_view bytes);

    static std::vector<std::uint16_t> ToUtf16(const wxString& text);
    // Unpaired surrogates read as U+FFFD.
    static wxString FromUtf16(const std::vector<std::uint16_t>& units);

    // The text with every line break replaced by a blank, for one-line fields.
    static wxString OnOneLine(const wxString& text);
};
