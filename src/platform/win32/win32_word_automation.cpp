#include "platform/win32/win32_word_automation.h"

#include <windows.h>

#include <oleauto.h>

#include "platform/win32/win32_com.h"

namespace hv::win32 {

namespace {

// Invokes one member by name with no arguments; the result lands in `result` when given.
HRESULT invoke(IDispatch* object, const wchar_t* member, WORD kind, VARIANT* result) {
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT hr = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    DISPPARAMS none{};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &none, result, nullptr, nullptr);
}

}  // namespace

// Without Word the program identifier is not registered (REGDB_E_CLASSNOTREG or
// CO_E_CLASSSTRING), and that is the answer "no Word", not a failure.
std::optional<std::string> Win32WordAutomation::version() {
    ComApartment apartment;
    // A thread already in the multi-threaded apartment can use COM all the same.
    if (!apartment.ready() && apartment.result() != RPC_E_CHANGED_MODE) return std::nullopt;
    CLSID word{};
    if (FAILED(CLSIDFromProgID(L"Word.Application.8", &word))) return std::nullopt;
    IDispatch* application = nullptr;
    if (FAILED(CoCreateInstance(word, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&application)))) {
        return std::nullopt;
    }
    // A Word that does not tell its version still counts as present, with a version text that
    // names no Office.
    std::optional<std::string> found = "0";
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(invoke(application, L"Version", DISPATCH_PROPERTYGET, &value)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR))) {
        found = ansiText(value.bstrVal);
    }
    VariantClear(&value);
    // Word started for the question is ended again, whatever the answer was.
    invoke(application, L"Quit", DISPATCH_METHOD, nullptr);
    application->Release();
    return found;
}

}  // namespace hv::win32
