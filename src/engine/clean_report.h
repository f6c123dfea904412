#pragma once
// What a clean run shows while it works: the one small interface between the engine and its
// front end. Implemented by the main window (frmMainCode), the console companion and the
// tests' recorder.
#include <string>

namespace hv {

// The popup that announces an automatic run.
struct NotificationRequest {
    std::string key;
    std::string title;
    std::string description;
    bool queueSeparately = false;
    bool enableClickEvent = false;
    std::string soundFile;
};

class CleanReport {
  public:
    using Row = int;

    virtual ~CleanReport() = default;

    // The cleaning view ("Status") in place of the home view.
    virtual void showCleaningView() = 0;
    virtual void setBusyPointer(bool busy) = 0;
    virtual void setStartEnabled(bool enabled) = 0;
    // Empties the result list and redraws it.
    virtual void clearRows() = 0;
    // Adds a row (Item and Status columns) at the end of the result list.
    virtual Row addRow(const std::string& item, const std::string& status) = 0;
    virtual void setRowStatus(Row row, const std::string& status) = 0;
    // Scrolls the result list so that its last row is visible.
    virtual void scrollToLastRow() = 0;
    virtual void setStatusLine(const std::string& text) = 0;
    // 0 to 100.
    virtual void setProgress(int percent) = 0;
    // The "Task Complete" message box, with an information icon.
    virtual void showCompletion(const std::string& title, const std::string& text) = 0;
    virtual void raiseNotification(const NotificationRequest& request) = 0;
    // The statistics frame: the last-clean text and the figures line.
    virtual void refreshStatistics(const std::string& lastClean, const std::string& figures) = 0;
    virtual void showMainWindow() = 0;
    // Gives the focus back to the main window after an external command (no effect when hidden).
    virtual void focusMainWindow() = 0;
    // The exit action: hot keys released, window procedure restored, tray icon removed, end.
    virtual void exitProgram() = 0;
};

}  // namespace hv
