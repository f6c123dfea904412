#include "catalogue/office.h"

#include <gtest/gtest.h>

#include <optional>

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv {
namespace {

using catalogue::kOfficeVersionKey;
using catalogue::kOfficeVersionName;

// A clean run over the Office group, with Word answering `wordVersion` (nothing: no Word).
struct Rig {
    explicit Rig(std::optional<std::string> wordVersion) {
        machine.word.installedVersion = std::move(wordVersion);
        run.env = ComputeEnvironment(os);
        run.setItems(catalogue::OfficeItems());
    }
    // HKCU keys, or "key|value" for one value of a key.
    void plant(const std::string& entry) {
        const auto bar = entry.find('|');
        if (bar == std::string::npos)
            machine.registry.createKey(kCurrentUser, entry + "\\Sub");
        else
            machine.registry.setString(kCurrentUser, entry.substr(0, bar), entry.substr(bar + 1),
                                       "x");
    }
    bool present(const std::string& entry) {
        const auto bar = entry.find('|');
        if (bar == std::string::npos) return machine.registry.keyExists(kCurrentUser, entry);
        return machine.registry.value(kCurrentUser, entry.substr(0, bar), entry.substr(bar + 1))
            .has_value();
    }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run{os, report};
};

TEST(OfficeVersion, WordsVersionTextChoosesTheRegistrySegment) {
    struct Case {
        std::optional<std::string> word;
        std::string name;
        std::string key;
    };
    const std::vector<Case> cases = {
        {"8.0", "Office97", "8.0"},
        {"9.0", "Office2000", "9.0"},
        {"10.0", "Office2002", "10.0"},
        {"11.0", "Office2003", "11.0"},
        {"12.0", "Office2007", "12.0"},
        {"14.0", "Office2010", "14.0"},
        {"15.0", "Office2013", "15.0"},
        // A plain substring test with "8" first: any text holding an 8 reads as Office 97.
        {"18.0", "Office97", "8.0"},
        {"14.0.6129", "Office2000", "9.0"},
        {"16.0", "", ""},
        {"", "", ""},
        {std::nullopt, "NoOffice", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word.value_or("no Word"));
        Rig rig(c.word);
        rig.run.CleanNow();
        EXPECT_EQ(rig.run.runState[kOfficeVersionName], c.name);
        EXPECT_EQ(rig.run.runState[kOfficeVersionKey], c.key);
        EXPECT_EQ(catalogue::OfficeVersionKeyOf(c.name), c.key);
    }
}

TEST(OfficeVersion, WordIsAskedOncePerRunEvenWithEveryOfficeSwitchOff) {
    Rig rig("14.0");
    rig.run.CleanNow();
    EXPECT_EQ(rig.machine.word.started, 1);
    EXPECT_EQ(rig.run.runState[kOfficeVersionKey], "14.0");
    ASSERT_EQ(rig.report.rows.size(), 1u);  // only "Task complete Successfully!"
    EXPECT_EQ(rig.report.progress, (std::vector<int>{1, 49, 50, 51, 52, 53, 54, 55, 97, 100}));

    // Nothing of the first answer survives into the next run.
    rig.machine.word.installedVersion.reset();
    for (const char* key : {"word", "excel", "Access", "Viewer"})
        rig.machine.setSetting("OFFICE", key, "1");
    rig.run.CleanNow();
    EXPECT_EQ(rig.machine.word.started, 2);
    EXPECT_EQ(rig.run.runState[kOfficeVersionName], "NoOffice");
    EXPECT_EQ(rig.run.runState[kOfficeVersionKey], "");
}

struct ItemCase {
    std::optional<std::string> word;
    std::string key;  // as the settings window may write it
    std::string row;
    std::vector<std::string> gone;
    std::vector<std::string> kept;
    double entries;
};

TEST(OfficeItems, EachItemRemovesTheKeysOfTheDetectedVersionAndCountsThem) {
    const std::string o = "Software\\Microsoft\\Office\\";
    const std::string fp = "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\";
    const std::string wizard = "Software\\Microsoft\\OfficeProfileWizard\\";
    const std::string snapshot = "Software\\Microsoft\\Snapshot Viewer\\";
    const std::vector<ItemCase> cases = {
        {"11.0",
         "word",
         "Microsoft Word",
         {o + "11.0\\Word\\Data", o + "11.0\\Word\\Recent Templates",
          o + "11.0\\Word\\ProjectTemplateLocation"},
         {o + "11.0\\Word\\File MRU", o + "14.0\\Word\\Data", o + "11.0\\Word\\Options"},
         15},
        {"14.0",
         "word",
         "Microsoft Word",
         {o + "14.0\\Word\\File MRU", o + "14.0\\Word\\Place MRU"},
         {o + "14.0\\Word\\Data", o + "11.0\\Word\\File MRU"},
         10},
        {"12.0",
         "word",
         "Microsoft Word",
         {o + "12.0\\Word\\File MRU", o + "12.0\\Word\\Place MRU"},
         {o + "12.0\\Word\\Data"},
         10},
        // Without Word the segment is empty: the keys sit directly below the Office key.
        {std::nullopt,
         "word",
         "Microsoft Word",
         {o + "Word\\Data", o + "Word\\Recent Templates", o + "Word\\ProjectTemplateLocation"},
         {o + "11.0\\Word\\Data", o + "Word\\File MRU"},
         15},
        {"12.0",
         "excel",
         "Microsoft Excel",
         {o + "12.0\\Excel\\File MRU", o + "12.0\\Excel\\Place MRU"},
         {o + "12.0\\Excel\\Recent Files"},
         10},
        {"10.0",
         "excel",
         "Microsoft Excel",
         {o + "10.0\\Excel\\Recent Files", o + "10.0\\Excel\\Recent Templates",
          o + "10.0\\Excel\\ProjectTemplateLocation"},
         {o + "10.0\\Excel\\File MRU"},
         15},
        {"15.0",
         "powerpoint",
         "Microsoft Powerpoint",
         {o + "15.0\\PowerPoint\\File MRU", o + "15.0\\PowerPoint\\Place MRU"},
         {o + "15.0\\PowerPoint\\Recent File List"},
         10},
        {"11.0",
         "Powerpoint",
         "Microsoft Powerpoint",
         {o + "11.0\\PowerPoint\\Recent File List", o + "11.0\\PowerPoint\\Recent Templates",
          o + "11.0\\PowerPoint\\RecentFolderList", o + "11.0\\PowerPoint\\RecentTemplateList",
          o + "11.0\\PowerPoint\\ProjectTemplateLocation"},
         {o + "11.0\\PowerPoint\\Place MRU"},
         25},
        {std::nullopt,
         "frontpage",
         "Microsoft FrontPage",
         {fp + "Recent File List", fp + "Recent Page List", fp + "Recent Web List",
          fp + "Recently Created Servers", fp + "Settings|LastWebOpen"},
         {fp + "Settings|Theme"},
         21},
        // Access keeps its old lists in 2007.
        {"12.0",
         "access",
         "Microsoft Access",
         {o + "12.0\\Access\\Settings", o + "12.0\\Access\\Internet\\Recent Templates"},
         {o + "12.0\\Access\\File MRU", o + "12.0\\Access\\Internet"},
         10},
        {"14.0",
         "Access",
         "Microsoft Access",
         {o + "14.0\\Access\\File MRU", o + "14.0\\Access\\Place MRU"},
         {o + "14.0\\Access\\Settings"},
         10},
        {"14.0",
         "Publisher",
         "Microsoft Publisher",
         {o + "14.0\\Publisher\\Recent File List", o + "14.0\\Publisher\\File MRU",
          o + "14.0\\Publisher\\Place MRU"},
         {o + "14.0\\Publisher\\Options"},
         15},
        {"14.0",
         "InfoPath",
         "Microsoft InfoPath",
         {o + "14.0\\InfoPath\\Recent File List", o + "14.0\\InfoPath\\Recent Templates",
          o + "14.0\\InfoPath\\File MRU", o + "14.0\\InfoPath\\Place MRU",
          o + "14.0\\InfoPath\\Designer File MRU", o + "14.0\\InfoPath\\Filler File MRU"},
         {},
         30},
        {"14.0",
         "Onenote",
         "Microsoft Onenote",
         {o + "14.0\\OneNote\\OpenNotebooks", o + "14.0\\OneNote\\Place MRU",
          o + "14.0\\OneNote\\RecentNotebooks"},
         {o + "14.0\\OneNote\\Options"},
         15},
        {"15.0", "Lync", "Microsoft Lync Settings", {o + "15.0\\Lync"}, {o + "15.0\\Common"}, 5},
        {"15.0",
         "SkyDrive",
         "Microsoft SkyDrive Settings",
         {o + "15.0\\SyncProc"},
         {o + "15.0\\Common"},
         5},
        {"14.0",
         "Project",
         "Microsoft Project",
         {o + "14.0\\MS Project\\Recent File List", o + "14.0\\MS Project\\Recent Templates",
          o + "14.0\\MS Project\\ProjectTemplateLocation", o + "14.0\\MS Project\\File MRU",
          o + "14.0\\MS Project\\Place MRU"},
         {o + "14.0\\MS Project\\Options"},
         25},
        {"14.0",
         "Visio",
         "Microsoft Visio",
         {o + "14.0\\Visio\\Recent Templates", o + "14.0\\Visio\\File MRU",
          o + "14.0\\Visio\\Place MRU"},
         {},
         15},
        {"14.0",
         "Organizer",
         "Clip Organizer",
         {o + "14.0\\Clip Organizer|MRUKeywords", o + "14.0\\Clip Organizer\\File MRU",
          o + "14.0\\Clip Organizer\\Place MRU"},
         {o + "14.0\\Clip Organizer|Collections"},
         11},
        {"14.0",
         "Settings",
         "Microsoft Office Settings",
         {wizard + "14.0\\RecentFileList", wizard + "14.0\\File MRU", wizard + "14.0\\Place MRU"},
         {wizard + "12.0\\RecentFileList", o + "14.0\\File MRU"},
         15},
        {"14.0",
         "Picture",
         "Microsoft Office Picture Manager",
         {o + "14.0\\OIS\\Options|LastTreeConfig", o + "14.0\\OIS\\Options|LastTreeSelection",
          o + "14.0\\Common\\Open Find\\Microsoft Office Picture Manager\\Settings\\Add "
              "Picture Shortcut\\File Name MRU"},
         {o + "14.0\\OIS\\Options|Zoom"},
         7},
        {std::nullopt,
         "Viewer",
         "Microsoft Snapshot Viewer",
         {snapshot + "Recent File List", snapshot + "File MRU", snapshot + "Place MRU"},
         {snapshot + "Options"},
         15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + " with Word " + c.word.value_or("missing"));
        Rig rig(c.word);
        for (const auto& entry : c.gone) rig.plant(entry);
        for (const auto& entry : c.kept) rig.plant(entry);
        rig.machine.setSetting("OFFICE", c.key, "1");
        rig.run.CleanNow();
        ASSERT_EQ(rig.report.rows.size(), 2u);
        EXPECT_EQ(rig.report.rows[0].item, c.row);
        EXPECT_EQ(rig.report.rows[0].status, "Done");
        for (const auto& entry : c.gone) EXPECT_FALSE(rig.present(entry)) << entry;
        for (const auto& entry : c.kept) EXPECT_TRUE(rig.present(entry)) << entry;
        EXPECT_EQ(rig.run.RemovedEntries, c.entries);
        EXPECT_EQ(rig.run.ReleasedBytes, 0);
    }
}

TEST(OfficeItems, WithoutWordTheKeysAreBuiltWithAnEmptySegment) {
    Rig rig(std::nullopt);
    rig.plant("Software\\Microsoft\\Office\\Lync");
    rig.plant("Software\\Microsoft\\OfficeProfileWizard\\RecentFileList");
    rig.machine.setSetting("OFFICE", "Lync", "1");
    rig.machine.setSetting("OFFICE", "Settings", "1");
    rig.run.CleanNow();
    EXPECT_EQ(rig.machine.registry.removed,
              (std::vector<std::string>{
                  "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\\\Lync",
                  "HKEY_CURRENT_USER\\Software\\Microsoft\\OfficeProfileWizard\\\\RecentFileList",
              }));
    // Missing keys count all the same: 5 for Lync, 3 trees of the profile wizard.
    EXPECT_EQ(rig.run.RemovedEntries, 20);
}

}  // namespace
}  // namespace hv
