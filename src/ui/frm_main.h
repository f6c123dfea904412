#pragma once
// frmMainCode, the main window: the home and cleaning views, the statistics of the last run,
// the tool images and menus, the tray icon, the boss key and the schedule timer. It owns the
// clean run and shows it (CleanReport), and it lives from start-up to the exit action.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/clean_report.h"
#include "engine/clean_run.h"
#include "notify/notification_system.h"
#include "platform/platform.h"
#include "platform/ui/timer.h"
#include "platform/ui/ui.h"
#include "schedule/schedule.h"
#include "ui/frm_option.h"

namespace hv {

// Pictures built into halvane.exe (src/app/halvane.rc uses the same numbers).
namespace picture {
inline constexpr int kProgramIcon = 1;
inline constexpr int kHome = 101;
inline constexpr int kStatus = 102;
inline constexpr int kSettings = 103;
inline constexpr int kOptions = 104;
inline constexpr int kSearch = 105;
inline constexpr int kShredder = 106;
inline constexpr int kRegistry = 107;
inline constexpr int kExit = 108;
inline constexpr int kHelp = 109;
}  // namespace picture

inline constexpr const char* kMainCaption = "Halvane V6.50";
inline constexpr const char* kWebPage = "https://halvane.example";
inline constexpr const char* kHelpFile = "Halvane.htm";

class frmMainCode : public CleanReport, public OptionsHost {
  public:
    // Hot-key ids and keys of the boss key: Win+Z hides, Win+Shift+Z restores.
    static constexpr int kHideKeyId = 95;
    static constexpr int kRestoreKeyId = 111;
    static constexpr std::uint32_t kScheduleIntervalMs = 30000;

    // One browser or folder window the boss key hid. The list always ends with an empty slot
    // (handle 0).
    struct SavedWindow {
        ui::WindowHandle handle = 0;
        ui::WindowPlacement placement{};
    };

    // Builds the window and runs its load steps; the window stays hidden until show().
    // commandLine is the text the program was started with.
    frmMainCode(ui::Ui& ui, Platform& os, std::string commandLine);
    ~frmMainCode() override;
    frmMainCode(const frmMainCode&) = delete;
    frmMainCode& operator=(const frmMainCode&) = delete;

    void show();
    ui::Form& form() { return *form_; }
    CleanRun& cleanRun() { return run_; }
    NotificationSystem& notifications() { return *notifications_; }

    // The starters of a run. A start while a run is in progress is ignored, with everything
    // the starter would do before and after it.
    void startCleaning();     // "Start Cleaning >>"
    void cleanNowFromMenu();  // File, "Clean Now": the cleaning view first
    void cleanNowFromTray();  // automatic, hidden afterwards
    void scheduleTick();      // Timer1

    // The exit action: hot keys released, tray icon removed, window unloaded, message loop
    // ended. Only the first call acts.
    void exitAction();
    bool exited() const { return exited_; }

    // The options window switches the boss key at once and reloads the schedule after OK.
    void setBossKey(bool on) override;
    bool bossKeyActive() const { return bossKeyActive_; }
    void reloadSchedule() override;
    const Schedule& schedule() const { return schedule_; }

    void HideBrowserWindows();
    void RestoreBrowserWindows();
    const std::vector<SavedWindow>& savedWindows() const { return savedWindows_; }

    // Hover marking of the tool images: a border on the one under the mouse.
    void markImage(ui::Image* image);
    void ClearSelections();

    // The windows other parts of the program provide; nothing happens until they are set.
    std::function<void()> openSettings;
    std::function<void()> openOptions;
    std::function<void()> openFinder;
    // Runs first in the exit action (the splash window unloads itself there).
    std::function<void()> onExit;

    // CleanReport: what the clean run shows.
    void showCleaningView() override;
    void setBusyPointer(bool busy) override;
    void setStartEnabled(bool enabled) override;
    void clearRows() override;
    Row addRow(const std::string& item, const std::string& status) override;
    void setRowStatus(Row row, const std::string& status) override;
    void scrollToLastRow() override;
    void setStatusLine(const std::string& text) override;
    void setProgress(int percent) override;
    void showCompletion(const std::string& title, const std::string& text) override;
    void raiseNotification(const NotificationRequest& request) override;
    void refreshStatistics(const std::string& lastClean, const std::string& figures) override;
    void showMainWindow() override;
    void focusMainWindow() override;
    void exitProgram() override;

  private:
    void buildControls();
    void buildToolImages();
    void buildViews();
    void buildStatistics();
    void buildMenus();
    void load();
    void showHomeView();
    void loadStatistics();
    void onActivate();
    void onCloseRequest(ui::CloseReason reason, bool& cancel);
    void onTrayMouse(int mouseMessage);
    void onHotKey(int id, unsigned modifiers, unsigned virtualKey);
    void startCompanion(const std::string& exeName);
    void openHelp();
    void openWebPage();
    void showAbout();
    static void call(const std::function<void()>& action) {
        if (action) action();
    }

    ui::Ui& ui_;
    Platform& os_;
    std::string commandLine_;
    std::unique_ptr<ui::Form> form_;
    CleanRun run_;
    std::unique_ptr<NotificationSystem> notifications_;
    ui::Timer timer1_;
    Schedule schedule_;

    ui::Frame* home_ = nullptr;
    ui::Frame* cleaning_ = nullptr;
    ui::ListView* list_ = nullptr;
    ui::Label* statusLine_ = nullptr;
    ui::ProgressBar* progress_ = nullptr;
    ui::Button* start_ = nullptr;
    ui::Label* lastClean_ = nullptr;
    ui::Label* figures_ = nullptr;
    std::vector<ui::Image*> markable_;  // Image1-6, 9, 10
    ui::Image* helpImage_ = nullptr;
    ui::Menu* systray_ = nullptr;
    ui::TrayIcon* tray_ = nullptr;

    bool bossKeyActive_ = false;
    std::vector<SavedWindow> savedWindows_{SavedWindow{}};
    bool exited_ = false;
};

}  // namespace hv
