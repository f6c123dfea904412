#pragma once
// The popup window: grows upward out of the bottom-right corner of the work area, stays for
// the display time and shrinks away; unloading raises Finished. Made by the notification queue
// for one request at a time.
#include <functional>
#include <memory>
#include <string>

#include "notify/notification_request.h"
#include "platform/platform.h"
#include "platform/ui/timer.h"
#include "platform/ui/ui.h"

namespace hv {

// The picture the popup shows when a request brings no icon: the program's icon resource.
inline const ui::Picture kBuiltInNotificationIcon{.file = {}, .resourceId = 1};

class FrmNotification {
  public:
    // Loads the window hidden, at its full height, above all other windows.
    FrmNotification(ui::Ui& ui, Platform& os);
    ~FrmNotification();
    FrmNotification(const FrmNotification&) = delete;
    FrmNotification& operator=(const FrmNotification&) = delete;

    // Shows the popup for a request: 10 twips high at the bottom of the work area, growing.
    void ShowNotification(const cNotificationRequest& request);
    // Replaces the content of the popup on screen; it grows again from its next tick.
    void UpdateNotification(const cNotificationRequest& request);
    const cNotificationRequest& NotificationRequest() const { return request_; }

    // A click on the description while the request enables it; the request's key.
    std::function<void(const std::string& key)> Clicked;
    // The window unloaded. The handler may destroy this object.
    std::function<void()> Finished;

  private:
    void ApplyRequest(const cNotificationRequest& request);
    void tmrPopupController_Timer();

    ui::Ui& ui_;
    Platform& os_;
    std::unique_ptr<ui::Form> form_;
    ui::Frame* shpBorder_ = nullptr;
    ui::Image* imgNotificationIcon_ = nullptr;
    ui::Label* lblTitle_ = nullptr;
    ui::Label* lblDescription_ = nullptr;
    ui::Timer tmrPopupController_;

    cNotificationRequest request_;
    int animationState_ = 0;  // 0 growing, 1 shown or shrinking
    int fullHeight_ = 0;
    int workAreaRight_ = 0;   // twips
    int workAreaBottom_ = 0;  // twips
    int displayTimeMs_ = 0;
};

}  // namespace hv
