#include "engine/text_file.h"

#include "platform/text.h"
#include "platform/win_path.h"

namespace hv {

bool ReadTextLines(FileSystem& files, const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string text;
    if (files.readFile(path, text) != kSuccess) return false;
    lines = splitLines(text);
    return true;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

long WriteTextFileSafely(FileSystem& files, const std::string& path, const std::string& content) {
    // Beside the file, so that the rename never crosses drives.
    const std::string folder = parentPath(path);
    std::string name = "~";
    name += leafName(path);
    name += ".tmp";
    const std::string temporary = folder.empty() ? name : joinPath(folder, name);
    long result = files.writeFile(temporary, content);
    if (result == kSuccess) result = files.replaceFile(temporary, path);
    if (result != kSuccess) files.deleteFile(temporary);
    return result;
}

long WriteTextLines(FileSystem& files, const std::string& path,
                    const std::vector<std::string>& lines) {
    return WriteTextFileSafely(files, path, JoinTextLines(lines));
}

}  // namespace hv
