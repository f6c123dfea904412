#pragma once
// One popup message: what the caller asked for, kept by the queue until a popup shows it.
#include <optional>
#include <string>

#include "platform/ui/geometry.h"

namespace hv {

struct cNotificationRequest {
    // The caller's identifier, handed back by the popup's Clicked event.
    std::string Key;
    // Replaces the popup's built-in icon when set.
    std::optional<ui::Picture> Icon;
    std::string Title;
    std::string Description;
    // A click on the description raises Clicked.
    bool EnableClickEvent = false;
    // The wave file played when the popup is shown; empty plays nothing.
    std::string SoundFileLocation;
};

}  // namespace hv
