#pragma once
// The look every window takes when it loads: the skin file "skins\frmmain.skn" of the
// application folder. A plain text file of "key = value" lines:
//
//   window      = #F4F6F9        background of the windows
//   text        = #1F2933        text of labels, boxes and lists
//   accent      = #2563EB        title labels
//   frame       = #52606D        captions of framed groups
//   panel       = #E4E9F0        background of plain areas (tool bars, picture areas)
//   font        = Segoe UI, 9    the windows' font: name, then size in points
//   title font  = Segoe UI, 12, bold
//
// Colours are "#RRGGBB" or "R, G, B". Key names ignore case and blanks; lines starting with
// "#" or ";" are comments. Whatever is missing or cannot be read keeps its default, so a
// missing or broken file leaves the default look and never stops a window from loading.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui/form.h"

namespace hv {

struct Skin {
    ui::Color window = ui::rgb(0xF4, 0xF6, 0xF9);
    ui::Color text = ui::rgb(0x1F, 0x29, 0x33);
    ui::Color accent = ui::rgb(0x25, 0x63, 0xEB);
    ui::Color frame = ui::rgb(0x52, 0x60, 0x6D);
    ui::Color panel = ui::rgb(0xE4, 0xE9, 0xF0);
    ui::Font font{"Tahoma", 8, false, false};
    ui::Font titleFont{"Tahoma", 10, true, false};

    bool operator==(const Skin&) const = default;
};

// The skin a file's text describes, on top of the defaults. Lines it could not read (besides
// blank lines and comments) are added to unread when given.
Skin ParseSkin(std::string_view text, std::vector<std::string>* unread = nullptr);
// The skin file at path; the defaults when it cannot be read.
Skin LoadSkin(FileSystem& files, const std::string& path);
// The skin file of the application folder, "<folder>\skins\frmmain.skn".
std::string SkinFilePath(const std::string& appFolder);
// Gives a form and every control on it the skin's fonts and colours: the form's own colours
// and font are what its controls take unless they have their own; framed groups take the
// frame colour for their caption, plain areas the panel colour.
void ApplySkin(const Skin& skin, ui::Form& form);

}  // namespace hv
