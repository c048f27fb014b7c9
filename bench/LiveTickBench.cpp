// One live tick (append, list refresh, series update, fit, paint) on a live recording that
// already holds 1,000,000 samples, on the simulated logger with frozen time.

#include "SimulatedLogger.h"
#include "mainframe/MainFrame.h"
#include "plot/PlotWindow.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class LiveTickBench {
public:
    static constexpr int kSamples = 1000000;
    static constexpr int kTicks = 10;

    explicit LiveTickBench(MainFrame* frame) : m_frame(frame) {}

    void StartLiveRecording() {
        m_frame->m_statusTimer.Stop();
        m_frame->StartLiveRecording();
        m_frame->m_liveTimer.Stop(); // the benchmark ticks by itself
        Storage& live = m_frame->m_recordings.front();
        live.ReserveSamples(kSamples + 100);
        for (int i = 0; i < kSamples; ++i) {
            live.AddRawSample(10 + i % 40, 200 + i % 100);
        }
        // as if the ticks before had shown them
        m_frame->ShowRecording(0);
    }

    double Tick() {
        SimulatedLogger::AdvanceTime(1000);
        const auto start = std::chrono::steady_clock::now();
        m_frame->TakeLiveSamples();
        wxBitmap bitmap(m_frame->m_plot->GetClientSize());
        wxMemoryDC dc(bitmap);
        m_frame->m_plot->Render(dc, bitmap.GetSize());
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    }

    int SampleCount() const { return m_frame->m_recordings.front().GetSampleCount(); }

private:
    MainFrame* m_frame;
};

int main(int argc, char** argv) {
    char home[] = "/tmp/dextrel-bench-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        return 1;
    }
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("XDG_STATE_HOME", home, 1);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start the toolkit\n");
        return 1;
    }
    SimulatedLogger::Options options;
    options.clock = "2011-12-25 09:05:07";
    options.frozenTime = true;
    SimulatedLogger::Configure(options);

    MainFrame* frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    frame->Show(true);
    LiveTickBench bench(frame);
    bench.StartLiveRecording();

    std::vector<double> times;
    std::printf("%-6s %10s %10s\n", "tick", "ms", "samples");
    for (int tick = 1; tick <= LiveTickBench::kTicks; ++tick) {
        times.push_back(bench.Tick());
        std::printf("%-6d %10.2f %10d\n", tick, times.back(), bench.SampleCount());
    }
    std::sort(times.begin(), times.end());
    // A tick that finds the graph's sample store full moves it once (amortised growth); the
    // median is the common tick, the slowest is shown beside it.
    std::printf("median %.2f ms, slowest %.2f ms\n", times[times.size() / 2], times.back());
    std::printf("RESULT live_tick_1m_ms %.2f ms\n", times[times.size() / 2]);
    frame->Destroy();
    wxEntryCleanup();
    std::system((std::string("rm -rf ") + home).c_str());
    return 0;
}
