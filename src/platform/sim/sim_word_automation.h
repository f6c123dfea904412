#pragma once
// Word as a test configures it: a version text, or absent.
#include <optional>
#include <string>

#include "platform/word_automation.h"

namespace hv::sim {

class SimWordAutomation : public WordAutomation {
  public:
    std::optional<std::string> version() override {
        ++started;
        return installedVersion;
    }

    std::optional<std::string> installedVersion;  // nothing: Word is not installed
    int started = 0;
};

}  // namespace hv::sim
