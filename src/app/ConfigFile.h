#pragma once
#include "app/AppSettings.h"

#include <string>
#include <string_view>

// The seven-line configuration file: metric, pressure unit, firmware version, tips flag,
// flow unit, settings lock and absolute time, one decimal integer per line.
class ConfigFile {
public:
    static constexpr const char* kFileName = "dextrelv48.ini";

    // The file in the user's configuration folder, where the program keeps it.
    static std::string UserPath();

    // Fields whose line is missing or not a number keep their defaults; a file that cannot
    // be opened gives all defaults.
    static AppSettingsBlock Load(const std::string& path);
    // The same for the file's content.
    static AppSettingsBlock Parse(std::string_view text);

    // The seven lines.
    static std::string Format(const AppSettingsBlock& settings);
    // Replaces the file with the seven lines only once they are completely on disk, so that a
    // program killed while saving leaves the old file; false when it could not be written.
    static bool Save(const std::string& path, const AppSettingsBlock& settings);
};
