#pragma once
#include <string>

// dextrel-logger run as its own process on the preloaded simulated logger, which holds two
// events of 100 samples recorded before 25/12/2011 09:05:07.
struct ToolRun {
    int status;
    std::string output;
};

enum class ToolOutput { Both, StandardOutput, StandardError };

// environment: more DEXTREL_SIM_* settings, e.g. "DEXTREL_SIM_BATTERY=58".
ToolRun RunTool(const std::string& environment, const std::string& arguments,
                ToolOutput output = ToolOutput::Both);
// The same through a shell script around the tool's command line, "$TOOL" naming it.
ToolRun RunToolScript(const std::string& environment, const std::string& script);

std::string HomePath(const char* name);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
