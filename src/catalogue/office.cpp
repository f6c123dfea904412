// The Microsoft Office items: recent-file, template and place lists and a few settings that
// Office keeps in the registry, under the key of the version Word reports on this run.
#include "catalogue/office.h"

#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"

namespace hv::catalogue {

namespace {

using namespace targets;
using std::string_view;

// Where a key lies: below the Office key of the detected version, or below the profile
// wizard's key of that version.
enum class Below { Office, ProfileWizard };
// Which side of its item's version gate a key is on; Any keys are taken by every version.
enum class Style { Any, Old, New };

struct OfficeKey {
    string_view sub;         // appended to the version key; begins with a backslash
    string_view value = {};  // one value of the key; empty: the whole tree
    Style style = Style::Any;
    Below below = Below::Office;
};

constexpr OfficeKey Tree(string_view sub) {
    return {sub};
}
constexpr OfficeKey OldTree(string_view sub) {
    return {sub, {}, Style::Old};
}
constexpr OfficeKey NewTree(string_view sub) {
    return {sub, {}, Style::New};
}
constexpr OfficeKey Value(string_view sub, string_view name) {
    return {sub, name};
}
constexpr OfficeKey WizardTree(string_view sub) {
    return {sub, {}, Style::Any, Below::ProfileWizard};
}

// The versions that keep their lists as "File MRU" and "Place MRU" rather than the older keys.
enum class Gate { None, From2007, From2010 };

bool takesNewStyle(Gate gate, const std::string& versionKey) {
    switch (gate) {
        case Gate::None:
            return false;
        case Gate::From2007:
            return versionKey == "12.0" || versionKey == "14.0" || versionKey == "15.0";
        case Gate::From2010:
            return versionKey == "14.0" || versionKey == "15.0";
    }
    return false;
}

// Without a known version the keys are built all the same, with nothing between the
// backslashes around the version.
void deleteOfficeKeys(CleanRun& run, std::span<const OfficeKey> keys, Gate gate) {
    const std::string versionKey = run.runState[kOfficeVersionKey];
    const bool newStyle = takesNewStyle(gate, versionKey);
    for (const OfficeKey& key : keys) {
        if ((key.style == Style::Old && newStyle) || (key.style == Style::New && !newStyle))
            continue;
        const std::string prefix = key.below == Below::Office
                                       ? "Software\\Microsoft\\Office\\"
                                       : "Software\\Microsoft\\OfficeProfileWizard\\";
        const std::string path = prefix + versionKey + std::string(key.sub);
        if (key.value.empty())
            run.addEntries(run.erase().DeleteRegTree(kCurrentUser, path));
        else
            run.addEntries(run.erase().DeleteRegValue(kCurrentUser, path, std::string(key.value)));
    }
}

template <const auto& keys, Gate gate = Gate::None>
void officeKeys(CleanRun& run) {
    deleteOfficeKeys(run, keys, gate);
}

// Asked once per run, before the first Office switch is read, whether or not any is on.
void detectOfficeVersion(CleanRun& run) {
    const std::string name = DetectOfficeVersion(run.os().word);
    run.runState[kOfficeVersionName] = name;
    run.runState[kOfficeVersionKey] = OfficeVersionKeyOf(name);
}

constexpr OfficeKey kWord[] = {
    OldTree("\\Word\\Data"),
    OldTree("\\Word\\Recent Templates"),
    OldTree("\\Word\\ProjectTemplateLocation"),
    NewTree("\\Word\\File MRU"),
    NewTree("\\Word\\Place MRU"),
};
constexpr OfficeKey kExcel[] = {
    OldTree("\\Excel\\Recent Files"),
    OldTree("\\Excel\\Recent Templates"),
    OldTree("\\Excel\\ProjectTemplateLocation"),
    NewTree("\\Excel\\File MRU"),
    NewTree("\\Excel\\Place MRU"),
};
constexpr OfficeKey kPowerPoint[] = {
    OldTree("\\PowerPoint\\Recent File List"),
    OldTree("\\PowerPoint\\Recent Templates"),
    OldTree("\\PowerPoint\\RecentFolderList"),
    OldTree("\\PowerPoint\\RecentTemplateList"),
    OldTree("\\PowerPoint\\ProjectTemplateLocation"),
    NewTree("\\PowerPoint\\File MRU"),
    NewTree("\\PowerPoint\\Place MRU"),
};
constexpr OfficeKey kAccess[] = {
    OldTree("\\Access\\Settings"),
    OldTree("\\Access\\Internet\\Recent Templates"),
    NewTree("\\Access\\File MRU"),
    NewTree("\\Access\\Place MRU"),
};
constexpr OfficeKey kPublisher[] = {
    Tree("\\Publisher\\Recent File List"),
    Tree("\\Publisher\\File MRU"),
    Tree("\\Publisher\\Place MRU"),
};
constexpr OfficeKey kInfoPath[] = {
    Tree("\\InfoPath\\Recent File List"),  Tree("\\InfoPath\\Recent Templates"),
    Tree("\\InfoPath\\File MRU"),          Tree("\\InfoPath\\Place MRU"),
    Tree("\\InfoPath\\Designer File MRU"), Tree("\\InfoPath\\Filler File MRU"),
};
constexpr OfficeKey kOneNote[] = {
    Tree("\\OneNote\\OpenNotebooks"),
    Tree("\\OneNote\\Place MRU"),
    Tree("\\OneNote\\RecentNotebooks"),
};
constexpr OfficeKey kLync[] = {Tree("\\Lync")};
constexpr OfficeKey kSkyDrive[] = {Tree("\\SyncProc")};
constexpr OfficeKey kProject[] = {
    Tree("\\MS Project\\Recent File List"),
    Tree("\\MS Project\\Recent Templates"),
    Tree("\\MS Project\\ProjectTemplateLocation"),
    Tree("\\MS Project\\File MRU"),
    Tree("\\MS Project\\Place MRU"),
};
constexpr OfficeKey kVisio[] = {
    Tree("\\Visio\\Recent Templates"),
    Tree("\\Visio\\File MRU"),
    Tree("\\Visio\\Place MRU"),
};
constexpr OfficeKey kClipOrganizer[] = {
    Value("\\Clip Organizer", "MRUKeywords"),
    Tree("\\Clip Organizer\\File MRU"),
    Tree("\\Clip Organizer\\Place MRU"),
};
constexpr OfficeKey kSaveMySettings[] = {
    WizardTree("\\RecentFileList"),
    WizardTree("\\File MRU"),
    WizardTree("\\Place MRU"),
};
constexpr OfficeKey kPictureManager[] = {
    Value("\\OIS\\Options", "LastTreeConfig"),
    Value("\\OIS\\Options", "LastTreeSelection"),
    Tree("\\Common\\Open Find\\Microsoft Office Picture Manager\\Settings\\Add Picture "
         "Shortcut\\File Name MRU"),
};

}  // namespace

std::string DetectOfficeVersion(WordAutomation& word) {
    const std::optional<std::string> version = word.version();
    if (!version) return "NoOffice";
    // A plain substring test in this order, so any version text holding the digit 8 reads as
    // Office 97, and versions after 2013 are not known.
    static constexpr std::pair<string_view, string_view> kKnown[] = {
        {"8", "Office97"},    {"9", "Office2000"},  {"10", "Office2002"}, {"11", "Office2003"},
        {"12", "Office2007"}, {"14", "Office2010"}, {"15", "Office2013"},
    };
    for (const auto& [text, name] : kKnown)
        if (version->find(text) != std::string::npos) return std::string(name);
    return {};
}

std::string OfficeVersionKeyOf(const std::string& versionName) {
    static constexpr std::pair<string_view, string_view> kKeys[] = {
        {"Office97", "8.0"},    {"Office2000", "9.0"},  {"Office2002", "10.0"},
        {"Office2003", "11.0"}, {"Office2007", "12.0"}, {"Office2010", "14.0"},
        {"Office2013", "15.0"},
    };
    for (const auto& [name, key] : kKeys)
        if (versionName == name) return std::string(key);
    return {};
}

std::span<const CleanItem> OfficeItems() {
    static const std::vector<CleanItem> items = {
        {"", "", "", "", {Step(detectOfficeVersion)}},
        {"OFFICE",
         "word",
         "Microsoft Word",
         "Microsoft Word",
         {Step(officeKeys<kWord, Gate::From2007>)},
         49},
        {"OFFICE",
         "excel",
         "Microsoft Excel",
         "Microsoft Excel",
         {Step(officeKeys<kExcel, Gate::From2007>)},
         50},
        {"OFFICE",
         "Powerpoint",
         "Microsoft PowerPoint",
         "Microsoft Powerpoint",
         {Step(officeKeys<kPowerPoint, Gate::From2007>)},
         51},
        {"OFFICE",
         "FrontPage",
         "Microsoft FrontPage",
         "Microsoft FrontPage",
         // FrontPage and Snapshot Viewer keep their lists outside the versioned Office key.
         {DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage "
                        "Explorer\\Recent File List"),
          DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage "
                        "Explorer\\Recent Page List"),
          DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage "
                        "Explorer\\Recent Web List"),
          DeleteRegTree(kCurrentUser,
                        "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage "
                        "Explorer\\Recently Created Servers"),
          DeleteRegValue(kCurrentUser,
                         "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Settings",
                         "LastWebOpen")},
         52},
        {"OFFICE",
         "Access",
         "Microsoft Access",
         "Microsoft Access",
         {Step(officeKeys<kAccess, Gate::From2010>)}},
        {"OFFICE",
         "Publisher",
         "Microsoft Publisher",
         "Microsoft Publisher",
         {Step(officeKeys<kPublisher>)}},
        {"OFFICE",
         "InfoPath",
         "Microsoft InfoPath",
         "Microsoft InfoPath",
         {Step(officeKeys<kInfoPath>)}},
        {"OFFICE",
         "Onenote",
         "Microsoft OneNote",
         "Microsoft Onenote",
         {Step(officeKeys<kOneNote>)}},
        {"OFFICE",
         "Lync",
         "Microsoft Lync Settings",
         "Microsoft Lync Settings",
         {Step(officeKeys<kLync>)}},
        {"OFFICE",
         "SkyDrive",
         "Microsoft SkyDrive Setting",
         "Microsoft SkyDrive Settings",
         {Step(officeKeys<kSkyDrive>)}},
        {"OFFICE",
         "Project",
         "Microsoft Project",
         "Microsoft Project",
         {Step(officeKeys<kProject>)},
         53},
        {"OFFICE", "Visio", "Microsoft Visio", "Microsoft Visio", {Step(officeKeys<kVisio>)}},
        {"OFFICE",
         "Organizer",
         "Microsoft Clip Organizer",
         "Clip Organizer",
         {Step(officeKeys<kClipOrganizer>)}},
        {"OFFICE",
         "Settings",
         "Microsoft Office Save My Settings",
         "Microsoft Office Settings",
         {Step(officeKeys<kSaveMySettings>)},
         54},
        {"OFFICE",
         "Picture",
         "Microsoft Office Picture Manager",
         "Microsoft Office Picture Manager",
         {Step(officeKeys<kPictureManager>)}},
        {"OFFICE",
         "Viewer",
         "Microsoft Snapshot Viewer",
         "Microsoft Snapshot Viewer",
         {DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Snapshot Viewer\\Recent File List"),
          DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Snapshot Viewer\\File MRU"),
          DeleteRegTree(kCurrentUser, "Software\\Microsoft\\Snapshot Viewer\\Place MRU")},
         55},
    };
    return items;
}

}  // namespace hv::catalogue
