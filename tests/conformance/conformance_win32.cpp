// The conformance suite against the real Windows API.
#include <windows.h>

#include "platform/win32/win32_machine.h"
#include "test_machine.h"

namespace hv::conformance {

namespace {

bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class Win32TestMachine final : public TestMachine {
  public:
    Platform platform() override { return machine_.platform(); }
    bool isWine() const override { return wine_; }
    void prepareCommand(const std::string&, std::optional<std::uint32_t>) override {}

  private:
    win32::Win32Machine machine_;
    bool wine_ = runningUnderWine();
};

}  // namespace

std::unique_ptr<TestMachine> makeTestMachine() {
    return std::make_unique<Win32TestMachine>();
}

}  // namespace hv::conformance
