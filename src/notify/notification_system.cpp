#include "notify/notification_system.h"

#include <list>
#include <utility>
#include <vector>

#include "notify/frm_notification.h"
#include "notify/notification_request.h"
#include "platform/text.h"
#include "platform/ui/timer.h"

namespace hv {
namespace {

constexpr std::uint32_t kQueueTickMs = 500;
const char* const kApplicationTitle = "Halvane";
const char* const kThanks = "Tnank you for using our product";

struct QueueEntry {
    std::string key;
    cNotificationRequest request;
};

// Keys of the queue match without regard to case, as keys of a keyed collection do.
bool SameQueueKey(const std::string& a, const std::string& b) {
    return toLower(a) == toLower(b);
}

}  // namespace

struct NotificationSystem::State {
    State(ui::Ui& ui, Platform& os) : ui(ui), os(os) {}

    void tmrShowPopup_Timer();
    void m_NotificationWindow_Clicked(const std::string& key);
    void m_NotificationWindow_Finished();

    ui::Ui& ui;
    Platform& os;
    std::list<QueueEntry> queue;
    std::unique_ptr<FrmNotification> m_NotificationWindow;
    // Popups that have unloaded wait here until no click handler of theirs is running (a
    // message box shown from a click keeps the timers going, so a popup can finish under it).
    std::vector<std::unique_ptr<FrmNotification>> finished;
    int clicksRunning = 0;
    // Last, so that it stops before the popups go.
    ui::Timer tmrShowPopup{os.events, {.intervalMs = kQueueTickMs, .enabled = false}};
};

NotificationSystem::NotificationSystem(ui::Ui& ui, Platform& os)
    : state_(std::make_unique<State>(ui, os)) {
    state_->tmrShowPopup.onTick = [state = state_.get()] { state->tmrShowPopup_Timer(); };
}

NotificationSystem::~NotificationSystem() = default;

void NotificationSystem::start() {
    state_->tmrShowPopup.setEnabled(true);
}

void NotificationSystem::RaiseNotification(const std::string& key, const std::string& title,
                                           const std::string& description, bool queueSeparately,
                                           std::optional<ui::Picture> icon, bool enableClickEvent,
                                           const std::string& soundFile) {
    cNotificationRequest request{.Key = key,
                                 .Icon = std::move(icon),
                                 .Title = title,
                                 .Description = description,
                                 .EnableClickEvent = enableClickEvent,
                                 .SoundFileLocation = soundFile};
    FrmNotification* onScreen = state_->m_NotificationWindow.get();
    if (onScreen != nullptr && !queueSeparately && onScreen->NotificationRequest().Title == title) {
        onScreen->UpdateNotification(request);
        return;
    }
    const std::string queueKey = queueSeparately ? description : title;
    RemoveQueuedNotification(queueKey);
    state_->queue.push_back({queueKey, std::move(request)});
}

void NotificationSystem::RemoveQueuedNotification(const std::string& queueKey) {
    state_->queue.remove_if(
        [&](const QueueEntry& entry) { return SameQueueKey(entry.key, queueKey); });
}

std::size_t NotificationSystem::queuedCount() const {
    return state_->queue.size();
}

bool NotificationSystem::popupShown() const {
    return state_->m_NotificationWindow != nullptr;
}

void NotificationSystem::State::tmrShowPopup_Timer() {
    if (clicksRunning == 0) finished.clear();
    if (queue.empty() || m_NotificationWindow) return;
    // Taken off the queue before the popup shows: showing lets events run, and a request
    // raised meanwhile must not be the one removed.
    cNotificationRequest request = std::move(queue.front().request);
    queue.pop_front();
    m_NotificationWindow = std::make_unique<FrmNotification>(ui, os);
    m_NotificationWindow->Clicked = [this](const std::string& key) {
        m_NotificationWindow_Clicked(key);
    };
    m_NotificationWindow->Finished = [this] { m_NotificationWindow_Finished(); };
    m_NotificationWindow->ShowNotification(request);
}

void NotificationSystem::State::m_NotificationWindow_Clicked(const std::string& key) {
    std::string text = kThanks;
    if (key != "ALERT" && key != "MESSAGE") text += std::string(" ") + kApplicationTitle;
    ++clicksRunning;
    ui.messageBox(nullptr, text, kApplicationTitle, mb::kOk);
    --clicksRunning;
}

void NotificationSystem::State::m_NotificationWindow_Finished() {
    if (m_NotificationWindow) finished.push_back(std::move(m_NotificationWindow));
}

void PlayNotificationSound(ui::Ui& ui, const std::string& file) {
    if (!file.empty()) ui.playSound(file);
}

void MakeTopmost(ui::Form& window) {
    window.setTopmost(true);
}

}  // namespace hv
