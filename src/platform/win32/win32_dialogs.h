#pragma once
// The standard Windows message box.
#include "platform/dialogs.h"

namespace hv::win32 {

class Win32Dialogs final : public Dialogs {
  public:
    int messageBox(const std::string& text, const std::string& title, std::uint32_t style) override;
};

}  // namespace hv::win32
