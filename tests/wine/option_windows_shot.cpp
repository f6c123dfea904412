// Opens the options window on each of its tabs, then the URL and the cookie keep-list windows
// with a few entries, on the real API, so that a host script can take a screenshot of each.
// For every picture it writes "ready-N.txt" beside itself and waits until "shot-N.txt" appears
// (or 10 seconds pass). It acts as the user through window messages: clicks on tabs and list
// entries, BM_CLICK on buttons, WM_CLOSE to close. Writes "result.txt" and exits 0 when every
// window showed what it loaded.
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/timer.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_ui.h"
#include "ui/frm_cookie.h"
#include "ui/frm_option.h"
#include "ui/frm_url.h"
#include "wine/window_program.h"

namespace {

using namespace hv;
using namespace hv::wine_check;

int pictures = 0;  // numbered across the windows

void makeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

struct QuietHost : OptionsHost {
    void setBossKey(bool) override {}
    void reloadSchedule() override {}
};

// The first child window of a class (and, when given, with a text) under a top-level window.
HWND findChild(HWND parent, const char* className, const char* text = nullptr) {
    struct Search {
        const char* className;
        const char* text;
        HWND found;
    } search{className, text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            char name[64] = {};
            char caption[128] = {};
            GetClassNameA(child, name, sizeof name);
            GetWindowTextA(child, caption, sizeof caption);
            if (lstrcmpiA(name, s.className) == 0 && (!s.text || lstrcmpA(caption, s.text) == 0)) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void clickAt(HWND control, RECT rect) {
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
}

void clickTab(HWND tabs, int index) {
    RECT rect{};
    SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    clickAt(tabs, rect);
}

void clickListEntry(HWND list, int index) {
    RECT rect{};
    SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    clickAt(list, rect);
}

// Runs the steps one timer tick apart; a step that asks for a picture waits for the shot.
class Script {
  public:
    Script(EventLoop& events, std::string folder)
        : timer_(events, {.intervalMs = 300}), folder_(std::move(folder)) {
        timer_.onTick = [this] { tick(); };
    }
    void step(std::function<void()> action) { steps_.push_back({std::move(action), false}); }
    void picture() { steps_.push_back({nullptr, true}); }
    void start() { timer_.setEnabled(true); }

  private:
    struct Step {
        std::function<void()> action;
        bool picture;
    };
    void tick() {
        if (next_ >= steps_.size()) return;
        Step& current = steps_[next_];
        if (current.picture) {
            const std::string number = std::to_string(++pictures);
            if (waited_ == 0) std::ofstream(folder_ + "\\ready-" + number + ".txt") << "ready\n";
            if (!exists(folder_ + "\\shot-" + number + ".txt") && ++waited_ < 34) {
                --pictures;
                return;
            }
            waited_ = 0;
        } else {
            current.action();
        }
        ++next_;
    }

    ui::Timer timer_;
    std::string folder_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int waited_ = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32Machine machine;
    win32::Win32Ui ui;
    Platform os = machine.platform();
    const std::string folder = os.system.applicationFolder();

    // The machine the windows load from.
    const std::string settings = folder + "\\hvset.dat";
    WritePrivateProfileStringA("Options", "bosskey", "1", settings.c_str());
    WritePrivateProfileStringA("Options", "exit", "1", settings.c_str());
    WritePrivateProfileStringA("Options", "CleanDays", "0111110", settings.c_str());
    WritePrivateProfileStringA("Options", "CleanTime", "9:30", settings.c_str());
    const std::string typed = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
    os.registry.createKey(kCurrentUser, typed);
    os.registry.setValue(kCurrentUser, typed, "url1", {RegType::Sz, "http://www.example.com/"});
    os.registry.setValue(kCurrentUser, typed, "url2",
                         {RegType::Sz,
                          "http://news.example.org/articles/2026/12/"
                          "a-rather-long-address-that-needs-a-scroll-bar.html"});
    os.registry.setValue(kCurrentUser, typed, "url3", {RegType::Sz, "http://mail.example.net/"});
    os.files.writeFile(folder + "\\keepurl.dat", "http://mail.example.net/\r\n");
    std::string cookies = "C:\\users\\Public\\Cookies";
    const char* shellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    os.registry.createKey(kCurrentUser, shellFolders);
    os.registry.setValue(kCurrentUser, shellFolders, "Cookies", {RegType::Sz, cookies});
    makeFolders(cookies);
    os.files.writeFile(cookies + "\\user@example[1].txt",
                       "id\n1f2e3d\nexample.com/\n1024\n3567587328\n30293376\n*\n");
    os.files.writeFile(cookies + "\\user@news.example[2].txt", "session\nabc\nnews.example/\n");
    os.files.writeFile(cookies + "\\index.dat", "not listed");
    os.files.writeFile(folder + "\\keepcook.dat", cookies + "\\user@example[1].txt\r\n");

    QuietHost host;
    {
        Frmoption options(ui, os, host);
        Script script(os.events, folder);
        HWND window = nullptr;
        script.step([&] {
            window = FindWindowA(nullptr, "Options");
            check(window != nullptr, "the options window is up");
        });
        script.picture();
        for (int tab : {1, 2}) {
            script.step([&, tab] { clickTab(findChild(window, WC_TABCONTROLA), tab); });
            script.picture();
        }
        script.step([&] { PostMessageA(window, WM_CLOSE, 0, 0); });
        script.start();
        options.showModal();
    }
    {
        frmurl urls(ui, os);
        Script script(os.events, folder);
        HWND window = nullptr;
        script.step([&] {
            window = FindWindowA(nullptr, "URL Drop-List Options");
            check(window != nullptr, "the URL window is up");
            HWND current = findChild(window, "ListBox");
            check(SendMessageA(current, LB_GETCOUNT, 0, 0) == 3, "three typed addresses listed");
            SendMessageA(current, LB_SETCURSEL, 1, 0);
            SendMessageA(findChild(window, "Button", "Add >"), BM_CLICK, 0, 0);
        });
        script.picture();
        script.step([&] { PostMessageA(window, WM_CLOSE, 0, 0); });
        script.start();
        urls.showModal();
    }
    std::string kept;
    os.files.readFile(folder + "\\keepurl.dat", kept);
    check(kept.find("scroll-bar.html\r\n") != std::string::npos, "Add > wrote keepurl.dat");
    {
        frmcookie cookieWindow(ui, os);
        Script script(os.events, folder);
        HWND window = nullptr;
        script.step([&] {
            window = FindWindowA(nullptr, "Cookies Options");
            check(window != nullptr, "the cookie window is up");
            HWND current = findChild(window, "ListBox");
            check(SendMessageA(current, LB_GETCOUNT, 0, 0) == 2, "two cookie files listed");
            clickListEntry(current, 0);
        });
        script.picture();
        script.step([&] { PostMessageA(window, WM_CLOSE, 0, 0); });
        script.start();
        cookieWindow.showModal();
    }

    return finish();
}
