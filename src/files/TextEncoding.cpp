#include "files/TextEncoding.h"

namespace {

// Windows-1250, bytes 0x80 to 0xFF. The five bytes the code page leaves undefined map to the
// code points of the same number, so that no byte is lost.
const wchar_t kWindows1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

const wchar_t kReplacementCharacter = 0xFFFD;

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = bytes[i];
        size_t length = 0;
        std::uint32_t codePoint = 0;
        std::uint32_t minimum = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = bytes[i + k];
            if (!IsContinuationByte(next)) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool IsHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendCodePoint(wxString& text, std::uint32_t codePoint) {
    text.Append(wxUniChar(codePoint));
}

} // namespace

std::string TextEncoding::ToUtf8(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

wxString TextEncoding::FromFileBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return wxString::FromUTF8(bytes.data(), bytes.size());
    }
    return FromWindows1250(bytes);
}

wxString TextEncoding::FromWindows1250(std::string_view bytes) {
    wxString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        text.Append(byte < 0x80 ? wxUniChar(byte) : wxUniChar(kWindows1250High[byte - 0x80]));
    }
    return text;
}

std::vector<std::uint16_t> TextEncoding::ToUtf16(const wxString& text) {
    std::vector<std::uint16_t> units;
    units.reserve(text.length());
    for (const wxUniChar c : text) {
        const std::uint32_t codePoint = c.GetValue();
        if (codePoint >= 0x10000) {
            const std::uint32_t offset = codePoint - 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (offset >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)));
        } else {
            units.push_back(static_cast<std::uint16_t>(codePoint));
        }
    }
    return units;
}

wxString TextEncoding::FromUtf16(const std::vector<std::uint16_t>& units) {
    wxString text;
    for (size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t unit = units[i];
        if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            AppendCodePoint(text, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendCodePoint(text, kReplacementCharacter);
        } else {
            AppendCodePoint(text, unit);
        }
    }
    return text;
}

wxString TextEncoding::OnOneLine(const wxString& text) {
    wxString line(text);
    line.Replace("\r\n", " ");
    line.Replace("\r", " ");
    line.Replace("\n", " ");
    return line;
}
