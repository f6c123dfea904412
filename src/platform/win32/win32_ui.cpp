#include "platform/win32/win32_ui.h"

#include <windows.h>
// After windows.h:
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "platform/text.h"
#include "platform/win32/win32_ui_form.h"

namespace hv::win32 {

namespace {

int CALLBACK noteFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool fontInstalled(const char* face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, noteFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HWND ownerWindow(ui::Form* owner) {
    auto* form = dynamic_cast<Win32Form*>(owner);
    return form != nullptr ? form->hwnd() : GetActiveWindow();
}

// The active form of this thread, for keyboard navigation in the main loop.
HWND activeForm() {
    HWND active = GetActiveWindow();
    char className[64] = {};
    if (active == nullptr || GetClassNameA(active, className, sizeof className) == 0)
        return nullptr;
    return std::strcmp(className, kFormClass) == 0 ? active : nullptr;
}

}  // namespace

Win32Ui::Win32Ui() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                     ICC_PROGRESS_CLASS | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    registerFormClass();
    registerPanelClass();
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpiX > 0) twipsX_ = 1440 / dpiX;
    if (dpiY > 0) twipsY_ = 1440 / dpiY;
    defaultFont_ = fontInstalled("Segoe UI") ? ui::Font{"Segoe UI", 9, false, false}
                                             : ui::Font{"Tahoma", 8, false, false};
}

Win32Ui::~Win32Ui() {
    for (const auto& [key, font] : fonts_) DeleteObject(static_cast<HFONT>(font));
    for (const auto& [color, brush] : brushes_) DeleteObject(static_cast<HBRUSH>(brush));
}

std::unique_ptr<ui::Form> Win32Ui::createForm(const ui::FormArgs& args) {
    return std::make_unique<Win32Form>(*this, args);
}

int Win32Ui::messageBox(ui::Form* owner, const std::string& text, const std::string& title,
                        std::uint32_t style) {
    return MessageBoxA(ownerWindow(owner), text.c_str(), title.c_str(), style);
}

ui::Point Win32Ui::mousePosition() {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

ui::PixelRect Win32Ui::workArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

void Win32Ui::setBusyCursor(bool busy) {
    busy_ = busy;
    SetCursor(LoadCursor(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool Win32Ui::playSound(const std::string& file) {
    return sndPlaySoundA(file.c_str(), SND_ASYNC | SND_NODEFAULT) != FALSE;
}

bool Win32Ui::shellOpen(const std::string& target) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

std::optional<std::string> Win32Ui::openFileDialog(ui::Form* owner, const ui::OpenFileArgs& args) {
    // "Text|pattern|" pairs become the dialog's NUL-separated list.
    std::string filter = args.filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');
    std::string buffer(32767, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerWindow(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = args.title.empty() ? nullptr : args.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NODEREFERENCELINKS | OFN_HIDEREADONLY;
    if (args.multiSelect) dialog.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    // The result ends at the first pair of NULs.
    const auto end = buffer.find(std::string(2, '\0'));
    buffer.resize(end == std::string::npos ? buffer.size() : end);
    return buffer;
}

std::optional<std::string> Win32Ui::browseForFolder(ui::Form* owner, const std::string& title) {
    char display[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = ownerWindow(owner);
    browse.pszDisplayName = display;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (chosen == nullptr) return std::nullopt;
    char path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    return std::string(path);
}

std::string Win32Ui::currentDirectory() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

void Win32Ui::run() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        HWND form = activeForm();
        if (form != nullptr && IsDialogMessageA(form, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Win32Ui::quit() {
    PostQuitMessage(0);
}

void* Win32Ui::fontHandle(const ui::Font& wanted) {
    const std::string name = wanted.name.empty() ? defaultFont_.name : wanted.name;
    const int size = wanted.sizePt > 0 ? wanted.sizePt : defaultFont_.sizePt;
    const auto key = std::make_tuple(toLower(name), size, wanted.bold, wanted.italic);
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    HDC screen = GetDC(nullptr);
    LOGFONTA font{};
    font.lfHeight = -MulDiv(size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = wanted.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::strncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectA(&font);
    fonts_[key] = made;
    return made;
}

std::uint32_t Win32Ui::colorRef(ui::Color color, ui::Color fallback) {
    if (color == ui::kDefaultColor) color = fallback;
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

void* Win32Ui::brush(ui::Color color) {
    const COLORREF value = colorRef(color, ui::kButtonFaceColor);
    if (auto found = brushes_.find(value); found != brushes_.end()) return found->second;
    HBRUSH made = CreateSolidBrush(value);
    brushes_[value] = made;
    return made;
}

void Win32Ui::loadPicture(const ui::Picture& picture, void*& icon, void*& bitmap) {
    icon = bitmap = nullptr;
    if (picture.resourceId != 0) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        icon = LoadImageA(instance, MAKEINTRESOURCEA(picture.resourceId), IMAGE_ICON, 0, 0,
                          LR_DEFAULTSIZE);
        if (icon == nullptr)
            bitmap = LoadImageA(instance, MAKEINTRESOURCEA(picture.resourceId), IMAGE_BITMAP, 0, 0,
                                LR_CREATEDIBSECTION);
        return;
    }
    if (picture.file.empty()) return;
    const std::string lower = toLower(picture.file);
    const bool isIcon = lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".ico") == 0;
    if (isIcon)
        icon = LoadImageA(nullptr, picture.file.c_str(), IMAGE_ICON, 0, 0,
                          LR_LOADFROMFILE | LR_DEFAULTSIZE);
    else
        bitmap = LoadImageA(nullptr, picture.file.c_str(), IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
}

}  // namespace hv::win32
