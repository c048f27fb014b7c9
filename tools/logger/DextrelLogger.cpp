// dextrel-logger: works a Vendrix logger from a terminal on the same device link and device
// operations as the program: its settings, status and memory, downloads, clearing and live
// recording.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include <wx/init.h>

#include <cstdio>
#include <cstring>

namespace {

// The commands, in the order the usage lists them.
const LoggerCommand* const Commands[] = {
    &InfoCommand, &StatusCommand, &DownloadCommand, &LiveCommand,
    &SetCommand,  &ClearCommand,  &DumpCommand,
};

void PrintUsage(std::FILE* out) {
    const char* program = ToolSupport::Program;
    std::fprintf(out, "usage: %s COMMAND [OPTIONS]\n       %s --help | --version\n\ncommands:\n",
                 program, program);
    for (const LoggerCommand* command : Commands) {
        std::fprintf(out, "  %-9s %s\n", command->name, command->summary);
    }
    std::fprintf(out, "\n\"%s COMMAND --help\" describes a command and its options.\n", program);
}

const LoggerCommand* FindCommand(const char* name) {
    for (const LoggerCommand* command : Commands) {
        if (std::strcmp(command->name, name) == 0) {
            return command;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return ExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(stdout);
        return ExitOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", ToolSupport::Program, DEXTREL_VERSION);
        return ExitOk;
    }
    const LoggerCommand* command = FindCommand(argv[1]);
    if (command == nullptr) {
        std::fprintf(stderr, "%s: unknown command %s\n", ToolSupport::Program, argv[1]);
        PrintUsage(stderr);
        return ExitUsage;
    }
    const Arguments arguments(argv + 2, argv + argc);
    if (ToolSupport::WantsHelp(arguments)) {
        ToolSupport::PrintCommandHelp(*command, stdout);
        return ExitOk;
    }
    wxInitializer initializer;
    if (!initializer.IsOk()) {
        return ToolSupport::Fail("cannot initialise the toolkit's base library");
    }
    return command->run(arguments);
}
