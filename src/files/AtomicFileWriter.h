#pragma once
#include <wx/string.h>

#include <string>
#include <string_view>

// Replaces a file only once its new content is completely on disk: the content goes to a
// temporary file in the same folder, which is flushed and then renamed over the old file.
// Any failure leaves the old file as it was and removes the temporary file.
class AtomicFileWriter {
public:
    // False on failure, with a message naming the file in error.
    static bool Write(const wxString& path, const std::string& content, wxString& error);

    // Content written in pieces: the temporary file is created here, and removed again
    // unless Commit succeeds.
    explicit AtomicFileWriter(const wxString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False once anything failed; later pieces are then ignored.
    bool Append(std::string_view piece);
    // Flushes the temporary file to disk and renames it over the file; false with a message
    // naming the file in error when this or anything before it failed.
    bool Commit(wxString& error);

private:
    void Discard();

    wxString m_path;
    std::string m_target;
    std::string m_temporary;
    int m_descriptor = -1;
    int m_errorNumber = 0;
    bool m_committed = false;
};
