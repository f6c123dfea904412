#include "engine/path_guard.h"

#include <gtest/gtest.h>

namespace hv {
namespace {

TEST(PathGuard, AcceptsOnlyFullPathsBelowARoot) {
    const struct {
        const char* path;
        bool erasable;
    } cases[] = {
        {"C:\\Users\\ann\\AppData\\Local\\Temp", true},
        {"\\\\server\\share\\folder", true},
        {"", false},
        {"Error\\Mozilla\\Firefox\\Profiles", false},  // a failed shell-folder lookup
        {"\\Vendor\\Tool", false},                     // an unset base
        {"Temp", false},
        {"C:", false},
        {"C:\\", false},
        {"C:Temp", false},
        {"\\\\server\\share", false},
        {"\\\\server\\share\\", false},
        {"\\\\?\\C:\\Temp", false},
        {"C:\\Users\\ann\\..\\..", false},
        {"C:\\Users\\.\\ann", false},
        {"C:/Users/ann", false},
        {"C:\\Users\\ann.", false},
        {"C:\\\\", false},  // a doubled backslash is still the root
        {"C:\\Temp::$INDEX_ALLOCATION", false},
        {"C:\\Users\\\\ann\\Temp", true},
    };
    for (const auto& c : cases) EXPECT_EQ(PathGuard::isErasable(c.path), c.erasable) << c.path;
}

TEST(PathGuard, NeverEmptiesTheUsersOwnFoldersButAllowsTheirSubFolders) {
    const PathGuard guard({"C:\\Windows", "C:\\Users\\ann", "C:\\Users\\ann\\AppData\\Roaming",
                           "C:\\Program Files\\Halvane", ""});
    const struct {
        const char* folder;
        bool mayEmpty;
    } cases[] = {
        {"C:\\Windows", false},
        {"c:\\windows\\", false},
        {"C:\\Users\\ann", false},
        {"C:\\Users\\ann\\AppData\\Roaming", false},
        {"C:\\Program Files\\Halvane", false},
        {"C:\\Program Files", false},
        {"D:\\Program Files (x86)", false},
        {"C:\\Windows\\Temp", true},
        {"C:\\Users\\ann\\AppData\\Roaming\\Vendor", true},
        {"C:\\Program Files\\Other\\cache", true},
        {"C:\\Users\\ann\\AppData\\Roaming\\\\", false},  // read as Roaming itself
        {"C:\\Users", false},                             // holds the profile
        {"C:\\Users\\ann\\AppData", false},               // holds Roaming
        {"C:\\Users\\bob", true},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(guard.mayEmpty(c.folder), c.mayEmpty) << c.folder;
}

}  // namespace
}  // namespace hv
