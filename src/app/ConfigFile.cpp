#include "app/ConfigFile.h"

#include "files/AtomicFileWriter.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#include <climits>
#include <cstdio>
#include <memory>

namespace {

constexpr int kFieldCount = 7;

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one decimal integer as "%d\n" does: white space before it is skipped, a sign may lead.
// A number beyond the range of int is not read, since the formatted input gives no defined
// value for it.
bool ReadNumber(std::string_view text, std::size_t& position, int& value) {
    while (position < text.size() && IsWhiteSpace(text[position])) {
        ++position;
    }
    std::size_t at = position;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size() || !IsDigit(text[at])) {
        return false;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    position = at;
    return true;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string ConfigFile::UserPath() {
    wxStandardPaths& paths = wxStandardPaths::Get();
    paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
    return std::string((paths.GetUserConfigDir() + wxFILE_SEP_PATH + kFileName).fn_str());
}

AppSettingsBlock ConfigFile::Load(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "r"));
    if (!file) {
        return AppSettingsBlock();
    }
    std::string text;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, count);
    }
    return Parse(text);
}

AppSettingsBlock ConfigFile::Parse(std::string_view text) {
    AppSettingsBlock settings;
    int values[kFieldCount];
    int count = 0;
    std::size_t position = 0;
    // A failed conversion ends the reading: the remaining fields keep their defaults.
    while (count < kFieldCount && ReadNumber(text, position, values[count])) {
        ++count;
    }

    if (count > 0)
        settings.metric = static_cast<std::uint8_t>(values[0]);
    if (count > 1)
        settings.pressureUnit = static_cast<std::uint8_t>(values[1]);
    if (count > 2)
        settings.firmwareVersion = values[2];
    if (count > 3)
        settings.showTips = values[3] != 0;
    if (count > 4)
        settings.flowUnit = static_cast<std::uint8_t>(values[4]);
    if (count > 5)
        settings.settingsLocked = values[5] != 0;
    if (count > 6)
        settings.absoluteTime = values[6] != 0;
    return settings;
}

std::string ConfigFile::Format(const AppSettingsBlock& settings) {
    const int fields[kFieldCount] = {settings.metric,
                                     settings.pressureUnit,
                                     settings.firmwareVersion,
                                     settings.showTips ? 1 : 0,
                                     settings.flowUnit,
                                     settings.settingsLocked ? 1 : 0,
                                     settings.absoluteTime ? 1 : 0};
    std::string text;
    for (int field : fields) {
        text += std::to_string(field) + "\n";
    }
    return text;
}

bool ConfigFile::Save(const std::string& path, const AppSettingsBlock& settings) {
    wxString error;
    return AtomicFileWriter::Write(wxString(path.c_str(), *wxConvFileName), Format(settings),
                                   error);
}
