#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/CommandIds.h"
#include "toolkit/MenuSpec.h"
#include "toolkit/platform/vMenuPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vMenuPane.h"

namespace {

// Menus as numbered handles; every call is kept as text.
class RecordingMenus : public vWindowPlatform, public vMenuPlatform {
public:
    std::vector<std::string> calls;
    int made = 0;

    static int N(vMenuHandle menu) { return static_cast<int>(reinterpret_cast<intptr_t>(menu)); }

    vMenuHandle CreateMenu() override { return reinterpret_cast<vMenuHandle>(intptr_t{++made}); }
    void AppendMenuItem(vMenuHandle menu, int id, const char* label) override {
        calls.push_back(std::to_string(N(menu)) + " item " + std::to_string(id) + " " + label);
    }
    void AppendMenuSeparator(vMenuHandle menu) override {
        calls.push_back(std::to_string(N(menu)) + " separator");
    }
    void AppendSubmenu(vMenuHandle menu, vMenuHandle submenu, const char* label) override {
        calls.push_back(std::to_string(N(menu)) + " popup " + std::to_string(N(submenu)) + " " +
                        label);
    }
    void DestroyMenu(vMenuHandle menu) override {
        calls.push_back("destroy " + std::to_string(N(menu)));
    }
    void SetMenuItemChecked(vMenuHandle menu, int id, bool on) override {
        calls.push_back(std::to_string(N(menu)) + " check " + std::to_string(id) + " " +
                        std::to_string(on));
    }
    void SetMenuItemEnabled(vMenuHandle menu, int id, bool on) override {
        calls.push_back(std::to_string(N(menu)) + " enable " + std::to_string(id) + " " +
                        std::to_string(on));
    }
    void SetMenuItemText(vMenuHandle menu, int id, const char* text) override {
        calls.push_back(std::to_string(N(menu)) + " text " + std::to_string(id) + " " + text);
    }
    std::vector<std::string> Matching(const std::string& part) const {
        std::vector<std::string> found;
        for (const std::string& call : calls) {
            if (call.find(part) != std::string::npos) {
                found.push_back(call);
            }
        }
        return found;
    }

private:
    vPlatformOverride<vWindowPlatform> _windowsInstalled{&vPlatform::windows, this};
    vPlatformOverride<vMenuPlatform> _menusInstalled{&vPlatform::menus, this};
};

MenuSpec Item(const char* label, int id, int state = MenuEnabled, const char* keyText = nullptr,
              int keyCode = 0, MenuSpec* submenu = nullptr, int modifiers = 0) {
    return {label, id, state, keyText, keyCode, submenu, modifiers};
}

const MenuSpec kEnd = {};

}  // namespace

TEST(MenuPane, BuildsDropDownsSeparatorsKeyTextAndTheWindowMenu) {
    RecordingMenus menus;
    MenuSpec cascade[] = {Item("&Deep", 31), kEnd};
    MenuSpec file[] = {Item("&Open", 11, MenuEnabled, "Ctrl+O", 15), Item("ignored", IdSeparator),
                       Item("&More", 0, MenuEnabled, nullptr, 0, cascade),
                       Item("&Grid", 12, MenuChecked), kEnd};
    MenuSpec empty[] = {kEnd};
    MenuSpec bar[] = {Item("&File", 0, 0, nullptr, 0, file),
                      Item("&Empty", 0, 0, nullptr, 0, empty), kEnd};
    vMenuPane pane(bar);
    pane.InitPane(nullptr, reinterpret_cast<vMenuHandle>(intptr_t{100}));
    EXPECT_EQ(pane.RecordCount(), 4) << "File, Empty, Window and the cascade";
    EXPECT_EQ(pane.LastTopLevel(), 2);
    EXPECT_STREQ(pane.RecordLabel(2), "&Window");
    EXPECT_EQ(menus.Matching(" item ")[0], "1 item 11 &Open  \tCtrl+O");
    EXPECT_EQ(menus.Matching("separator").size(), 1u);
    EXPECT_EQ(menus.Matching(" popup "),
              (std::vector<std::string>{"1 popup 2 &More", "100 popup 1 &File",
                                        "100 popup 3 &Empty", "100 popup 4 &Window"}));
    EXPECT_EQ(menus.Matching("3 item").size(), 0u) << "an empty drop-down";
    EXPECT_EQ(menus.Matching("12 "),
              (std::vector<std::string>{"1 item 12 &Grid", "1 check 12 1", "1 enable 12 0"}));
    EXPECT_EQ(menus.Matching("4 item").size(), 3u);
}

TEST(MenuPane, ItemTextIsCutAtNinetyNineCharacters) {
    const std::string label(90, 'L');
    MenuSpec item = Item(label.c_str(), 1, MenuEnabled, "Ctrl+Shift+F12");
    const std::string text = vMenuPane::ItemText(item);
    EXPECT_EQ(text.size(), 99u);
    EXPECT_EQ(text.substr(90, 3), "  \t");
}

TEST(MenuPane, CascadesBeyondTwentyRecordsAreLeftOut) {
    RecordingMenus menus;
    MenuSpec loop[] = {Item("&Again", 0, MenuEnabled, nullptr, 0, nullptr), Item("Leaf", 5), kEnd};
    loop[0].submenu = loop;  // a menu that contains itself ends at the record limit
    MenuSpec bar[] = {Item("&Loop", 0, 0, nullptr, 0, loop), kEnd};
    vMenuPane pane(bar);
    pane.InitPane(nullptr, nullptr);
    EXPECT_EQ(pane.RecordCount(), vMenuPane::kMaxRecords);
    EXPECT_EQ(pane.RecordMenu(vMenuPane::kMaxRecords), nullptr);
}

TEST(MenuPane, ChangesReachEveryItemWithTheIdAndTheTable) {
    RecordingMenus menus;
    MenuSpec edit[] = {Item("&Undo", 7, MenuEnabled, "Ctrl+Z", 26), kEnd};
    MenuSpec view[] = {Item("&Undo too", 7, MenuEnabled | MenuChecked), kEnd};
    MenuSpec bar[] = {Item("&Edit", 0, 0, nullptr, 0, edit), Item("&View", 0, 0, nullptr, 0, view),
                      kEnd};
    vMenuPane pane(bar);
    pane.InitPane(nullptr, nullptr);
    menus.calls.clear();
    pane.PaneSetValue(7, 0, AspectEnabled);
    EXPECT_EQ(edit[0].state, 0);
    EXPECT_EQ(view[0].state, MenuChecked);
    pane.PaneSetValue(7, 1, AspectValue);
    EXPECT_EQ(edit[0].state, MenuChecked);
    pane.PaneSetValue(7, 0, AspectHidden);
    EXPECT_EQ(edit[0].state, MenuChecked) << "other aspects are ignored";
    int value = 0;
    EXPECT_TRUE(pane.PaneGetValue(7, value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(pane.PaneGetValue(8, value));
    menus.calls.clear();
    pane.PaneSetText(7, "&Redo");
    EXPECT_STREQ(edit[0].label, "&Redo");
    EXPECT_EQ(menus.Matching("1 "),
              (std::vector<std::string>{"1 text 7 &Redo", "1 check 7 1", "1 enable 7 0"}))
        << "the key text goes, the state stays";
}

TEST(MenuPane, AcceleratorsNeedTheExactModifiersAndAnEnabledItem) {
    RecordingMenus menus;
    MenuSpec items[] = {Item("&Save", 1, MenuEnabled, "Ctrl+S", 19),
                        Item("Save &as", 2, MenuEnabled, "Shift+Ctrl+S", 19, nullptr, ModShift),
                        Item("&Help", 3, 0, "F1", 0xFFC1),
                        Item("Tab back", 4, MenuEnabled, "", 0xFF09, nullptr, ModShift), kEnd};
    MenuSpec bar[] = {Item("&File", 0, 0, nullptr, 0, items), kEnd};
    vMenuPane pane(bar);
    pane.InitPane(nullptr, nullptr);
    const struct {
        int key;
        int modifiers;
        int id;
    } cases[] = {{19, 0, 1},     {19, ModShift, 2},     {19, ModControl, 0},
                 {0xFFC1, 0, 0}, {0xFF09, ModShift, 4}, {0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(pane.PaneAccelerator(c.key, c.modifiers), c.id) << c.key << "/" << c.modifiers;
    }
}
