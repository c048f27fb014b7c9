#include "device/LoggerToolRun.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace {

const char* LoggerEnvironment = "DEXTREL_SIM_CLOCK='2011-12-25 09:05:07' DEXTREL_SIM_EVENTS=2 "
                                "DEXTREL_SIM_EVENT_SAMPLES=100 ";

ToolRun RunCommand(const std::string& command) {
    ToolRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Prefix(const std::string& environment) {
    return "env LD_PRELOAD='" DEXTREL_SIM_LIBRARY "' TOOL='" DEXTREL_LOGGER_TOOL "' " +
           std::string(LoggerEnvironment) + environment;
}

} // namespace

ToolRun RunTool(const std::string& environment, const std::string& arguments, ToolOutput output) {
    const char* redirect = output == ToolOutput::Both            ? " 2>&1"
                           : output == ToolOutput::StandardError ? " 2>&1 1>/dev/null"
                                                                 : " 2>/dev/null";
    return RunCommand(Prefix(environment) + " '" DEXTREL_LOGGER_TOOL "' " + arguments + redirect);
}

ToolRun RunToolScript(const std::string& environment, const std::string& script) {
    return RunCommand(Prefix(environment) + " sh -c '" + script + "' 2>&1");
}

std::string HomePath(const char* name) {
    return std::string(std::getenv("HOME")) + "/" + name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}
