#pragma once
// The platform message box. Implemented by SimDialogs (answers from a queue, every box
// recorded) and Win32Dialogs.
#include <cstdint>
#include <string>

namespace hv {

// MessageBox styles and answers, by their Windows values.
namespace mb {
inline constexpr std::uint32_t kOk = 0x0;
inline constexpr std::uint32_t kOkCancel = 0x1;
inline constexpr std::uint32_t kYesNo = 0x4;
inline constexpr std::uint32_t kIconQuestion = 0x20;
inline constexpr std::uint32_t kIconExclamation = 0x30;
inline constexpr std::uint32_t kIconInformation = 0x40;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual int messageBox(const std::string& text, const std::string& title,
                           std::uint32_t style) = 0;
};

}  // namespace hv
