#include "ui/frm_main.h"

#include "catalogue/run_items.h"
#include "engine/environment.h"
#include "engine/inifun.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "ui/frm_about.h"
#include "ui/skin.h"

namespace hv {

namespace {

// The window is laid out on a pixel grid; controls take twips.
constexpr int px(int pixels) {
    return pixels * 15;
}
constexpr ui::Rect box(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 430;

const char* const kStartToolTip =
    "It's highly recommended that you shut down all other programs when erase the "
    "tracks,Halvane can not erase the files which being used by other programs.";

const char* const kDescription =
    "Halvane removes the traces that web browsers, Windows and your applications leave on "
    "this computer: typed addresses, history, cache and cookie files, recently used lists, "
    "temporary folders, the recycle bin, messenger logs and Office recent-file lists.";
const char* const kHowTo =
    "Choose what is cleaned under Settings, then open Status and press \"Start Cleaning >>\". "
    "Halvane keeps running in the notification area when you close this window.";

const char* const kIeFrame = "IEFrame";
const char* const kFolderWindow = "CabinetWClass";

std::string statisticsLine(double entries, double bytes) {
    return "  Cleaned Registry Keys: " + formatNumber(entries) +
           "     Released HD Space:" + MegabyteText(bytes) + "MB";
}

}  // namespace

frmMainCode::frmMainCode(ui::Ui& ui, Platform& os, std::string commandLine)
    : ui_(ui),
      os_(os),
      commandLine_(std::move(commandLine)),
      form_(ui.createForm({.name = "frmMainCode",
                           .caption = kMainCaption,
                           .clientWidth = px(kClientWidth),
                           .clientHeight = px(kClientHeight)})),
      run_(os, *this),
      timer1_(os.events) {
    catalogue::ConfigureCleanRun(run_);
    buildControls();
    form_->onActivate = [this] { onActivate(); };
    form_->onCloseRequest = [this](ui::CloseReason reason, bool& cancel) {
        onCloseRequest(reason, cancel);
    };
    timer1_.onTick = [this] { scheduleTick(); };
    load();
}

frmMainCode::~frmMainCode() {
    // Hot keys and the tray icon belong to the program, not to this object: an object that
    // goes without the exit action (a test, an early return) still gives them back.
    if (bossKeyActive_) setBossKey(false);
    if (tray_ != nullptr) tray_->remove();
}

// ---- controls -------------------------------------------------------------------------------

void frmMainCode::buildControls() {
    buildToolImages();
    buildViews();
    buildStatistics();
    buildMenus();
}

void frmMainCode::buildToolImages() {
    auto& bar =
        form_->addFrame({.name = "Picture1", .bounds = box(0, 0, 620, 68), .border = false});
    bar.onMouseMove = [this](ui::Point) { ClearSelections(); };

    struct Tool {
        const char* image;
        const char* label;
        const char* caption;
        int picture;
        void (frmMainCode::*action)();
    };
    static const Tool kTools[] = {
        {"Image1", "lblHome", "Home", picture::kHome, &frmMainCode::showHomeView},
        {"Image3", "lblStatus", "Status", picture::kStatus, &frmMainCode::showCleaningView},
        {"Image2", "lblSettings", "Settings", picture::kSettings, nullptr},
        {"Image5", "lblOptions", "Options", picture::kOptions, nullptr},
        {"Image4", "lblSearch", "Search", picture::kSearch, nullptr},
        {"Image6", "lblShredder", "Fennick", picture::kShredder, nullptr},
        {"Image9", "lblRegistry", "Registry", picture::kRegistry, nullptr},
        {"Image10", "lblExit", "Exit", picture::kExit, &frmMainCode::exitAction},
    };
    int left = 10;
    for (const Tool& tool : kTools) {
        auto& image = bar.addImage({.name = tool.image,
                                    .bounds = box(left + 14, 6, 40, 40),
                                    .picture = {.resourceId = tool.picture}});
        auto& label = bar.addLabel({.name = tool.label,
                                    .bounds = box(left, 48, 68, 16),
                                    .text = tool.caption,
                                    .align = ui::Align::Center});
        std::function<void()> action;
        const std::string name = tool.image;
        if (tool.action != nullptr) {
            action = [this, method = tool.action] { (this->*method)(); };
        } else if (name == "Image2") {
            action = [this] { call(openSettings); };
        } else if (name == "Image5") {
            action = [this] { call(openOptions); };
        } else if (name == "Image4") {
            action = [this] { call(openFinder); };
        } else if (name == "Image6") {
            action = [this] { startCompanion("Fennick.exe"); };
        } else {
            action = [this] { startCompanion("Rusholt.exe"); };
        }
        image.onClick = action;
        label.onClick = action;
        image.onMouseMove = [this, &image](ui::Point) { markImage(&image); };
        label.onMouseMove = [this, &image](ui::Point) { markImage(&image); };
        markable_.push_back(&image);
        left += 76;
    }

    auto& helpArea =
        form_->addFrame({.name = "Picture2", .bounds = box(620, 0, 80, 68), .border = false});
    helpImage_ = &helpArea.addImage({.name = "Image11",
                                     .bounds = box(20, 6, 40, 40),
                                     .picture = {.resourceId = picture::kHelp}});
    auto& helpLabel = helpArea.addLabel({.name = "lblHelp",
                                         .bounds = box(6, 48, 68, 16),
                                         .text = "Help",
                                         .align = ui::Align::Center});
    helpImage_->onClick = [this] { openHelp(); };
    helpLabel.onClick = [this] { openHelp(); };
    helpImage_->onMouseMove = [this](ui::Point) { helpImage_->setBorder(true); };
    helpLabel.onMouseMove = [this](ui::Point) { helpImage_->setBorder(true); };
    helpArea.onMouseMove = [this](ui::Point) { helpImage_->setBorder(false); };
}

void frmMainCode::buildViews() {
    const ui::Rect viewArea = box(10, 76, 680, 236);

    home_ = &form_->addFrame({.name = "Frame2", .bounds = viewArea});
    home_->addLabel(
        {.name = "lblTitle", .bounds = box(20, 24, 640, 24), .text = "Halvane", .title = true});
    home_->addLabel({.name = "lblDescription",
                     .bounds = box(20, 56, 640, 40),
                     .text = kDescription,
                     .wordWrap = true});
    home_->addLabel(
        {.name = "lblHowTo", .bounds = box(20, 104, 640, 48), .text = kHowTo, .wordWrap = true});
    home_->onMouseMove = [this](ui::Point) { ClearSelections(); };

    cleaning_ = &form_->addFrame({.name = "Frame4", .bounds = viewArea, .caption = "Status"});
    list_ = &cleaning_->addListView({.name = "ListView1",
                                     .bounds = box(10, 20, 660, 150),
                                     .columns = {{"Item", px(230)}, {"Status", px(400)}}});
    statusLine_ = &cleaning_->addLabel({.name = "SkinLabel5", .bounds = box(10, 176, 660, 16)});
    progress_ =
        &cleaning_->addProgressBar({.name = "coolprogressbar1", .bounds = box(10, 200, 430, 22)});
    cleaning_->addButton(
        {.name = "Command2", .bounds = box(452, 198, 86, 26), .caption = "Cancel"});
    start_ = &cleaning_->addButton({.name = "Command1",
                                    .bounds = box(546, 198, 124, 26),
                                    .caption = "Start Cleaning >>",
                                    .isDefault = true});
    start_->setToolTip(kStartToolTip);
    start_->onClick = [this] { startCleaning(); };
    cleaning_->onMouseMove = [this](ui::Point) { ClearSelections(); };
}

void frmMainCode::buildStatistics() {
    auto& stats = form_->addFrame({.name = "Frame3", .bounds = box(10, 318, 680, 72)});
    stats.addLabel(
        {.name = "SkinLabel10", .bounds = box(10, 22, 100, 16), .text = "Last Cleaned at:"});
    lastClean_ = &stats.addLabel({.name = "Label12", .bounds = box(112, 22, 300, 16)});
    figures_ = &stats.addLabel({.name = "Label14", .bounds = box(10, 46, 660, 16)});

    auto& strip =
        form_->addFrame({.name = "Picture7", .bounds = box(0, 398, 700, 32), .border = false});
    strip.onMouseMove = [this](ui::Point) { ClearSelections(); };
    auto& link = strip.addLabel({.name = "Label51",
                                 .bounds = box(10, 8, 680, 16),
                                 .text = std::string("Visit us at: ") + kWebPage});
    link.onClick = [this] { openWebPage(); };
}

void frmMainCode::buildMenus() {
    struct Entry {
        const char* caption;
        std::function<void()> action;
    };
    auto addMenu = [this](const ui::MenuArgs& args, const std::vector<Entry>& entries) {
        ui::Menu& menu = form_->addMenu(args);
        for (const Entry& entry : entries) menu.addItem(entry.caption).onClick = entry.action;
        return &menu;
    };
    const std::function<void()> none;
    auto settings = [this] { call(openSettings); };
    auto options = [this] { call(openOptions); };
    auto finder = [this] { call(openFinder); };
    auto help = [this] { openHelp(); };
    auto web = [this] { openWebPage(); };
    auto exit = [this] { exitAction(); };

    addMenu({.name = "mnuFile", .caption = "File(&F)"},
            {{"Clean Now", [this] { cleanNowFromMenu(); }},
             {"-", none},
             {"Clean Settings", settings},
             {"-", none},
             {"Clean Options", options},
             {"-", none},
             {"Exit", exit}});
    addMenu({.name = "mnuTool", .caption = "Tool(&T)"},
            {{"Clean Registry", [this] { startCompanion("Rusholt.exe"); }},
             {"-", none},
             {"Search and Erase", finder},
             {"-", none},
             {"Fennick", [this] { startCompanion("Fennick.exe"); }}});
    addMenu({.name = "mnuHelp", .caption = "Help(&H)"},
            {{"Help", help},
             {"-", none},
             {"Our Website", web},
             {"-", none},
             {"Tell a Friend", [this] { ui_.shellOpen("mailto:"); }},
             {"About", [this] { showAbout(); }}});
    systray_ = addMenu({.name = "Systray", .caption = "Systray", .inMenuBar = false},
                       {{"Halvane On the Web", web},
                        {"Help", help},
                        {"-", none},
                        {"Options", options},
                        {"-", none},
                        {"Settings", settings},
                        {"-", none},
                        {"Restore",
                         [this] {
                             form_->show();
                             form_->setWindowState(ui::WindowState::Normal);
                         }},
                        {"-", none},
                        {"Clean Now", [this] { cleanNowFromTray(); }},
                        {"-", none},
                        {"Exit", exit}});
}

// ---- load, activation, close ----------------------------------------------------------------

void frmMainCode::load() {
    run_.env.windowsVersion = WindowsVersion(os_.system);
    notifications_ = std::make_unique<NotificationSystem>(ui_, os_);
    notifications_->start();
    ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);
    showHomeView();
    run_.AutomaticRun = false;
    schedule_ = LoadSchedule(os_.profile, SettingsFile(os_.system));
    loadStatistics();
    run_.env = ComputeEnvironment(os_);
    tray_ = &form_->addTrayIcon({.tip = "Halvane"});
    tray_->onMouse = [this](int mouseMessage) { onTrayMouse(mouseMessage); };
    tray_->add();
    if (IsFlagOn(ReadIni(os_.profile, SettingsFile(os_.system), "Options", "bosskey")))
        setBossKey(true);
    timer1_.setInterval(kScheduleIntervalMs);
    timer1_.setEnabled(true);
}

void frmMainCode::loadStatistics() {
    const std::string file = SettingsFile(os_.system);
    lastClean_->setText(ReadIni(os_.profile, file, "Options", "lastclean"));
    run_.RemovedEntries =
        leadingNumber(ReadIni(os_.profile, file, "Options", "regnum")).value_or(0);
    run_.ReleasedBytes =
        leadingNumber(ReadIni(os_.profile, file, "Options", "filesize")).value_or(0);
    figures_->setText(statisticsLine(run_.RemovedEntries, run_.ReleasedBytes));
}

void frmMainCode::show() {
    form_->show();
}

void frmMainCode::onActivate() {
    // The start-up clean: only the first activation after a start with exactly "min".
    if (!IsStartupCommandLine(commandLine_)) return;
    form_->hide();
    commandLine_.clear();
    if (!IsFlagOn(ReadIni(os_.profile, SettingsFile(os_.system), "Options", "WindowsStartup")))
        return;
    if (run_.running()) return;
    run_.AutomaticRun = true;
    run_.CleanNow();
}

void frmMainCode::onCloseRequest(ui::CloseReason reason, bool& cancel) {
    switch (reason) {
        case ui::CloseReason::User:
            // The close box sends the program to the tray.
            cancel = true;
            form_->setWindowState(ui::WindowState::Minimized);
            form_->hide();
            break;
        case ui::CloseReason::SessionEnd:
            // Log-off and shutdown end the program properly, giving back the tray icon and
            // the hot keys.
            exitAction();
            break;
        case ui::CloseReason::Code:
            break;
    }
}

void frmMainCode::exitAction() {
    if (exited_) return;
    exited_ = true;
    call(onExit);
    ui::WindowManager& windows = ui_.windows();
    windows.unregisterHotKey(kHideKeyId);
    windows.unregisterHotKey(kRestoreKeyId);
    if (bossKeyActive_) windows.onHotKey = nullptr;
    bossKeyActive_ = false;
    if (tray_ != nullptr) tray_->remove();
    timer1_.setEnabled(false);
    form_->close();
    ui_.quit();
}

// ---- starters -------------------------------------------------------------------------------

void frmMainCode::startCleaning() {
    run_.CleanNow();
}

void frmMainCode::cleanNowFromMenu() {
    if (run_.running()) return;
    showCleaningView();
    run_.CleanNow();
}

void frmMainCode::cleanNowFromTray() {
    if (run_.running()) return;
    run_.AutomaticRun = true;
    run_.CleanNow();
    if (!exited_) form_->hide();
}

void frmMainCode::scheduleTick() {
    if (run_.running() || !IsScheduledNow(schedule_, os_.system.now())) return;
    run_.AutomaticRun = true;
    run_.CleanNow();
    if (!exited_) form_->hide();
}

void frmMainCode::reloadSchedule() {
    schedule_ = LoadSchedule(os_.profile, SettingsFile(os_.system));
}

// ---- tray and tool actions ------------------------------------------------------------------

void frmMainCode::onTrayMouse(int mouseMessage) {
    if (mouseMessage == ui::kLeftButtonUp) {
        form_->show();
        form_->setWindowState(ui::WindowState::Normal);
    } else if (mouseMessage == ui::kRightButtonUp) {
        form_->activate();
        systray_->popup();
    }
}

void frmMainCode::showHomeView() {
    home_->setVisible(true);
    cleaning_->setVisible(false);
}

void frmMainCode::markImage(ui::Image* image) {
    for (ui::Image* each : markable_) each->setBorder(each == image);
}

void frmMainCode::ClearSelections() {
    markImage(nullptr);
}

void frmMainCode::startCompanion(const std::string& exeName) {
    ui_.shellOpen(os_.system.applicationFolder() + "\\" + exeName);
}

void frmMainCode::openHelp() {
    ui_.shellOpen(os_.system.applicationFolder() + "\\" + kHelpFile);
}

void frmMainCode::openWebPage() {
    ui_.shellOpen(kWebPage);
}

void frmMainCode::showAbout() {
    frmabout about(ui_, os_);
    about.showModal();
}

// ---- boss key -------------------------------------------------------------------------------

void frmMainCode::setBossKey(bool on) {
    ui::WindowManager& windows = ui_.windows();
    if (on && !bossKeyActive_) {
        // A key another program holds is simply never received.
        windows.registerHotKey(kHideKeyId, ui::kModWin, ui::kVkZ);
        windows.registerHotKey(kRestoreKeyId, ui::kModShift | ui::kModWin, ui::kVkZ);
        windows.onHotKey = [this](int id, unsigned modifiers, unsigned virtualKey) {
            onHotKey(id, modifiers, virtualKey);
        };
        bossKeyActive_ = true;
    } else if (!on && bossKeyActive_) {
        windows.unregisterHotKey(kHideKeyId);
        windows.unregisterHotKey(kRestoreKeyId);
        windows.onHotKey = nullptr;
        bossKeyActive_ = false;
    }
}

void frmMainCode::onHotKey(int id, unsigned modifiers, unsigned virtualKey) {
    if (virtualKey != ui::kVkZ) return;
    if (modifiers == ui::kModWin && id == kHideKeyId) HideBrowserWindows();
    if (modifiers == (ui::kModShift | ui::kModWin) && id == kRestoreKeyId) RestoreBrowserWindows();
}

void frmMainCode::HideBrowserWindows() {
    ui::WindowManager& windows = ui_.windows();
    const std::vector<SavedWindow> previous = savedWindows_;
    savedWindows_.assign(1, SavedWindow{});
    for (const ui::TopLevelWindow& window : windows.topLevelWindows()) {
        if (window.className != kIeFrame && window.className != kFolderWindow) continue;
        const auto placement = windows.placement(window.handle);
        if (!placement) continue;
        ui::WindowPlacement saved = *placement;
        if (saved.showCommand == ui::kSwHide) {
            // Hidden by the previous press: keep the placement it had before, or a second
            // press would leave the window hidden for good.
            for (const SavedWindow& earlier : previous)
                if (earlier.handle == window.handle) saved = earlier.placement;
        }
        savedWindows_.back() = {window.handle, saved};
        savedWindows_.push_back(SavedWindow{});
        ui::WindowPlacement hidden = *placement;
        hidden.showCommand = ui::kSwHide;
        windows.setPlacement(window.handle, hidden);
    }
}

void frmMainCode::RestoreBrowserWindows() {
    ui::WindowManager& windows = ui_.windows();
    for (auto slot = savedWindows_.rbegin(); slot != savedWindows_.rend(); ++slot)
        if (slot->handle > 0) windows.setPlacement(slot->handle, slot->placement);
}

// ---- CleanReport ----------------------------------------------------------------------------

void frmMainCode::showCleaningView() {
    cleaning_->setVisible(true);
    home_->setVisible(false);
}

void frmMainCode::setBusyPointer(bool busy) {
    ui_.setBusyCursor(busy);
}

void frmMainCode::setStartEnabled(bool enabled) {
    start_->setEnabled(enabled);
}

void frmMainCode::clearRows() {
    list_->clear();
}

CleanReport::Row frmMainCode::addRow(const std::string& item, const std::string& status) {
    return list_->addRow({item, status});
}

void frmMainCode::setRowStatus(Row row, const std::string& status) {
    list_->setText(row, 1, status);
}

void frmMainCode::scrollToLastRow() {
    if (list_->rowCount() > 0) list_->ensureVisible(list_->rowCount() - 1);
}

void frmMainCode::setStatusLine(const std::string& text) {
    statusLine_->setText(text);
}

void frmMainCode::setProgress(int percent) {
    progress_->setValue(percent);
}

void frmMainCode::showCompletion(const std::string& title, const std::string& text) {
    if (exited_) return;
    ui_.messageBox(form_.get(), text, title, mb::kOk | mb::kIconInformation);
}

void frmMainCode::raiseNotification(const NotificationRequest& request) {
    if (exited_) return;
    notifications_->RaiseNotification(request.key, request.title, request.description,
                                      request.queueSeparately, std::nullopt,
                                      request.enableClickEvent, request.soundFile);
}

void frmMainCode::refreshStatistics(const std::string& lastClean, const std::string& figures) {
    lastClean_->setText(lastClean);
    figures_->setText(figures);
}

void frmMainCode::showMainWindow() {
    if (!exited_) form_->show();
}

void frmMainCode::focusMainWindow() {
    if (!exited_ && form_->visible()) form_->activate();
}

void frmMainCode::exitProgram() {
    exitAction();
}

}  // namespace hv
