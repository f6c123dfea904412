#pragma once
// Positions, sizes, colours and fonts of the user-interface controls. Window geometry is in
// twips (1440 to the inch) the way the windows are designed; the screen's twips-per-pixel
// factors (15 at 96 dots per inch) turn it into pixels.
#include <cstdint>
#include <string>

namespace hv::ui {

// Twips. A control's rectangle is relative to the client area of its container; a form's is
// its outer rectangle on the screen.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Pixels, edges as Windows gives them (RECT): right and bottom are one past the last pixel.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// 0x00BBGGRR like a COLORREF. With the high bit set, the low byte is a system colour index
// (GetSysColor), so a colour follows the user's scheme. kDefaultColor leaves the platform's
// own colour (or the form's, for a control).
using Color = std::uint32_t;
inline constexpr Color kDefaultColor = 0xFFFFFFFFu;
constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
           (static_cast<Color>(b & 0xFF) << 16);
}
constexpr Color systemColor(int index) {
    return 0x80000000u | static_cast<Color>(index & 0xFF);
}
inline constexpr Color kWindowColor = systemColor(5);
inline constexpr Color kWindowTextColor = systemColor(8);
inline constexpr Color kHighlightColor = systemColor(13);
inline constexpr Color kHighlightTextColor = systemColor(14);
inline constexpr Color kButtonFaceColor = systemColor(15);

// An empty name or a size of 0 takes the container's font.
struct Font {
    std::string name{};
    int sizePt = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// A picture shown by an image, a form's icon or the tray icon: a file (.bmp or .ico) or a
// picture built into the program (a resource number). Empty: no picture.
struct Picture {
    std::string file{};
    int resourceId = 0;

    bool empty() const { return file.empty() && resourceId == 0; }
    bool operator==(const Picture&) const = default;
};

// Twips and pixels, with the screen's factor for the axis.
constexpr int toPixels(int twips, int twipsPerPixel) {
    return twipsPerPixel > 0 ? twips / twipsPerPixel : twips;
}
constexpr int toTwips(int pixels, int twipsPerPixel) {
    return pixels * twipsPerPixel;
}

}  // namespace hv::ui
