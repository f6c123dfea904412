#pragma once
// Windows version, folders, environment variables (names without regard to case) and the clock.
#include <map>
#include <string>

#include "platform/sim/sim_clock.h"
#include "platform/system.h"

namespace hv::sim {

class SimSystem : public System {
  public:
    explicit SimSystem(SimClock& clock) : clock_(clock) {}

    int windowsMajor() override { return major; }
    int windowsMinor() override { return minor; }
    std::string windowsDirectory(std::size_t bufferChars) override;
    std::optional<std::string> environment(const std::string& name) override;
    std::string applicationFolder() override { return appFolder; }
    LocalTime now() override { return clock_.now(); }

    void setEnvironment(const std::string& name, const std::string& value);
    void clearEnvironment(const std::string& name);

    int major = 6;
    int minor = 1;
    std::string windowsFolder = "C:\\Windows";
    std::string appFolder = "C:\\Program Files\\Halvane";

  private:
    SimClock& clock_;
    std::map<std::string, std::string> environment_;  // keyed by lower-case name
};

}  // namespace hv::sim
