#include "platform/win_path.h"

#include <cctype>

#include "platform/text.h"

namespace hv {

namespace {
bool hasDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool isUnc(std::string_view path) {
    return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
}
}  // namespace

bool isAbsolutePath(std::string_view path) {
    return (hasDriveLetter(path) && path.size() >= 3 && path[2] == '\\') || isUnc(path);
}

bool isDriveRoot(std::string_view path) {
    if (hasDriveLetter(path)) return path.size() == 2 || (path.size() == 3 && path[2] == '\\');
    if (!isUnc(path)) return false;
    // \\server\share or \\server\share\ (and a bare \\server).
    std::string_view rest = path.substr(2);
    if (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
    std::size_t separators = 0;
    for (char c : rest) separators += c == '\\';
    return separators <= 1;
}

std::string leafName(std::string_view path) {
    const auto at = path.rfind('\\');
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string parentPath(std::string_view path) {
    const auto at = path.rfind('\\');
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (out.empty() || out.back() != '\\') out += '\\';
    out += name;
    return out;
}

std::string withoutTrailingBackslash(std::string_view path) {
    if (path.size() > 3 && path.back() == '\\') path.remove_suffix(1);
    if (path.size() == 3 && path.back() == '\\' && !hasDriveLetter(path)) path.remove_suffix(1);
    return std::string(path);
}

std::string extensionOf(std::string_view path) {
    const std::string leaf = leafName(path);
    const auto dot = leaf.rfind('.');
    return dot == std::string::npos ? std::string() : leaf.substr(dot + 1);
}

bool isSameOrInside(std::string_view path, std::string_view folder) {
    const std::string p = toLower(withoutTrailingBackslash(path));
    std::string f = toLower(withoutTrailingBackslash(folder));
    if (p == f) return true;
    if (f.empty() || f.back() != '\\') f += '\\';
    return p.size() > f.size() && p.compare(0, f.size(), f) == 0;
}

}  // namespace hv
