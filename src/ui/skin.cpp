#include "ui/skin.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "platform/text.h"

namespace hv {

namespace {

// "Title Font" and "title_font" name the same key.
std::string keyName(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '_' && c != '-')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    const std::string trimmed = trimWhite(text);
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<ui::Color> parseColor(std::string_view text) {
    const std::string value = trimWhite(text);
    if (value.size() == 7 && value[0] == '#') {
        unsigned rgbValue = 0;
        const auto [stop, error] =
            std::from_chars(value.data() + 1, value.data() + value.size(), rgbValue, 16);
        if (error != std::errc() || stop != value.data() + value.size()) return std::nullopt;
        return ui::rgb((rgbValue >> 16) & 0xFF, (rgbValue >> 8) & 0xFF, rgbValue & 0xFF);
    }
    const auto parts = splitAll(value, ',');
    if (parts.size() != 3) return std::nullopt;
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        const auto number = wholeNumber(parts[i], 0, 255);
        if (!number) return std::nullopt;
        channel[i] = *number;
    }
    return ui::rgb(channel[0], channel[1], channel[2]);
}

// "Name, size[, bold][, italic]"; the size may be left out.
std::optional<ui::Font> parseFont(std::string_view text) {
    const auto parts = splitAll(text, ',');
    ui::Font font{trimWhite(parts[0]), 0, false, false};
    if (font.name.empty() || font.name.size() > 31) return std::nullopt;  // LOGFONT's limit
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string word = toLower(trimWhite(parts[i]));
        if (word == "bold") {
            font.bold = true;
        } else if (word == "italic") {
            font.italic = true;
        } else if (i == 1) {
            const auto size = wholeNumber(word, 6, 72);
            if (!size) return std::nullopt;
            font.sizePt = *size;
        } else {
            return std::nullopt;
        }
    }
    return font;
}

// One "key = value" line into the skin; false when it says nothing the skin can use.
bool readLine(const std::string& line, Skin& skin) {
    struct ColorKey {
        const char* key;
        ui::Color Skin::*field;
    };
    static constexpr ColorKey kColors[] = {
        {"window", &Skin::window}, {"text", &Skin::text},   {"accent", &Skin::accent},
        {"frame", &Skin::frame},   {"panel", &Skin::panel},
    };
    const auto equals = line.find('=');
    if (equals == std::string::npos) return false;
    const std::string key = keyName(std::string_view(line).substr(0, equals));
    const std::string_view value = std::string_view(line).substr(equals + 1);
    for (const auto& entry : kColors) {
        if (key != entry.key) continue;
        const auto color = parseColor(value);
        if (color) skin.*entry.field = *color;
        return color.has_value();
    }
    if (key != "font" && key != "titlefont") return false;
    ui::Font& target = key == "font" ? skin.font : skin.titleFont;
    auto font = parseFont(value);
    if (!font) return false;
    if (font->sizePt == 0) font->sizePt = target.sizePt;
    target = *font;
    return true;
}

}  // namespace

Skin ParseSkin(std::string_view text, std::vector<std::string>* unread) {
    Skin skin;
    for (const std::string& rawLine : splitLines(text)) {
        const std::string line = trimWhite(rawLine);
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (!readLine(line, skin) && unread != nullptr) unread->push_back(rawLine);
    }
    return skin;
}

Skin LoadSkin(FileSystem& files, const std::string& path) {
    std::string text;
    if (files.readFile(path, text) != kSuccess) return Skin{};
    return ParseSkin(text);
}

std::string SkinFilePath(const std::string& appFolder) {
    return appFolder + "\\skins\\frmmain.skn";
}

void ApplySkin(const Skin& skin, ui::Form& form) {
    form.setFont(skin.font);
    form.setColors(skin.text, skin.window);
    form.setTitleLook(skin.titleFont, skin.accent);
    ui::forEachControl(form, [&](ui::Control& control) {
        if (auto* frame = dynamic_cast<ui::Frame*>(&control)) {
            if (frame->border())
                frame->setColors(skin.frame, ui::kDefaultColor);
            else
                frame->setColors(ui::kDefaultColor, skin.panel);
        }
    });
}

}  // namespace hv
