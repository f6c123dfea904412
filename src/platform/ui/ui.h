#pragma once
// The user-interface platform: makes forms and offers the few desktop services the windows
// use. Implemented by SimUi (state a test drives) and Win32Ui.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/window_manager.h"

namespace hv::ui {

struct OpenFileArgs {
    std::string title{};
    // Pairs of description and pattern separated by "|": "All files (*.*)|*.*|".
    std::string filter{};
    bool multiSelect = false;
};

class Ui {
  public:
    virtual ~Ui() = default;

    virtual std::unique_ptr<Form> createForm(const FormArgs& args) = 0;
    // The platform message box (styles and answers of platform/dialogs.h), modal to owner
    // (nullptr: the active window).
    virtual int messageBox(Form* owner, const std::string& text, const std::string& title,
                           std::uint32_t style) = 0;

    // The mouse position on the screen, pixels.
    virtual Point mousePosition() = 0;
    // SPI_GETWORKAREA: the desktop without the task bar, pixels.
    virtual PixelRect workArea() = 0;
    virtual int twipsPerPixelX() = 0;
    virtual int twipsPerPixelY() = 0;
    // The hourglass over the program's windows, or the normal pointer.
    virtual void setBusyCursor(bool busy) = 0;

    // sndPlaySoundA(file, SND_ASYNC | SND_NODEFAULT): plays without waiting; a file that
    // cannot be played is silent.
    virtual bool playSound(const std::string& file) = 0;
    // ShellExecuteA(no owner, "open", target, no parameters, no folder, SW_SHOWNORMAL): a web
    // page, a "mailto:" link, a document or a program.
    virtual bool shellOpen(const std::string& target) = 0;
    // The open-file dialog. Its result as the dialog gives it: one file is its full path;
    // several files are the folder followed by each name, each preceded by a NUL. It sets the
    // current directory to the folder of the selection. Nothing when the user cancels.
    virtual std::optional<std::string> openFileDialog(Form* owner, const OpenFileArgs& args) = 0;
    // SHBrowseForFolder (only file-system folders) and SHGetPathFromIDList; nothing on cancel.
    virtual std::optional<std::string> browseForFolder(Form* owner, const std::string& title) = 0;
    virtual std::string currentDirectory() = 0;

    virtual WindowManager& windows() = 0;

    // The program's message loop: returns after quit().
    virtual void run() = 0;
    virtual void quit() = 0;
};

}  // namespace hv::ui
