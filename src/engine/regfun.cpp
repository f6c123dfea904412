#include "engine/regfun.h"

#include <array>
#include <utility>

#include "platform/text.h"

namespace hv {

namespace {
constexpr std::size_t kValueBufferBytes = 255;
const char* const kApplicationTitle = "Halvane";
}  // namespace

RootKey RootKeyFromName(const std::string& name) {
    static const std::array<std::pair<const char*, RootKey>, 7> roots{{
        {"HKEY_CLASSES_ROOT", kClassesRoot},
        {"HKEY_CURRENT_USER", kCurrentUser},
        {"HKEY_LOCAL_MACHINE", kLocalMachine},
        {"HKEY_USERS", kUsers},
        {"HKEY_PERFORMANCE_DATA", kPerformanceData},
        {"HKEY_CURRENT_CONFIG", kCurrentConfig},
        {"HKEY_DYN_DATA", kDynData},
    }};
    for (const auto& [rootName, root] : roots)
        if (name == rootName) return root;
    return kNoRoot;
}

void SplitRegPath(Dialogs& dialogs, std::string& path, RootKey& root) {
    if (path.rfind("HKEY_", 0) != 0 || (!path.empty() && path.back() == '\\')) {
        dialogs.messageBox("Incorrect Format:\n\n" + path, kApplicationTitle, mb::kOk);
        return;
    }
    const auto slash = path.find('\\');
    if (slash == std::string::npos) {
        root = RootKeyFromName(path);
        path.clear();
    } else {
        root = RootKeyFromName(path.substr(0, slash));
        path = path.substr(slash + 1);
    }
}

std::string StripNulls(const std::string& text) {
    const auto nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}

std::string RegReadString(Platform& os, const std::string& fullPath, const std::string& valueName) {
    std::string subKey = fullPath;
    RootKey root = kNoRoot;
    SplitRegPath(os.dialogs, subKey, root);
    if (root == kNoRoot) return {};
    RegValue value;
    if (os.registry.queryValue(root, subKey, valueName, kValueBufferBytes, value) != kSuccess)
        return "Error";
    return trimBlanks(StripNulls(value.data));
}

void RegWriteString(Platform& os, const std::string& fullPath, const std::string& valueName,
                    const std::string& text) {
    std::string subKey = fullPath;
    RootKey root = kNoRoot;
    SplitRegPath(os.dialogs, subKey, root);
    if (root == kNoRoot) return;
    os.registry.setValue(root, subKey, valueName, RegValue{RegType::Sz, text});
}

void RegCreatePath(Platform& os, const std::string& fullPath) {
    std::string subKey = fullPath;
    RootKey root = kNoRoot;
    SplitRegPath(os.dialogs, subKey, root);
    if (root == kNoRoot) return;
    os.registry.createKey(root, subKey);
}

std::string RegQueryString(Registry& registry, RootKey root, const std::string& subKey,
                           const std::string& valueName, RegType& type) {
    RegValue value;
    if (registry.queryValue(root, subKey, valueName, kValueBufferBytes, value) != kSuccess)
        return "error";
    type = value.type;
    return StripNulls(value.data);
}

}  // namespace hv
