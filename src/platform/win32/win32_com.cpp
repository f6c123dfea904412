#include "platform/win32/win32_com.h"

#include <objbase.h>

namespace hv::win32 {

ComApartment::ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComApartment::~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
}

std::wstring wideText(const std::string& text) {
    if (text.empty()) return {};
    int chars =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), chars);
    return wide;
}

std::string ansiText(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') return {};
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), bytes, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(bytes - 1));  // without the closing NUL
    return ansi;
}

}  // namespace hv::win32
