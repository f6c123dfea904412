// hvbench: the Windows side of bench/run. Each command times one thing with
// QueryPerformanceCounter and prints one line of "name=value" fields, so that the host script
// can read it without guessing.
//
//   hvbench delete FOLDER              DeleteAllFiles over the folder, on the real platform
//   hvbench named FOLDER NAME          DeleteFilesNamed over the folder
//   hvbench find FOLDER PATTERNS       the file finder's search, sub-folders included
//   hvbench run COMMAND [COMMAND...]   starts each command line in turn (output to NUL), waits,
//                                      and prints the summed time and the largest peak
//                                      working set of the started processes
//   hvbench probe CAPTION OUT COMMAND  starts the command, finds its top-level window with
//                                      that caption and sends it WM_NULL every 10 ms until the
//                                      process ends; writes the waits' figures to OUT
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/allerase.h"
#include "finder/find_files.h"
#include "platform/win32/win32_machine.h"

namespace {

double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

int usage() {
    std::fprintf(stderr,
                 "usage: hvbench delete FOLDER | named FOLDER NAME | find FOLDER PATTERNS |"
                 " run COMMAND... |"
                 " probe CAPTION OUT COMMAND\n");
    return 2;
}

// DeleteAllFiles, or DeleteFilesNamed when a name is given: a walk that yields after every
// file, as the named primitive does.
int deleteFiles(const std::string& folder, const std::string* name) {
    hv::win32::Win32Machine machine;
    hv::Allerase erase(machine.files, machine.registry, machine.events, hv::PathGuard());
    const double start = nowMs();
    const double bytes =
        name != nullptr ? erase.DeleteFilesNamed(folder, *name) : erase.DeleteAllFiles(folder);
    const double elapsed = nowMs() - start;
    std::printf("ms=%.1f bytes=%.0f\n", elapsed, bytes);
    return 0;
}

// The finder's window without a window: every hit is kept as the list box would keep it, and
// text widths are estimated from the length, since no font is at hand.
class ListingWindow final : public hv::SearchWindow {
  public:
    void searchStarted() override {}
    bool includeSubFolders() override { return true; }
    void showFolder(const std::string& folder) override { status_ = folder; }
    void listHit(const std::string& line, const std::string&) override { lines_.push_back(line); }
    int measureTextWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * 7;
    }
    bool stopRequested() override { return false; }
    bool closing() override { return false; }

    std::size_t hits() const { return lines_.size(); }

  private:
    std::string status_;
    std::vector<std::string> lines_;
};

int find(const std::string& folder, const std::string& patterns) {
    hv::win32::Win32Machine machine;
    ListingWindow window;
    const double start = nowMs();
    const auto result = hv::FindFiles(machine.files, machine.events, window, folder, patterns);
    const double elapsed = nowMs() - start;
    std::printf("ms=%.1f hits=%zu folders=%zu\n", elapsed, window.hits(), result.folders.size());
    return 0;
}

HANDLE nulDevice() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       OPEN_EXISTING, 0, nullptr);
}

// Starts a command line hidden, its output going nowhere. Nothing on failure.
HANDLE start(const std::string& command, DWORD flags) {
    HANDLE nul = nulDevice();
    STARTUPINFOA info{};
    info.cb = sizeof info;
    info.dwFlags = STARTF_USESTDHANDLES;
    info.hStdInput = nul;
    info.hStdOutput = nul;
    info.hStdError = nul;
    PROCESS_INFORMATION process{};
    std::string line = command;
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, flags,
                                        nullptr, nullptr, &info, &process);
    CloseHandle(nul);
    if (!started) return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

int run(const std::vector<std::string>& commands) {
    constexpr DWORD kMemoryPollMs = 20;
    double total = 0;
    SIZE_T peak = 0;
    DWORD worstExit = 0;
    for (const auto& command : commands) {
        const double begin = nowMs();
        HANDLE process = start(command, CREATE_NO_WINDOW);
        if (process == nullptr) {
            std::fprintf(stderr, "hvbench: cannot start %s (error %lu)\n", command.c_str(),
                         GetLastError());
            return 1;
        }
        // The counters are read while the process runs: once it has ended, Wine does not
        // always give them.
        do {
            PROCESS_MEMORY_COUNTERS counters{};
            counters.cb = sizeof counters;
            if (GetProcessMemoryInfo(process, &counters, sizeof counters))
                peak = std::max(peak, counters.PeakWorkingSetSize);
        } while (WaitForSingleObject(process, kMemoryPollMs) == WAIT_TIMEOUT);
        total += nowMs() - begin;
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        worstExit = std::max(worstExit, code);
        CloseHandle(process);
    }
    std::printf("ms=%.1f peak_ws=%zu exit=%lu\n", total, static_cast<size_t>(peak), worstExit);
    return 0;
}

// The longest wait and the nearest-rank 99th percentile.
std::pair<double, double> figures(std::vector<double> waits) {
    if (waits.empty()) return {0, 0};
    std::sort(waits.begin(), waits.end());
    return {waits.back(), waits[std::min(waits.size() - 1, waits.size() * 99 / 100)]};
}

struct WindowSearch {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (*search->caption != text) return TRUE;
    search->found = window;
    return FALSE;
}

int probe(const std::string& caption, const std::string& out, const std::string& command) {
    constexpr UINT kTimeoutMs = 10000;
    constexpr DWORD kPeriodMs = 10;
    HANDLE process = start(command, 0);
    if (process == nullptr) {
        std::fprintf(stderr, "hvbench: cannot start %s\n", command.c_str());
        return 1;
    }
    const double begin = nowMs();
    WindowSearch search{GetProcessId(process), &caption, nullptr};
    while (search.found == nullptr && WaitForSingleObject(process, kPeriodMs) == WAIT_TIMEOUT)
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    const double windowAt = nowMs() - begin;

    // Each wait, with when it was sent (from the program's start).
    struct Sample {
        double at;
        double waited;
    };
    std::vector<Sample> samples;
    while (search.found != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        DWORD_PTR answer = 0;
        const double sent = nowMs();
        const LRESULT ok =
            SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &answer);
        const double waited = nowMs() - sent;
        if (!ok && GetLastError() != ERROR_TIMEOUT) break;  // the window is gone
        samples.push_back({sent - begin, waited});
        Sleep(kPeriodMs);
    }
    WaitForSingleObject(process, INFINITE);
    const double lifetime = nowMs() - begin;
    CloseHandle(process);

    // The window is made while the splash shows; the start-up clean begins when the splash
    // gives way to the main window, 2 s later. What comes before is the program's loading.
    constexpr double kSplashMs = 2000;
    std::vector<double> all;
    std::vector<double> clean;
    for (const auto& sample : samples) {
        all.push_back(sample.waited);
        if (sample.at >= windowAt + kSplashMs) clean.push_back(sample.waited);
    }
    const auto [maximum, p99] = figures(all);
    const auto [cleanMaximum, cleanP99] = figures(clean);
    char line[256];
    std::snprintf(line, sizeof line,
                  "max_ms=%.1f p99_ms=%.1f clean_max_ms=%.1f clean_p99_ms=%.1f samples=%zu "
                  "window_ms=%.0f run_ms=%.0f\n",
                  maximum, p99, cleanMaximum, cleanP99, samples.size(), windowAt, lifetime);
    std::string text = line;
    // The five longest waits, for finding what held the window.
    std::vector<Sample> longest = samples;
    std::sort(longest.begin(), longest.end(),
              [](const Sample& a, const Sample& b) { return a.waited > b.waited; });
    if (longest.size() > 5) longest.resize(5);
    for (const auto& sample : longest) {
        std::snprintf(line, sizeof line, "wait_ms=%.1f at_ms=%.0f\n", sample.waited, sample.at);
        text += line;
    }
    std::ofstream(out, std::ios::binary) << text;
    std::fputs(text.c_str(), stdout);
    return search.found != nullptr ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "delete") return deleteFiles(args[1], nullptr);
    if (args.size() == 3 && args[0] == "named") return deleteFiles(args[1], &args[2]);
    if (args.size() == 3 && args[0] == "find") return find(args[1], args[2]);
    if (args.size() >= 2 && args[0] == "run")
        return run(std::vector<std::string>(args.begin() + 1, args.end()));
    if (args.size() == 4 && args[0] == "probe") return probe(args[1], args[2], args[3]);
    return usage();
}
