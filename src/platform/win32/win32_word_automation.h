#pragma once
// Word's automation object, reached by late-bound IDispatch calls.
#include "platform/word_automation.h"

namespace hv::win32 {

class Win32WordAutomation final : public WordAutomation {
  public:
    std::optional<std::string> version() override;
};

}  // namespace hv::win32
