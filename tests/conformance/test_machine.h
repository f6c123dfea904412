#pragma once
// The machine the conformance suite runs against: the simulated Windows in the native build,
// the real one (or Wine) in the Windows build. The suite is written once, against Platform.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace hv::conformance {

class TestMachine {
  public:
    virtual ~TestMachine() = default;

    virtual Platform platform() = 0;
    // Wine differs from Windows in a few measured ways; the checks that meet them relax.
    virtual bool isWine() const = 0;
    // Makes the command line, once started, end with the exit code; without one, makes it a
    // command that cannot be started. The real Windows needs no preparing.
    virtual void prepareCommand(const std::string& commandLine,
                                std::optional<std::uint32_t> exitCode) = 0;
};

// One fresh machine; each build links the one factory that fits it.
std::unique_ptr<TestMachine> makeTestMachine();

}  // namespace hv::conformance
