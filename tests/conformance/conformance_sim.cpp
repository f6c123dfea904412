// The conformance suite against the simulated Windows.
#include "platform/sim/machine.h"
#include "test_machine.h"

namespace hv::conformance {

namespace {

class SimTestMachine final : public TestMachine {
  public:
    Platform platform() override { return machine_.platform(); }
    bool isWine() const override { return false; }
    // A scripted command runs for a couple of polls, as a real one takes a moment.
    void prepareCommand(const std::string& commandLine,
                        std::optional<std::uint32_t> exitCode) override {
        if (exitCode)
            machine_.process.script(commandLine, 2, *exitCode);
        else
            machine_.process.refuse(commandLine);
    }

  private:
    sim::Machine machine_;
};

}  // namespace

std::unique_ptr<TestMachine> makeTestMachine() {
    return std::make_unique<SimTestMachine>();
}

}  // namespace hv::conformance
