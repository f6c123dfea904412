#include "ui/frm_splash.h"

#include "ui/skin.h"

namespace hv {

frmSplash::frmSplash(ui::Ui& ui, Platform& os, std::string commandLine)
    : form_(ui.createForm({.name = "frmSplash",
                           .caption = "Halvane",
                           .clientWidth = 6000,
                           .clientHeight = 2400,
                           .border = ui::BorderStyle::None,
                           .showInTaskbar = false})),
      timer_(os.events) {
    auto& panel = form_->addFrame({.name = "Picture1", .bounds = {0, 0, 6000, 2400}});
    panel.addImage({.name = "imgLogo",
                    .bounds = {360, 600, 720, 720},
                    .picture = {.resourceId = picture::kProgramIcon}});
    panel.addLabel(
        {.name = "lblTitle", .bounds = {1320, 540, 4400, 420}, .text = "Halvane", .title = true});
    panel.addLabel(
        {.name = "lblVersion", .bounds = {1320, 1000, 4400, 270}, .text = "Version 6.50"});
    panel.addLabel({.name = "lblLoading", .bounds = {1320, 1440, 4400, 270}, .text = "Loading..."});
    ApplySkin(LoadSkin(os.files, SkinFilePath(os.system.applicationFolder())), *form_);
    form_->show();

    main_ = std::make_unique<frmMainCode>(ui, os, std::move(commandLine));
    main_->onExit = [this] { unload(); };
    timer_.onTick = [this] { showMainWindow(); };
    timer_.setInterval(kShowMainAfterMs);
    timer_.setEnabled(true);
}

void frmSplash::showMainWindow() {
    timer_.setEnabled(false);
    main_->show();
    unload();
}

void frmSplash::unload() {
    timer_.setEnabled(false);
    if (form_ == nullptr) return;
    form_->close();
    // Gone for good: nothing of the splash lingers (a task-bar button, a hidden window).
    form_.reset();
}

}  // namespace hv
