#pragma once
// Microsoft Word's automation object "Word.Application.8", reached by late-bound calls.
// Implemented by SimWordAutomation and Win32WordAutomation.
#include <optional>
#include <string>

namespace hv {

class WordAutomation {
  public:
    virtual ~WordAutomation() = default;

    // Creates the object, reads its "Version", calls "Quit" and releases it. Nothing when the
    // object cannot be created (Word missing or not startable); "0" when Word does not answer
    // the version.
    virtual std::optional<std::string> version() = 0;
};

}  // namespace hv
