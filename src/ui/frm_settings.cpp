#include "ui/frm_settings.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <set>

#include "engine/custom_items.h"
#include "engine/inifun.h"
#include "engine/plugins.h"
#include "engine/regfun.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "platform/win_path.h"
#include "ui/skin.h"

namespace hv {

namespace {

using settings::SwitchGroup;

constexpr const char* kTitle = "Halvane";

// Boxes in a frame: one row each below the frame's caption.
constexpr int kBoxLeft = 240;
constexpr int kFirstRowTop = 300;
constexpr int kRowPitch = 270;
constexpr int kBoxHeight = 255;
constexpr int kFrameBottom = 150;
// The Internet Explorer frame keeps room on the right for its two "Options" buttons.
constexpr int kOptionsLeft = 4320;
constexpr int kOptionsWidth = 1200;

// A step that fails is skipped and the next one runs.
template <class Step>
void Guarded(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

int RowsOf(const SwitchGroup& def, int boxes) {
    const int column =
        def.leftColumnRows > 0 ? std::max(def.leftColumnRows, boxes - def.leftColumnRows) : boxes;
    return column + (def.selectAll.empty() ? 0 : 1);
}

// The switchable items of a frame in display order.
std::vector<const CleanItem*> ItemsOf(const SwitchGroup& def) {
    std::vector<const CleanItem*> items;
    const auto table = def.table();
    if (def.keys.empty()) {
        for (const auto& item : table)
            if (!item.section.empty()) items.push_back(&item);
        return items;
    }
    for (const auto key : def.keys) {
        const auto found = std::find_if(table.begin(), table.end(),
                                        [&](const CleanItem& item) { return item.key == key; });
        if (found != table.end()) items.push_back(&*found);
    }
    return items;
}

// The numbers of the select-all boxes' names, which the other boxes' names skip.
std::set<int> SelectAllNumbers() {
    std::set<int> numbers;
    for (const auto& def : settings::SwitchGroups())
        if (def.selectAll.size() > 5)
            numbers.insert(std::stoi(std::string(def.selectAll.substr(5))));
    return numbers;
}

// The tab index a remembered value stands for: its leading number rounded to the nearest
// integer (empty or text is 0); nothing when it is outside 0 to count - 1.
std::optional<int> TabIndex(const std::string& text, int count) {
    const double index = std::nearbyint(leadingNumber(text).value_or(0));
    if (!(index >= 0 && index < count)) return std::nullopt;
    return static_cast<int>(index);
}

}  // namespace

SettingsWindow::SettingsWindow(ui::Ui& ui, Platform& os)
    : ui_(ui),
      os_(os),
      pacer_(os.events),
      form_(ui.createForm({.name = "frmsettings",
                           .caption = "Cleaning Settings",
                           .clientWidth = 10440,
                           .clientHeight = 6600,
                           .minButton = false,
                           .showInTaskbar = false})) {
    build();
    load();
}

void SettingsWindow::showModal() {
    form_->showModal();
}

std::vector<std::string> SettingsWindow::TickedPluginTexts() const {
    std::vector<std::string> names;
    for (int row = 0; row < plugins_->rowCount(); ++row)
        if (plugins_->checked(row)) names.push_back(plugins_->text(row, 0));
    return names;
}

// ---- Controls -------------------------------------------------------------------------------

void SettingsWindow::build() {
    std::vector<std::string> outer(std::begin(settings::kOuterTabs),
                                   std::end(settings::kOuterTabs));
    outerTabs_ =
        &form_->addTabStrip({.name = "SSTab1", .bounds = {120, 120, 10200, 5820}, .tabs = outer});
    std::vector<std::string> browsers(std::begin(settings::kBrowserTabs),
                                      std::end(settings::kBrowserTabs));
    browserTabs_ = &outerTabs_->page(0)->addTabStrip(
        {.name = "SSTab2", .bounds = {60, 60, 9960, 5220}, .tabs = browsers, .tabsPerRow = 5});

    int nextBox = 1;
    for (const auto& def : settings::SwitchGroups()) {
        ui::Container& page = def.innerTab != settings::kNoInnerTab
                                  ? *browserTabs_->page(def.innerTab)
                                  : *outerTabs_->page(def.outerTab);
        buildGroup(page, def, nextBox);
    }
    connectGroups();
    buildOptionsButtons();
    buildPluginTab();
    buildCustomItemTab();

    auto& ok = form_->addButton({.name = "Command1",
                                 .bounds = {7800, 6060, 1200, 390},
                                 .caption = "OK",
                                 .isDefault = true});
    auto& cancel = form_->addButton({.name = "Command3",
                                     .bounds = {9120, 6060, 1200, 390},
                                     .caption = "Cancel",
                                     .isCancel = true});
    ok.onClick = [this] {
        if (save()) form_->close();
    };
    cancel.onClick = [this] { form_->close(); };

    // The tabs the window opens on unless the remembered ones say otherwise.
    outerTabs_->setSelectedIndex(2);
    browserTabs_->setSelectedIndex(5);
}

void SettingsWindow::buildGroup(ui::Container& page, const SwitchGroup& def, int& nextBox) {
    static const std::set<int> reserved = SelectAllNumbers();
    const auto items = ItemsOf(def);
    const int rows = RowsOf(def, static_cast<int>(items.size()));
    ui::Rect place = def.place;
    if (place.height == 0) place.height = kFirstRowTop + rows * kRowPitch + kFrameBottom;

    Group group{&def, {}, nullptr, nullptr};
    group.frame = &page.addFrame({.name = "Frame" + std::to_string(groups_.size() + 1),
                                  .bounds = place,
                                  .caption = std::string(def.caption)});
    const bool twoColumns = def.leftColumnRows > 0;
    const int optionsRoom = def.caption == settings::kInternetExplorerFrame ? kOptionsLeft : 0;
    const int leftWidth = twoColumns    ? def.rightColumnLeft - kBoxLeft - 120
                          : optionsRoom ? optionsRoom - kBoxLeft - 120
                                        : place.width - kBoxLeft - 120;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int index = static_cast<int>(i);
        const bool right = twoColumns && index >= def.leftColumnRows;
        const int row = right ? index - def.leftColumnRows : index;
        const ui::Rect bounds =
            right ? ui::Rect{def.rightColumnLeft, kFirstRowTop + row * kRowPitch,
                             place.width - def.rightColumnLeft - 120, kBoxHeight}
                  : ui::Rect{kBoxLeft, kFirstRowTop + row * kRowPitch, leftWidth, kBoxHeight};
        while (reserved.count(nextBox)) ++nextBox;
        auto& box = group.frame->addCheckBox({.name = "Check" + std::to_string(nextBox++),
                                              .bounds = bounds,
                                              .caption = std::string(items[i]->caption)});
        group.boxes.push_back({items[i], &box});
        pacer_.yieldPaced();
    }
    if (!def.selectAll.empty()) {
        group.selectAll = &group.frame->addCheckBox(
            {.name = std::string(def.selectAll),
             .bounds = {kBoxLeft, kFirstRowTop + (rows - 1) * kRowPitch, 2400, kBoxHeight},
             .caption = "Select all of the above"});
        group.selectAll->setColors(ui::kHighlightTextColor, ui::kHighlightColor);
    }
    groups_.push_back(std::move(group));
}

void SettingsWindow::buildOptionsButtons() {
    const Group& ie = group(settings::kInternetExplorerFrame);
    const auto rowOf = [&](std::string_view key) {
        for (std::size_t i = 0; i < ie.boxes.size(); ++i)
            if (ie.boxes[i].item->key == key) return static_cast<int>(i);
        return 0;
    };
    const auto place = [&](std::string_view key) {
        return ui::Rect{kOptionsLeft, kFirstRowTop + rowOf(key) * kRowPitch - 30, kOptionsWidth,
                        330};
    };
    auto& urls = ie.frame->addButton(
        {.name = "Command7", .bounds = place("location"), .caption = "Options"});
    auto& cookies =
        ie.frame->addButton({.name = "Command8", .bounds = place("cookies"), .caption = "Options"});
    urls.onClick = [this] {
        if (openUrlOptions) openUrlOptions();
    };
    cookies.onClick = [this] {
        if (openCookieOptions) openCookieOptions();
    };
}

void SettingsWindow::connectGroups() {
    // groups_ is complete: its elements stay where they are for the window's life.
    for (const Group& each : groups_) {
        if (each.selectAll) each.selectAll->onClick = [this, &each] { toggleGroup(each); };
        for (const Switch& box : each.boxes)
            for (const auto& confirmation : settings::Confirmations())
                if (equalsNoCase(each.def->section, confirmation.section) &&
                    box.item->key == confirmation.key)
                    box.box->onLostFocus = [this, box, &confirmation] {
                        confirmOnLeave(box, confirmation.question);
                    };
    }
}

void SettingsWindow::buildPluginTab() {
    plugins_ = &outerTabs_->page(settings::kPluginTab)
                    ->addListView({.name = "ListView1",
                                   .bounds = {120, 120, 9840, 5160},
                                   .columns = {{"Applications Name", 2400},
                                               {"Version", 1200},
                                               {"Description", 5900}},
                                   .checkBoxes = true});
}

void SettingsWindow::buildCustomItemTab() {
    ui::Frame& frame = *group(settings::kCustomItemFrame).frame;
    customItems_ = &frame.addListView(
        {.name = "ListView2",
         .bounds = {240, 660, 9360, 3780},
         .columns = {{"Name", 4800}, {"Type", 900}, {"Size", 1200}, {"Modified", 2160}}});
    auto& add =
        frame.addButton({.name = "Command101", .bounds = {240, 4620, 1200, 390}, .caption = "Add"});
    auto& remove = frame.addButton(
        {.name = "Command102", .bounds = {1560, 4620, 1200, 390}, .caption = "Remove"});
    auto& clear = frame.addButton(
        {.name = "Command2", .bounds = {2880, 4620, 1200, 390}, .caption = "Clear"});
    // Scratch space for the custom-item steps; never shown.
    scratch_ = &frame.addTextBox({.name = "Text102", .bounds = {4320, 4620, 1200, 300}});
    scratch_->setVisible(false);

    addMenu_ = &form_->addMenu({.name = "options", .caption = "options", .inMenuBar = false});
    addMenu_->addItem("Add Files", "addfiles").onClick = [this] { addFiles(); };
    addMenu_->addItem("Add Folders", "addfolders").onClick = [this] { addFolders(); };
    add.onClick = [this] { addMenu_->popup(); };
    remove.onClick = [this] { removeCustomItem(); };
    clear.onClick = [this] { customItems_->clear(); };
}

// ---- Load steps -----------------------------------------------------------------------------

void SettingsWindow::load() {
    Guarded([&] {
        ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);
    });
    Guarded([&] { loadSwitches(); });
    Guarded([&] { loadWindowsLiveMail(); });
    Guarded([&] { loadCustomItems(); });
    Guarded([&] { loadOutlookExpressFolder(); });
    Guarded([&] { loadPlugins(); });
    Guarded([&] { loadTabs(); });
}

void SettingsWindow::loadSwitches() {
    const std::string file = settingsFile();
    for (const auto& run : settings::LoadOrder()) {
        const std::string section(group(run.frame).def->section);
        for (const Switch& box : boxesOf(run)) {
            box.box->setChecked(
                IsFlagOn(ReadIni(os_.profile, file, section, std::string(box.item->key))));
            pacer_.yieldPaced();
        }
    }
}

void SettingsWindow::loadWindowsLiveMail() {
    Group& mail = group(settings::kWindowsLiveMailFrame);
    if (RegReadString(os_, "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows Mail", "Store Root") ==
        "Error") {
        // No mail store: the group can clean nothing.
        mail.selectAll->setChecked(false);
        mail.selectAll->setEnabled(false);
        for (const Switch& box : mail.boxes) {
            box.box->setChecked(false);
            box.box->setEnabled(false);
        }
        return;
    }
    const std::string file = settingsFile();
    for (const Switch& box : mail.boxes)
        box.box->setChecked(IsFlagOn(ReadIni(os_.profile, file, std::string(mail.def->section),
                                             std::string(box.item->key))));
}

void SettingsWindow::loadCustomItems() {
    for (const auto& row : LoadCustomItems(os_))
        customItems_->addRow({row.name, row.type, row.size, row.modified});
}

void SettingsWindow::loadOutlookExpressFolder() {
    scratch_->setText(trimBlanks(RegReadString(
        os_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Outlook Express", "InstallRoot")));
}

void SettingsWindow::loadPlugins() {
    plugins_->clear();
    for (const auto& row : AddList(os_, PluginFolder(os_.system), kPluginExtension)) {
        const int index = plugins_->addRow({row.name, row.version, row.description});
        plugins_->setChecked(index, row.ticked);
    }
}

void SettingsWindow::loadTabs() {
    const std::string file = settingsFile();
    if (auto index =
            TabIndex(ReadIni(os_.profile, file, "setting", "tab1"), outerTabs_->tabCount()))
        outerTabs_->setSelectedIndex(*index);
    if (auto index =
            TabIndex(ReadIni(os_.profile, file, "setting", "tab2"), browserTabs_->tabCount()))
        browserTabs_->setSelectedIndex(*index);
}

// ---- Save steps -----------------------------------------------------------------------------

bool SettingsWindow::save() {
    const std::string file = settingsFile();
    for (const auto& run : settings::SaveOrder()) {
        const std::string section(group(run.frame).def->section);
        for (const Switch& box : boxesOf(run))
            WriteIni(os_.profile, file, section, std::string(box.item->key),
                     box.box->checked() ? "1" : "0");
    }

    std::vector<CustomRow> rows;
    for (int row = 0; row < customItems_->rowCount(); ++row)
        rows.push_back({customItems_->text(row, 0), customItems_->text(row, 1),
                        customItems_->text(row, 2), customItems_->text(row, 3)});
    const bool customItemsSaved = SaveCustomItems(os_, rows);

    // A row's text names its file in the plug-in folder. A text that reaches elsewhere, or a
    // plug-in file that has gone since the list was filled, gets no file written.
    for (int row = 0; row < plugins_->rowCount(); ++row) {
        const std::string name = plugins_->text(row, 0);
        if (name.find_first_of("\\/:") != std::string::npos) continue;
        const auto info = os_.files.stat(PluginFile(os_.system, name));
        if (info && !info->isFolder()) SavePluginSwitch(os_, name, plugins_->checked(row));
    }

    WriteIni(os_.profile, file, "setting", "tab1", std::to_string(outerTabs_->selectedIndex()));
    WriteIni(os_.profile, file, "setting", "tab2", std::to_string(browserTabs_->selectedIndex()));

    if (!customItemsSaved) {
        // Closing now would lose the list the user made; the old file is still there.
        ui_.messageBox(form_.get(),
                       "Could not save the custom item list to " + CustomItemsFile(os_.system) +
                           ". The previous list is kept; press OK to try again.",
                       kTitle, mb::kOk | mb::kIconExclamation);
        return false;
    }
    return true;
}

// ---- Handlers -------------------------------------------------------------------------------

void SettingsWindow::toggleGroup(const Group& group) {
    const bool on = group.selectAll->checked();
    std::vector<Switch> order = group.boxes;
    if (!group.def->toggleKeys.empty()) {
        order.clear();
        for (const auto key : group.def->toggleKeys)
            for (const Switch& box : group.boxes)
                if (box.item->key == key) order.push_back(box);
    }
    for (const Switch& box : order) {
        bool value = on;
        if (on)
            for (const auto& confirmation : settings::Confirmations())
                if (equalsNoCase(group.def->section, confirmation.section) &&
                    box.item->key == confirmation.key)
                    value = ask(confirmation.question);
        box.box->setChecked(value);
    }
}

void SettingsWindow::confirmOnLeave(const Switch& box, std::string_view question) {
    if (box.box->checked() && !ask(question)) box.box->setChecked(false);
}

bool SettingsWindow::ask(std::string_view question) {
    return ui_.messageBox(form_.get(), std::string(question), kTitle, mb::kOkCancel) == mb::kIdOk;
}

void SettingsWindow::addFiles() {
    const auto result = ui_.openFileDialog(
        form_.get(), {.title = "Open File", .filter = "All files (*.*)|*.*|", .multiSelect = true});
    if (!result) return;  // cancelled
    const DlgSelectFileInfo chosen = GetDlgSelectFileInfo(ui_.currentDirectory(), *result);
    for (const auto& name : chosen.names) addCustomRow(chosen.folder + name, "File");
}

void SettingsWindow::addFolders() {
    const auto result = ui_.browseForFolder(form_.get(), kTitle);
    if (!result) return;
    const std::string path = StripNulls(*result);
    if (!path.empty()) addCustomRow(path, "Folder");
}

void SettingsWindow::addCustomRow(const std::string& path, const std::string& type) {
    const CustomRow row = DescribeCustomItem(os_, path, type, SizePattern::Optional);
    customItems_->addRow({row.name, row.type, row.size, row.modified});
}

void SettingsWindow::removeCustomItem() {
    const int row = customItems_->selectedRow();
    if (row < 0 || customItems_->text(row, 0).empty()) return;
    customItems_->removeRow(row);
}

// ---- Helpers --------------------------------------------------------------------------------

SettingsWindow::Group& SettingsWindow::group(std::string_view caption) {
    for (Group& each : groups_)
        if (each.def->caption == caption) return each;
    throw std::out_of_range("no frame " + std::string(caption));
}

std::vector<SettingsWindow::Switch> SettingsWindow::boxesOf(const settings::BoxRun& run) {
    const auto& boxes = group(run.frame).boxes;
    const int size = static_cast<int>(boxes.size());
    const int first = std::min(run.first, size);
    const int last = run.count == settings::kToLastBox ? size : std::min(size, first + run.count);
    return {boxes.begin() + first, boxes.begin() + last};
}

std::string SettingsWindow::settingsFile() const {
    return SettingsFile(os_.system);
}

// ---- The main window's handle ---------------------------------------------------------------

SettingsWindowSlot::SettingsWindowSlot(ui::Ui& ui, Platform& os,
                                       std::function<void(SettingsWindow&)> prepare)
    : ui_(ui), os_(os), prepare_(std::move(prepare)) {}

SettingsWindow& SettingsWindowSlot::window() {
    if (!window_ || !window_->loaded()) {
        loading_ = true;
        std::shared_ptr<SettingsWindow> made;
        try {
            made = std::make_shared<SettingsWindow>(ui_, os_);
        } catch (...) {
            loading_ = false;  // a failed load must not keep the window from opening later
            throw;
        }
        loading_ = false;
        window_ = std::move(made);
        if (prepare_) prepare_(*window_);
    }
    return *window_;
}

void SettingsWindowSlot::open() {
    // The window a clean run is loading for its plug-in list yields while it loads; a click
    // meanwhile would load a second one beside it.
    if (loading_) return;
    window();
    const std::shared_ptr<SettingsWindow> shown = window_;
    shown->showModal();
}

}  // namespace hv
