#pragma once
#include <wx/string.h>

#include <string>

// Replaces a file only once its new content is completely on disk: the content goes to a
// temporary file in the same folder, which is flushed and then renamed over the old file.
// Any failure leaves the old file as it was and removes the temporary file.
class AtomicFileWriter {
public:
    // False on failure, with a message naming the file in error.
    static bool Write(const wxString& path, const std::string& content, wxString& error);
};
