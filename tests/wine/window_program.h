#pragma once
// What the window programs run by the Wine checks share: their own list of checks (written to
// "result.txt" beside the program, since a program in a Wine desktop has no console), the
// program's folder, and finding a control of a form by name.
#include <windows.h>

#include <fstream>
#include <string>

#include "platform/event_loop.h"
#include "platform/ui/form.h"

namespace hv::wine_check {

inline int failures = 0;
inline std::string report;

inline void check(bool ok, const std::string& what) {
    report += (ok ? "ok      " : "FAILED  ") + what + "\n";
    if (!ok) ++failures;
}

inline std::string programFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

inline bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Writes the checks beside the program; the exit code: 0 when all held.
inline int finish() {
    writeFile(programFolder() + "\\result.txt", report);
    return failures == 0 ? 0 : 1;
}

template <class T>
T* find(ui::Form& form, const std::string& name) {
    T* found = nullptr;
    ui::forEachControl(form, [&](ui::Control& control) {
        if (control.name() == name) found = dynamic_cast<T*>(&control);
    });
    return found;
}

// Handles messages until the condition holds or the time is up.
template <class Condition>
bool pumpUntil(EventLoop& events, Condition done, int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (done()) return true;
        events.doEvents();
        Sleep(50);
    }
    return done();
}

// Tells the script that the window is ready for its picture, and waits until it was taken
// ("shot.txt") or 20 seconds pass.
inline void waitForScreenshot(EventLoop& events) {
    const std::string folder = programFolder();
    writeFile(folder + "\\ready.txt", "ready\n");
    pumpUntil(
        events, [&] { return exists(folder + "\\shot.txt"); }, 20000);
}

}  // namespace hv::wine_check
