#pragma once
// What the COM-based parts share: the apartment of the calling thread and the conversions
// between the program's ANSI text and the wide text COM speaks.
#include <windows.h>

#include <string>

namespace hv::win32 {

// Joins the calling thread to a single-threaded apartment for as long as it lives; a thread
// that has one already just gets another reference to it.
class ComApartment {
  public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool ready() const { return SUCCEEDED(result_); }
    HRESULT result() const { return result_; }

  private:
    HRESULT result_;
};

std::wstring wideText(const std::string& text);
std::string ansiText(const wchar_t* text);

}  // namespace hv::win32
