#pragma once
#include <string>
#include <vector>

// dextrel-logger set: changes the logger's settings as the settings dialog does.
int RunSetCommand(const std::vector<std::string>& arguments);

extern const char* const SetCommandSynopsis;
extern const char* const SetCommandSummary;
extern const char* const SetCommandDetails;
