#pragma once
// The user-interface platform as a test drives it. Forms hold state; message boxes go to the
// machine's SimDialogs (answers queue, every box recorded); modal forms, pop-up menus and the
// file dialogs take their answers from queues the test fills before the code runs.
//
// Modal forms. showModal() records the form's caption in modalShown, then runs the next
// queued step if its caption matches: the step acts as the user while the form is modal
// (ticks boxes, answers, presses OK) and showModal() returns when it is done, so the code
// after showModal() sees what the user did, as on Windows. A form opened modally from inside
// a step takes the next step in the queue (nested windows are scripted in the order they
// open). With no step queued, showModal() returns at once and leaves the form shown. A step
// whose caption does not match stays queued and the mismatch is noted in problems.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_ui_form.h"
#include "platform/sim/sim_window_manager.h"
#include "platform/ui/ui.h"

namespace hv::sim {

class SimUi : public ui::Ui {
  public:
    SimUi(SimDialogs& dialogs, FileSystem& files) : dialogs_(dialogs), files_(files) {}

    std::unique_ptr<ui::Form> createForm(const ui::FormArgs& args) override;
    int messageBox(ui::Form* owner, const std::string& text, const std::string& title,
                   std::uint32_t style) override;
    ui::Point mousePosition() override { return mouse; }
    ui::PixelRect workArea() override { return workArea_; }
    int twipsPerPixelX() override { return twipsPerPixel; }
    int twipsPerPixelY() override { return twipsPerPixel; }
    void setBusyCursor(bool isBusy) override { busy = isBusy; }
    bool playSound(const std::string& file) override;
    bool shellOpen(const std::string& target) override;
    std::optional<std::string> openFileDialog(ui::Form* owner,
                                              const ui::OpenFileArgs& args) override;
    std::optional<std::string> browseForFolder(ui::Form* owner, const std::string& title) override;
    std::string currentDirectory() override { return currentDir; }
    ui::WindowManager& windows() override { return windowManager; }
    void run() override { ++runs; }
    void quit() override { quitRequested = true; }

    // The test's side.

    struct ModalStep {
        std::string caption;
        std::function<void(SimForm&)> act;
    };
    // Queues what the user does while the next modal form with this caption is shown.
    void whenModal(const std::string& caption, std::function<void(SimForm&)> act) {
        modalSteps.push_back({caption, std::move(act)});
    }
    // The loaded form with this name or caption, the newest first; throws std::out_of_range.
    SimForm& form(const std::string& nameOrCaption);
    bool hasForm(const std::string& nameOrCaption) const;
    // Every loaded form, oldest first.
    std::vector<SimForm*> forms() const;

    struct FileDialogAnswer {
        std::optional<std::string> result;  // nothing: the user cancels
        std::string currentDirectory;       // what the dialog leaves as the current directory
    };

    std::deque<ModalStep> modalSteps;
    std::vector<std::string> modalShown;  // captions, in the order the forms were shown modally
    std::deque<std::string> menuChoices;  // caption or name of the entry each pop-up menu picks
    std::vector<std::string> popups;      // names of the menus popped up
    std::deque<FileDialogAnswer> fileDialogAnswers;
    std::vector<ui::OpenFileArgs> fileDialogs;
    std::deque<std::optional<std::string>> folderAnswers;
    std::vector<std::string> folderDialogs;  // titles
    std::vector<std::string> soundsPlayed;
    std::vector<std::string> opened;  // shellOpen targets
    // Script steps that did not fit what the code did.
    std::vector<std::string> problems;

    ui::Point mouse{500, 400};
    int twipsPerPixel = 15;
    bool busy = false;
    std::string currentDir = "C:\\";
    std::vector<std::string> drives{"c:"};
    // Text is measured as this many pixels per character, one line this high.
    int charWidthPx = 7;
    int lineHeightPx = 13;
    int runs = 0;
    bool quitRequested = false;
    SimWindowManager windowManager;

    void setWorkArea(ui::PixelRect area) { workArea_ = area; }

    // Used by the sim forms and controls.
    void runModal(SimForm& form);
    void forget(SimForm& form);
    FileSystem& files() { return files_; }
    int textWidthPx(const std::string& text) const {
        return static_cast<int>(text.size()) * charWidthPx;
    }

  private:
    SimDialogs& dialogs_;
    FileSystem& files_;
    ui::PixelRect workArea_{0, 0, 1024, 738};
    std::vector<SimForm*> forms_;
};

}  // namespace hv::sim
