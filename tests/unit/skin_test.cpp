#include "ui/skin.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/sim/machine.h"
#include "platform/sim/sim_ui.h"

namespace hv {
namespace {

struct SkinCase {
    const char* label;
    std::string text;
    Skin expected;
};

Skin with(void (*change)(Skin&)) {
    Skin skin;
    change(skin);
    return skin;
}

TEST(SkinTest, ParsesWhatItCanAndKeepsDefaultsForTheRest) {
    const SkinCase cases[] = {
        {"empty file", "", Skin{}},
        {"hex colour", "window = #102030",
         with([](Skin& s) { s.window = ui::rgb(0x10, 0x20, 0x30); })},
        {"triple colour, key case and blanks", "  Accent=1, 2 ,3  ",
         with([](Skin& s) { s.accent = ui::rgb(1, 2, 3); })},
        {"font with size", "font = Segoe UI, 9", with([](Skin& s) {
             s.font = {"Segoe UI", 9, false, false};
         })},
        {"title font spelled three ways", "Title_Font = Verdana, 14, bold, italic",
         with([](Skin& s) {
             s.titleFont = {"Verdana", 14, true, true};
         })},
        {"font without a size keeps the size", "title font = Arial, bold", with([](Skin& s) {
             s.titleFont = {"Arial", 10, true, false};
         })},
        {"CR LF lines and comments", "# c\r\n; c\r\ntext = #000000\r\npanel=#FFFFFF\r\n",
         with([](Skin& s) {
             s.text = ui::rgb(0, 0, 0);
             s.panel = ui::rgb(255, 255, 255);
         })},
        {"malformed lines are skipped, good ones kept",
         "window\n= #112233\nframe = #12345\ntext = #GG0000\naccent = 1,2\n"
         "panel = 300, 0, 0\nfont = , 9\nfont = Arial, 200\nfont = Arial, 9, heavy\n"
         "unknown = 5\nframe = #0A0B0C",
         with([](Skin& s) { s.frame = ui::rgb(0x0A, 0x0B, 0x0C); })},
        {"a later line wins", "window = #000001\nwindow = #000002",
         with([](Skin& s) { s.window = ui::rgb(0, 0, 2); })},
        {"binary junk", std::string("\x01\xff=\x00==#", 8), Skin{}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSkin(c.text), c.expected) << c.label;
}

TEST(SkinTest, MissingFileGivesTheDefaults) {
    sim::Machine machine;
    EXPECT_EQ(LoadSkin(machine.files, SkinFilePath(machine.appFolder())), Skin{});
}

TEST(SkinTest, ShippedSkinReadsEveryLine) {
    std::ifstream in(std::string(HV_SOURCE_DIR) + "/packaging/app/skins/frmmain.skn");
    ASSERT_TRUE(in) << "packaging/app/skins/frmmain.skn is missing";
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> unread;
    ParseSkin(text.str(), &unread);
    EXPECT_TRUE(unread.empty()) << "first unread line: " << unread.front();
}

TEST(SkinTest, ReportsTheLinesItCouldNotRead) {
    std::vector<std::string> unread;
    ParseSkin("# comment\n\nwindow = #010203\nwindow\nfont = Arial, 900\nshadow = #000000\n",
              &unread);
    EXPECT_EQ(unread,
              (std::vector<std::string>{"window", "font = Arial, 900", "shadow = #000000"}));
}

TEST(SkinTest, ApplyGivesTheFormItsLookAndFramesTheirColours) {
    sim::Machine machine;
    sim::SimUi ui{machine.dialogs, machine.files};
    machine.addFiles(R"(C:\Program Files\Halvane\skins\frmmain.skn | text=font = Verdana, 9)");
    auto form = ui.createForm({.name = "frmTest", .caption = "Test"});
    ui::Frame& group = form->addFrame({.name = "Frame1", .caption = "Group"});
    ui::Frame& area = form->addFrame({.name = "Picture1", .border = false});
    area.addImage({.name = "Image1"});

    const Skin skin = LoadSkin(machine.files, SkinFilePath(machine.appFolder()));
    ApplySkin(skin, *form);

    auto& simForm = static_cast<sim::SimForm&>(*form);
    EXPECT_EQ(simForm.font, (ui::Font{"Verdana", 9, false, false}));
    EXPECT_EQ(simForm.backColor, skin.window);
    EXPECT_EQ(simForm.textColor, skin.text);
    EXPECT_EQ(simForm.titleFont, skin.titleFont);
    EXPECT_EQ(simForm.titleColor, skin.accent);
    EXPECT_EQ(static_cast<sim::SimFrame&>(group).textColor, skin.frame);
    EXPECT_EQ(static_cast<sim::SimFrame&>(area).backColor, skin.panel);
    EXPECT_EQ(simForm.find<sim::SimImage>("Image1").backColor, ui::kDefaultColor);
}

}  // namespace
}  // namespace hv
