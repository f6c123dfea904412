#include "platform/sim/sim_profile.h"

#include <optional>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace hv::sim {

namespace {

struct Line {
    explicit Line(std::string stored) : text(std::move(stored)) {}
    std::string text;  // as stored
    enum class Kind { Other, Section, Entry } kind = Kind::Other;
    std::string name;   // section name or key
    std::string value;  // entry value, blanks trimmed, quotes kept
};

std::vector<Line> parse(const std::string& content) {
    std::vector<Line> lines;
    for (const auto& raw : splitLines(content)) {
        Line line(raw);
        const std::string trimmed = trimWhite(raw);
        if (!trimmed.empty() && trimmed[0] == '[') {
            line.kind = Line::Kind::Section;
            const auto close = trimmed.find(']');
            line.name =
                trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        } else if (!trimmed.empty() && trimmed[0] != ';') {
            line.kind = Line::Kind::Entry;
            const auto eq = trimmed.find('=');
            line.name = trimWhite(trimmed.substr(0, eq));
            if (eq != std::string::npos) line.value = trimWhite(trimmed.substr(eq + 1));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The index of the first section header with that name, if any.
std::optional<std::size_t> findSection(const std::vector<Line>& lines, const std::string& name) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].kind == Line::Kind::Section && equalsNoCase(lines[i].name, name)) return i;
    return std::nullopt;
}

std::string stripQuotes(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string cut(std::string text, std::size_t bufferChars) {
    if (bufferChars == 0) return {};
    if (text.size() > bufferChars - 1) text.resize(bufferChars - 1);
    return text;
}

}  // namespace

std::string SimProfile::getString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& fallback,
                                  std::size_t bufferChars) {
    std::string content;
    if (files_.readFile(file, content) != kSuccess) return cut(fallback, bufferChars);
    const auto lines = parse(content);
    const auto start = findSection(lines, section);
    if (!start) return cut(fallback, bufferChars);
    for (std::size_t i = *start + 1; i < lines.size(); ++i) {
        if (lines[i].kind == Line::Kind::Section) break;
        if (lines[i].kind == Line::Kind::Entry && equalsNoCase(lines[i].name, key))
            return cut(stripQuotes(lines[i].value), bufferChars);
    }
    return cut(fallback, bufferChars);
}

bool SimProfile::writeString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) {
    std::string content;
    const bool existed = files_.readFile(file, content) == kSuccess;
    auto lines = parse(existed ? content : std::string());
    const std::string entry = key + "=" + value;
    if (const auto start = findSection(lines, section)) {
        std::size_t insertAt = *start + 1;
        bool replaced = false;
        for (std::size_t i = *start + 1; i < lines.size(); ++i) {
            if (lines[i].kind == Line::Kind::Section) break;
            if (lines[i].kind == Line::Kind::Entry) {
                if (equalsNoCase(lines[i].name, key)) {
                    lines[i].text = lines[i].name + "=" + value;
                    replaced = true;
                    break;
                }
                insertAt = i + 1;
            }
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<long>(insertAt), Line(entry));
    } else {
        lines.emplace_back("[" + section + "]");
        lines.emplace_back(entry);
    }
    std::string out;
    for (const auto& line : lines) out += line.text + "\r\n";
    return files_.writeFile(file, out) == kSuccess;
}

std::string SimProfile::getSection(const std::string& file, const std::string& section,
                                   std::size_t bufferChars) {
    std::string content;
    if (files_.readFile(file, content) != kSuccess) return {};
    const auto lines = parse(content);
    const auto start = findSection(lines, section);
    if (!start) return {};
    std::string out;
    for (std::size_t i = *start + 1; i < lines.size(); ++i) {
        if (lines[i].kind == Line::Kind::Section) break;
        if (lines[i].kind != Line::Kind::Entry) continue;
        const auto eq = trimWhite(lines[i].text).find('=');
        out += eq == std::string::npos ? lines[i].name : lines[i].name + "=" + lines[i].value;
        out += '\0';
    }
    // A buffer that is too small holds what fits, ended by two NULs.
    if (bufferChars < 2) return {};
    if (out.size() + 1 > bufferChars) {
        out.resize(bufferChars - 2);
        out += '\0';
    }
    out += '\0';
    return out;
}

}  // namespace hv::sim
