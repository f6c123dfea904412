#include "ui/frm_cookie.h"

#include "catalogue/keep_lists.h"
#include "engine/environment.h"
#include "platform/win_path.h"
#include "ui/list_text_width.h"
#include "ui/skin.h"

namespace hv {

namespace {

const ui::Font kListFont{"Tahoma", 8, false, false};

}  // namespace

std::vector<std::string> CookieCandidates(FileSystem& files, const std::string& cookieFolder) {
    std::vector<std::string> paths;
    std::vector<FileInfo> entries;
    if (cookieFolder.empty() || files.list(cookieFolder, entries) != kSuccess) return paths;
    for (const auto& entry : entries)
        if (!entry.isFolder() && entry.name.find(".txt") != std::string::npos)
            paths.push_back(joinPath(cookieFolder, entry.name));
    return paths;
}

frmcookie::frmcookie(ui::Ui& ui, Platform& os)
    : os_(os),
      form_(ui.createForm({.name = "frmcookie",
                           .caption = "Cookies Options",
                           .clientWidth = 9000,
                           .clientHeight = 6000,
                           .minButton = false})) {
    auto& current = form_->addFrame(
        {.name = "Frame3", .bounds = {120, 60, 3720, 3240}, .caption = "Current Cookies List"});
    currentList_ = &current.addListBox({.name = "lstCookieList", .bounds = {120, 300, 3480, 2805}});
    auto& add =
        form_->addButton({.name = "cmdAdd", .bounds = {3960, 1200, 1080, 375}, .caption = "Add >"});
    auto& remove = form_->addButton(
        {.name = "cmdRemove", .bounds = {3960, 1740, 1080, 375}, .caption = "< Remove"});
    auto& keep = form_->addFrame(
        {.name = "Frame2", .bounds = {5160, 60, 3720, 3240}, .caption = "Cookies Keep List"});
    keepList_ = &keep.addListBox(
        {.name = "List1", .bounds = {120, 300, 3480, 2805}, .select = ui::SelectMode::Extended});
    auto& cookie = form_->addFrame(
        {.name = "Frame1", .bounds = {120, 3420, 8760, 2460}, .caption = "Cookies"});
    auto& area =
        cookie.addFrame({.name = "Frame4", .bounds = {120, 300, 8520, 2040}, .border = false});
    content_ = &area.addTextBox({.name = "Text1",
                                 .bounds = {0, 0, 8520, 2040},
                                 .multiLine = true,
                                 .readOnly = true,
                                 .scrollBars = true});
    kept_ = std::make_unique<KeepListBox>(ui, *form_, *keepList_, os_.files,
                                          KeepCookieFile(os_.system));
    add.onClick = [this] { cmdAdd_Click(); };
    remove.onClick = [this] { cmdRemove_Click(); };
    keepList_->onClick = [this] { showCookie(*keepList_); };
    currentList_->onClick = [this] { showCookie(*currentList_); };
    Form_Load();
}

void frmcookie::Form_Load() {
    ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);
    currentList_->setFont(kListFont);
    keepList_->setFont(kListFont);

    currentList_->clear();
    keepList_->clear();
    const std::string folder = ShellFolderPath(os_, "Cookies");
    // "Error" stands for a folder the registry does not name; it is no folder to list.
    candidates_ =
        folder == "Error" ? std::vector<std::string>{} : CookieCandidates(os_.files, folder);
    for (const auto& path : candidates_) currentList_->addItem(path);
    kept_->load();
    FitHorizontalExtent(*keepList_);
    FitHorizontalExtent(*currentList_);
}

void frmcookie::cmdAdd_Click() {
    kept_->add(currentList_->text(currentList_->listIndex()));
}

void frmcookie::cmdRemove_Click() {
    kept_->removeSelected();
}

void frmcookie::showCookie(const ui::ListBox& list) {
    // A file that cannot be read (gone since the window loaded, in use) shows as empty.
    std::string text;
    if (os_.files.readFile(list.text(list.listIndex()), text) != kSuccess) text.clear();
    content_->setText(text);
}

}  // namespace hv
