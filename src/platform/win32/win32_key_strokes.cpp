#include "platform/win32/win32_key_strokes.h"

#include <windows.h>

#include <cstdlib>
#include <map>

#include "platform/text.h"

namespace hv::win32 {

namespace {

const std::map<std::string, std::uint16_t>& namedKeys() {
    static const std::map<std::string, std::uint16_t> keys = {
        {"backspace", VK_BACK},    {"bs", VK_BACK},          {"bksp", VK_BACK},
        {"break", VK_CANCEL},      {"capslock", VK_CAPITAL}, {"delete", VK_DELETE},
        {"del", VK_DELETE},        {"down", VK_DOWN},        {"end", VK_END},
        {"enter", VK_RETURN},      {"esc", VK_ESCAPE},       {"help", VK_HELP},
        {"home", VK_HOME},         {"insert", VK_INSERT},    {"ins", VK_INSERT},
        {"left", VK_LEFT},         {"numlock", VK_NUMLOCK},  {"pgdn", VK_NEXT},
        {"pgup", VK_PRIOR},        {"prtsc", VK_SNAPSHOT},   {"right", VK_RIGHT},
        {"scrolllock", VK_SCROLL}, {"tab", VK_TAB},          {"up", VK_UP},
    };
    return keys;
}

class Parser {
  public:
    explicit Parser(const std::string& keys) : keys_(keys) {}

    std::vector<KeyStroke> run() {
        while (at_ < keys_.size()) item({});
        return strokes_;
    }

  private:
    // One key or bracketed group, pressed with the modifiers held.
    void item(std::vector<std::uint16_t> held) {
        char c = keys_[at_++];
        switch (c) {
            case '+':
                held.push_back(VK_SHIFT);
                return modified(held);
            case '^':
                held.push_back(VK_CONTROL);
                return modified(held);
            case '%':
                held.push_back(VK_MENU);
                return modified(held);
            case '~':
                return press(VK_RETURN, held);
            case '{':
                return braced(held);
            default:
                return character(c, held);
        }
    }

    void modified(const std::vector<std::uint16_t>& held) {
        if (at_ >= keys_.size()) return;
        if (keys_[at_] != '(') return item(held);
        ++at_;
        // Every key of the group is typed with the modifiers down.
        for (std::uint16_t key : held) strokes_.push_back({key, false});
        while (at_ < keys_.size() && keys_[at_] != ')') item({});
        if (at_ < keys_.size()) ++at_;
        for (auto key = held.rbegin(); key != held.rend(); ++key) strokes_.push_back({*key, true});
    }

    void braced(const std::vector<std::uint16_t>& held) {
        // "{}}" names the closing brace itself, so the name is at least one character long.
        std::size_t close = keys_.find('}', at_ + 1);
        if (close == std::string::npos) return;
        std::string inside = keys_.substr(at_, close - at_);
        at_ = close + 1;
        int count = 1;
        std::size_t space = inside.find(' ');
        if (space != std::string::npos && space > 0) {
            count = std::atoi(inside.c_str() + space + 1);
            inside.resize(space);
        }
        for (int i = 0; i < count; ++i) {
            if (inside.size() == 1) {
                character(inside[0], held);
                continue;
            }
            std::string name = toLower(inside);
            auto named = namedKeys().find(name);
            if (named != namedKeys().end()) {
                press(named->second, held);
            } else if (name.size() >= 2 && name[0] == 'f') {
                int number = std::atoi(name.c_str() + 1);
                if (number >= 1 && number <= 16)
                    press(static_cast<std::uint16_t>(VK_F1 + number - 1), held);
            }
        }
    }

    void character(char c, std::vector<std::uint16_t> held) {
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) return;  // no key on this keyboard types it
        int shifts = (scan >> 8) & 0xFF;
        if ((shifts & 1) != 0) held.push_back(VK_SHIFT);
        if ((shifts & 2) != 0) held.push_back(VK_CONTROL);
        if ((shifts & 4) != 0) held.push_back(VK_MENU);
        press(static_cast<std::uint16_t>(scan & 0xFF), held);
    }

    void press(std::uint16_t key, const std::vector<std::uint16_t>& held) {
        for (std::uint16_t modifier : held) strokes_.push_back({modifier, false});
        strokes_.push_back({key, false});
        strokes_.push_back({key, true});
        for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
            strokes_.push_back({*modifier, true});
    }

    const std::string& keys_;
    std::size_t at_ = 0;
    std::vector<KeyStroke> strokes_;
};

}  // namespace

std::vector<KeyStroke> parseKeyStrokes(const std::string& keys) {
    return Parser(keys).run();
}

}  // namespace hv::win32
