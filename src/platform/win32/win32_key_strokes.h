#pragma once
// The key text of sendKeys ("{ENTER}", "%{F4}", "+(ab)", "~") as a list of key presses and
// releases. The rules are those of the classic SendKeys statement: + Shift, ^ Ctrl, % Alt for
// the next key or a bracketed group, ~ for Enter, {name} or {name count} for special and
// escaped keys, any other character for itself.
#include <cstdint>
#include <string>
#include <vector>

namespace hv::win32 {

struct KeyStroke {
    std::uint16_t virtualKey = 0;
    bool release = false;
};

std::vector<KeyStroke> parseKeyStrokes(const std::string& keys);

}  // namespace hv::win32
