#pragma once
#include <wx/bitmap.h>
#include <wx/string.h>

// One usage tip: its text and its picture. Copies share the picture's image data.
class Tip {
public:
    Tip(const wxString& text, const wxBitmap& picture) : m_text(text), m_picture(picture) {}
    virtual ~Tip() = default;

    const wxString& GetText() const { return m_text; }
    const wxBitmap& GetPicture() const { return m_picture; }

private:
    wxString m_text;
    wxBitmap m_picture;
};
