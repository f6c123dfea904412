// What the platform layer must do the way Windows does it. The same checks run against the
// simulated Windows and against the real API under Wine; where Wine is known to differ from
// Windows, the check says so and follows Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "test_machine.h"

namespace hv::conformance {
namespace {

// Wine reports Archive on every file, Windows on most; attribute checks look at these bits only.
constexpr std::uint32_t kComparedBits =
    attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kDirectory;

constexpr char kScratchKey[] = "Software\\HalvaneConformance";

std::string bytes(const char* text, std::size_t size) {
    return std::string(text, size);
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

class Conformance : public testing::Test {
  protected:
    void SetUp() override {
        machine_ = makeTestMachine();
        std::optional<std::string> temp = os().system.environment("TEMP");
        ASSERT_TRUE(temp.has_value()) << "the machine has no TEMP folder";
        scratch_ = *temp + "\\HalvaneConformance";
        removeTree(scratch_);
        ASSERT_EQ(kSuccess, files().createFolder(scratch_)) << scratch_;
        registry().deleteTree(kCurrentUser, kScratchKey);
        ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, kScratchKey));
    }

    void TearDown() override {
        removeTree(scratch_);
        registry().deleteTree(kCurrentUser, kScratchKey);
    }

    Platform os() { return machine_->platform(); }
    FileSystem& files() { return os().files; }
    Registry& registry() { return os().registry; }
    Profile& profile() { return os().profile; }
    bool isWine() const { return machine_->isWine(); }
    void prepareCommand(const std::string& commandLine, std::optional<std::uint32_t> exitCode) {
        machine_->prepareCommand(commandLine, exitCode);
    }

    // Pumps messages between short idles until `done` holds, for about `rounds` rounds.
    template <typename Done>
    void pumpUntil(Done done, int rounds) {
        EventLoop& events = os().events;
        for (int i = 0; i < rounds && !done(); ++i) {
            events.doEvents();
            events.idle(5);
        }
    }

    std::string path(const std::string& name) const { return scratch_ + "\\" + name; }
    std::string key(const std::string& name) const {
        return std::string(kScratchKey) + "\\" + name;
    }
    bool exists(const std::string& path) { return files().stat(path).has_value(); }

    void makeFile(const std::string& name, const std::string& content,
                  std::uint32_t attributes = attr::kNormal) {
        ASSERT_EQ(kSuccess, files().writeFile(path(name), content)) << name;
        if (attributes != attr::kNormal) {
            ASSERT_EQ(kSuccess, files().setAttributes(path(name), attributes)) << name;
        }
    }

    std::uint32_t comparedAttributes(const std::string& name) {
        std::optional<FileInfo> info = files().stat(path(name));
        return info ? info->attributes & kComparedBits : 0xFFFFFFFFu;
    }

    RegValue sz(const std::string& text) { return RegValue{RegType::Sz, text}; }

    // Clears whatever a test (or an earlier, interrupted run) left. Links are never entered.
    void removeTree(const std::string& folder) {
        std::vector<FileInfo> entries;
        if (files().list(folder, entries) == kSuccess) {
            for (const FileInfo& entry : entries) {
                std::string child = folder + "\\" + entry.name;
                if (entry.isLink()) continue;
                if (entry.isFolder()) {
                    removeTree(child);
                } else {
                    files().setAttributes(child, attr::kNormal);
                    files().deleteFile(child);
                }
            }
        }
        files().setAttributes(folder, attr::kNormal);  // a read-only folder would stay
        files().removeFolder(folder);
    }

    std::string scratch_;

  private:
    std::unique_ptr<TestMachine> machine_;
};

// ---- Profile files ----

TEST_F(Conformance, ProfileNamesMatchWithoutRegardToCase) {
    std::string ini = path("hvset.dat");
    ASSERT_TRUE(profile().writeString(ini, "WINDOWS", "Recent", "1"));
    EXPECT_EQ("1", profile().getString(ini, "windows", "RECENT", "", 128));
    EXPECT_EQ("1", profile().getString(ini, "Windows", "recent", "", 128));
}

TEST_F(Conformance, ProfileValuesAreTrimmedAndLoseOneEnclosingPairOfQuotes) {
    std::string ini = path("values.ini");
    makeFile("values.ini",
             "[Values]\r\n"
             "  padded   =   some value   \r\n"
             "double=\"quoted\"\r\n"
             "single='quoted'\r\n"
             "lone=\"open\r\n"
             "mixed=\"text'\r\n"
             "inner=a \"b\" c\r\n"
             "twice=\"\"x\"\"\r\n"
             "semicolon=x ; y\r\n"
             "empty=\r\n");
    struct Case {
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"padded", "some value"}, {"double", "quoted"},   {"single", "quoted"},
        {"lone", "\"open"},       {"mixed", "\"text'"},   {"inner", "a \"b\" c"},
        {"twice", "\"x\""},       {"semicolon", "x ; y"}, {"empty", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, profile().getString(ini, "Values", c.key, "fallback", 128))
            << "key " << c.key;
    }
}

TEST_F(Conformance, ProfileReadOfLongValueGivesBufferLessOneCharacters) {
    std::string ini = path("long.ini");
    std::string value(300, 'v');
    ASSERT_TRUE(profile().writeString(ini, "Options", "long", value));
    EXPECT_EQ(std::string(127, 'v'), profile().getString(ini, "Options", "long", "", 128));
    EXPECT_EQ(value, profile().getString(ini, "Options", "long", "", 32767));
}

TEST_F(Conformance, ProfileReadOfMissingFileSectionOrKeyGivesFallback) {
    std::string ini = path("present.ini");
    makeFile("present.ini", "[Options]\r\nexit=1\r\n");
    struct Case {
        std::string file, section, key;
    };
    const Case cases[] = {
        {path("absent.ini"), "Options", "exit"},
        {path("no folder\\present.ini"), "Options", "exit"},
        {ini, "Other", "exit"},
        {ini, "Options", "startup"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ("dflt", profile().getString(c.file, c.section, c.key, "dflt", 128))
            << c.file << " [" << c.section << "] " << c.key;
    }
}

TEST_F(Conformance, ProfileSectionListsTrimmedLinesWithDuplicatesAndQuotes) {
    std::string ini = path("section.ini");
    makeFile("section.ini",
             "[List]\r\n"
             " a = 1 \r\n"
             "b=\"q\"\r\n"
             "a=2\r\n"
             "[Other]\r\n"
             "c=3\r\n");
    EXPECT_EQ(bytes("a=1\0b=\"q\"\0a=2\0\0", 15), profile().getSection(ini, "list", 32767));
    EXPECT_EQ("", profile().getSection(ini, "Missing", 32767));
    EXPECT_EQ("", profile().getSection(path("absent.ini"), "List", 32767));
}

TEST_F(Conformance, ProfileWriteReplacesKeyInPlaceAndKeepsOtherLines) {
    std::string ini = path("keep.ini");
    makeFile("keep.ini", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(profile().writeString(ini, "a", "x", "9"));
    EXPECT_EQ(bytes("x=9\0y=2\0\0", 9), profile().getSection(ini, "A", 32767));
    EXPECT_EQ(bytes("z=3\0\0", 5), profile().getSection(ini, "B", 32767));
}

TEST_F(Conformance, ProfileWriteCreatesMissingFileAndSection) {
    std::string ini = path("new.ini");
    ASSERT_TRUE(profile().writeString(ini, "Options", "exit", "1"));
    ASSERT_TRUE(profile().writeString(ini, "EXPLORER", "History", "0"));
    EXPECT_TRUE(exists(ini));
    EXPECT_EQ("1", profile().getString(ini, "Options", "exit", "", 128));
    EXPECT_EQ("0", profile().getString(ini, "EXPLORER", "History", "", 128));
}

TEST_F(Conformance, ProfileWriteIntoMissingFolderFails) {
    EXPECT_FALSE(profile().writeString(path("no folder\\new.ini"), "Options", "exit", "1"));
    EXPECT_FALSE(exists(path("no folder")));
}

// ---- Registry ----

TEST_F(Conformance, RegistryCreateKeyMakesMissingParents) {
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("A\\B\\C")));
    std::vector<std::string> below;
    ASSERT_EQ(kSuccess, registry().enumKeys(kCurrentUser, key("A"), below));
    EXPECT_EQ(std::vector<std::string>{"B"}, below);
    EXPECT_EQ(kSuccess, registry().createKey(kCurrentUser, key("A\\B\\C")))
        << "creating an existing key opens it";
}

TEST_F(Conformance, RegistryValuesKeepTheirTypeAndBytes) {
    struct Case {
        const char* name;
        RegValue stored;
        RegValue read;
    };
    const Case cases[] = {
        {"text", {RegType::Sz, "C:\\Users\\ann"}, {RegType::Sz, "C:\\Users\\ann"}},
        {"expand",
         {RegType::ExpandSz, "%USERPROFILE%\\x"},
         {RegType::ExpandSz, "%USERPROFILE%\\x"}},
        {"empty", {RegType::Sz, ""}, {RegType::Sz, ""}},
        {"dword",
         {RegType::Dword, bytes("\x01\x00\x00\x00", 4)},
         {RegType::Dword, bytes("\x01\x00\x00\x00", 4)}},
        {"binary",
         {RegType::Binary, bytes("\x00\xff\x00", 3)},
         {RegType::Binary, bytes("\x00\xff\x00", 3)}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, kScratchKey, c.name, c.stored))
            << c.name;
        RegValue read{RegType::None, "stale"};
        ASSERT_EQ(kSuccess, registry().queryValue(kCurrentUser, kScratchKey, c.name, 255, read))
            << c.name;
        EXPECT_EQ(c.read.type, read.type) << c.name;
        EXPECT_EQ(c.read.data, read.data) << c.name;
    }
}

// A string is stored with its closing NUL, so 255 bytes hold at most 254 characters.
TEST_F(Conformance, RegistryQueryOfValueLargerThanBufferGivesMoreData) {
    struct Case {
        std::size_t characters;
        long result;
    };
    const Case cases[] = {{254, kSuccess}, {255, kMoreData}, {300, kMoreData}};
    for (const Case& c : cases) {
        std::string name = "text" + std::to_string(c.characters);
        std::string text(c.characters, 'x');
        ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, kScratchKey, name, sz(text)));
        RegValue read;
        EXPECT_EQ(c.result, registry().queryValue(kCurrentUser, kScratchKey, name, 255, read))
            << c.characters << " characters";
        if (c.result == kSuccess) {
            EXPECT_EQ(text, read.data);
        }
    }
}

TEST_F(Conformance, RegistryQueryOfMissingValueOrKeyGivesFileNotFound) {
    RegValue read;
    EXPECT_EQ(kFileNotFound, registry().queryValue(kCurrentUser, kScratchKey, "absent", 255, read));
    EXPECT_EQ(kFileNotFound,
              registry().queryValue(kCurrentUser, key("Absent"), "value", 255, read));
}

TEST_F(Conformance, RegistryNamesMatchWithoutRegardToCase) {
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Main")));
    ASSERT_EQ(kSuccess,
              registry().setValue(kCurrentUser, key("Main"), "Start Page", sz("about:blank")));
    RegValue read;
    ASSERT_EQ(kSuccess, registry().queryValue(kCurrentUser, "SOFTWARE\\halvaneconformance\\MAIN",
                                              "start page", 255, read));
    EXPECT_EQ("about:blank", read.data);
    EXPECT_EQ(kSuccess, registry().deleteValue(kCurrentUser, lower(key("Main")), "START PAGE"));
    EXPECT_EQ(kSuccess, registry().deleteKey(kCurrentUser, lower(key("MAIN"))));
}

TEST_F(Conformance, RegistrySetValueNeedsAnExistingKey) {
    EXPECT_EQ(kFileNotFound, registry().setValue(kCurrentUser, key("Absent"), "value", sz("text")));
    std::vector<std::string> below;
    ASSERT_EQ(kSuccess, registry().enumKeys(kCurrentUser, kScratchKey, below));
    EXPECT_TRUE(below.empty()) << "setValue must not create the key";
}

TEST_F(Conformance, RegistryDeleteKeyRemovesOnlyLeaves) {
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Parent\\Child")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Parent\\Child"), "v", sz("1")));

    EXPECT_EQ(kAccessDenied, registry().deleteKey(kCurrentUser, key("Parent")));
    std::vector<std::string> below;
    EXPECT_EQ(kSuccess, registry().enumKeys(kCurrentUser, key("Parent"), below));
    EXPECT_EQ(std::vector<std::string>{"Child"}, below);

    EXPECT_EQ(kSuccess, registry().deleteKey(kCurrentUser, key("Parent\\Child")));
    RegValue read;
    EXPECT_EQ(kFileNotFound,
              registry().queryValue(kCurrentUser, key("Parent\\Child"), "v", 255, read));
    EXPECT_EQ(kFileNotFound, registry().deleteKey(kCurrentUser, key("Parent\\Child")));
    EXPECT_EQ(kSuccess, registry().deleteKey(kCurrentUser, key("Parent")));
}

TEST_F(Conformance, RegistryDeleteTreeRemovesEverythingBelow) {
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Tree\\A\\B")));
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Tree\\C")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Tree\\A\\B"), "v", sz("1")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Tree"), "w", sz("2")));
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Sibling")));

    EXPECT_EQ(kSuccess, registry().deleteTree(kCurrentUser, key("Tree")));
    std::vector<std::string> below;
    EXPECT_EQ(kFileNotFound, registry().enumKeys(kCurrentUser, key("Tree"), below));
    ASSERT_EQ(kSuccess, registry().enumKeys(kCurrentUser, kScratchKey, below));
    EXPECT_EQ(std::vector<std::string>{"Sibling"}, below);
    EXPECT_EQ(kFileNotFound, registry().deleteTree(kCurrentUser, key("Tree")));
}

TEST_F(Conformance, RegistryDeleteValueRemovesOneValue) {
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, kScratchKey, "gone", sz("1")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, kScratchKey, "kept", sz("2")));
    EXPECT_EQ(kSuccess, registry().deleteValue(kCurrentUser, kScratchKey, "gone"));
    EXPECT_EQ(kFileNotFound, registry().deleteValue(kCurrentUser, kScratchKey, "gone"));
    EXPECT_EQ(kFileNotFound, registry().deleteValue(kCurrentUser, key("Absent"), "gone"));
    RegValue read;
    EXPECT_EQ(kSuccess, registry().queryValue(kCurrentUser, kScratchKey, "kept", 255, read));
}

TEST_F(Conformance, RegistryEnumerationListsValuesAndImmediateSubKeys) {
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Typed\\gamma\\deeper")));
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Typed\\beta")));
    ASSERT_EQ(kSuccess, registry().createKey(kCurrentUser, key("Typed\\Alpha")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Typed"), "url2", sz("b.com")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Typed"), "url1", sz("a.com")));
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Typed"), "count",
                                            {RegType::Dword, bytes("\x02\x00\x00\x00", 4)}));
    // A value larger than any first guess at a buffer still comes back whole.
    ASSERT_EQ(kSuccess, registry().setValue(kCurrentUser, key("Typed"), "big",
                                            {RegType::Binary, std::string(5000, 'b')}));

    // Windows lists sub-keys sorted without regard to case.
    std::vector<std::string> keys;
    ASSERT_EQ(kSuccess, registry().enumKeys(kCurrentUser, key("Typed"), keys));
    EXPECT_EQ((std::vector<std::string>{"Alpha", "beta", "gamma"}), keys);

    // Value order is the registry's own and differs between Windows and Wine; compare sorted.
    std::vector<NamedRegValue> values;
    ASSERT_EQ(kSuccess, registry().enumValues(kCurrentUser, key("Typed"), values));
    std::sort(values.begin(), values.end(),
              [](const NamedRegValue& a, const NamedRegValue& b) { return a.name < b.name; });
    ASSERT_EQ(4u, values.size());
    EXPECT_EQ("big", values[0].name);
    EXPECT_EQ(std::string(5000, 'b'), values[0].value.data);
    EXPECT_EQ("count", values[1].name);
    EXPECT_EQ(RegType::Dword, values[1].value.type);
    EXPECT_EQ(bytes("\x02\x00\x00\x00", 4), values[1].value.data);
    EXPECT_EQ("url1", values[2].name);
    EXPECT_EQ("a.com", values[2].value.data);
    EXPECT_EQ("url2", values[3].name);
    EXPECT_EQ("b.com", values[3].value.data);

    EXPECT_EQ(kFileNotFound, registry().enumValues(kCurrentUser, key("Absent"), values));
    EXPECT_EQ(kFileNotFound, registry().enumKeys(kCurrentUser, key("Absent"), keys));
}

// ---- Files and folders ----

TEST_F(Conformance, DeleteFileRefusesReadOnlyButRemovesHiddenAndSystem) {
    struct Case {
        const char* name;
        std::uint32_t attributes;
        long result;
    };
    const Case cases[] = {
        {"plain.txt", attr::kNormal, kSuccess},
        {"archive.txt", attr::kArchive, kSuccess},
        {"hidden.txt", attr::kHidden, kSuccess},
        {"system.txt", attr::kSystem, kSuccess},
        {"hidden system.txt", attr::kHidden | attr::kSystem, kSuccess},
        {"readonly.txt", attr::kReadOnly, kAccessDenied},
        {"readonly hidden.txt", attr::kReadOnly | attr::kHidden, kAccessDenied},
    };
    for (const Case& c : cases) {
        makeFile(c.name, "data", c.attributes);
        EXPECT_EQ(c.attributes & kComparedBits, comparedAttributes(c.name)) << c.name;
        EXPECT_EQ(c.result, files().deleteFile(path(c.name))) << c.name;
        EXPECT_EQ(c.result != kSuccess, exists(path(c.name))) << c.name;
    }
}

TEST_F(Conformance, ReadOnlyFileDeletesOnceAttributesAreNormal) {
    makeFile("locked.txt", "data", attr::kReadOnly | attr::kHidden | attr::kSystem);
    ASSERT_EQ(kSuccess, files().setAttributes(path("locked.txt"), attr::kNormal));
    EXPECT_EQ(0u, comparedAttributes("locked.txt"));
    EXPECT_EQ(kSuccess, files().deleteFile(path("locked.txt")));
    EXPECT_FALSE(exists(path("locked.txt")));
}

TEST_F(Conformance, DeleteOfMissingFileGivesFileNotFound) {
    EXPECT_EQ(kFileNotFound, files().deleteFile(path("absent.txt")));
    EXPECT_EQ(kFileNotFound, files().setAttributes(path("absent.txt"), attr::kNormal));
}

TEST_F(Conformance, RemoveFolderRemovesOnlyEmptyFolders) {
    ASSERT_EQ(kSuccess, files().createFolder(path("full")));
    makeFile("full\\inside.txt", "data");
    EXPECT_NE(kSuccess, files().removeFolder(path("full")));
    EXPECT_TRUE(exists(path("full\\inside.txt")));

    ASSERT_EQ(kSuccess, files().createFolder(path("empty")));
    EXPECT_EQ(kSuccess, files().removeFolder(path("empty")));
    EXPECT_FALSE(exists(path("empty")));

    ASSERT_EQ(kSuccess, files().createFolder(path("hidden")));
    ASSERT_EQ(kSuccess, files().setAttributes(path("hidden"), attr::kHidden | attr::kSystem));
    EXPECT_EQ(kSuccess, files().removeFolder(path("hidden")));
    EXPECT_FALSE(exists(path("hidden")));
}

TEST_F(Conformance, ReadOnlyFolderKeepsItsBitAndIsNotRemoved) {
    if (isWine()) GTEST_SKIP() << "Wine ignores the read-only bit on folders";
    ASSERT_EQ(kSuccess, files().createFolder(path("readonly")));
    ASSERT_EQ(kSuccess, files().setAttributes(path("readonly"), attr::kReadOnly));
    EXPECT_EQ(attr::kReadOnly | attr::kDirectory, comparedAttributes("readonly"));
    EXPECT_EQ(kAccessDenied, files().removeFolder(path("readonly")));
    ASSERT_EQ(kSuccess, files().setAttributes(path("readonly"), attr::kNormal));
    EXPECT_EQ(kSuccess, files().removeFolder(path("readonly")));
}

TEST_F(Conformance, CreateFolderNeedsItsParent) {
    EXPECT_EQ(kPathNotFound, files().createFolder(path("no parent\\child")));
    EXPECT_FALSE(exists(path("no parent")));
    ASSERT_EQ(kSuccess, files().createFolder(path("made")));
    EXPECT_EQ(kAlreadyExists, files().createFolder(path("made")));
    EXPECT_EQ(attr::kDirectory, comparedAttributes("made"));
}

TEST_F(Conformance, ListGivesFilesAndFoldersWithSizesAndAttributes) {
    ASSERT_EQ(kSuccess, files().createFolder(path("walk")));
    ASSERT_EQ(kSuccess, files().createFolder(path("walk\\Cache")));
    makeFile("walk\\index.dat", std::string(1000, 'i'));
    makeFile("walk\\hidden.bin", std::string(70000, 'h'), attr::kHidden);
    makeFile("walk\\empty.txt", "");
    makeFile("walk\\Cache\\deeper.txt", "not listed");

    std::vector<FileInfo> entries;
    ASSERT_EQ(kSuccess, files().list(path("walk"), entries));
    std::sort(entries.begin(), entries.end(),
              [](const FileInfo& a, const FileInfo& b) { return a.name < b.name; });
    ASSERT_EQ(4u, entries.size());
    struct Expected {
        const char* name;
        std::uint32_t attributes;
        std::uint64_t size;
    };
    const Expected expected[] = {
        {"Cache", attr::kDirectory, 0},
        {"empty.txt", attr::kNormal, 0},
        {"hidden.bin", attr::kHidden, 70000},
        {"index.dat", attr::kNormal, 1000},
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(expected[i].name, entries[i].name);
        EXPECT_EQ(expected[i].attributes, entries[i].attributes & kComparedBits) << entries[i].name;
        EXPECT_EQ(expected[i].size, entries[i].size) << entries[i].name;
        EXPECT_NE(0, entries[i].modified) << entries[i].name;
    }

    std::optional<FileInfo> one = files().stat(path("walk\\index.dat"));
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ("index.dat", one->name);
    EXPECT_EQ(1000u, one->size);
    EXPECT_EQ(entries[3].modified, one->modified);
}

TEST_F(Conformance, ListOfEmptyFolderIsEmptyAndOfMissingFolderFails) {
    ASSERT_EQ(kSuccess, files().createFolder(path("empty")));
    std::vector<FileInfo> entries{FileInfo{"stale"}};
    EXPECT_EQ(kSuccess, files().list(path("empty"), entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(kPathNotFound, files().list(path("absent"), entries));
}

TEST_F(Conformance, FileNamesMatchWithoutRegardToCase) {
    makeFile("Index.Dat", "data");
    std::optional<FileInfo> info = files().stat(path("INDEX.DAT"));
    ASSERT_TRUE(info.has_value());
    std::string content;
    EXPECT_EQ(kSuccess, files().readFile(path("index.dat"), content));
    EXPECT_EQ("data", content);
    EXPECT_EQ(kSuccess, files().deleteFile(path("iNDEX.dAT")));
    EXPECT_FALSE(exists(path("Index.Dat")));
}

TEST_F(Conformance, StatOfMissingPathIsEmpty) {
    EXPECT_FALSE(files().stat(path("absent.txt")).has_value());
    EXPECT_FALSE(files().stat(path("absent\\deeper.txt")).has_value());
}

TEST_F(Conformance, ReadFileGivesWhatWriteFileStored) {
    const std::string content = bytes("line one\r\nline two\r\n\0binary\xff", 28);
    ASSERT_EQ(kSuccess, files().writeFile(path("cusd.dat"), content));
    std::string read;
    ASSERT_EQ(kSuccess, files().readFile(path("cusd.dat"), read));
    EXPECT_EQ(content, read);

    ASSERT_EQ(kSuccess, files().writeFile(path("cusd.dat"), "short"));
    ASSERT_EQ(kSuccess, files().readFile(path("cusd.dat"), read));
    EXPECT_EQ("short", read) << "writeFile truncates";

    EXPECT_EQ(kFileNotFound, files().readFile(path("absent.dat"), read));
    EXPECT_EQ(kPathNotFound, files().writeFile(path("absent\\new.dat"), "x"));
}

TEST_F(Conformance, ReplaceFileRenamesOverAnExistingFile) {
    makeFile("keepurl.dat", "old");
    makeFile("keepurl.tmp", "new content");
    ASSERT_EQ(kSuccess, files().replaceFile(path("keepurl.tmp"), path("keepurl.dat")));
    EXPECT_FALSE(exists(path("keepurl.tmp")));
    std::string read;
    ASSERT_EQ(kSuccess, files().readFile(path("keepurl.dat"), read));
    EXPECT_EQ("new content", read);

    ASSERT_EQ(kSuccess, files().replaceFile(path("keepurl.dat"), path("renamed.dat")));
    EXPECT_TRUE(exists(path("renamed.dat")));
    EXPECT_EQ(kFileNotFound, files().replaceFile(path("absent.dat"), path("renamed.dat")));
}

// The deletion itself happens at the next start of Windows, out of this program's sight.
TEST_F(Conformance, DeleteAtRebootIsAccepted) {
    makeFile("index.dat", "data");
    EXPECT_EQ(kSuccess, files().deleteAtReboot(path("index.dat")));
}

// ---- Machine facts, clock and processes ----

TEST_F(Conformance, SystemDescribesItsFolders) {
    EXPECT_GE(os().system.windowsMajor(), 5);
    EXPECT_GE(os().system.windowsMinor(), 0);

    std::string windows = os().system.windowsDirectory(255);
    ASSERT_FALSE(windows.empty());
    EXPECT_NE('\\', windows.back());
    std::optional<FileInfo> info = files().stat(windows);
    ASSERT_TRUE(info.has_value()) << windows;
    EXPECT_TRUE(info->isFolder());

    std::string application = os().system.applicationFolder();
    ASSERT_FALSE(application.empty());
    EXPECT_NE('\\', application.back());
    info = files().stat(application);
    ASSERT_TRUE(info.has_value()) << application;
    EXPECT_TRUE(info->isFolder());

    std::optional<std::string> profile = os().system.environment("USERPROFILE");
    ASSERT_TRUE(profile.has_value());
    EXPECT_TRUE(exists(*profile)) << *profile;
    EXPECT_FALSE(os().system.environment("HALVANE_NOT_SET").has_value());
}

TEST_F(Conformance, LocalTimeFieldsAreInRange) {
    LocalTime now = os().system.now();
    EXPECT_GE(now.year, 1601);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12) << now.month;
    EXPECT_TRUE(now.day >= 1 && now.day <= 31) << now.day;
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23) << now.hour;
    EXPECT_TRUE(now.minute >= 0 && now.minute <= 59) << now.minute;
    EXPECT_TRUE(now.second >= 0 && now.second <= 59) << now.second;
    EXPECT_TRUE(now.weekday >= 0 && now.weekday <= 6) << now.weekday;
}

TEST_F(Conformance, TimerFiresWhileEventsArePumpedAndStopsWhenStopped) {
    EventLoop& events = os().events;
    int ticks = 0;
    TimerId timer = events.startTimer(20, [&] { ++ticks; });
    ASSERT_NE(0u, timer);
    std::uint64_t start = events.tickMs();
    pumpUntil([&] { return ticks >= 2; }, 1000);
    EXPECT_GE(ticks, 2);
    EXPECT_GE(events.tickMs() - start, 20u) << "two ticks of a 20 ms timer";

    events.stopTimer(timer);
    int stoppedAt = ticks;
    pumpUntil([] { return false; }, 20);
    EXPECT_EQ(stoppedAt, ticks);
}

TEST_F(Conformance, TimerCanStopItselfFromItsCallback) {
    EventLoop& events = os().events;
    int ticks = 0;
    TimerId timer = 0;
    timer = events.startTimer(10, [&] {
        ++ticks;
        events.stopTimer(timer);
    });
    pumpUntil([] { return false; }, 40);
    EXPECT_EQ(1, ticks);
}

TEST_F(Conformance, StartedCommandReportsItsExitCodeOnceEnded) {
    const std::string command = "cmd /c exit 3";
    prepareCommand(command, 3);
    Process& process = os().process;
    ProcessHandle handle = process.startHidden(command);
    ASSERT_NE(0u, handle);
    std::uint32_t code = kStillActive;
    std::uint64_t start = os().events.tickMs();
    while (process.exitCode(handle, code) && code == kStillActive &&
           os().events.tickMs() - start < 10000) {
        os().events.idle(10);
    }
    process.close(handle);
    EXPECT_EQ(3u, code);
}

TEST_F(Conformance, MissingProgramDoesNotStart) {
    const std::string command = "C:\\absent folder\\program.exe";
    prepareCommand(command, std::nullopt);
    EXPECT_EQ(0u, os().process.startHidden(command));
}

}  // namespace
}  // namespace hv::conformance
