#include "platform/win32/win32_dialogs.h"

#include <windows.h>

namespace hv::win32 {

int Win32Dialogs::messageBox(const std::string& text, const std::string& title,
                             std::uint32_t style) {
    // Owned by the active window of this thread, so the box is modal to it.
    return MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), style);
}

}  // namespace hv::win32
