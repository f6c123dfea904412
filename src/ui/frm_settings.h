#pragma once
// The cleaning settings window (frmsettings, "Cleaning Settings"): one box per catalogue item
// for its switch in hvset.dat, the plug-in list, the custom-item list and the buttons that open
// the keep-list windows. It reads everything when it is made and writes everything on OK;
// Cancel and the close box discard every change. The clean run reads the plug-in check marks
// from the list of this window as they stand (SettingsWindowSlot gives it one).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/clean_item.h"
#include "engine/pacer.h"
#include "platform/platform.h"
#include "platform/ui/ui.h"
#include "ui/frm_settings_groups.h"

namespace hv {

class SettingsWindow {
  public:
    // Builds the window hidden and runs its load steps.
    SettingsWindow(ui::Ui& ui, Platform& os);
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    // Shows the window modally; returns once it is unloaded or hidden.
    void showModal();
    // False once OK, Cancel or the close box has unloaded it.
    bool loaded() const { return form_->loaded(); }
    ui::Form& form() { return *form_; }

    // The first-column texts of the ticked rows of the plug-in list, in list order.
    std::vector<std::string> TickedPluginTexts() const;

    // The keep-list windows, opened modally by the two "Options" buttons.
    std::function<void()> openUrlOptions;
    std::function<void()> openCookieOptions;

  private:
    struct Switch {
        const CleanItem* item;
        ui::CheckBox* box;
    };
    struct Group {
        const settings::SwitchGroup* def;
        std::vector<Switch> boxes;  // display order
        ui::CheckBox* selectAll = nullptr;
        ui::Frame* frame = nullptr;
    };

    void build();
    void buildGroup(ui::Container& page, const settings::SwitchGroup& def, int& nextBox);
    void connectGroups();
    void buildOptionsButtons();
    void buildPluginTab();
    void buildCustomItemTab();

    void load();
    void loadSwitches();
    void loadWindowsLiveMail();
    void loadCustomItems();
    void loadOutlookExpressFolder();
    void loadPlugins();
    void loadTabs();

    // The save steps; false (and the window stays open) when the custom items could not be
    // written.
    bool save();

    void toggleGroup(const Group& group);
    void confirmOnLeave(const Switch& box, std::string_view question);
    bool ask(std::string_view question);

    void addFiles();
    void addFolders();
    void removeCustomItem();
    void addCustomRow(const std::string& path, const std::string& type);

    Group& group(std::string_view caption);
    std::vector<Switch> boxesOf(const settings::BoxRun& run);
    std::string settingsFile() const;

    ui::Ui& ui_;
    Platform& os_;
    // Making the window's four hundred controls takes a while: a clean run that reads the
    // plug-in list from a window it has to load keeps its own window live meanwhile.
    Pacer pacer_;
    std::unique_ptr<ui::Form> form_;
    std::vector<Group> groups_;
    ui::TabStrip* outerTabs_ = nullptr;
    ui::TabStrip* browserTabs_ = nullptr;
    ui::ListView* plugins_ = nullptr;
    ui::ListView* customItems_ = nullptr;
    ui::TextBox* scratch_ = nullptr;
    ui::Menu* addMenu_ = nullptr;
};

// The main window's handle on the settings window. The window lives from the user's open
// command, or from the clean run's look at the plug-in list, until it is unloaded; while it
// lives, both find the same instance, so a run started while the window is open reads the
// check marks shown there, saved or not.
class SettingsWindowSlot {
  public:
    // prepare is given every new instance (to connect its Options buttons).
    SettingsWindowSlot(ui::Ui& ui, Platform& os, std::function<void(SettingsWindow&)> prepare = {});

    // The user's open command: shows the hidden instance as it is, or a newly loaded one,
    // modally; nothing while an instance is being loaded.
    void open();
    // The living instance; a hidden one is made (and loaded) when there is none.
    SettingsWindow& window();
    // For the clean run's plug-in step.
    std::vector<std::string> TickedPluginTexts() { return window().TickedPluginTexts(); }

  private:
    ui::Ui& ui_;
    Platform& os_;
    std::function<void(SettingsWindow&)> prepare_;
    // Shared with open() while it shows the window, so that a run replacing an unloaded
    // instance never destroys one whose modal loop is still returning.
    std::shared_ptr<SettingsWindow> window_;
    bool loading_ = false;
};

}  // namespace hv
