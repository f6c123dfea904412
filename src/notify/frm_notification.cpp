#include "notify/frm_notification.h"

#include <algorithm>

#include "notify/notification_system.h"
#include "ui/skin.h"

namespace hv {
namespace {

constexpr int kDesignedWidth = 3300;
constexpr int kDesignedHeight = 690;
constexpr int kTextLeft = 720;
constexpr int kStepTwips = 20;
constexpr std::uint32_t kStepMs = 15;
constexpr std::uint32_t kDisplayTimeMs = 5000;
// Gap between the popup's right edge and the work area's right edge.
constexpr int kRightGap = 100;
// Pixels of room right of the description.
constexpr int kTextRoomPx = 10;

}  // namespace

FrmNotification::FrmNotification(ui::Ui& ui, Platform& os)
    : ui_(ui), os_(os), tmrPopupController_(os.events, {.intervalMs = kStepMs, .enabled = false}) {
    displayTimeMs_ = kDisplayTimeMs;
    const ui::PixelRect area = ui.workArea();
    workAreaRight_ = ui::toTwips(area.right, ui.twipsPerPixelX());
    workAreaBottom_ = ui::toTwips(area.bottom, ui.twipsPerPixelY());

    form_ = ui.createForm({.name = "frmNotification",
                           .caption = "",
                           .clientWidth = kDesignedWidth,
                           .clientHeight = kDesignedHeight,
                           .position = ui::Point{workAreaRight_ - (kDesignedWidth + kRightGap),
                                                 workAreaBottom_ - kDesignedHeight},
                           .border = ui::BorderStyle::None,
                           .minButton = false,
                           .showInTaskbar = false,
                           .activateOnShow = false});
    // The border holds the controls, so it is drawn beneath them.
    shpBorder_ = &form_->addFrame(
        {.name = "shpBorder", .bounds = {0, 0, kDesignedWidth, kDesignedHeight}, .border = true});
    imgNotificationIcon_ = &shpBorder_->addImage({.name = "imgNotificationIcon",
                                                  .bounds = {120, 120, 480, 480},
                                                  .picture = kBuiltInNotificationIcon});
    lblTitle_ = &shpBorder_->addLabel({.name = "lblTitle",
                                       .bounds = {kTextLeft, 120, 2460, 195},
                                       .autoSize = true,
                                       .title = true});
    lblDescription_ = &shpBorder_->addLabel(
        {.name = "lblDescription", .bounds = {kTextLeft, 360, 2460, 195}, .autoSize = true});

    const Skin skin = LoadSkin(os.files, SkinFilePath(os.system.applicationFolder()));
    ApplySkin(skin, *form_);
    const int sizePt = skin.font.sizePt > 0 ? skin.font.sizePt : 8;
    form_->setFont({.name = "Tahoma", .sizePt = sizePt});
    lblTitle_->setFont({.name = "Tahoma", .sizePt = sizePt, .bold = true});
    lblDescription_->setFont({.name = "Tahoma", .sizePt = sizePt});

    MakeTopmost(*form_);
    fullHeight_ = form_->bounds().height;

    lblDescription_->onClick = [this] {
        if (!request_.EnableClickEvent || !Clicked) return;
        const auto clicked = Clicked;
        const std::string key = request_.Key;
        clicked(key);
    };
    tmrPopupController_.onTick = [this] { tmrPopupController_Timer(); };
    form_->onCloseRequest = [this](ui::CloseReason, bool&) {
        tmrPopupController_.setEnabled(false);
    };
    form_->onClosed = [this] {
        tmrPopupController_.setEnabled(false);
        const auto finished = Finished;  // the handler may destroy this window
        if (finished) finished();
    };
}

FrmNotification::~FrmNotification() {
    form_->onCloseRequest = nullptr;
    form_->onClosed = nullptr;
}

void FrmNotification::ShowNotification(const cNotificationRequest& request) {
    request_ = request;
    ApplyRequest(request_);
    const int width = form_->bounds().width;
    form_->setBounds({workAreaRight_ - (width + kRightGap), workAreaBottom_ - 10, width, 10});
    form_->show();
    os_.events.doEvents();
    animationState_ = 0;
    tmrPopupController_.setEnabled(true);
    PlayNotificationSound(ui_, request_.SoundFileLocation);
}

void FrmNotification::UpdateNotification(const cNotificationRequest& request) {
    request_ = request;
    ApplyRequest(request_);
    animationState_ = 0;
    // A running timer keeps its interval: a popup waiting out its display time grows again
    // only at its next tick.
    tmrPopupController_.setEnabled(true);
}

void FrmNotification::ApplyRequest(const cNotificationRequest& request) {
    lblTitle_->setText(request.Title);
    lblDescription_->setText(request.Description);
    // A request without an icon shows the built-in one, also after a request that had one.
    imgNotificationIcon_->setPicture(
        request.Icon && !request.Icon->empty() ? *request.Icon : kBuiltInNotificationIcon);

    // As wide as the description reaches, measured in whole pixels.
    const int perPixel = ui_.twipsPerPixelX();
    const ui::Rect text = lblDescription_->bounds();
    const int widthPx =
        ui::toPixels(text.left, perPixel) + ui::toPixels(text.width, perPixel) + kTextRoomPx;
    ui::Rect window = form_->bounds();
    window.width = ui::toTwips(widthPx, perPixel);
    window.left = workAreaRight_ - (window.width + kRightGap);
    form_->setBounds(window);

    // The border takes the full height whatever the height is mid-animation, since it also
    // holds the controls.
    shpBorder_->setBounds({0, 0, form_->clientWidth(), fullHeight_});
}

void FrmNotification::tmrPopupController_Timer() {
    ui::Rect window = form_->bounds();
    const int height = window.height;
    window.top = workAreaBottom_ - height;
    if (animationState_ == 0) {
        window.height = height + kStepTwips;
        if (window.height >= fullHeight_) {
            window.height = fullHeight_;
            animationState_ = 1;
            form_->setBounds(window);
            tmrPopupController_.setInterval(displayTimeMs_);
            return;
        }
        form_->setBounds(window);
        return;
    }
    tmrPopupController_.setInterval(kStepMs);
    window.height = std::max(0, height - kStepTwips);
    form_->setBounds(window);
    if (window.height < kStepTwips) form_->close();  // may destroy this window
}

}  // namespace hv
