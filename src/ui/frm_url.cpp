#include "ui/frm_url.h"

#include "catalogue/keep_lists.h"
#include "engine/regfun.h"
#include "ui/list_text_width.h"
#include "ui/skin.h"

namespace hv {

namespace {

const ui::Font kListFont{"Tahoma", 8, false, false};

}  // namespace

std::vector<std::string> CurrentTypedUrls(Registry& registry) {
    std::vector<NamedRegValue> values;
    std::vector<std::string> urls;
    if (registry.enumValues(kCurrentUser, kTypedUrlsKey, values) != kSuccess) return urls;
    // Each value is read again through the same 255-byte reader the rest of the program uses;
    // one that does not fit is skipped rather than ending the listing there.
    for (const auto& value : values) {
        RegType type = RegType::None;
        std::string text = RegQueryString(registry, kCurrentUser, kTypedUrlsKey, value.name, type);
        if (text != "error") urls.push_back(std::move(text));
    }
    return urls;
}

frmurl::frmurl(ui::Ui& ui, Platform& os)
    : os_(os),
      form_(ui.createForm({.name = "frmurl",
                           .caption = "URL Drop-List Options",
                           .clientWidth = 7680,
                           .clientHeight = 3960,
                           .minButton = false})) {
    auto& frame = form_->addFrame(
        {.name = "Frame1", .bounds = {120, 60, 7440, 3780}, .caption = "URL Drop-List"});
    frame.addLabel({.name = "Label1", .bounds = {240, 300, 2880, 255}, .text = "Current URL List"});
    currentList_ = &frame.addListBox({.name = "List2", .bounds = {240, 600, 2880, 2955}});
    auto& add =
        frame.addButton({.name = "cmdAdd", .bounds = {3240, 1320, 1080, 375}, .caption = "Add >"});
    auto& remove = frame.addButton(
        {.name = "cmdRemove", .bounds = {3240, 1860, 1080, 375}, .caption = "< Remove"});
    frame.addLabel({.name = "Label2", .bounds = {4440, 300, 2760, 255}, .text = "URL Keep List"});
    keepList_ = &frame.addListBox(
        {.name = "List1", .bounds = {4440, 600, 2760, 2955}, .select = ui::SelectMode::Extended});
    kept_ =
        std::make_unique<KeepListBox>(ui, *form_, *keepList_, os_.files, KeepUrlFile(os_.system));
    add.onClick = [this] { cmdAdd_Click(); };
    remove.onClick = [this] { cmdRemove_Click(); };
    Form_Load();
}

void frmurl::Form_Load() {
    ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);
    currentList_->setFont(kListFont);
    keepList_->setFont(kListFont);

    currentList_->clear();
    for (const auto& url : CurrentTypedUrls(os_.registry)) currentList_->addItem(url);
    // The same loader the clean run uses when it writes the kept addresses back.
    kept_->load();
    FitHorizontalExtent(*keepList_);
    FitHorizontalExtent(*currentList_);
}

void frmurl::cmdAdd_Click() {
    // Nothing selected adds an empty entry, as the list's selected text is then empty.
    kept_->add(currentList_->text(currentList_->listIndex()));
}

void frmurl::cmdRemove_Click() {
    kept_->removeSelected();
}

}  // namespace hv
