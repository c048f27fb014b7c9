#pragma once
#include <wx/string.h>

#include <string>

// A fresh folder under /tmp for one test, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    wxString WxFile(const std::string& name) const { return wxString::FromUTF8(File(name)); }

    static std::string ReadAll(const std::string& path);
    static void WriteAll(const std::string& path, const std::string& content);

private:
    std::string m_path;
};
