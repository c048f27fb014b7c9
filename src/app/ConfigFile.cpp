#include "app/ConfigFile.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#include <cstdio>

std::string ConfigFile::UserPath() {
    wxStandardPaths& paths = wxStandardPaths::Get();
    paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
    return std::string((paths.GetUserConfigDir() + wxFILE_SEP_PATH + kFileName).fn_str());
}

AppSettingsBlock ConfigFile::Load(const std::string& path) {
    AppSettingsBlock settings;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return settings;
    }
    int values[7];
    int count = 0;
    // A failed conversion ends the reading: the remaining fields keep their defaults.
    while (count < 7 && std::fscanf(file, "%d\n", &values[count]) == 1) {
        ++count;
    }
    std::fclose(file);

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

bool ConfigFile::Save(const std::string& path, const AppSettingsBlock& settings) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "%d\n", settings.metric);
    std::fprintf(file, "%d\n", settings.pressureUnit);
    std::fprintf(file, "%d\n", settings.firmwareVersion);
    std::fprintf(file, "%d\n", settings.showTips ? 1 : 0);
    std::fprintf(file, "%d\n", settings.flowUnit);
    std::fprintf(file, "%d\n", settings.settingsLocked ? 1 : 0);
    std::fprintf(file, "%d\n", settings.absoluteTime ? 1 : 0);
    return std::fclose(file) == 0;
}
