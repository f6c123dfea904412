#pragma once
// A clean-run front end that writes down everything the run shows.
#include <string>
#include <vector>

#include "engine/clean_report.h"

namespace hv::test {

struct RecordedRow {
    std::string item;
    std::string status;
};

class RecordingReport : public CleanReport {
  public:
    void showCleaningView() override { cleaningViewShown = true; }
    void setBusyPointer(bool busy) override { busyPointer = busy; }
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void clearRows() override { rows.clear(); }
    Row addRow(const std::string& item, const std::string& status) override {
        rows.push_back({item, status});
        return static_cast<Row>(rows.size() - 1);
    }
    void setRowStatus(Row row, const std::string& status) override {
        rows.at(static_cast<std::size_t>(row)).status = status;
    }
    void scrollToLastRow() override {}
    void setStatusLine(const std::string& text) override { statusLine = text; }
    void setProgress(int percent) override { progress.push_back(percent); }
    void showCompletion(const std::string& title, const std::string& text) override {
        completions.push_back(title + "|" + text);
    }
    void raiseNotification(const NotificationRequest& request) override {
        notifications.push_back(request);
    }
    void refreshStatistics(const std::string& last, const std::string& figures) override {
        lastClean = last;
        statistics = figures;
    }
    void showMainWindow() override { ++mainWindowShown; }
    void focusMainWindow() override { ++focusCount; }
    void exitProgram() override { exited = true; }

    std::vector<std::string> items() const {
        std::vector<std::string> out;
        for (const auto& r : rows) out.push_back(r.item);
        return out;
    }

    bool cleaningViewShown = false;
    bool busyPointer = false;
    bool startEnabled = true;
    std::vector<RecordedRow> rows;
    std::string statusLine;
    std::vector<int> progress;
    std::vector<std::string> completions;
    std::vector<NotificationRequest> notifications;
    std::string lastClean;
    std::string statistics;
    int mainWindowShown = 0;
    int focusCount = 0;
    bool exited = false;
};

}  // namespace hv::test
