#include "finder/extention_handller.h"

#include "engine/text_file.h"
#include "platform/win_path.h"

namespace hv {

namespace {

const std::vector<std::string> kDefaultExts{"*.tmp", "*.gid", "*.swp", "*.chk"};

std::string TempFile(Platform& os) {
    return joinPath(os.system.applicationFolder(), "temp");
}

}  // namespace

std::string ExtListFile(Platform& os) {
    return joinPath(os.system.applicationFolder(), "Ext.txt");
}

bool IsLegalExt(std::string_view text) {
    return text.size() > 2 && text[0] == '*' && text[1] == '.';
}

std::optional<std::vector<std::string>> ReadLegalExts(Platform& os) {
    std::vector<std::string> lines;
    if (!ReadTextLines(os.files, ExtListFile(os), lines)) return std::nullopt;
    std::vector<std::string> legal;
    for (auto& line : lines)
        if (IsLegalExt(line)) legal.push_back(std::move(line));
    return legal;
}

std::optional<std::string> GetExtList(Platform& os) {
    const auto entries = ReadLegalExts(os);
    if (!entries) return std::nullopt;
    std::string joined;
    for (const auto& entry : *entries) {
        if (!joined.empty()) joined += ';';
        joined += entry;
    }
    return joined;
}

long WriteDefaultExtList(Platform& os) {
    return WriteTextLines(os.files, ExtListFile(os), kDefaultExts);
}

long AppendExt(Platform& os, const std::string& entry) {
    std::string content;
    os.files.readFile(ExtListFile(os), content);
    // A last line without its line end would otherwise run into the new entry.
    if (!content.empty() && content.back() != '\n' && content.back() != '\r') content += "\r\n";
    content += entry + "\r\n";
    return WriteTextFileSafely(os.files, ExtListFile(os), content);
}

long RemoveExt(Platform& os, const std::string& entry) {
    std::vector<std::string> lines;
    if (!ReadTextLines(os.files, ExtListFile(os), lines)) return kFileNotFound;
    std::vector<std::string> kept;
    for (auto& line : lines)
        if (line != entry) kept.push_back(std::move(line));
    const std::string temp = TempFile(os);
    long result = os.files.writeFile(temp, JoinTextLines(kept));
    if (result == kSuccess) result = os.files.replaceFile(temp, ExtListFile(os));
    if (result != kSuccess) os.files.deleteFile(temp);
    return result;
}

long RecycleFile(Platform& os, const std::string& path) {
    return os.shell.recycleFile(path);
}

}  // namespace hv
