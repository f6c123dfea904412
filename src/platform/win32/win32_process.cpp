#include "platform/win32/win32_process.h"

#include <windows.h>

#include <vector>

namespace hv::win32 {

namespace {

HANDLE toHandle(ProcessHandle process) {
    return reinterpret_cast<HANDLE>(process);
}

}  // namespace

ProcessHandle Win32Process::startHidden(const std::string& commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return 0;
    }
    // The caller only ever asks whether the command has ended, so it holds a handle that can
    // do no more than that. The creation handles keep the process object alive until then.
    HANDLE query = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, started.dwProcessId);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return query == nullptr ? 0 : reinterpret_cast<ProcessHandle>(query);
}

bool Win32Process::exitCode(ProcessHandle process, std::uint32_t& code) {
    DWORD value = 0;
    if (process == 0 || !GetExitCodeProcess(toHandle(process), &value)) return false;
    code = value;
    return true;
}

void Win32Process::close(ProcessHandle process) {
    if (process != 0) CloseHandle(toHandle(process));
}

}  // namespace hv::win32
