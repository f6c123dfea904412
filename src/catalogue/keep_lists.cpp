#include "catalogue/keep_lists.h"

#include "engine/clean_run.h"
#include "engine/environment.h"
#include "engine/regfun.h"
#include "engine/text_file.h"
#include "platform/win_path.h"

namespace hv {

namespace {

std::string rightTrimmed(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool isKept(const std::vector<std::string>& kept, const std::string& path) {
    for (const auto& entry : kept)
        if (entry == path) return true;
    return false;
}

}  // namespace

std::string KeepUrlFile(System& system) {
    return system.applicationFolder() + "\\keepurl.dat";
}

std::string KeepCookieFile(System& system) {
    return system.applicationFolder() + "\\keepcook.dat";
}

std::vector<std::string> ReadKeepFile(FileSystem& files, const std::string& path) {
    std::vector<std::string> lines;
    ReadTextLines(files, path, lines);
    return lines;
}

std::vector<std::string> LoadKeepList(FileSystem& files, const std::string& path) {
    std::vector<std::string> entries = ReadKeepFile(files, path);
    for (auto& entry : entries) entry = rightTrimmed(entry);
    return entries;
}

long SaveKeepList(FileSystem& files, const std::string& path,
                  const std::vector<std::string>& entries) {
    return WriteTextLines(files, path, entries);
}

void RestoreKeptUrls(CleanRun& run) {
    Platform& os = run.os();
    run.addEntries(run.erase().DeleteRegKey(kCurrentUser, kTypedUrlsKey));
    const auto kept = LoadKeepList(os.files, KeepUrlFile(os.system));
    RegCreatePath(os, kTypedUrlsPath);
    for (std::size_t i = 0; i < kept.size(); ++i)
        RegWriteString(os, kTypedUrlsPath, "url" + std::to_string(i + 1), kept[i]);
}

void DeleteCookiesExceptKept(CleanRun& run, const std::string& cookieFolder) {
    Allerase& erase = run.erase();
    FileModel& model = erase.model();
    const auto kept = ReadKeepFile(model.files(), KeepCookieFile(run.os().system));
    // Every file in the folder goes, so the folder must be one the guard lets be emptied, and
    // never a link to somewhere else.
    if (!erase.guard().mayEmpty(cookieFolder) || !erase.walkable(cookieFolder)) return;
    const auto entries = model.list(cookieFolder);
    if (!entries) return;
    for (auto file : *entries) {
        if (file.isFolder() || file.isLink()) continue;
        const std::string path = joinPath(cookieFolder, file.name);
        model.unhide(path, file);
        if (IsArraryEmpty(kept) || !isKept(kept, path)) {
            run.addBytes(static_cast<double>(file.size));
            model.plainDelete(path, file);
        }
        erase.pacer().yieldNow();
    }
}

void DeleteIeCookiesExceptKept(CleanRun& run) {
    DeleteCookiesExceptKept(run, ShellFolderPath(run.os(), "Cookies"));
}

}  // namespace hv
