#pragma once
// Message boxes answered from a queue the test fills; every box is recorded.
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace hv::sim {

struct ShownBox {
    std::string text;
    std::string title;
    std::uint32_t style = 0;
};

class SimDialogs : public Dialogs {
  public:
    int messageBox(const std::string& text, const std::string& title, std::uint32_t style) override;

    // Answers for the next boxes, in order. An unanswered box takes its first button.
    std::deque<int> answers;
    std::vector<ShownBox> shown;
};

}  // namespace hv::sim
