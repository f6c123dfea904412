// Builds one window with one of each control, opens a modal form that a timer closes, shows a
// popup in the corner of the work area and a tray icon, and checks what the control layer can
// check about itself on the real API. Then it writes "ready.txt" beside itself, waits until
// "shot.txt" appears there (a screenshot was taken) or 20 seconds pass, writes "result.txt" and
// exits: 0 when every check held, 1 otherwise.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/ui/timer.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_ui.h"
#include "ui/skin.h"
#include "wine/window_program.h"

namespace {

using namespace hv;
using namespace hv::wine_check;

// A 32 x 32 picture with a soft gradient, so the image controls have something to show.
std::string writeToolPicture(const std::string& folder, int hue) {
    const int size = 32;
    const int rowBytes = size * 3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = size;
    info.biHeight = size;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + rowBytes * size;
    std::string pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool inside = (x - 16) * (x - 16) + (y - 16) * (y - 16) < 13 * 13;
            pixels += static_cast<char>(inside ? 235 - x * 2 : 0xF0);
            pixels += static_cast<char>(inside ? std::min(255, 99 + hue + y * 2) : 0xE9);
            pixels += static_cast<char>(inside ? 37 + hue : 0xE4);
        }
    const std::string path = folder + "\\tool" + std::to_string(hue) + ".bmp";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out << pixels;
    return path;
}

Skin readSkin(const std::string& folder) {
    std::ifstream in(SkinFilePath(folder));
    std::stringstream text;
    text << in.rdbuf();
    return ParseSkin(text.str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32EventLoop events;
    win32::Win32Ui ui;
    const std::string folder = programFolder();
    const Skin skin = readSkin(folder);

    auto main = ui.createForm({.name = "frmMainCode",
                               .caption = "Halvane V6.50",
                               .clientWidth = 11000,
                               .clientHeight = 6900,
                               .maxButton = false});
    ui::Menu& file = main->addMenu({.name = "mnuFile", .caption = "File(&F)"});
    file.addItem("Clean Now", "mnuCleanNow");
    file.addItem("-");
    file.addItem("Exit", "mnuExit").onClick = [&] { ui.quit(); };
    main->addMenu({.name = "mnuHelp", .caption = "Help(&H)"}).addItem("About", "mnuAbout");

    // Tool pictures down the left.
    ui::Frame& tools =
        main->addFrame({.name = "Picture1", .bounds = {0, 0, 1200, 6900}, .border = false});
    for (int i = 0; i < 4; ++i) {
        ui::Image& image = tools.addImage({.name = "Image" + std::to_string(i + 1),
                                           .bounds = {180, 240 + i * 1080, 840, 840},
                                           .picture = {writeToolPicture(folder, i * 40), 0},
                                           .border = i == 0});
        image.setToolTip("Tool " + std::to_string(i + 1));
    }

    main->addLabel(
        {.name = "lblTitle", .bounds = {1440, 160, 6000, 400}, .text = "Halvane", .title = true});
    main->addLabel({.name = "Label2",
                    .bounds = {1440, 560, 7000, 280},
                    .text = "Removes the traces browsers, Windows and applications leave behind."});

    ui::Frame& status =
        main->addFrame({.name = "Frame4", .bounds = {1440, 960, 5300, 3540}, .caption = "Status"});
    ui::ListView& results = status.addListView({.name = "ListView1",
                                                .bounds = {150, 330, 5000, 2150},
                                                .columns = {{"Item", 3000}, {"Status", 1700}},
                                                .checkBoxes = true});
    results.addRow({"IE Address Bar History", "Done"});
    results.addRow({"Firefox Cookies", "Cleaning ......"});
    results.addRow({"Windows Temp", "Done"});
    results.setText(1, 1, "Done");
    results.setChecked(0, true);
    results.setChecked(2, true);
    int itemChecks = 0;
    results.onItemCheck = [&](int) { ++itemChecks; };
    ui::ProgressBar& progress =
        status.addProgressBar({.name = "coolprogressbar1", .bounds = {150, 2600, 5000, 240}});
    progress.setValue(64);
    status.addLabel({.name = "SkinLabel5",
                     .bounds = {150, 2960, 3400, 260},
                     .text = "Cleaning Windows Temp ......"});
    ui::Button& start = status.addButton({.name = "Command1",
                                          .bounds = {3650, 3060, 1500, 380},
                                          .caption = "Start Cleaning >>",
                                          .isDefault = true});
    start.setToolTip("Close other programs before cleaning.");

    ui::TabStrip& tabs = main->addTabStrip({.name = "SSTab1",
                                            .bounds = {6900, 960, 3950, 3540},
                                            .tabs = {"Browsers", "Windows", "Options"}});
    int tabChanges = 0;
    tabs.onChange = [&] { ++tabChanges; };
    ui::TabPage& browsers = *tabs.page(0);
    const char* boxes[] = {"IE Address Bar History", "IE Cookies", "IE Favorites", "Index.dat"};
    std::vector<ui::CheckBox*> group;
    for (int i = 0; i < 4; ++i)
        group.push_back(&browsers.addCheckBox({.name = "Check" + std::to_string(i + 1),
                                               .bounds = {200, 200 + i * 330, 3500, 300},
                                               .caption = boxes[i],
                                               .checked = i % 2 == 0}));
    ui::CheckBox& all = browsers.addCheckBox(
        {.name = "Check9", .bounds = {200, 1620, 3500, 300}, .caption = "Select all of the above"});
    all.setColors(ui::kHighlightTextColor, ui::kHighlightColor);
    int allClicks = 0;
    all.onClick = [&] {
        ++allClicks;
        for (auto* box : group) box->setChecked(all.checked());
    };
    ui::ListBox& keep =
        tabs.page(1)->addListBox({.name = "List1", .bounds = {200, 200, 3500, 2400}});
    keep.addItem("http://www.example.com/");
    ui::ComboBox& time = tabs.page(2)->addComboBox({.name = "cmbStartTime",
                                                    .bounds = {200, 200, 1500, 300},
                                                    .items = {"0:00", "0:30", "1:00"},
                                                    .editable = true});
    time.setText("7:45");
    tabs.page(2)->addTextBox(
        {.name = "Text1", .bounds = {200, 700, 3500, 300}, .text = "http://www.example.com/"});

    ui::Frame& search = main->addFrame({.name = "Frame5",
                                        .bounds = {1440, 4700, 9410, 2050},
                                        .caption = "Search and clean options"});
    ui::DriveList& drive = search.addDriveList({.name = "Drive1", .bounds = {150, 330, 2000, 300}});
    ui::DirList& dir = search.addDirList({.name = "Dir1", .bounds = {150, 720, 2000, 1200}});
    dir.setPath("C:\\windows");
    ui::TextBox& pattern = search.addTextBox(
        {.name = "Text1", .bounds = {2350, 330, 3600, 300}, .text = "*.tmp;*.gid;*.swp;*.chk"});
    ui::ListBox& found = search.addListBox(
        {.name = "List1", .bounds = {2350, 720, 3600, 1200}, .select = ui::SelectMode::Extended});
    for (const char* line : {"C:\\TEMP\\A.TMP   Size:2048   LastModyfied:12/11/2026 09:00:00",
                             "C:\\TEMP\\B.TMP   Size:512   LastModyfied:12/11/2026 09:05:00"})
        found.addItem(line);
    found.setSelected(0, true);
    found.setSelected(1, true);
    int widest = 0;
    for (int i = 0; i < found.count(); ++i)
        widest = std::max(widest, found.measureTextWidth(found.text(i)) + 8);
    found.setHorizontalExtent(widest);
    search.addButton(
        {.name = "cmdAction(0)", .bounds = {6150, 330, 1500, 380}, .caption = "&Find Files"});
    search.addButton(
        {.name = "cmdAction(1)", .bounds = {6150, 800, 1500, 380}, .caption = "E&xit"});
    search.addCheckBox({.name = "chkDelType",
                        .bounds = {7800, 330, 1550, 300},
                        .caption = "Recycle Bin",
                        .checked = true});
    search
        .addComboBox(
            {.name = "Combo1", .bounds = {6150, 1300, 1500, 300}, .items = {"Daily", "Weekly"}})
        .setSelectedIndex(0);

    ApplySkin(skin, *main);
    ui::TrayIcon& tray = main->addTrayIcon({.tip = "Halvane"});
    main->show();

    // What the layer promises, checked on the real controls.
    check(group[1]->checked() == false, "check box starts as created");
    all.setChecked(true);
    check(allClicks == 1 && group[1]->checked(), "setChecked raises onClick and the handler runs");
    check(results.rowCount() == 3 && results.text(1, 1) == "Done", "list view rows and sub-items");
    check(results.checked(0) && !results.checked(1) && itemChecks == 0,
          "list view check marks set by the program, without user events");
    results.removeRow(1);
    check(results.text(1, 0) == "Windows Temp" && results.checked(1),
          "removing a row moves the rest up");
    check(found.selected(0) && found.selected(1), "extended list box keeps several selections");
    check(widest > 100 && found.horizontalExtent() == widest, "list text measured in pixels");
    check(time.text() == "7:45", "editable combo box keeps typed text");
    tabs.setSelectedIndex(9);
    check(tabChanges == 0 && tabs.selectedIndex() == 0, "tab index out of range is ignored");
    tabs.setSelectedIndex(2);
    tabs.setSelectedIndex(0);
    check(tabChanges == 2, "tab changes raise onChange");
    check(!drive.drives().empty() && drive.drive() == "c:", "drive list lists C:");
    check(dir.path() == "C:\\windows" && !dir.folders().empty(), "folder list shows C:\\windows");
    check(!dir.setPath("C:\\no such folder"), "folder list refuses a missing folder");
    check(pattern.text() == "*.tmp;*.gid;*.swp;*.chk", "text box text");
    check(tray.add(), "tray icon added");
    bool seesOwnWindow = false;
    for (const auto& window : ui.windows().topLevelWindows())
        if (window.className == "HalvaneForm") seesOwnWindow = true;
    check(seesOwnWindow, "top-level windows include the program's own form");

    // A modal form closed by a timer: timers keep running in the modal loop.
    auto options = ui.createForm({.name = "Frmoption",
                                  .caption = "Options",
                                  .clientWidth = 4000,
                                  .clientHeight = 1500,
                                  .minButton = false});
    options->addLabel(
        {.name = "Label1", .bounds = {240, 240, 3500, 300}, .text = "Closes itself."});
    ApplySkin(skin, *options);
    int modalTicks = 0;
    bool closed = false;
    options->onClosed = [&] { closed = true; };
    ui::Timer closer{events, {.intervalMs = 100, .enabled = true}};
    closer.onTick = [&] {
        if (++modalTicks == 8) options->close();
    };
    options->showModal();
    closer.setEnabled(false);
    check(closed && modalTicks >= 8 && !options->loaded(),
          "modal form returns when closed by a timer");
    options->show();
    check(!options->visible(), "an unloaded form stays hidden");

    // The notification popup's shape: borderless, topmost, in the corner of the work area.
    const int twipsX = ui.twipsPerPixelX();
    const int twipsY = ui.twipsPerPixelY();
    const ui::PixelRect area = ui.workArea();
    auto popup = ui.createForm({.name = "frmNotification",
                                .clientWidth = 3300,
                                .clientHeight = 690,
                                .position = ui::Point{0, 0},
                                .border = ui::BorderStyle::None,
                                .topmost = true,
                                .showInTaskbar = false,
                                .activateOnShow = false});
    popup->setFont({"Tahoma", 8, false, false});
    popup->setColors(skin.text, ui::rgb(255, 255, 255));
    popup->addImage({.name = "imgNotificationIcon",
                     .bounds = {120, 120, 480, 480},
                     .picture = {writeToolPicture(folder, 80), 0}});
    popup
        ->addLabel({.name = "lblTitle",
                    .bounds = {720, 120, 2400, 240},
                    .text = "Task Complete",
                    .autoSize = true})
        .setFont({"Tahoma", 8, true, false});
    ui::Label& description = popup->addLabel(
        {.name = "lblDescription", .bounds = {720, 360, 100, 240}, .autoSize = true});
    description.setText("Removed 1234 entries, released 56.78 MB.");
    const int width = (ui::toPixels(description.bounds().left, twipsX) +
                       ui::toPixels(description.bounds().width, twipsX) + 10) *
                      twipsX;
    check(description.bounds().width > 2000, "a label that sizes itself grows with its text");
    popup->setBounds(
        {area.right * twipsX - (width + 100), area.bottom * twipsY - 690 - 10, width, 690});
    popup->show();
    const ui::Rect placed = popup->bounds();
    check(placed.right() <= area.right * twipsX - 100 + twipsX,
          "popup right edge 100 twips inside the work area");
    ui.playSound(folder + "\\Sounds\\Message.wav");  // missing: silent

    std::ofstream(folder + "\\ready.txt") << "ready\n";
    int waited = 0;
    ui::Timer untilShot{events, {.intervalMs = 100, .enabled = true}};
    untilShot.onTick = [&] {
        if (exists(folder + "\\shot.txt") || ++waited > 200) ui.quit();
    };
    ui.run();
    tray.remove();
    report += "ui_smoke: " + std::to_string(failures) + " failed\n";
    std::printf("%s", report.c_str());
    return finish();
}
