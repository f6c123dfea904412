#pragma once
// The file finder "Search & Erase": searches a folder (and the folders below it) for files
// matching the junk patterns of Ext.txt, lists every hit with its size and date, and deletes
// the hits the user selects, into the recycle bin or for good. Its options live in the per-user
// settings store under "Tundale", not in hvset.dat.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "finder/find_files.h"
#include "platform/platform.h"
#include "platform/ui/ui.h"

namespace hv {

class frmLocate : private SearchWindow {
  public:
    frmLocate(ui::Ui& ui, Platform& os);
    void showModal();
    // The "Abou&t" menu entry; set by whoever opens the finder.
    std::function<void()> openAbout;
    // The window, for programs that drive it without a user (the Wine check).
    ui::Form& form() { return *form_; }

  private:
    // Building and opening.
    void buildControls();
    void buildMenus();
    void load();

    // Searching.
    void FindFiles(const std::string& folder, const std::string& patternText);
    void startSearch();
    void automaticSearch();
    void actionClicked(int element);
    void setSearching(bool searching);
    void Terminate();

    // Handlers.
    void deleteSelected();
    void resetAll();
    void openOptions();
    void selectAll(bool selected);
    void driveChanged();

    // What the search asks of the window.
    void searchStarted() override;
    bool includeSubFolders() override;
    void showFolder(const std::string& folder) override;
    void listHit(const std::string& line, const std::string& path) override;
    int measureTextWidth(const std::string& text) override;
    bool stopRequested() override { return stopRequest_; }
    bool closing() override { return closing_; }

    void clearList();
    void saveSetting(const char* section, const char* key, const std::string& value);
    std::string startFolder();

    ui::Ui& ui_;
    Platform& os_;
    std::unique_ptr<ui::Form> form_;
    ui::DriveList* drive1_ = nullptr;
    ui::DirList* dir1_ = nullptr;
    ui::TextBox* text1_ = nullptr;
    ui::ListBox* list1_ = nullptr;
    ui::CheckBox* chkDelType_ = nullptr;
    ui::CheckBox* check1_ = nullptr;
    ui::Label* status_ = nullptr;
    ui::Button* cmdAction_[2] = {nullptr, nullptr};
    ui::Button* cmdDelete_ = nullptr;

    // The file behind each line of List1, in line order; empty for an exact-name line.
    std::vector<std::string> linePaths_;
    bool stopRequest_ = false;
    bool closing_ = false;
    bool searching_ = false;
    // "&Find Files" is created disabled and enabled for good by the first pattern text.
    bool findAllowed_ = false;
    bool restoringDrive_ = false;
};

}  // namespace hv
