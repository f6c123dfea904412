#pragma once
// The user-interface platform on the real Windows API. Create it on the user-interface thread
// before any form; it registers the window classes and loads the common controls.
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/ui/ui.h"
#include "platform/win32/win32_window_manager.h"

namespace hv::win32 {

class Win32Ui : public ui::Ui {
  public:
    Win32Ui();
    ~Win32Ui() override;
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;

    std::unique_ptr<ui::Form> createForm(const ui::FormArgs& args) override;
    int messageBox(ui::Form* owner, const std::string& text, const std::string& title,
                   std::uint32_t style) override;
    ui::Point mousePosition() override;
    ui::PixelRect workArea() override;
    int twipsPerPixelX() override { return twipsX_; }
    int twipsPerPixelY() override { return twipsY_; }
    void setBusyCursor(bool busy) override;
    bool playSound(const std::string& file) override;
    bool shellOpen(const std::string& target) override;
    std::optional<std::string> openFileDialog(ui::Form* owner,
                                              const ui::OpenFileArgs& args) override;
    std::optional<std::string> browseForFolder(ui::Form* owner, const std::string& title) override;
    std::string currentDirectory() override;
    ui::WindowManager& windows() override { return windows_; }
    void run() override;
    void quit() override;

    // Used by the forms and controls.
    bool busy() const { return busy_; }
    // A GDI font (HFONT) for a font, made once and kept; an empty name or size takes the
    // default font's.
    void* fontHandle(const ui::Font& font);
    ui::Font defaultFont() const { return defaultFont_; }
    // A solid brush (HBRUSH) of a colour, made once and kept.
    void* brush(ui::Color color);
    static std::uint32_t colorRef(ui::Color color, ui::Color fallback);
    int toPixelsX(int twips) const { return ui::toPixels(twips, twipsX_); }
    int toPixelsY(int twips) const { return ui::toPixels(twips, twipsY_); }
    int toTwipsX(int pixels) const { return ui::toTwips(pixels, twipsX_); }
    int toTwipsY(int pixels) const { return ui::toTwips(pixels, twipsY_); }
    // A picture as an icon (HICON) or bitmap (HBITMAP); the caller destroys it.
    static void loadPicture(const ui::Picture& picture, void*& icon, void*& bitmap);

  private:
    int twipsX_ = 15;
    int twipsY_ = 15;
    bool busy_ = false;
    ui::Font defaultFont_{};
    std::map<std::tuple<std::string, int, bool, bool>, void*> fonts_;
    std::map<std::uint32_t, void*> brushes_;
    Win32WindowManager windows_;
};

}  // namespace hv::win32
