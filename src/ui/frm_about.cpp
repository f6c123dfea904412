#include "ui/frm_about.h"

#include "ui/frm_main.h"
#include "ui/skin.h"

namespace hv {

frmabout::frmabout(ui::Ui& ui, Platform& os)
    : form_(ui.createForm({.name = "frmabout",
                           .caption = kCaption,
                           .clientWidth = 5400,
                           .clientHeight = 2700,
                           .minButton = false})) {
    form_->addImage({.name = "imgIcon",
                     .bounds = {240, 240, 600, 600},
                     .picture = {.resourceId = picture::kProgramIcon}});
    form_->addLabel(
        {.name = "lblTitle", .bounds = {1080, 240, 4000, 360}, .text = "Halvane", .title = true});
    form_->addLabel(
        {.name = "lblVersion", .bounds = {1080, 660, 4000, 270}, .text = "Version 6.50"});
    form_->addLabel({.name = "lblDescription",
                     .bounds = {1080, 1020, 4080, 720},
                     .text = "A privacy cleaner for Windows: it removes the traces that browsers, "
                             "Windows and applications leave on this computer.",
                     .wordWrap = true});
    auto& ok = form_->addButton({.name = "cmdOK",
                                 .bounds = {3960, 2040, 1200, 420},
                                 .caption = "OK",
                                 .isDefault = true,
                                 .isCancel = true});
    ok.onClick = [this] { form_->close(); };
    ApplySkin(LoadSkin(os.files, SkinFilePath(os.system.applicationFolder())), *form_);
}

void frmabout::showModal() {
    form_->showModal();
}

}  // namespace hv
