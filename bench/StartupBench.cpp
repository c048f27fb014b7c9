// Starts the program's main window several times, each in a fresh process with an empty
// configuration folder, and prints the time from process start to the window shown. The
// splash screen closes on its own timer, which is not waited for. The figure is the best of
// the runs (the median is shown too).
#include "BenchResults.h"
#include "mainframe/MainFrame.h"

#include <wx/app.h>
#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const int kRuns = 5;
const char* const kChildFlag = "--child";

// In the child: the window as the program's start-up builds it, then "shown" on stdout.
int ShowMainWindow(char* program) {
    // The toolkit would refuse the child flag, as the program takes no arguments.
    int argc = 1;
    char* argv[] = {program, nullptr};
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 2;
    }
    MainFrame* frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    frame->Show(true);
    wxTheApp->SetTopWindow(frame);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!frame->IsShownOnScreen() && std::chrono::steady_clock::now() < deadline) {
        wxTheApp->Yield(true);
    }
    wxTheApp->Yield(true);
    std::printf("%s\n", frame->IsShownOnScreen() ? "shown" : "not shown");
    std::fflush(stdout);
    // The measurement is over; the settings written at exit would only go to the temporary
    // folder.
    _exit(0);
}

// Starts the child and gives the milliseconds until it reports the window shown, or -1.
double TimeOneStart(const char* program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* arguments[] = {const_cast<char*>(program), const_cast<char*>(kChildFlag), nullptr};
    const BenchResults::Clock::time_point start = BenchResults::Clock::now();
    pid_t child = 0;
    const int failed = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed != 0) {
        close(pipeEnds[0]);
        return -1;
    }
    char answer[32] = {};
    ssize_t length = 0;
    while (length < 5 && length < static_cast<ssize_t>(sizeof answer) - 1) {
        const ssize_t count = read(pipeEnds[0], answer + length, sizeof answer - 1 - length);
        if (count <= 0) {
            break;
        }
        length += count;
    }
    const double ms = BenchResults::SecondsSince(start) * 1000.0;
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return std::strncmp(answer, "shown", 5) == 0 ? ms : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) {
        return ShowMainWindow(argv[0]);
    }
    char pattern[] = "/tmp/dextrel-startup-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    setenv("HOME", pattern, 1);
    setenv("XDG_CONFIG_HOME", pattern, 1);
    setenv("XDG_STATE_HOME", pattern, 1);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = TimeOneStart("/proc/self/exe");
        if (ms < 0) {
            std::fprintf(stderr, "the main window was not shown: is there a display?\n");
            std::filesystem::remove_all(pattern);
            return 1;
        }
        times.push_back(ms);
        std::printf("start %d: %8.1f ms\n", run + 1, ms);
    }
    std::filesystem::remove_all(pattern);
    std::printf("start to main window shown: best %.1f ms, median %.1f ms of %d runs\n",
                BenchResults::Best(times), BenchResults::Median(times), kRuns);
    BenchResults results;
    results.Add("startup_ms", BenchResults::Best(times), "ms");
    results.Print();
    return 0;
}
