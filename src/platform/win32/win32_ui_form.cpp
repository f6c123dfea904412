#include "platform/win32/win32_ui_form.h"

#include <windows.h>
// After windows.h:
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "platform/win32/win32_ui.h"

namespace hv::win32 {

namespace {

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->attachWindow(window);
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    std::intptr_t result = 0;
    if (form != nullptr && form->formMessage(message, wParam, lParam, result)) return result;
    if (containerMessage(window, message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

// Explorer sends this to every top-level window when it starts again.
UINT taskbarCreated() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void setIcons(HWND window, HICON icon) {
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void registerFormClass() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = formProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = kFormClass;
    RegisterClassExA(&windowClass);
    taskbarCreated();
}

// --- Menus ---------------------------------------------------------------------------------

Win32MenuItem::Win32MenuItem(HMENU__* menu, int id, std::string caption, std::string name)
    : menu_(menu), id_(id), caption_(std::move(caption)), name_(std::move(name)) {}

void Win32MenuItem::setCaption(const std::string& caption) {
    if (isSeparator() || caption == "-") return;
    caption_ = caption;
    ModifyMenuA(menu_, id_, MF_BYCOMMAND | MF_STRING, id_, caption_.c_str());
}

void Win32MenuItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    EnableMenuItem(menu_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

Win32Menu::Win32Menu(Win32Form& form, const ui::MenuArgs& args)
    : form_(form), args_(args), menu_(CreatePopupMenu()) {}

Win32Menu::~Win32Menu() {
    DestroyMenu(menu_);
}

ui::MenuItem& Win32Menu::addItem(const std::string& caption, const std::string& name) {
    const int id = form_.nextMenuId();
    if (caption == "-")
        AppendMenuA(menu_, MF_SEPARATOR, id, nullptr);
    else
        AppendMenuA(menu_, MF_STRING, id, caption.c_str());
    items_.push_back(std::make_unique<Win32MenuItem>(menu_, id, caption, name));
    if (args_.inMenuBar) DrawMenuBar(form_.hwnd());
    return *items_.back();
}

std::vector<ui::MenuItem*> Win32Menu::items() const {
    std::vector<ui::MenuItem*> out;
    for (const auto& item : items_) out.push_back(item.get());
    return out;
}

Win32MenuItem* Win32Menu::byId(int id) const {
    for (const auto& item : items_)
        if (item->id() == id && !item->isSeparator()) return item.get();
    return nullptr;
}

void Win32Menu::popup() {
    POINT at{};
    GetCursorPos(&at);
    HWND owner = form_.hwnd();
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const int chosen = TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                      at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    Win32MenuItem* item = byId(chosen);
    if (item != nullptr && item->enabled() && item->onClick) {
        const auto handler = item->onClick;
        handler();
    }
}

// --- Tray icon -----------------------------------------------------------------------------

namespace {

NOTIFYICONDATAA trayRecord(HWND owner, int id) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = owner;
    record.uID = static_cast<UINT>(id);
    return record;
}

}  // namespace

Win32TrayIcon::Win32TrayIcon(Win32Form& form, int id, const ui::TrayIconArgs& args)
    : form_(form), id_(id), args_(args) {
    void* bitmap = nullptr;
    Win32Ui::loadPicture(args.icon, icon_, bitmap);
    if (bitmap != nullptr) DeleteObject(static_cast<HBITMAP>(bitmap));  // a tray takes icons only
}

Win32TrayIcon::~Win32TrayIcon() {
    remove();
    if (icon_ != nullptr) DestroyIcon(static_cast<HICON>(icon_));
}

bool Win32TrayIcon::add() {
    if (added_) return false;
    NOTIFYICONDATAA record = trayRecord(form_.hwnd(), id_);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayMessage;
    record.hIcon = static_cast<HICON>(icon_ != nullptr ? icon_ : form_.iconHandle());
    if (record.hIcon == nullptr) record.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    std::strncpy(record.szTip, args_.tip.c_str(), 63);
    added_ = Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
    return added_;
}

bool Win32TrayIcon::remove() {
    if (!added_) return false;
    NOTIFYICONDATAA record = trayRecord(form_.hwnd(), id_);
    added_ = false;
    return Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}

// --- Form ----------------------------------------------------------------------------------

namespace {

struct FormStyle {
    DWORD style;
    DWORD exStyle;
};

FormStyle formStyle(const ui::FormArgs& args) {
    DWORD style = WS_CLIPCHILDREN;
    switch (args.border) {
        case ui::BorderStyle::None:
            style |= WS_POPUP;
            break;
        case ui::BorderStyle::Fixed:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
            break;
        case ui::BorderStyle::Sizable:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
            break;
    }
    if (args.border != ui::BorderStyle::None) {
        if (args.minButton) style |= WS_MINIMIZEBOX;
        if (args.maxButton) style |= WS_MAXIMIZEBOX;
    }
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (args.topmost) exStyle |= WS_EX_TOPMOST;
    exStyle |= args.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    return {style, exStyle};
}

}  // namespace

Win32Form::Win32Form(Win32Ui& ui, const ui::FormArgs& args) : ui_(ui), args_(args) {
    const FormStyle look = formStyle(args);
    RECT outer{0, 0, ui.toPixelsX(args.clientWidth), ui.toPixelsY(args.clientHeight)};
    AdjustWindowRectEx(&outer, look.style, FALSE, look.exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    int x = 0;
    int y = 0;
    if (args.position) {
        x = ui.toPixelsX(args.position->x);
        y = ui.toPixelsY(args.position->y);
    } else {
        const ui::PixelRect area = ui.workArea();
        x = area.left + (area.right - area.left - width) / 2;
        y = area.top + (area.bottom - area.top - height) / 2;
    }
    CreateWindowExA(look.exStyle, kFormClass, args.caption.c_str(), look.style, x, y, width, height,
                    nullptr, nullptr, GetModuleHandleA(nullptr), this);
    toolTips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(toolTips_, TTM_SETMAXTIPWIDTH, 0, 400);
    setIcon(args.icon);
}

Win32Form::~Win32Form() {
    *alive_ = false;
    destroying_ = true;
    endModal();
    trays_.clear();
    if (menuBar_ != nullptr) {
        // The menus destroy their own pop-ups; take them off the bar first.
        SetMenu(hwnd_, nullptr);
        while (GetMenuItemCount(menuBar_) > 0) RemoveMenu(menuBar_, 0, MF_BYPOSITION);
        DestroyMenu(menuBar_);
    }
    DestroyWindow(hwnd_);
    if (icon_ != nullptr) DestroyIcon(static_cast<HICON>(icon_));
}

std::string Win32Form::caption() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32Form::setCaption(const std::string& caption) {
    SetWindowTextA(hwnd_, caption.c_str());
}

ui::Rect Win32Form::bounds() const {
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    return {ui_.toTwipsX(outer.left), ui_.toTwipsY(outer.top),
            ui_.toTwipsX(outer.right - outer.left), ui_.toTwipsY(outer.bottom - outer.top)};
}

void Win32Form::setBounds(const ui::Rect& bounds) {
    SetWindowPos(hwnd_, nullptr, ui_.toPixelsX(bounds.left), ui_.toPixelsY(bounds.top),
                 ui_.toPixelsX(bounds.width), ui_.toPixelsY(bounds.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32Form::clientWidth() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return ui_.toTwipsX(client.right);
}

int Win32Form::clientHeight() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return ui_.toTwipsY(client.bottom);
}

void Win32Form::show() {
    if (!loaded_) return;
    int command = args_.activateOnShow ? SW_SHOW : SW_SHOWNOACTIVATE;
    if (!IsWindowVisible(hwnd_)) {
        if (pendingState_ == ui::WindowState::Minimized) command = SW_SHOWMINIMIZED;
        if (pendingState_ == ui::WindowState::Maximized) command = SW_SHOWMAXIMIZED;
    }
    if (lookStale_) applyLookToAll();
    ShowWindow(hwnd_, command);
    UpdateWindow(hwnd_);
}

namespace {

struct ModalOwners {
    HWND modal;
    std::vector<HWND>* disabled;
};

BOOL CALLBACK disableOwner(HWND window, LPARAM data) {
    auto* owners = reinterpret_cast<ModalOwners*>(data);
    if (window != owners->modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        owners->disabled->push_back(window);
    }
    return TRUE;
}

}  // namespace

void Win32Form::showModal() {
    if (!loaded_) return;
    // The program's other windows wait until this one is done, as with any modal dialog.
    ModalOwners owners{hwnd_, &disabledByModal_};
    EnumThreadWindows(GetCurrentThreadId(), disableOwner, reinterpret_cast<LPARAM>(&owners));
    modal_ = true;
    show();
    SetForegroundWindow(hwnd_);
    const std::shared_ptr<bool> alive = alive_;
    MSG message{};
    while (*alive && loaded_ && IsWindowVisible(hwnd_)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the main loop's to see
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageA(hwnd_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (!*alive) return;
    endModal();
}

void Win32Form::endModal() {
    if (!modal_) return;
    modal_ = false;
    for (HWND window : disabledByModal_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    disabledByModal_.clear();
}

void Win32Form::hide() {
    endModal();  // the owners come back before this window goes, so they get the activation
    ShowWindow(hwnd_, SW_HIDE);
}

bool Win32Form::visible() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

bool Win32Form::requestClose(ui::CloseReason reason) {
    if (!loaded_) return true;
    bool cancel = false;
    if (onCloseRequest) {
        const auto handler = onCloseRequest;
        handler(reason, cancel);
    }
    if (cancel) return false;
    unload();
    return true;
}

void Win32Form::unload() {
    loaded_ = false;
    for (auto& tray : trays_) tray->remove();
    hide();
    const auto closed = onClosed;  // the handler may destroy this form
    if (closed) closed();
}

bool Win32Form::close() {
    return requestClose(ui::CloseReason::Code);
}

ui::WindowState Win32Form::windowState() const {
    if (!IsWindowVisible(hwnd_)) return pendingState_;
    if (IsIconic(hwnd_)) return ui::WindowState::Minimized;
    if (IsZoomed(hwnd_)) return ui::WindowState::Maximized;
    return ui::WindowState::Normal;
}

void Win32Form::setWindowState(ui::WindowState state) {
    pendingState_ = state;
    if (!IsWindowVisible(hwnd_)) return;
    ShowWindow(hwnd_, state == ui::WindowState::Minimized   ? SW_MINIMIZE
                      : state == ui::WindowState::Maximized ? SW_MAXIMIZE
                                                            : SW_RESTORE);
}

void Win32Form::setTopmost(bool topmost) {
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Form::activate() {
    SetForegroundWindow(hwnd_);
}

ui::Color Win32Form::backColor() const {
    return back_ != ui::kDefaultColor ? back_ : ui::kButtonFaceColor;
}

ui::Font Win32Form::font() const {
    ui::Font font = ui_.defaultFont();
    if (!font_.name.empty()) font.name = font_.name;
    if (font_.sizePt != 0) font.sizePt = font_.sizePt;
    font.bold = font_.bold;
    font.italic = font_.italic;
    return font;
}

void Win32Form::setFont(const ui::Font& font) {
    font_ = font;
    refreshAll();
}

void Win32Form::setColors(ui::Color text, ui::Color background) {
    text_ = text;
    back_ = background;
    refreshAll();
}

void Win32Form::setTitleLook(const ui::Font& font, ui::Color text) {
    titleFont_ = font;
    titleColor_ = text;
    refreshAll();
}

void Win32Form::refreshAll() {
    // A hidden form takes its new look when it is shown: the settings window that a clean run
    // loads for its plug-in list alone has four hundred controls and may never be shown, and
    // a skin sets the font and the colours one after the other.
    if (!IsWindowVisible(hwnd_)) {
        lookStale_ = true;
        return;
    }
    applyLookToAll();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form::applyLookToAll() {
    lookStale_ = false;
    ui::forEachControl(*this, [](ui::Control& control) {
        if (auto* node = dynamic_cast<Win32Node*>(&control)) node->applyLook();
    });
}

void Win32Form::setIcon(const ui::Picture& icon) {
    void* bitmap = nullptr;
    void* loaded = nullptr;
    Win32Ui::loadPicture(icon, loaded, bitmap);
    if (bitmap != nullptr) DeleteObject(static_cast<HBITMAP>(bitmap));
    if (loaded == nullptr && icon.empty()) {
        // The program's own icon, when it carries one as resource 1.
        loaded = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 0, 0,
                            LR_DEFAULTSIZE);
    }
    if (loaded == nullptr) return;
    if (icon_ != nullptr) DestroyIcon(static_cast<HICON>(icon_));
    icon_ = loaded;
    setIcons(hwnd_, static_cast<HICON>(icon_));
}

void Win32Form::setToolTip(Hwnd control, const std::string& text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    std::string copy = text;
    tool.lpszText = copy.data();
    SendMessageA(toolTips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

ui::Menu& Win32Form::addMenu(const ui::MenuArgs& args) {
    menus_.push_back(std::make_unique<Win32Menu>(*this, args));
    Win32Menu& menu = *menus_.back();
    if (args.inMenuBar) {
        const bool first = menuBar_ == nullptr;
        if (first) menuBar_ = CreateMenu();
        AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu.handle()),
                    args.caption.c_str());
        if (first) {
            SetMenu(hwnd_, menuBar_);
            fitMenuBar();
        }
        DrawMenuBar(hwnd_);
    }
    return menu;
}

void Win32Form::fitMenuBar() {
    // The menu bar takes room from the window, not from the client area the form was laid
    // out in.
    const FormStyle look = formStyle(args_);
    RECT outer{0, 0, ui_.toPixelsX(args_.clientWidth), ui_.toPixelsY(args_.clientHeight)};
    AdjustWindowRectEx(&outer, look.style, TRUE, look.exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ui::TrayIcon& Win32Form::addTrayIcon(const ui::TrayIconArgs& args) {
    trays_.push_back(
        std::make_unique<Win32TrayIcon>(*this, static_cast<int>(trays_.size()) + 1, args));
    return *trays_.back();
}

void Win32Form::readdTrayIcons() {
    for (auto& tray : trays_)
        if (tray->added()) {
            tray->remove();
            tray->add();
        }
}

bool Win32Form::formMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            std::intptr_t& result) {
    if (destroying_) return false;
    result = 0;
    if (message == taskbarCreated()) {
        readdTrayIcons();
        return true;
    }
    switch (message) {
        case WM_CLOSE:
            requestClose(ui::CloseReason::User);
            return true;
        case WM_QUERYENDSESSION:
            result = TRUE;  // the program never holds up a log-off
            return true;
        case WM_ENDSESSION:
            if (wParam) requestClose(ui::CloseReason::SessionEnd);
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && live() && onActivate) {
                result = DefWindowProcA(hwnd_, message, wParam, lParam);
                const auto handler = onActivate;
                handler();
                return true;
            }
            return false;
        case WM_MOUSEMOVE:
            if (live() && onMouseMove) {
                const auto handler = onMouseMove;
                handler(ui::Point{ui_.toTwipsX(static_cast<short>(LOWORD(lParam))),
                                  ui_.toTwipsY(static_cast<short>(HIWORD(lParam)))});
            }
            return true;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     static_cast<HBRUSH>(ui_.brush(backColor())));
            result = 1;
            return true;
        }
        case WM_COMMAND: {
            if (lParam != 0 || !live()) return false;  // a control's: routed to it
            const int id = LOWORD(wParam);
            if (id == IDOK && defaultButton_ != nullptr) defaultButton_->press();
            if (id == IDCANCEL && cancelButton_ != nullptr) cancelButton_->press();
            for (const auto& menu : menus_)
                if (Win32MenuItem* item = menu->byId(id); item != nullptr && item->onClick) {
                    const auto handler = item->onClick;
                    handler();
                    break;
                }
            return true;
        }
        case kTrayMessage:
            for (const auto& tray : trays_)
                if (tray->id() == static_cast<int>(wParam) && tray->added() && tray->onMouse) {
                    const auto handler = tray->onMouse;
                    handler(static_cast<int>(lParam));
                    break;
                }
            return true;
        default:
            return false;
    }
}

}  // namespace hv::win32
