#pragma once
// halvanec, the console companion: lists the cleaning items and runs a clean from a script or
// a scheduled task, printing what the main window would list. Written against a Platform and
// streams, so the whole command line runs on the simulated Windows as well.
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "engine/clean_item.h"
#include "engine/clean_report.h"
#include "platform/platform.h"

namespace hv::console {

// A clean run's front end on a console: each result row is printed as its item text, a tab
// and its final status once it is finished (when the next row starts or the run ends), then
// the completion text. Windows, pointers and progress have nothing to show here.
class ConsoleReport : public CleanReport {
  public:
    explicit ConsoleReport(std::ostream& out) : out_(out) {}

    void showCleaningView() override {}
    void setBusyPointer(bool) override {}
    void setStartEnabled(bool) override {}
    void clearRows() override { pending_.reset(); }
    Row addRow(const std::string& item, const std::string& status) override;
    void setRowStatus(Row row, const std::string& status) override;
    void scrollToLastRow() override {}
    void setStatusLine(const std::string&) override {}
    void setProgress(int) override {}
    void showCompletion(const std::string& title, const std::string& text) override;
    void raiseNotification(const NotificationRequest& request) override;
    void refreshStatistics(const std::string&, const std::string&) override {}
    void showMainWindow() override {}
    void focusMainWindow() override {}
    // A console run records every run and ends by itself: the "exit" option is not honoured,
    // so this is never asked for.
    void exitProgram() override {}

    // Prints the row still open, if any.
    void flush();

  private:
    struct PendingRow {
        std::string item;
        std::string status;
    };
    std::ostream& out_;
    std::optional<PendingRow> pending_;
    Row rows_ = 0;
};

// Runs halvanec with its arguments (without the program name) over the items of a clean run
// in clean-run order. Returns the exit code: 0, or 2 for arguments it does not understand.
int RunCompanion(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                 Platform& os, std::span<const CleanItem> items);

}  // namespace hv::console
