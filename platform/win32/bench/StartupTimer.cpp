// The start-up benchmark's clock: starts programs one after another, in turns, and times each
// from CreateProcess until the process shows its first visible top-level window, polling in
// the same Wine as the programs run in. Prints each program's median and their ratio to the
// first (the baseline).
//
//   startup_timer RUNS BASELINE.exe PROGRAM.exe...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window)) return TRUE;
    search.found = true;
    return FALSE;
}

// Milliseconds to the first shown window, or a negative number when none came.
double TimeToWindow(const std::string& exe) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        Search search{process.dwProcessId, false};
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        const double ms =
            1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        if (search.found) {
            elapsed = ms;
            break;
        }
        if (ms > 10000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(0);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_timer RUNS BASELINE.exe PROGRAM.exe...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<std::string> programs(argv + 2, argv + argc);
    for (const std::string& exe : programs) TimeToWindow(exe);  // warms the caches
    std::vector<std::vector<double>> times(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const double ms = TimeToWindow(programs[i]);
            if (ms < 0) {
                std::fprintf(stderr, "%s showed no window\n", programs[i].c_str());
                return 1;
            }
            times[i].push_back(ms);
        }
    }
    const double baseline = Median(times[0]);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const double median = Median(times[i]);
        std::printf("start-up to first window: %s %.1f ms (median of %d), ratio %.2f\n",
                    programs[i].c_str(), median, runs, median / baseline);
    }
    return 0;
}
