#include "ui/frm_locate.h"

#include "finder/extention_handller.h"
#include "finder/finder_settings.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "ui/frm_extentions.h"
#include "ui/skin.h"

namespace hv {

namespace {

const char* const kFindCaption = "&Find Files";
const char* const kExitCaption = "E&xit";
const char* const kStopCaption = "&Stop";
constexpr int kPlainExtent = 700;
// The scroll extent is this many times the widest measured hit.
constexpr int kExtentFactor = 9;

const char* const kDeleteWarning =
    "Deleting file from your Hard Disk is risky... make sure you know what your doing!\r\n"
    "Do you want to continue?\r\n"
    "(if you click yes, this message will no apear again)";

std::string OnOff(bool on) {
    return on ? "1" : "0";
}

}  // namespace

frmLocate::frmLocate(ui::Ui& ui, Platform& os)
    : ui_(ui),
      os_(os),
      form_(ui.createForm({.name = "frmLocate",
                           .caption = "Search & Erase",
                           .clientWidth = 9720,
                           .clientHeight = 5640,
                           .maxButton = false})) {
    buildControls();
    buildMenus();
    load();
}

void frmLocate::showModal() {
    form_->showModal();
}

void frmLocate::buildControls() {
    dir1_ = &form_->addDirList({.name = "Dir1", .bounds = {120, 120, 2880, 3120}});
    drive1_ = &form_->addDriveList({.name = "Drive1", .bounds = {120, 3360, 2880, 315}});

    form_->addLabel({.name = "Label1", .bounds = {3240, 120, 2400, 240}, .text = "Search String"});
    text1_ = &form_->addTextBox({.name = "Text1", .bounds = {3240, 380, 6360, 300}});
    list1_ = &form_->addListBox(
        {.name = "List1", .bounds = {3240, 800, 6360, 3480}, .select = ui::SelectMode::Extended});

    auto& options = form_->addFrame({.name = "Frame1",
                                     .bounds = {120, 3840, 2880, 1020},
                                     .caption = "Search and clean options"});
    chkDelType_ = &options.addCheckBox(
        {.name = "chkDelType", .bounds = {120, 300, 2640, 280}, .caption = "Delete to RecycleBin"});
    check1_ = &options.addCheckBox({.name = "Check1(0)",
                                    .bounds = {120, 620, 2640, 280},
                                    .caption = "Include Sub Directories"});

    status_ =
        &form_->addLabel({.name = "Status", .bounds = {3240, 4380, 6360, 480}, .wordWrap = true});

    cmdAction_[0] = &form_->addButton({.name = "cmdAction(0)",
                                       .bounds = {120, 5040, 1440, 420},
                                       .caption = kFindCaption,
                                       .isDefault = false});
    cmdDelete_ = &form_->addButton(
        {.name = "cmdDelete", .bounds = {1680, 5040, 1680, 420}, .caption = "&Delete selected"});
    auto& selectAllButton = form_->addButton(
        {.name = "cmdSelectAll", .bounds = {3480, 5040, 1440, 420}, .caption = "Sele&ct All"});
    auto& selectNoneButton = form_->addButton(
        {.name = "cmdUnSelectAll", .bounds = {5040, 5040, 1440, 420}, .caption = "Select N&one"});
    auto& optionButton = form_->addButton(
        {.name = "cmdOption", .bounds = {6600, 5040, 1320, 420}, .caption = "Option&s"});
    cmdAction_[1] = &form_->addButton(
        {.name = "cmdAction(1)", .bounds = {8160, 5040, 1440, 420}, .caption = kExitCaption});
    cmdAction_[0]->setEnabled(false);

    cmdAction_[0]->onClick = [this] { actionClicked(0); };
    cmdAction_[1]->onClick = [this] { actionClicked(1); };
    text1_->onEnter = [this] {
        if (cmdAction_[0]->enabled()) actionClicked(0);
    };
    text1_->onChange = [this] {
        if (text1_->text().empty() || findAllowed_) return;
        findAllowed_ = true;
        cmdAction_[0]->setEnabled(!searching_);
    };
    dir1_->onChange = [this] { automaticSearch(); };
    drive1_->onChange = [this] { driveChanged(); };
    check1_->onClick = [this] { saveSetting(kStartUp, "SubFolders", OnOff(check1_->checked())); };
    chkDelType_->onClick = [this] {
        saveSetting(kStartUp, "Recycele", OnOff(chkDelType_->checked()));
    };
    selectAllButton.onClick = [this] { selectAll(true); };
    selectNoneButton.onClick = [this] { selectAll(false); };
    cmdDelete_->onClick = [this] { deleteSelected(); };
    optionButton.onClick = [this] { openOptions(); };
    form_->onCloseRequest = [this](ui::CloseReason, bool&) { Terminate(); };
}

void frmLocate::buildMenus() {
    auto& file = form_->addMenu({.name = "mnuFile", .caption = "&File"});
    file.addItem(kExitCaption, "mnuFileSub").onClick = [this] {
        Terminate();
        form_->close();
    };
    auto& options = form_->addMenu({.name = "mnuOpt", .caption = "&Options"});
    options.addItem("Op&tions", "mnuOptions").onClick = [this] { openOptions(); };
    options.addItem("&Reset All", "menuResetAll").onClick = [this] { resetAll(); };
    auto& help = form_->addMenu({.name = "mnuHelp", .caption = "&Help"});
    help.addItem("Abou&t", "mnuAbout").onClick = [this] {
        if (openAbout) openAbout();
    };
}

// Every opening starts from the defaults: the stored folder and boxes are not read back, and
// the delete warning is due again.
void frmLocate::load() {
    ApplySkin(LoadSkin(os_.files, SkinFilePath(os_.system.applicationFolder())), *form_);

    const std::string start = startFolder();
    saveSetting(kStartUp, "AppPath", start);
    chkDelType_->setChecked(true);
    check1_->setChecked(true);
    saveSetting(kStartUp, "Recycele", "1");
    saveSetting(kStartUp, "SubFolders", "1");
    saveSetting(kGeneral, "TipNumber", "1");
    saveSetting(kGeneral, "Prompt", "1");

    // The searches these changes start find nothing to do: the pattern box is still empty.
    drive1_->setDrive(start);
    dir1_->setPath(start);

    cmdAction_[0]->setCaption(kFindCaption);
    if (const auto patterns = GetExtList(os_)) text1_->setText(*patterns);
    list1_->setHorizontalExtent(kPlainExtent);
}

void frmLocate::FindFiles(const std::string& folder, const std::string& patternText) {
    const SearchResult result = hv::FindFiles(os_.files, os_.events, *this, folder, patternText);
    if (result.end == SearchResult::End::NothingToSearch) return;
    if (result.end != SearchResult::End::Closed) setSearching(false);
    switch (result.end) {
        case SearchResult::End::Finished:
            list1_->setHorizontalExtent(kExtentFactor * result.widestWidth);
            status_->setText(SearchSummary(list1_->count(), result));
            selectAll(true);
            cmdAction_[1]->setCaption(kExitCaption);
            break;
        case SearchResult::End::Stopped:
            ui_.setBusyCursor(false);
            break;
        default:
            break;
    }
}

void frmLocate::startSearch() {
    ui_.setBusyCursor(true);
    clearList();
    FindFiles(dir1_->path(), text1_->text());
    ui_.setBusyCursor(false);
}

void frmLocate::automaticSearch() {
    saveSetting(kStartUp, "AppPath", dir1_->path());
    ui_.setBusyCursor(true);
    clearList();
    stopRequest_ = false;
    FindFiles(dir1_->path(), text1_->text());
    if (stopRequest_ || closing_) return;
    ui_.setBusyCursor(false);
    cmdAction_[1]->setCaption(kExitCaption);
}

void frmLocate::actionClicked(int element) {
    list1_->setHorizontalExtent(kPlainExtent);
    stopRequest_ = false;
    const std::string caption = cmdAction_[element]->caption();
    if (caption == kFindCaption) {
        startSearch();
    } else if (caption == kExitCaption) {
        Terminate();
        form_->close();
    } else if (caption == kStopCaption) {
        stopRequest_ = true;
        cmdAction_[1]->setCaption(kExitCaption);
    }
}

// While a search runs, nothing may start another one inside it: "&Find Files", the folder
// controls and "&Delete selected" wait for it to end.
void frmLocate::setSearching(bool searching) {
    searching_ = searching;
    cmdAction_[0]->setEnabled(findAllowed_ && !searching);
    drive1_->setEnabled(!searching);
    dir1_->setEnabled(!searching);
    cmdDelete_->setEnabled(!searching);
}

// The window is going away: a search still running ends at its next yield instead of filling
// a list nobody sees.
void frmLocate::Terminate() {
    closing_ = true;
}

void frmLocate::searchStarted() {
    cmdAction_[1]->setCaption(kStopCaption);
    setSearching(true);
}

bool frmLocate::includeSubFolders() {
    return check1_->checked();
}

void frmLocate::showFolder(const std::string& folder) {
    status_->setText(folder);
}

void frmLocate::listHit(const std::string& line, const std::string& path) {
    list1_->addItem(line);
    linePaths_.push_back(path);
}

int frmLocate::measureTextWidth(const std::string& text) {
    return list1_->measureTextWidth(text);
}

void frmLocate::clearList() {
    list1_->clear();
    linePaths_.clear();
}

// Each line keeps the file it was listed for, so a path with two blanks in a row is deleted
// whole and an exact-name line, which names no file, is passed over.
void frmLocate::deleteSelected() {
    if (!ReadsAsFalse(GetFinderSetting(os_, kGeneral, "Prompt", "1"))) {
        if (ui_.messageBox(form_.get(), kDeleteWarning, "Note",
                           mb::kYesNo | mb::kIconExclamation) != mb::kIdYes) {
            return;
        }
        saveSetting(kGeneral, "Prompt", "0");
    }
    const bool toRecycleBin = chkDelType_->checked();
    for (int line = 0; line < list1_->count(); ++line) {
        if (!list1_->selected(line)) continue;
        const std::string& path = linePaths_[static_cast<std::size_t>(line)];
        // A file that has gone meanwhile is passed over, as one that cannot be deleted is.
        const auto info = path.empty() ? std::nullopt : os_.files.stat(path);
        if (!info || info->isFolder()) continue;
        if (toRecycleBin)
            RecycleFile(os_, path);
        else
            os_.files.deleteFile(path);
    }
    clearList();
    check1_->setChecked(false);
    startSearch();
    cmdAction_[1]->setCaption(kExitCaption);
}

void frmLocate::resetAll() {
    const auto uses = leadingNumber(GetFinderSetting(os_, kGeneral, "Uses", "1"));
    if (uses.value_or(0) > 2 &&
        ui_.messageBox(form_.get(), "Do you want to reset all of the parameters to default? ",
                       "Are you sure?", mb::kYesNo) != mb::kIdYes) {
        return;
    }
    saveSetting(kStartUp, "AppPath", startFolder());
    saveSetting(kStartUp, "Log", "1");
    chkDelType_->setChecked(true);
    saveSetting(kStartUp, "Recycele", "1");
    check1_->setChecked(true);
    saveSetting(kStartUp, "SubFolders", "1");
    saveSetting(kGeneral, "Tips", "1");
    saveSetting(kGeneral, "TipNumber", "1");
    saveSetting(kGeneral, "Prompt", "1");
    saveSetting(kGeneral, "DeleteDirs",
                "c:\\windows\\temp\\;C:\\WINDOWS\\Temporary Internet Files\\;");
    saveSetting(kGeneral, "MaxLogSize", "80");
    // The pattern box keeps its text; it shows the default list the next time the window opens.
    WriteDefaultExtList(os_);
}

void frmLocate::openOptions() {
    frmExtentions options(ui_, os_, text1_);
    options.showModal();
}

void frmLocate::selectAll(bool selected) {
    for (int line = 0; line < list1_->count(); ++line) list1_->setSelected(line, selected);
}

// A drive that is not ready leaves the folder list and the search as they were, and the drive
// list goes back to the folder's drive.
void frmLocate::driveChanged() {
    if (restoringDrive_) return;
    if (dir1_->setPath(drive1_->drive() + "\\")) return;
    restoringDrive_ = true;
    drive1_->setDrive(dir1_->path());
    restoringDrive_ = false;
}

void frmLocate::saveSetting(const char* section, const char* key, const std::string& value) {
    SaveFinderSetting(os_, section, key, value);
}

std::string frmLocate::startFolder() {
    return AddBackslash(os_.system.applicationFolder());
}

}  // namespace hv
