#include "platform/sim/machine.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/text.h"

namespace hv::sim {

namespace {

RootKey rootFromName(const std::string& name) {
    for (RootKey root = kClassesRoot; root <= kDynData; ++root)
        if (rootName(root) == name) return root;
    if (name == "HKCU") return kCurrentUser;
    if (name == "HKLM") return kLocalMachine;
    throw std::invalid_argument("unknown registry root: " + name);
}

// Text between the quotes that open `text` at `pos`, with \\ and \" unescaped; pos moves past.
std::string quoted(const std::string& text, std::size_t& pos) {
    std::string out;
    for (++pos; pos < text.size() && text[pos] != '"'; ++pos) {
        if (text[pos] == '\\' && pos + 1 < text.size()) ++pos;
        out += text[pos];
    }
    ++pos;
    return out;
}

// FILETIME ticks of a "YYYY-MM-DD HH:MM" text.
std::int64_t fileTimeOf(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi) < 3)
        throw std::invalid_argument("bad date: " + text);
    y -= mo <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t days = era * 146097 + doe - 719468;
    const std::int64_t unixSeconds = days * 86400 + h * 3600 + mi * 60;
    return (unixSeconds + 11644473600LL) * 10000000LL;
}

std::uint32_t attributesOf(const std::string& letters) {
    std::uint32_t bits = 0;
    for (char c : letters) {
        switch (c) {
            case 'R':
                bits |= attr::kReadOnly;
                break;
            case 'H':
                bits |= attr::kHidden;
                break;
            case 'S':
                bits |= attr::kSystem;
                break;
            case 'A':
                bits |= attr::kArchive;
                break;
            default:
                throw std::invalid_argument("bad attribute letter");
        }
    }
    return bits;
}

}  // namespace

Machine::Machine() {
    files.addFolder("C:\\Windows");
    files.addFolder(system.appFolder);
    const std::string profileFolder = "C:\\Users\\ann";
    files.addFolder(profileFolder + "\\AppData\\Local\\Temp");
    files.addFolder(profileFolder + "\\AppData\\Roaming");
    files.addFolder(profileFolder + "\\Documents");
    system.setEnvironment("USERPROFILE", profileFolder);
    system.setEnvironment("TEMP", profileFolder + "\\AppData\\Local\\Temp");
    system.setEnvironment("TMP", profileFolder + "\\AppData\\Local\\Temp");
    system.setEnvironment("SystemRoot", "C:\\Windows");
    addRegistry(
        R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders]
"AppData"="%USERPROFILE%\\AppData\\Roaming"
"Local AppData"="%USERPROFILE%\\AppData\\Local"
"Personal"="%USERPROFILE%\\Documents"
"Cache"="%USERPROFILE%\\AppData\\Local\\Microsoft\\Windows\\INetCache"
"Cookies"="%USERPROFILE%\\AppData\\Roaming\\Microsoft\\Windows\\Cookies"
"History"="%USERPROFILE%\\AppData\\Local\\Microsoft\\Windows\\History"
"Recent"="%USERPROFILE%\\AppData\\Roaming\\Microsoft\\Windows\\Recent"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Internet Explorer]
"Version"="9.11.9600.18124"
)");
}

void Machine::addFiles(const std::string& description) {
    for (const auto& rawLine : splitLines(description)) {
        const std::string line = trimWhite(rawLine);
        if (line.empty() || line[0] == '#') continue;
        auto fields = splitAll(line, '|');
        const std::string path = trimWhite(fields[0]);
        std::uint64_t size = 0;
        std::uint32_t attributes = 0;
        std::int64_t modified = 0;
        std::string link, text;
        bool hasText = false;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const std::string field = trimWhite(fields[i]);
            const auto eq = field.find('=');
            const std::string name = field.substr(0, eq);
            const std::string value = eq == std::string::npos ? "" : field.substr(eq + 1);
            if (name == "size")
                size = std::strtoull(value.c_str(), nullptr, 10);
            else if (name == "attr")
                attributes = attributesOf(value);
            else if (name == "modified")
                modified = fileTimeOf(value);
            else if (name == "link")
                link = value;
            else if (name == "text") {
                // The text runs to the end of the line, '|' included.
                text = line.substr(line.find("text=") + 5);
                hasText = true;
                break;
            } else
                throw std::invalid_argument("bad file field: " + field);
        }
        const bool folder = path.back() == '\\';
        const std::string clean = folder ? path.substr(0, path.size() - 1) : path;
        if (!link.empty()) {
            if (folder)
                files.addFolderLink(clean, link);
            else
                files.addFileLink(clean, link);
        } else if (folder) {
            files.addFolder(clean, attributes);
        } else if (hasText) {
            files.addTextFile(clean, text);
            files.setAttributes(clean, attributes);
        } else {
            files.addFile(clean, size, attributes, modified);
        }
    }
}

void Machine::addRegistry(const std::string& regText) {
    RootKey root = kNoRoot;
    std::string subKey;
    for (const auto& rawLine : splitLines(regText)) {
        const std::string line = trimWhite(rawLine);
        if (line.empty() || line[0] == ';' || line.rfind("Windows Registry Editor", 0) == 0)
            continue;
        if (line[0] == '[') {
            const std::string path = line.substr(1, line.find(']') - 1);
            const auto slash = path.find('\\');
            root = rootFromName(path.substr(0, slash));
            subKey = slash == std::string::npos ? "" : path.substr(slash + 1);
            registry.createKey(root, subKey);
            continue;
        }
        std::size_t pos = 0;
        std::string name;
        if (line[0] == '@')
            pos = 1;
        else
            name = quoted(line, pos);
        if (pos >= line.size() || line[pos] != '=')
            throw std::invalid_argument("bad line: " + line);
        ++pos;
        RegValue value;
        if (line[pos] == '"') {
            value.data = quoted(line, pos);
        } else if (line.compare(pos, 6, "dword:") == 0) {
            const auto number =
                static_cast<std::uint32_t>(std::strtoul(line.substr(pos + 6).c_str(), nullptr, 16));
            value.type = RegType::Dword;
            value.data.assign(reinterpret_cast<const char*>(&number), 4);
        } else {
            throw std::invalid_argument("unsupported value: " + line);
        }
        registry.setValue(root, subKey, name, value);
    }
}

void Machine::setSetting(const std::string& section, const std::string& key,
                         const std::string& value) {
    profile.writeString(settingsFile(), section, key, value);
}

}  // namespace hv::sim
