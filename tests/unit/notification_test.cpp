#include "notify/notification_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notify/frm_notification.h"
#include "platform/sim/machine.h"

namespace hv {
namespace {

using sim::SimForm;
using sim::SimLabel;

// The default sim screen: work area 1024 x 738 pixels at 15 twips a pixel.
constexpr int kWorkRight = 1024 * 15;
constexpr int kWorkBottom = 738 * 15;
constexpr int kFullHeight = 690;

class NotificationTest : public ::testing::Test {
  protected:
    NotificationTest() { notifications.start(); }

    void raise(const std::string& title, const std::string& description,
               bool queueSeparately = false, const std::string& key = "k",
               bool enableClickEvent = false, const std::string& sound = "") {
        notifications.RaiseNotification(key, title, description, queueSeparately, std::nullopt,
                                        enableClickEvent, sound);
    }
    SimForm& popup() { return machine.ui.form("frmNotification"); }
    std::string shownTitle() { return popup().find<SimLabel>("lblTitle").text(); }
    std::string shownDescription() { return popup().find<SimLabel>("lblDescription").text(); }
    int height() { return popup().bounds().height; }

    // Runs the clock in 5 ms steps for ms and notes each popup as it appears.
    struct Appearance {
        std::string description;
        std::uint64_t afterGoneMs;  // since the popup before it unloaded
    };
    std::vector<Appearance> watch(std::uint64_t ms) {
        std::vector<Appearance> seen;
        bool shown = notifications.popupShown();
        for (std::uint64_t step = 0; step < ms; step += 5) {
            machine.events.advance(5);
            if (notifications.popupShown() && !shown)
                seen.push_back({shownDescription(), machine.events.tickMs() - lastGone});
            if (!notifications.popupShown() && shown) lastGone = machine.events.tickMs();
            shown = notifications.popupShown();
        }
        return seen;
    }

    sim::Machine machine;
    Platform os = machine.platform();
    NotificationSystem notifications{machine.ui, os};

  private:
    std::uint64_t lastGone = 0;
};

TEST_F(NotificationTest, GrowsStaysAndShrinksInTwentyTwipSteps) {
    raise("Halvane", "Clean is done!");
    EXPECT_FALSE(notifications.popupShown());  // waits for the queue timer
    machine.events.advance(500);
    ASSERT_TRUE(notifications.popupShown());
    EXPECT_EQ(notifications.queuedCount(), 0u);
    SimForm& form = popup();
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(form.topmost());
    EXPECT_EQ(form.activations, 0);  // does not take the focus
    EXPECT_EQ(form.bounds().height, 10);
    EXPECT_EQ(form.bounds().top, kWorkBottom - 10);

    // Each 15 ms tick moves the top to the old height above the bottom and adds 20 twips.
    for (int tick = 1; tick <= 33; ++tick) {
        machine.events.advance(15);
        ASSERT_EQ(form.bounds().height, 10 + 20 * tick) << "tick " << tick;
        ASSERT_EQ(form.bounds().top, kWorkBottom - (10 + 20 * (tick - 1)));
    }
    machine.events.advance(15);
    EXPECT_EQ(form.bounds().height, kFullHeight);

    machine.events.advance(4999);
    EXPECT_EQ(form.bounds().height, kFullHeight);
    machine.events.advance(1);
    EXPECT_EQ(form.bounds().height, kFullHeight - 20);
    EXPECT_EQ(form.bounds().top, kWorkBottom - kFullHeight);
    for (int tick = 2; tick <= 33; ++tick) machine.events.advance(15);
    EXPECT_EQ(form.bounds().height, 30);
    EXPECT_TRUE(notifications.popupShown());

    // Below 20 twips the window unloads and Finished frees the slot.
    machine.events.advance(15);
    EXPECT_FALSE(notifications.popupShown());
    EXPECT_FALSE(machine.ui.hasForm("frmNotification"));
}

TEST_F(NotificationTest, QueueRules) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> raised;  // title, description, "sep" or ""
        std::string onScreenAfter;                     // description of the popup on screen
        std::vector<std::string> shownLater;           // descriptions, in order
    };
    const std::vector<Case> cases = {
        {"same title updates the popup on screen",
         {{"Halvane", "first"}, {"Halvane", "second"}, {"Halvane", "third"}},
         "third",
         {}},
        {"titles compare with case",
         {{"Halvane", "first"}, {"HALVANE", "second"}},
         "first",
         {"second"}},
        {"separately queued requests never update the popup",
         {{"Halvane", "first"}, {"Halvane", "second", "sep"}},
         "first",
         {"second"}},
        {"separately queued requests are keyed by description",
         {{"Halvane", "first"}, {"Run A", "done", "sep"}, {"Run B", "done", "sep"}},
         "first",
         {"done"}},
        {"a repeated key goes to the end",
         {{"Halvane", "first"}, {"A", "a1"}, {"B", "b"}, {"A", "a2"}},
         "first",
         {"b", "a2"}},
        {"queue keys ignore case",
         {{"Halvane", "first"}, {"Done", "x", "sep"}, {"Other", "y", "sep"}, {"Done", "X", "sep"}},
         "first",
         {"y", "X"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Machine local;
        Platform localOs = local.platform();
        NotificationSystem system(local.ui, localOs);
        system.start();
        bool first = true;
        for (const auto& r : c.raised) {
            system.RaiseNotification("k", r[0], r[1], r.size() > 2, std::nullopt, false, "");
            if (first) local.events.advance(500);  // the first one goes on screen
            first = false;
        }
        auto description = [&] {
            return local.ui.form("frmNotification").find<SimLabel>("lblDescription").text();
        };
        EXPECT_EQ(description(), c.onScreenAfter);
        EXPECT_EQ(system.queuedCount(), c.shownLater.size());
        std::vector<std::string> later;
        for (int ms = 0; ms < 40000; ms += 5) {
            const bool before = system.popupShown();
            local.events.advance(5);
            if (!before && system.popupShown()) later.push_back(description());
        }
        EXPECT_EQ(later, c.shownLater);
    }
}

TEST_F(NotificationTest, NextRequestShowsWithinHalfASecondOfTheLastOnesEnd) {
    raise("One", "first");
    raise("Two", "second");
    raise("Three", "third");
    EXPECT_EQ(notifications.queuedCount(), 3u);

    const std::vector<Appearance> seen = watch(25000);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].description, "first");
    EXPECT_EQ(seen[1].description, "second");
    EXPECT_EQ(seen[2].description, "third");
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GT(seen[i].afterGoneMs, 0u);
        EXPECT_LE(seen[i].afterGoneMs, 500u);
    }
    EXPECT_EQ(notifications.queuedCount(), 0u);
    EXPECT_FALSE(notifications.popupShown());
}

TEST_F(NotificationTest, UpdateGrowsAgainFromTheNextTick) {
    raise("Halvane", "first");
    machine.events.advance(500 + 510);  // full height at 1010 ms
    ASSERT_EQ(height(), kFullHeight);

    // Waiting out the display time: the text changes at once; the next tick (at 6010 ms)
    // grows it to full height again instead of shrinking, and the display time starts over.
    machine.events.advance(2000);
    raise("Halvane", "second");
    raise("Halvane", "third");
    EXPECT_EQ(shownDescription(), "third");
    EXPECT_EQ(notifications.queuedCount(), 0u);
    machine.events.advance(3000 + 15);
    EXPECT_EQ(height(), kFullHeight);
    machine.events.advance(4984);
    EXPECT_EQ(height(), kFullHeight);
    machine.events.advance(1);
    EXPECT_EQ(height(), kFullHeight - 20);  // shrinking now

    // While shrinking, an update turns it round at the next 15 ms tick.
    machine.events.advance(15 * 5);
    const int shrunk = height();
    raise("Halvane", "fourth");
    machine.events.advance(15);
    EXPECT_EQ(height(), shrunk + 20);
    EXPECT_EQ(popup().find<sim::SimFrame>("shpBorder").bounds().height, kFullHeight);
}

TEST_F(NotificationTest, ClickOnTheDescriptionShowsTheThanks) {
    struct Case {
        std::string key;
        bool enableClickEvent;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {"www", true, {"Tnank you for using our product Halvane"}},
        {"ALERT", true, {"Tnank you for using our product"}},
        {"MESSAGE", true, {"Tnank you for using our product"}},
        {"alert", true, {"Tnank you for using our product Halvane"}},
        {"www", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + (c.enableClickEvent ? " enabled" : " disabled"));
        sim::Machine local;
        Platform localOs = local.platform();
        NotificationSystem system(local.ui, localOs);
        system.start();
        system.RaiseNotification(c.key, "Halvane", "Clean is done!", true, std::nullopt,
                                 c.enableClickEvent, "");
        local.events.advance(600);
        SimForm& form = local.ui.form("frmNotification");
        form.find<SimLabel>("lblTitle").click();
        form.find<sim::SimImage>("imgNotificationIcon").click();
        form.find<sim::SimFrame>("shpBorder").click();
        form.find<SimLabel>("lblDescription").click();
        std::vector<std::string> texts;
        for (const auto& box : local.dialogs.shown) {
            texts.push_back(box.text);
            EXPECT_EQ(box.title, "Halvane");
            EXPECT_EQ(box.style, mb::kOk);
        }
        EXPECT_EQ(texts, c.texts);
        local.events.advance(15);
        EXPECT_GT(form.bounds().height, 100);  // the animation goes on
    }
}

// A user who reads the message box while the popup shrinks away and the next one comes and
// goes: the popup that was clicked must outlive its own click.
class SlowReaderUi : public sim::SimUi {
  public:
    explicit SlowReaderUi(sim::Machine& machine)
        : SimUi(machine.dialogs, machine.files), machine_(machine) {}
    int messageBox(ui::Form* owner, const std::string& text, const std::string& title,
                   std::uint32_t style) override {
        machine_.events.advance(20000);
        return SimUi::messageBox(owner, text, title, style);
    }

  private:
    sim::Machine& machine_;
};

TEST_F(NotificationTest, PopupFinishingUnderItsOwnMessageBoxIsSafe) {
    SlowReaderUi slowUi(machine);
    NotificationSystem system(slowUi, os);
    system.start();
    system.RaiseNotification("www", "Halvane", "first", false, std::nullopt, true, "");
    system.RaiseNotification("www", "Other", "second", false, std::nullopt, true, "");
    machine.events.advance(600);
    slowUi.form("frmNotification").find<SimLabel>("lblDescription").click();
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_FALSE(system.popupShown());  // both have come and gone meanwhile
    EXPECT_EQ(system.queuedCount(), 0u);
    system.RaiseNotification("www", "Third", "third", false, std::nullopt, true, "");
    machine.events.advance(600);
    EXPECT_TRUE(system.popupShown());
}

TEST_F(NotificationTest, WidthFollowsTheDescriptionAndTheRightEdgeStays) {
    struct Case {
        int twipsPerPixel;
        ui::PixelRect workArea;
        std::size_t descriptionChars;
    };
    const std::vector<Case> cases = {
        {15, {0, 0, 1024, 738}, 20},
        {15, {0, 0, 1024, 738}, 90},
        {12, {0, 0, 1280, 984}, 90},
        {15, {0, 0, 1200, 768}, 5},  // task bar at the right
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.twipsPerPixel) + " twips, " +
                     std::to_string(c.descriptionChars) + " characters");
        sim::Machine local;
        local.ui.twipsPerPixel = c.twipsPerPixel;
        local.ui.setWorkArea(c.workArea);
        Platform localOs = local.platform();
        NotificationSystem system(local.ui, localOs);
        system.start();
        system.RaiseNotification("k", "Halvane", std::string(c.descriptionChars, 'x'), false,
                                 std::nullopt, false, "");
        local.events.advance(500 + 600);
        const ui::Rect window = local.ui.form("frmNotification").bounds();
        // The description starts 720 twips in; 7 pixels a character in the sim; 10 pixels room.
        const int widthPx = 720 / c.twipsPerPixel + 7 * static_cast<int>(c.descriptionChars) + 10;
        EXPECT_EQ(window.width, widthPx * c.twipsPerPixel);
        EXPECT_EQ(window.right(), c.workArea.right * c.twipsPerPixel - 100);
        // Grown from the bottom edge, the last step leaves it 20 twips below it.
        EXPECT_EQ(window.bottom(), c.workArea.bottom * c.twipsPerPixel + 20);
    }
}

TEST_F(NotificationTest, SoundPlaysOncePerPopupAndIconFollowsTheRequest) {
    const std::string chime = R"(C:\Program Files\Halvane\Sounds\Message.wav)";
    const ui::Picture own{.file = R"(C:\pictures\done.ico)"};
    notifications.RaiseNotification("k", "Halvane", "first", false, own, false, chime);
    raise("Other", "second");  // no sound
    machine.events.advance(500);
    auto& icon = popup().find<sim::SimImage>("imgNotificationIcon");
    EXPECT_EQ(icon.picture, own);
    raise("Halvane", "update", false, "k", false, chime);  // updates play nothing
    EXPECT_EQ(icon.picture, kBuiltInNotificationIcon);
    EXPECT_EQ(machine.ui.soundsPlayed, std::vector<std::string>{chime});
    machine.events.advance(12000);
    EXPECT_EQ(shownDescription(), "second");
    EXPECT_EQ(machine.ui.soundsPlayed, std::vector<std::string>{chime});
}

TEST_F(NotificationTest, PopupClosedOtherwiseFreesTheSlot) {
    raise("One", "first");
    raise("Two", "second");
    machine.events.advance(500);
    popup().endSession();
    EXPECT_FALSE(notifications.popupShown());
    machine.events.advance(500);
    EXPECT_EQ(shownDescription(), "second");
}

TEST_F(NotificationTest, RemoveQueuedNotificationIgnoresMissingKeys) {
    raise("One", "first");
    raise("Two", "second");
    notifications.RemoveQueuedNotification("nothing");
    EXPECT_EQ(notifications.queuedCount(), 2u);
    notifications.RemoveQueuedNotification("One");
    machine.events.advance(500);
    EXPECT_EQ(shownDescription(), "second");
}

}  // namespace
}  // namespace hv
