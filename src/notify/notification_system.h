#pragma once
// Queued popup messages: the request entry of mNotificationSystem, the main window's queue with
// its 500 ms timer tmrShowPopup, the one popup slot (m_NotificationWindow) and the main window's
// handlers of the popup's Clicked and Finished events. The main window owns one.
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/ui/geometry.h"
#include "platform/ui/ui.h"

namespace hv {

class NotificationSystem {
  public:
    // Creates the empty queue; the queue timer starts with start().
    NotificationSystem(ui::Ui& ui, Platform& os);
    ~NotificationSystem();

    // Starts tmrShowPopup (500 ms).
    void start();
    // Builds a request and updates the popup on screen or queues it.
    void RaiseNotification(const std::string& key, const std::string& title,
                           const std::string& description, bool queueSeparately,
                           std::optional<ui::Picture> icon, bool enableClickEvent,
                           const std::string& soundFile);
    // Removes the queued request with that queue key; a missing one is ignored.
    void RemoveQueuedNotification(const std::string& queueKey);

    // For tests and the main window: requests waiting, and whether a popup is on screen.
    std::size_t queuedCount() const;
    bool popupShown() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// The small platform wrappers of mNotificationSystem.
// Plays a wave file without waiting and without the default sound; an empty path plays nothing.
void PlayNotificationSound(ui::Ui& ui, const std::string& file);
// Keeps the window above all other windows.
void MakeTopmost(ui::Form& window);

}  // namespace hv
