#include "ui/frm_extentions.h"

#include "finder/extention_handller.h"
#include "finder/finder_settings.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "ui/skin.h"

namespace hv {

namespace {
constexpr std::uint32_t kIconError = 0x10;
const char* const kNewEntry = "*.";
}  // namespace

frmExtentions::frmExtentions(ui::Ui& ui, Platform& os, ui::TextBox* patternBox)
    : ui_(ui),
      os_(os),
      patternBox_(patternBox),
      form_(ui.createForm({.name = "frmExtentions",
                           .caption = "Options",
                           .clientWidth = 4920,
                           .clientHeight = 3660,
                           .minButton = false})) {
    auto& listFrame = form_->addFrame(
        {.name = "Frame1", .bounds = {120, 120, 2400, 3420}, .caption = "Extention List:"});
    lstFileTypes_ =
        &listFrame.addListBox({.name = "lstFileTypes", .bounds = {120, 300, 2160, 3000}});

    auto& options = form_->addFrame(
        {.name = "Frame2", .bounds = {2640, 120, 2160, 3420}, .caption = "Extention Options:"});
    options.addLabel({.name = "Label1", .bounds = {120, 300, 1920, 240}, .text = "Extention:"});
    txtAdd_ =
        &options.addTextBox({.name = "txtAdd", .bounds = {120, 560, 1920, 300}, .text = kNewEntry});
    auto& cmdAdd =
        options.addButton({.name = "cmdAdd", .bounds = {120, 1020, 1920, 400}, .caption = "&Add"});
    auto& cmdRemove = options.addButton(
        {.name = "cmdRemove", .bounds = {120, 1500, 1920, 400}, .caption = "&Remove"});
    auto& cmdDefault = options.addButton(
        {.name = "cmdDefault", .bounds = {120, 1980, 1920, 400}, .caption = "&Default"});
    auto& cmdDone = options.addButton(
        {.name = "cmdDone", .bounds = {120, 2880, 1920, 400}, .caption = "D&one"});
    cmdAdd.onClick = [this] { add(); };
    cmdRemove.onClick = [this] { remove(); };
    cmdDefault.onClick = [this] { restoreDefaults(); };
    cmdDone.onClick = [this] { form_->close(); };

    ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);
    if (GetFinderSetting(os_, kGeneral, "MaxLogSize", "").empty())
        SaveFinderSetting(os_, kGeneral, "MaxLogSize", "80");
    FillExtList();
}

void frmExtentions::showModal() {
    form_->showModal();
}

void frmExtentions::FillExtList() {
    lstFileTypes_->clear();
    for (const auto& entry : ReadLegalExts(os_).value_or(std::vector<std::string>{}))
        lstFileTypes_->addItem(entry);
}

// A list that cannot be read leaves the box as it was.
void frmExtentions::refreshPatternBox() {
    if (patternBox_ == nullptr) return;
    if (const auto joined = GetExtList(os_)) patternBox_->setText(*joined);
}

void frmExtentions::add() {
    const std::string entry = trimBlanks(txtAdd_->text());
    if (!IsLegalExt(entry)) {
        ui_.messageBox(form_.get(), "Please fill a legal extention name and try again!", "Error",
                       mb::kOk | kIconError);
        txtAdd_->setText(kNewEntry);
        txtAdd_->setFocus();
        return;
    }
    AppendExt(os_, entry);
    FillExtList();
    refreshPatternBox();
    txtAdd_->setText(kNewEntry);
}

// No question is asked; every copy of the selected entry goes. With nothing selected only the
// empty lines are taken out.
void frmExtentions::remove() {
    RemoveExt(os_, lstFileTypes_->text(lstFileTypes_->listIndex()));
    FillExtList();
    refreshPatternBox();
}

void frmExtentions::restoreDefaults() {
    if (ui_.messageBox(form_.get(), "Are you sure you want to Return to the defaul settings?",
                       "Warnning:", mb::kYesNo) != mb::kIdYes) {
        return;
    }
    WriteDefaultExtList(os_);
    FillExtList();
    refreshPatternBox();
}

}  // namespace hv
