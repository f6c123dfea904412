#include "ui/frm_option.h"

#include <array>

#include "engine/inifun.h"
#include "engine/regfun.h"
#include "ui/skin.h"

namespace hv {

namespace {

const char* const kOptions = "Options";
const char* const kIeMainCurrentUser =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
const char* const kStartPage = "Start Page";
const char* const kWindowTitle = "Window Title";

// Where OK writes the start page and the window title, in the order it writes them.
struct HomePageWrite {
    const char* path;
    const char* valueName;
};
const HomePageWrite kHomePageWrites[] = {
    {"HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Internet Explorer\\Main", kStartPage},
    {"HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Internet Explorer\\Main", kWindowTitle},
    {kIeMainCurrentUser, kStartPage},
    {kIeMainCurrentUser, kWindowTitle},
    {"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main", kWindowTitle},
    {"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main", kStartPage},
};

const std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

const char* const kBossKeyText =
    "If this is checked,you can press the Hotkey Windows key + Z to hide all IE windows,and "
    "windows key + Shift + Z to show all IE windows.you can hide the browser windows and folder "
    "windows when your boss or anyone else you don't want to see your screen comes in.";

}  // namespace

std::string RunEntryData(const std::string& appFolder) {
    return "\"" + appFolder + "\\halvane.exe\" min";
}

struct Frmoption::Controls {
    ui::CheckBox* Check1 = nullptr;  // bosskey
    ui::CheckBox* Check2 = nullptr;  // startup
    ui::CheckBox* Check3 = nullptr;  // autoclean
    ui::CheckBox* Check4 = nullptr;  // exit
    ui::CheckBox* Check6 = nullptr;  // securely
    ui::CheckBox* Check7 = nullptr;  // WindowsStartup
    ui::CheckBox* Check8 = nullptr;  // WindowsShutdown
    ui::ComboBox* cmbStartTime = nullptr;
    std::array<ui::CheckBox*, 7> days{};  // chkSunday ... chkSaturday
    ui::CheckBox* chkDaily = nullptr;
    ui::TextBox* Text1 = nullptr;  // start page
    ui::TextBox* Text2 = nullptr;  // window title

    // The boxes that hold one plain "Options" flag each: read on load, written by OK in this
    // order. The boss key and the start with Windows do more and are handled on their own.
    struct Flag {
        const char* key;
        ui::CheckBox* box;
    };
    std::array<Flag, 5> plainFlags() const {
        return {{{"autoclean", Check3},
                 {"exit", Check4},
                 {"securely", Check6},
                 {"WindowsStartup", Check7},
                 {"WindowsShutdown", Check8}}};
    }
};

Frmoption::Frmoption(ui::Ui& ui, Platform& os, OptionsHost& host)
    : os_(os),
      host_(host),
      settingsFile_(SettingsFile(os.system)),
      form_(ui.createForm({.name = "Frmoption",
                           .caption = "Options",
                           .clientWidth = 6720,
                           .clientHeight = 5160,
                           .minButton = false,
                           .showInTaskbar = false})),
      controls_(std::make_unique<Controls>()) {
    Controls& c = *controls_;
    auto& tabs = form_->addTabStrip({.name = "SSTab1",
                                     .bounds = {120, 120, 6480, 4320},
                                     .tabs = {"General", "Schedule", "Homepage"}});

    auto& general = *tabs.page(0);
    auto& options = general.addFrame(
        {.name = "Frame4", .bounds = {120, 120, 6180, 1620}, .caption = "General"});
    c.Check2 = &options.addCheckBox({.name = "Check2",
                                     .bounds = {240, 300, 5700, 285},
                                     .caption = "Load Halvane on Windows Start Up"});
    c.Check3 = &options.addCheckBox({.name = "Check3",
                                     .bounds = {240, 615, 5700, 285},
                                     .caption = "Automatically check for new versions"});
    c.Check4 = &options.addCheckBox(
        {.name = "Check4", .bounds = {240, 930, 5700, 285}, .caption = "Exit after cleaning"});
    c.Check6 = &options.addCheckBox({.name = "Check6",
                                     .bounds = {240, 1245, 5700, 285},
                                     .caption = "Enable Securely Cleaning"});
    auto& boss = general.addFrame(
        {.name = "Frame3", .bounds = {120, 1860, 6180, 1920}, .caption = "Boss Key"});
    c.Check1 = &boss.addCheckBox(
        {.name = "Check1", .bounds = {240, 300, 5700, 285}, .caption = "Enable Boss Key"});
    boss.addLabel({.name = "Label7",
                   .bounds = {240, 660, 5700, 1140},
                   .text = kBossKeyText,
                   .wordWrap = true});

    auto& schedule = *tabs.page(1);
    auto& when = schedule.addFrame(
        {.name = "Frame6", .bounds = {120, 120, 6180, 900}, .caption = "Schedule"});
    when.addLabel({.name = "Label1", .bounds = {240, 390, 1560, 255}, .text = "Run Cleaning at"});
    c.Check7 = &when.addCheckBox(
        {.name = "Check7", .bounds = {1920, 360, 1920, 285}, .caption = "Windows Startup"});
    c.Check8 = &when.addCheckBox(
        {.name = "Check8", .bounds = {3960, 360, 2040, 285}, .caption = "Windows Shutdown"});
    auto& at = schedule.addFrame(
        {.name = "Frame5", .bounds = {120, 1140, 6180, 2400}, .caption = "Schedule"});
    at.addLabel({.name = "Label2", .bounds = {240, 390, 1560, 255}, .text = "Start clean at"});
    c.cmbStartTime = &at.addComboBox(
        {.name = "cmbStartTime", .bounds = {1920, 330, 1440, 315}, .editable = true});
    c.cmbStartTime->setText("00:00");
    for (std::size_t day = 0; day < kDayNames.size(); ++day) {
        const int column = static_cast<int>(day % 4);
        const int row = static_cast<int>(day / 4);
        c.days[day] = &at.addCheckBox({.name = std::string("chk") + kDayNames[day],
                                       .bounds = {240 + column * 1440, 900 + row * 375, 1380, 285},
                                       .caption = kDayNames[day]});
    }
    c.chkDaily = &at.addCheckBox(
        {.name = "chkDaily", .bounds = {240, 1860, 2400, 285}, .caption = "Run daily"});
    c.chkDaily->onClick = [this] { chkDaily_Click(); };

    auto& homepage = *tabs.page(2);
    homepage.addLabel({.name = "Label3",
                       .bounds = {120, 180, 6180, 300},
                       .text = "Internet Explorer Home Page Settings",
                       .title = true});
    homepage.addLabel({.name = "Label4",
                       .bounds = {120, 540, 6180, 255},
                       .text = "Prevent your home page from being changed by websites"});
    auto& ie = homepage.addFrame(
        {.name = "Frame1", .bounds = {120, 960, 6180, 1500}, .caption = "IE Home Page"});
    ie.addLabel({.name = "Label5", .bounds = {240, 390, 1800, 255}, .text = "Reset HomePage To"});
    c.Text1 = &ie.addTextBox({.name = "Text1", .bounds = {2100, 330, 3840, 315}});
    ie.addLabel({.name = "Label6", .bounds = {240, 870, 1800, 255}, .text = "Window Title"});
    c.Text2 = &ie.addTextBox({.name = "Text2", .bounds = {2100, 810, 3840, 315}});

    auto& ok = form_->addButton({.name = "Command1",
                                 .bounds = {3960, 4620, 1200, 375},
                                 .caption = "OK",
                                 .isDefault = true});
    auto& cancel = form_->addButton({.name = "Command2",
                                     .bounds = {5280, 4620, 1200, 375},
                                     .caption = "Cancel",
                                     .isCancel = true});
    ok.onClick = [this] { Command1_Click(); };
    cancel.onClick = [this] { form_->close(); };
    Form_Load();
}

Frmoption::~Frmoption() = default;

void Frmoption::showModal() {
    form_->showModal();
}

void Frmoption::Form_Load() {
    Controls& c = *controls_;
    ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);

    const auto ieText = [this](const char* valueName) {
        const std::string text = RegReadString(os_, kIeMainCurrentUser, valueName);
        return text == "Error" ? std::string() : text;
    };
    c.Text1->setText(ieText(kStartPage));
    c.Text2->setText(ieText(kWindowTitle));

    const auto flag = [this](const char* key) {
        return IsFlagOn(ReadIni(os_.profile, settingsFile_, kOptions, key));
    };
    c.Check1->setChecked(flag("bosskey"));
    c.Check2->setChecked(flag("startup"));
    for (const auto& [key, box] : c.plainFlags()) box->setChecked(flag(key));

    c.cmbStartTime->clear();
    for (int hour = 0; hour < 24; ++hour) {
        c.cmbStartTime->addItem(std::to_string(hour) + ":00");
        c.cmbStartTime->addItem(std::to_string(hour) + ":30");
    }

    std::string days = ReadIni(os_.profile, settingsFile_, kOptions, "CleanDays");
    if (days.empty()) days = "0000000";
    // "0" clears and "1" ticks; a missing or other character leaves the box as it is.
    for (std::size_t day = 0; day < c.days.size() && day < days.size(); ++day) {
        if (days[day] == '0') c.days[day]->setChecked(false);
        if (days[day] == '1') c.days[day]->setChecked(true);
    }

    c.cmbStartTime->setText(ReadIni(os_.profile, settingsFile_, kOptions, "CleanTime"));
}

void Frmoption::chkDaily_Click() {
    Controls& c = *controls_;
    for (ui::CheckBox* day : c.days) day->setChecked(c.chkDaily->checked());
}

void Frmoption::Command1_Click() {
    Controls& c = *controls_;
    // An empty field is stored as a single blank, in all three places.
    if (c.Text1->text().empty()) c.Text1->setText(" ");
    if (c.Text2->text().empty()) c.Text2->setText(" ");
    for (const auto& write : kHomePageWrites) {
        const bool isStartPage = std::string(write.valueName) == kStartPage;
        RegWriteString(os_, write.path, write.valueName,
                       isStartPage ? c.Text1->text() : c.Text2->text());
    }

    saveBossKey();
    saveRunEntry();
    for (const auto& [key, box] : c.plainFlags())
        WriteIni(os_.profile, settingsFile_, kOptions, key, box->checked() ? "1" : "0");

    std::string days;
    for (const ui::CheckBox* day : c.days) days += day->checked() ? '1' : '0';
    WriteIni(os_.profile, settingsFile_, kOptions, "CleanDays", days);
    WriteIni(os_.profile, settingsFile_, kOptions, "CleanTime", c.cmbStartTime->text());

    host_.reloadSchedule();
    form_->close();
}

void Frmoption::saveBossKey() {
    const bool wanted = controls_->Check1->checked();
    const bool wasOn = IsFlagOn(ReadIni(os_.profile, settingsFile_, kOptions, "bosskey"));
    // Only a change touches the hot keys: registering them twice would fail the second time.
    if (wanted == wasOn) return;
    WriteIni(os_.profile, settingsFile_, kOptions, "bosskey", wanted ? "1" : "0");
    host_.setBossKey(wanted);
}

void Frmoption::saveRunEntry() {
    // Written or removed on every OK, so the entry follows the box even if someone removed it.
    if (controls_->Check2->checked()) {
        WriteIni(os_.profile, settingsFile_, kOptions, "startup", "1");
        os_.registry.createKey(kLocalMachine, kRunKey);
        os_.registry.setValue(kLocalMachine, kRunKey, kRunValueName,
                              {RegType::Sz, RunEntryData(os_.system.applicationFolder())});
    } else {
        WriteIni(os_.profile, settingsFile_, kOptions, "startup", "0");
        os_.registry.deleteValue(kLocalMachine, kRunKey, kRunValueName);
    }
}

}  // namespace hv
