#include "platform/win32/win32_ui_controls.h"

#include <windows.h>
// After windows.h:
#include <commctrl.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/win32/win32_ui.h"
#include "platform/win32/win32_ui_form.h"

namespace hv::win32 {

namespace {

constexpr char kNodeProp[] = "HalvaneNode";
constexpr char kPageProp[] = "HalvanePageOf";

Win32Node* nodeOf(HWND window) {
    return window != nullptr ? static_cast<Win32Node*>(GetPropA(window, kNodeProp)) : nullptr;
}

LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR data) {
    auto* node = reinterpret_cast<Win32Node*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, controlProc, id);
        RemovePropA(window, kNodeProp);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    std::intptr_t result = 0;
    if (node->ownMessage(message, wParam, lParam, result)) return result;
    return DefSubclassProc(window, message, wParam, lParam);
}

// A colour between two others; amount 0 gives from, 255 gives to.
COLORREF mix(COLORREF from, COLORREF to, int amount) {
    auto channel = [&](int shift) {
        const int a = (from >> shift) & 0xFF;
        const int b = (to >> shift) & 0xFF;
        return static_cast<COLORREF>((a * (255 - amount) + b * amount) / 255) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

std::string windowText(HWND window) {
    if (window == nullptr) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

// The size of a text in a font, as DrawTextA with DT_CALCRECT measures it.
SIZE measureText(HWND window, HFONT font, const std::string& text, UINT extraFlags) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | extraFlags);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

// --- The node every wrapper is -------------------------------------------------------------

Win32Node::Win32Node(Win32Form& form, Win32Node* enclosing, ui::Control* self, std::string name,
                     ui::Rect bounds)
    : form_(form), enclosing_(enclosing), self_(self), name_(std::move(name)), bounds_(bounds) {}

void Win32Node::create(const char* windowClass, const std::string& text, unsigned long style,
                       unsigned long exStyle, Hwnd parent, int extraHeightPx) {
    const Win32Ui& ui = form_.ui();
    const int id = form_.nextControlId();
    hwnd_ = CreateWindowExA(
        exStyle, windowClass, text.c_str(), style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
        ui.toPixelsX(bounds_.left), ui.toPixelsY(bounds_.top), ui.toPixelsX(bounds_.width),
        ui.toPixelsY(bounds_.height) + extraHeightPx, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr) return;
    SetPropA(hwnd_, kNodeProp, this);
    SetWindowSubclass(hwnd_, controlProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Win32Node::moveTo(const ui::Rect& bounds, int extraHeightPx) {
    bounds_ = bounds;
    const Win32Ui& ui = form_.ui();
    MoveWindow(hwnd_, ui.toPixelsX(bounds.left), ui.toPixelsY(bounds.top),
               ui.toPixelsX(bounds.width), ui.toPixelsY(bounds.height) + extraHeightPx, TRUE);
}

ui::Color Win32Node::effectiveText() const {
    if (ownText_ != ui::kDefaultColor) return ownText_;
    if (titleLook_ && form_.titleColor() != ui::kDefaultColor) return form_.titleColor();
    return enclosing_ != nullptr ? enclosing_->effectiveText() : form_.textColor();
}

ui::Color Win32Node::effectiveBack() const {
    if (ownBack_ != ui::kDefaultColor) return ownBack_;
    if (!inheritsBackground()) return ui::kWindowColor;
    return enclosing_ != nullptr ? enclosing_->effectiveBack() : form_.backColor();
}

ui::Font Win32Node::effectiveFont() const {
    ui::Font font;
    if (titleLook_ && !form_.titleFont().name.empty())
        font = form_.titleFont();
    else
        font = enclosing_ != nullptr ? enclosing_->effectiveFont() : form_.font();
    if (ownFont_.name.empty() && ownFont_.sizePt == 0) return font;
    if (!ownFont_.name.empty()) font.name = ownFont_.name;
    if (ownFont_.sizePt != 0) font.sizePt = ownFont_.sizePt;
    font.bold = ownFont_.bold;
    font.italic = ownFont_.italic;
    return font;
}

void Win32Node::applyLook() {
    if (hwnd_ == nullptr) return;
    SendMessageA(hwnd_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(form_.ui().fontHandle(effectiveFont())), TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool Win32Node::ownMessage(unsigned message, std::uintptr_t, std::intptr_t lParam, std::intptr_t&) {
    if (!form_.live()) return false;
    if (message == WM_MOUSEMOVE && self_->onMouseMove) {
        const Win32Ui& ui = form_.ui();
        const auto handler = self_->onMouseMove;
        handler(ui::Point{ui.toTwipsX(static_cast<short>(LOWORD(lParam))),
                          ui.toTwipsY(static_cast<short>(HIWORD(lParam)))});
    } else if (message == WM_KILLFOCUS && self_->onLostFocus) {
        // Only a move to another control of the same form counts; leaving the form does not.
        HWND to = GetFocus();
        if (to != nullptr && to != hwnd_ && !IsChild(hwnd_, to) &&
            GetAncestor(to, GA_ROOT) == form_.hwnd()) {
            const auto handler = self_->onLostFocus;
            handler();
        }
    }
    return false;
}

bool nodeVisible(const Win32Node& node) {
    return (GetWindowLongA(node.hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void nodeSetVisible(Win32Node& node, bool visible) {
    ShowWindow(node.hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

bool nodeEnabled(const Win32Node& node) {
    return IsWindowEnabled(node.hwnd()) != FALSE;
}

void nodeSetEnabled(Win32Node& node, bool enabled) {
    EnableWindow(node.hwnd(), enabled ? TRUE : FALSE);
}

void nodeSetFocus(Win32Node& node) {
    SetFocus(node.hwnd());
}

void nodeSetToolTip(Win32Node& node, const std::string& text) {
    node.form().setToolTip(node.hwnd(), text);
}

// --- Container windows: forms, frames and tab pages ----------------------------------------

bool containerMessage(Hwnd window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                      std::intptr_t& result) {
    switch (message) {
        case WM_COMMAND: {
            Win32Node* node = nodeOf(reinterpret_cast<HWND>(lParam));
            if (node == nullptr || !node->form().live()) return false;
            node->command(HIWORD(wParam));
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            Win32Node* node = nodeOf(header->hwndFrom);
            if (node == nullptr || !node->form().live()) return false;
            result = node->notify(reinterpret_cast<void*>(lParam));
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            HWND child = reinterpret_cast<HWND>(lParam);
            Win32Node* node = nodeOf(child);
            if (node == nullptr) node = nodeOf(GetParent(child));  // a combo box's parts
            if (node == nullptr) return false;
            const ui::Color back = node->effectiveBack();
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, Win32Ui::colorRef(node->effectiveText(), ui::kWindowTextColor));
            SetBkColor(dc, Win32Ui::colorRef(back, ui::kWindowColor));
            result = reinterpret_cast<std::intptr_t>(node->form().ui().brush(back));
            return true;
        }
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            Win32Node* node = nodeOf(item->hwndItem);
            if (node == nullptr || !node->drawItem(item)) return false;
            result = TRUE;
            return true;
        }
        case WM_SETCURSOR: {
            Win32Node* node = nodeOf(window);
            Win32Form* form = node != nullptr ? &node->form() : nullptr;
            if (form == nullptr) {
                auto* owner = reinterpret_cast<Win32Form*>(
                    GetWindowLongPtrA(GetAncestor(window, GA_ROOT), GWLP_USERDATA));
                form = owner;
            }
            if (form == nullptr || !form->ui().busy()) return false;
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

namespace {

LRESULT CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::intptr_t result = 0;
    if (containerMessage(window, message, wParam, lParam, result)) return result;
    if (message == WM_ERASEBKGND) return 1;  // all painted in WM_PAINT
    if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        PAINTSTRUCT paint{};
        HDC dc = message == WM_PAINT ? BeginPaint(window, &paint) : reinterpret_cast<HDC>(wParam);
        if (auto* frame = dynamic_cast<Win32Frame*>(nodeOf(window))) {
            frame->paint(dc);
        } else if (auto* strip = static_cast<Win32Node*>(GetPropA(window, kPageProp))) {
            RECT client;
            GetClientRect(window, &client);
            FillRect(dc, &client,
                     static_cast<HBRUSH>(strip->form().ui().brush(strip->effectiveBack())));
        }
        if (message == WM_PAINT) EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) RemovePropA(window, kPageProp);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void registerPanelClass() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = panelProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPanelClass;
    RegisterClassExA(&windowClass);
}

// --- Label ---------------------------------------------------------------------------------

Win32Label::Win32Label(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                       const ui::LabelArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds), autoSize_(args.autoSize) {
    titleLook_ = args.title;
    DWORD style = SS_NOTIFY | SS_NOPREFIX;
    if (args.align == ui::Align::Center)
        style |= SS_CENTER;
    else if (args.align == ui::Align::Right)
        style |= SS_RIGHT;
    else
        style |= args.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    create("STATIC", args.text, style, 0, parent);
    applyLook();
}

std::string Win32Label::text() const {
    return windowText(hwnd_);
}

void Win32Label::setText(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
    fitText();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Label::applyLook() {
    Win32Node::applyLook();
    fitText();
}

void Win32Label::fitText() {
    if (!autoSize_ || hwnd_ == nullptr) return;
    const SIZE size = measureText(hwnd_, static_cast<HFONT>(form_.ui().fontHandle(effectiveFont())),
                                  windowText(hwnd_), DT_SINGLELINE | DT_NOPREFIX);
    const Win32Ui& ui = form_.ui();
    bounds_.width = ui.toTwipsX(size.cx);
    bounds_.height = ui.toTwipsY(size.cy);
    moveTo(bounds_);
}

void Win32Label::command(int code) {
    if (code == STN_CLICKED && onClick) {
        const auto handler = onClick;
        handler();
    }
}

// --- Button and check box ------------------------------------------------------------------

Win32Button::Win32Button(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                         const ui::ButtonArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds) {
    create("BUTTON", args.caption, WS_TABSTOP | (args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
           0, parent);
    if (args.isDefault) form.setDefaultButton(this);
    if (args.isCancel) form.setCancelButton(this);
    applyLook();
}

std::string Win32Button::caption() const {
    return windowText(hwnd_);
}

void Win32Button::setCaption(const std::string& caption) {
    SetWindowTextA(hwnd_, caption.c_str());
}

void Win32Button::command(int code) {
    if (code == BN_CLICKED) press();
}

void Win32Button::press() {
    if (!IsWindowEnabled(hwnd_) || !onClick) return;
    const auto handler = onClick;
    handler();
}

Win32CheckBox::Win32CheckBox(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                             const ui::CheckBoxArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds), checked_(args.checked) {
    create("BUTTON", args.caption, WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, 0, parent);
    SendMessageA(hwnd_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    applyLook();
}

std::string Win32CheckBox::caption() const {
    return windowText(hwnd_);
}

void Win32CheckBox::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick) {
        const auto handler = onClick;
        handler();
    }
}

void Win32CheckBox::command(int code) {
    if (code != BN_CLICKED) return;
    const bool now = SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now == checked_) return;
    checked_ = now;
    if (onClick) {
        const auto handler = onClick;
        handler();
    }
}

// --- Image ---------------------------------------------------------------------------------

Win32Image::Win32Image(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                       const ui::ImageArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds),
      border_(args.border),
      stretch_(args.stretch) {
    create("STATIC", "", SS_OWNERDRAW | SS_NOTIFY, 0, parent);
    setPicture(args.picture);
}

Win32Image::~Win32Image() {
    release();
}

void Win32Image::release() {
    if (icon_ != nullptr) DestroyIcon(static_cast<HICON>(icon_));
    if (bitmap_ != nullptr) DeleteObject(static_cast<HBITMAP>(bitmap_));
    icon_ = bitmap_ = nullptr;
}

void Win32Image::setPicture(const ui::Picture& picture) {
    release();
    Win32Ui::loadPicture(picture, icon_, bitmap_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Image::setBorder(bool border) {
    if (border == border_) return;
    border_ = border;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Image::command(int code) {
    if (code == STN_CLICKED && onClick) {
        const auto handler = onClick;
        handler();
    }
}

bool Win32Image::drawItem(void* drawItemStruct) {
    const auto* item = static_cast<const DRAWITEMSTRUCT*>(drawItemStruct);
    HDC dc = item->hDC;
    const RECT area = item->rcItem;
    const COLORREF back = Win32Ui::colorRef(effectiveBack(), ui::kButtonFaceColor);
    FillRect(dc, &area, static_cast<HBRUSH>(form_.ui().brush(effectiveBack())));
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (icon_ != nullptr) {
        ICONINFO info{};
        int iconSize = 32;
        if (GetIconInfo(static_cast<HICON>(icon_), &info)) {
            BITMAP mask{};
            GetObjectA(info.hbmMask, sizeof mask, &mask);
            iconSize = mask.bmWidth;
            if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        const int w = stretch_ ? width : iconSize;
        const int h = stretch_ ? height : iconSize;
        DrawIconEx(dc, area.left + (width - w) / 2, area.top + (height - h) / 2,
                   static_cast<HICON>(icon_), w, h, 0, nullptr, DI_NORMAL);
    } else if (bitmap_ != nullptr) {
        BITMAP info{};
        GetObjectA(static_cast<HBITMAP>(bitmap_), sizeof info, &info);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, static_cast<HBITMAP>(bitmap_));
        if (stretch_) {
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, area.left, area.top, width, height, source, 0, 0, info.bmWidth,
                       info.bmHeight, SRCCOPY);
        } else {
            BitBlt(dc, area.left + std::max<LONG>(0, (width - info.bmWidth) / 2),
                   area.top + std::max<LONG>(0, (height - info.bmHeight) / 2), info.bmWidth,
                   info.bmHeight, source, 0, 0, SRCCOPY);
        }
        SelectObject(source, old);
        DeleteDC(source);
    }
    if (border_) {
        HBRUSH line = CreateSolidBrush(
            mix(back, Win32Ui::colorRef(effectiveText(), ui::kWindowTextColor), 150));
        FrameRect(dc, &area, line);
        DeleteObject(line);
    }
    return true;
}

// --- List view -----------------------------------------------------------------------------

Win32ListView::Win32ListView(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                             const ui::ListViewArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds),
      columns_(static_cast<int>(args.columns.size())) {
    create(WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
           WS_EX_CLIENTEDGE, parent);
    DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP;
    if (args.checkBoxes) extended |= LVS_EX_CHECKBOXES;
    if (args.gridLines) extended |= LVS_EX_GRIDLINES;
    SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    for (int i = 0; i < columns_; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = form.ui().toPixelsX(args.columns[i].width);
        std::string caption = args.columns[i].caption;
        column.pszText = caption.data();
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    applyLook();
}

int Win32ListView::rowCount() const {
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

int Win32ListView::addRow(const std::vector<std::string>& texts) {
    ++byCode_;
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = rowCount();
    std::string first = texts.empty() ? std::string() : texts[0];
    item.pszText = first.data();
    const int row =
        static_cast<int>(SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    --byCode_;
    for (std::size_t i = 1; i < texts.size(); ++i) setText(row, static_cast<int>(i), texts[i]);
    return row;
}

std::string Win32ListView::text(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= std::max(columns_, 1)) return {};
    std::string buffer(1024, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto length = SendMessageA(hwnd_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    buffer.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    return buffer;
}

void Win32ListView::setText(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= std::max(columns_, 1)) return;
    ++byCode_;
    std::string copy = text;
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = copy.data();
    SendMessageA(hwnd_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    --byCode_;
}

void Win32ListView::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    ++byCode_;
    SendMessageA(hwnd_, LVM_DELETEITEM, row, 0);
    --byCode_;
}

void Win32ListView::clear() {
    ++byCode_;
    SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    --byCode_;
}

bool Win32ListView::checked(int row) const {
    if (row < 0 || row >= rowCount()) return false;
    const auto state = SendMessageA(hwnd_, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void Win32ListView::setChecked(int row, bool checked) {
    if (row < 0 || row >= rowCount()) return;
    ++byCode_;
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    --byCode_;
}

int Win32ListView::selectedRow() const {
    return static_cast<int>(
        SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32ListView::selectRow(int row) {
    ++byCode_;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row >= 0 && row < rowCount()) {
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
    --byCode_;
}

void Win32ListView::ensureVisible(int row) {
    SendMessageA(hwnd_, LVM_ENSUREVISIBLE, row, FALSE);
}

void Win32ListView::applyLook() {
    Win32Node::applyLook();
    const COLORREF back = Win32Ui::colorRef(effectiveBack(), ui::kWindowColor);
    SendMessageA(hwnd_, LVM_SETBKCOLOR, 0, back);
    SendMessageA(hwnd_, LVM_SETTEXTBKCOLOR, 0, back);
    SendMessageA(hwnd_, LVM_SETTEXTCOLOR, 0,
                 Win32Ui::colorRef(effectiveText(), ui::kWindowTextColor));
}

std::intptr_t Win32ListView::notify(void* header) {
    const auto* change = static_cast<const NMLISTVIEW*>(header);
    if (change->hdr.code != LVN_ITEMCHANGED || byCode_ > 0 || !(change->uChanged & LVIF_STATE))
        return 0;
    const UINT oldCheck = change->uOldState & LVIS_STATEIMAGEMASK;
    const UINT newCheck = change->uNewState & LVIS_STATEIMAGEMASK;
    // A state image of 0 is a row being set up, not the user's click.
    if (oldCheck != newCheck && oldCheck != 0 && onItemCheck) {
        const auto handler = onItemCheck;
        handler(change->iItem);
    }
    if (!(change->uOldState & LVIS_SELECTED) && (change->uNewState & LVIS_SELECTED) && onSelect) {
        const auto handler = onSelect;
        handler(change->iItem);
    }
    return 0;
}

// --- List box ------------------------------------------------------------------------------

Win32ListBox::Win32ListBox(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                           const ui::ListBoxArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds), mode_(args.select) {
    DWORD style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (mode_ == ui::SelectMode::Multi) style |= LBS_MULTIPLESEL;
    if (mode_ == ui::SelectMode::Extended) style |= LBS_EXTENDEDSEL;
    create("LISTBOX", "", style, WS_EX_CLIENTEDGE, parent);
    applyLook();
}

int Win32ListBox::count() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0));
}

void Win32ListBox::addItem(const std::string& text) {
    SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32ListBox::removeItem(int index) {
    SendMessageA(hwnd_, LB_DELETESTRING, index, 0);
}

void Win32ListBox::clear() {
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
}

std::string Win32ListBox::text(int index) const {
    const auto length = SendMessageA(hwnd_, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool Win32ListBox::selected(int index) const {
    return SendMessageA(hwnd_, LB_GETSEL, index, 0) > 0;
}

void Win32ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= count()) return;
    if (mode_ != ui::SelectMode::Single) {
        SendMessageA(hwnd_, LB_SETSEL, selected ? TRUE : FALSE, index);
    } else if (selected) {
        SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
    } else if (listIndex() == index) {
        SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

int Win32ListBox::listIndex() const {
    if (mode_ == ui::SelectMode::Single)
        return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
    return count() == 0 ? -1 : static_cast<int>(SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0));
}

void Win32ListBox::setListIndex(int index) {
    if (mode_ == ui::SelectMode::Single)
        SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
    else
        SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
}

int Win32ListBox::horizontalExtent() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0));
}

void Win32ListBox::setHorizontalExtent(int pixels) {
    SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, std::max(pixels, 0), 0);
}

int Win32ListBox::measureTextWidth(const std::string& text) const {
    return measureText(hwnd_, static_cast<HFONT>(form_.ui().fontHandle(effectiveFont())), text, 0)
        .cx;
}

void Win32ListBox::command(int code) {
    if (code == LBN_SELCHANGE && onClick) {
        const auto handler = onClick;
        handler();
    } else if (code == LBN_DBLCLK && onDoubleClick) {
        const auto handler = onDoubleClick;
        handler();
    }
}

// --- Text box and combo box ----------------------------------------------------------------

Win32TextBox::Win32TextBox(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                           const ui::TextBoxArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds), multiLine_(args.multiLine) {
    DWORD style = WS_TABSTOP;
    if (args.multiLine)
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (args.scrollBars ? WS_VSCROLL : 0);
    else
        style |= ES_AUTOHSCROLL;
    if (args.readOnly) style |= ES_READONLY;
    create("EDIT", args.text, style, WS_EX_CLIENTEDGE, parent);
    SendMessageA(hwnd_, EM_LIMITTEXT, 0, 0);
    applyLook();
}

std::string Win32TextBox::text() const {
    return windowText(hwnd_);
}

void Win32TextBox::setText(const std::string& text) {
    if (text == windowText(hwnd_)) return;
    SetWindowTextA(hwnd_, text.c_str());  // EN_CHANGE raises onChange
}

void Win32TextBox::command(int code) {
    if (code == EN_CHANGE && onChange) {
        const auto handler = onChange;
        handler();
    }
}

bool Win32TextBox::ownMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                              std::intptr_t& result) {
    if (!multiLine_ && onEnter) {
        if (message == WM_GETDLGCODE) {
            // Keep Enter from the window's default button while the box wants it.
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            result = DefSubclassProc(hwnd_, message, wParam, lParam);
            if (pending != nullptr && pending->message == WM_KEYDOWN &&
                pending->wParam == VK_RETURN)
                result |= DLGC_WANTALLKEYS;
            return true;
        }
        if (message == WM_KEYDOWN && wParam == VK_RETURN) {
            if (form_.live()) {
                const auto handler = onEnter;
                handler();
            }
            result = 0;
            return true;
        }
        if (message == WM_CHAR && wParam == '\r') {
            result = 0;  // no beep
            return true;
        }
    }
    return Win32Node::ownMessage(message, wParam, lParam, result);
}

Win32ComboBox::Win32ComboBox(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                             const ui::ComboBoxArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds), editable_(args.editable) {
    // The window's height includes its drop-down list.
    create(
        "COMBOBOX", "",
        WS_TABSTOP | WS_VSCROLL | (editable_ ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST),
        0, parent, 240);
    for (const auto& item : args.items) addItem(item);
    applyLook();
}

int Win32ComboBox::count() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0));
}

void Win32ComboBox::addItem(const std::string& text) {
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32ComboBox::clear() {
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

std::string Win32ComboBox::itemText(int index) const {
    const auto length = SendMessageA(hwnd_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int Win32ComboBox::selectedIndex() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}

void Win32ComboBox::setSelectedIndex(int index) {
    SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
}

std::string Win32ComboBox::text() const {
    return windowText(hwnd_);
}

void Win32ComboBox::setText(const std::string& text) {
    const auto found = SendMessageA(hwnd_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(text.c_str()));
    if (found != CB_ERR && itemText(static_cast<int>(found)) == text)
        SendMessageA(hwnd_, CB_SETCURSEL, found, 0);
    else if (editable_)
        SetWindowTextA(hwnd_, text.c_str());
}

void Win32ComboBox::command(int code) {
    if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && onChange) {
        const auto handler = onChange;
        handler();
    }
}

// --- Progress bar --------------------------------------------------------------------------

Win32ProgressBar::Win32ProgressBar(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                                   const ui::ProgressBarArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds) {
    create(PROGRESS_CLASSA, "", 0, 0, parent);
    SendMessageA(hwnd_, PBM_SETRANGE32, 0, 100);
    applyLook();
}

void Win32ProgressBar::setValue(int value) {
    value_ = std::clamp(value, 0, 100);
    SendMessageA(hwnd_, PBM_SETPOS, value_, 0);
}

void Win32ProgressBar::applyLook() {
    if (ownText_ != ui::kDefaultColor)
        SendMessageA(hwnd_, PBM_SETBARCOLOR, 0, Win32Ui::colorRef(ownText_, ui::kHighlightColor));
}

// --- Drive and folder lists ----------------------------------------------------------------

namespace {

std::string driveOf(const std::string& path) {
    return path.empty() ? std::string() : toLower(path.substr(0, 1)) + ":";
}

// Whether a drive can be read now; an empty removable drive cannot. No "insert a disk" box.
bool driveReady(const std::string& drive) {
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const bool ready = GetVolumeInformationA((drive + "\\").c_str(), nullptr, 0, nullptr, nullptr,
                                             nullptr, nullptr, 0) != FALSE;
    SetErrorMode(oldMode);
    return ready;
}

std::string folderPath(std::string path) {
    if (path.size() == 2 && path[1] == ':') return path + "\\";
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

Win32DriveList::Win32DriveList(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                               const ui::DriveListArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds) {
    create("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, parent, 240);
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) drives_.push_back(std::string(1, static_cast<char>('a' + i)) + ":");
    for (const auto& drive : drives_)
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    drive_ = driveOf(current);
    const auto at = std::find(drives_.begin(), drives_.end(), drive_);
    SendMessageA(hwnd_, CB_SETCURSEL, at == drives_.end() ? 0 : at - drives_.begin(), 0);
    applyLook();
}

bool Win32DriveList::setDrive(const std::string& drive) {
    const std::string wanted = driveOf(drive);
    const auto at = std::find(drives_.begin(), drives_.end(), wanted);
    if (at == drives_.end() || !driveReady(wanted)) return false;
    SendMessageA(hwnd_, CB_SETCURSEL, at - drives_.begin(), 0);
    if (wanted == drive_) return true;
    drive_ = wanted;
    if (onChange) {
        const auto handler = onChange;
        handler();
    }
    return true;
}

void Win32DriveList::command(int code) {
    if (code != CBN_SELCHANGE) return;
    const auto index = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
    if (index < 0 || index >= static_cast<LRESULT>(drives_.size()) ||
        !setDrive(drives_[static_cast<std::size_t>(index)])) {
        // A drive that is not ready leaves the choice as it was.
        const auto at = std::find(drives_.begin(), drives_.end(), drive_);
        SendMessageA(hwnd_, CB_SETCURSEL, at == drives_.end() ? -1 : at - drives_.begin(), 0);
    }
}

Win32DirList::Win32DirList(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                           const ui::DirListArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds) {
    create("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
           WS_EX_CLIENTEDGE, parent);
    applyLook();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    setPath(current);
}

bool Win32DirList::setPath(const std::string& path) {
    const std::string wanted = folderPath(path);
    if (wanted.size() < 3 || wanted[1] != ':') return false;
    WIN32_FIND_DATAA found{};
    const std::string pattern = wanted + (wanted.back() == '\\' ? "*" : "\\*");
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    std::vector<std::string> folders;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) && name != "." && name != "..")
            folders.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(folders.begin(), folders.end(),
              [](const std::string& a, const std::string& b) { return toLower(a) < toLower(b); });

    const bool changed = !equalsNoCase(wanted, path_);
    path_ = wanted;
    folders_ = folders;
    // The folder's parents from the root down, the folder itself, then its sub-folders, each
    // indented one step deeper.
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    linePaths_.clear();
    std::string walked = path_.substr(0, 3);
    int depth = 0;
    auto addLine = [&](const std::string& label, const std::string& target) {
        const std::string line = std::string(static_cast<std::size_t>(depth) * 3, ' ') + label;
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        linePaths_.push_back(target);
    };
    addLine(toUpper(walked), walked);
    for (const auto& part : splitAll(path_.substr(3), '\\')) {
        if (part.empty()) continue;
        walked = folderPath(walked + (walked.back() == '\\' ? "" : "\\") + part);
        ++depth;
        addLine(part, walked);
    }
    SendMessageA(hwnd_, LB_SETCURSEL, linePaths_.size() - 1, 0);
    ++depth;
    for (const auto& folder : folders_)
        addLine(folder, path_ + (path_.back() == '\\' ? "" : "\\") + folder);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);

    if (changed && onChange) {
        const auto handler = onChange;
        handler();
    }
    return true;
}

void Win32DirList::command(int code) {
    if (code != LBN_DBLCLK) return;
    const auto index = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
    if (index >= 0 && index < static_cast<LRESULT>(linePaths_.size()))
        setPath(linePaths_[static_cast<std::size_t>(index)]);
}

// --- Frame and tab strip -------------------------------------------------------------------

Win32Frame::Win32Frame(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                       const ui::FrameArgs& args)
    : Win32ContainerOf(form, enclosing, args.name, args.bounds),
      caption_(args.caption),
      border_(args.border) {
    create(kPanelClass, "", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent);
}

void Win32Frame::setCaption(const std::string& caption) {
    caption_ = caption;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Frame::refreshLook() {
    InvalidateRect(hwnd_, nullptr, TRUE);
    ui::forEachControl(*this, [](ui::Control& control) {
        if (auto* node = dynamic_cast<Win32Node*>(&control)) node->applyLook();
    });
}

void Win32Frame::paint(void* deviceContext) {
    HDC dc = static_cast<HDC>(deviceContext);
    RECT client;
    GetClientRect(hwnd_, &client);
    Win32Ui& ui = form_.ui();
    FillRect(dc, &client, static_cast<HBRUSH>(ui.brush(effectiveBack())));
    if (!border_) return;
    const COLORREF back = Win32Ui::colorRef(effectiveBack(), ui::kButtonFaceColor);
    const COLORREF text = Win32Ui::colorRef(effectiveText(), ui::kWindowTextColor);
    HGDIOBJ oldFont = SelectObject(dc, static_cast<HFONT>(ui.fontHandle(effectiveFont())));
    SIZE captionSize{0, 0};
    if (!caption_.empty())
        GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()),
                              &captionSize);
    // A thin line a little darker than the background, broken by the caption.
    RECT line{client.left, client.top + captionSize.cy / 2, client.right, client.bottom};
    HBRUSH lineBrush = CreateSolidBrush(mix(back, text, 60));
    FrameRect(dc, &line, lineBrush);
    DeleteObject(lineBrush);
    if (!caption_.empty()) {
        RECT label{client.left + 6, client.top, client.left + 14 + captionSize.cx,
                   client.top + captionSize.cy};
        FillRect(dc, &label, static_cast<HBRUSH>(ui.brush(effectiveBack())));
        SetTextColor(dc, text);
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, client.left + 10, client.top, caption_.c_str(),
                 static_cast<int>(caption_.size()));
    }
    SelectObject(dc, oldFont);
}

bool Win32Frame::ownMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            std::intptr_t& result) {
    if (message == WM_LBUTTONUP && onClick && form_.live()) {
        const auto handler = onClick;
        handler();
    }
    return Win32Node::ownMessage(message, wParam, lParam, result);
}

Win32Form& Win32TabPage::ownerForm() {
    return strip_.form();
}

Win32Node* Win32TabPage::enclosingNode() {
    return &strip_;
}

Win32TabStrip::Win32TabStrip(Win32Form& form, Win32Node* enclosing, Hwnd parent,
                             const ui::TabStripArgs& args)
    : Win32ControlOf(form, enclosing, args.name, args.bounds), tabsPerRow_(args.tabsPerRow) {
    DWORD style = WS_TABSTOP | WS_CLIPCHILDREN;
    if (tabsPerRow_ > 0) style |= TCS_MULTILINE;
    create(WC_TABCONTROLA, "", style, WS_EX_CONTROLPARENT, parent);
    for (std::size_t i = 0; i < args.tabs.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        std::string caption = args.tabs[i];
        item.pszText = caption.data();
        SendMessageA(hwnd_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        HWND page = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "",
                                    WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, hwnd_,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        SetPropA(page, kPageProp, static_cast<Win32Node*>(this));
        pages_.push_back(std::make_unique<Win32TabPage>(*this, page));
    }
    applyLook();
    showSelectedPage();
}

ui::TabPage* Win32TabStrip::page(int index) {
    return index >= 0 && index < tabCount() ? pages_[static_cast<std::size_t>(index)].get()
                                            : nullptr;
}

void Win32TabStrip::setSelectedIndex(int index) {
    if (index < 0 || index >= tabCount() || index == selected_) return;
    selected_ = index;
    SendMessageA(hwnd_, TCM_SETCURSEL, index, 0);
    showSelectedPage();
    if (onChange) {
        const auto handler = onChange;
        handler();
    }
}

std::intptr_t Win32TabStrip::notify(void* header) {
    if (static_cast<const NMHDR*>(header)->code != TCN_SELCHANGE) return 0;
    selected_ = static_cast<int>(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0));
    showSelectedPage();
    if (onChange) {
        const auto handler = onChange;
        handler();
    }
    return 0;
}

void Win32TabStrip::setBounds(const ui::Rect& bounds) {
    moveTo(bounds);
    placePages();
}

void Win32TabStrip::applyLook() {
    Win32Node::applyLook();
    if (tabsPerRow_ > 0 && tabCount() > 0) {
        // Equal tabs, tabsPerRow of them filling a row.
        RECT client;
        GetClientRect(hwnd_, &client);
        RECT first{};
        SendMessageA(hwnd_, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        const int width = (client.right - client.left - 6) / tabsPerRow_;
        SetWindowLongA(hwnd_, GWL_STYLE, GetWindowLongA(hwnd_, GWL_STYLE) | TCS_FIXEDWIDTH);
        SendMessageA(hwnd_, TCM_SETITEMSIZE, 0, MAKELPARAM(width, first.bottom - first.top));
    }
    placePages();
}

void Win32TabStrip::refreshLook() {
    applyLook();
    for (auto& page : pages_) {
        InvalidateRect(page->window(), nullptr, TRUE);
        ui::forEachControl(*page, [](ui::Control& control) {
            if (auto* node = dynamic_cast<Win32Node*>(&control)) node->applyLook();
        });
    }
}

void Win32TabStrip::placePages() {
    RECT area;
    GetClientRect(hwnd_, &area);
    SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (auto& page : pages_)
        MoveWindow(page->window(), area.left, area.top, area.right - area.left,
                   area.bottom - area.top, TRUE);
}

void Win32TabStrip::showSelectedPage() {
    for (int i = 0; i < tabCount(); ++i)
        ShowWindow(pages_[static_cast<std::size_t>(i)]->window(),
                   i == selected_ ? SW_SHOW : SW_HIDE);
}

}  // namespace hv::win32
