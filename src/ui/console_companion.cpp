#include "ui/console_companion.h"

#include "engine/clean_run.h"
#include "engine/environment.h"
#include "engine/plugins.h"

namespace hv::console {

namespace {

constexpr int kUsageError = 2;

const char* const kHelp =
    "Usage: halvanec [--list | --clean | --help]\n"
    "  --list   print the cleaning items in clean-run order, one per line:\n"
    "           section, key, caption and status text, separated by tabs\n"
    "  --clean  clean once with the switches of hvset.dat and print each cleaned item\n"
    "  --help   show this text\n";

void ListItems(std::ostream& out, std::span<const CleanItem> items) {
    // Silent steps have no switch and no row: there is nothing to list for them.
    for (const auto& item : items)
        if (!item.section.empty())
            out << item.section << '\t' << item.key << '\t' << item.caption << '\t'
                << item.statusText << '\n';
}

void Clean(std::ostream& out, Platform& os, std::span<const CleanItem> items) {
    ConsoleReport report(out);
    CleanRun run(os, report);
    run.env = ComputeEnvironment(os);
    run.setItems(items);
    UsePlugins(run);
    run.honourExitOption = false;
    run.CleanNow();
    report.flush();
}

}  // namespace

CleanReport::Row ConsoleReport::addRow(const std::string& item, const std::string& status) {
    flush();
    pending_ = PendingRow{item, status};
    return rows_++;
}

void ConsoleReport::setRowStatus(Row row, const std::string& status) {
    if (pending_ && row == rows_ - 1) pending_->status = status;
}

void ConsoleReport::showCompletion(const std::string&, const std::string& text) {
    // The open row is the run's last, "Task complete Successfully!": the completion text
    // says it with the figures.
    pending_.reset();
    out_ << text << '\n';
}

void ConsoleReport::raiseNotification(const NotificationRequest& request) {
    pending_.reset();
    out_ << request.description << '\n';
}

void ConsoleReport::flush() {
    if (pending_) out_ << pending_->item << '\t' << pending_->status << '\n';
    pending_.reset();
}

int RunCompanion(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                 Platform& os, std::span<const CleanItem> items) {
    if (args.size() > 1) {
        err << "halvanec: expected one argument, got " << args.size() << " (try --help)\n";
        return kUsageError;
    }
    const std::string command = args.empty() ? "--help" : args[0];
    if (command == "--help") {
        out << kHelp;
    } else if (command == "--list") {
        ListItems(out, items);
    } else if (command == "--clean") {
        Clean(out, os, items);
    } else {
        err << "halvanec: unknown argument '" << command << "' (try --help)\n";
        return kUsageError;
    }
    return 0;
}

}  // namespace hv::console
