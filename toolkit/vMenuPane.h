#pragma once

#include <string>
#include <vector>

#include "toolkit/MenuSpec.h"
#include "toolkit/vPane.h"

// A window's menu bar built from a MenuSpec table: up to 20 drop-down records (the top-level
// menus and their cascades). The item tables stay the application's; the pane writes items'
// `state` and `label` back into them when they change.
class vMenuPane : public vPane {
public:
    static constexpr int kMaxRecords = 20;
    // Item text (label, blanks, TAB and key text) is cut to this many characters.
    static constexpr int kMaxItemText = 99;

    explicit vMenuPane(const MenuSpec* menuBar);
    ~vMenuPane() override;

    void InitPane(vWindow* window, vPaneHandle handle) override;
    bool PaneGetValue(int id, int& value) override;
    void PaneSetValue(int id, int value, int aspect) override;
    void PaneSetText(int id, const char* text) override;
    int PaneAccelerator(int key, int modifiers) const override;

    int RecordCount() const { return _recordCount; }
    int LastTopLevel() const { return _lastTopLevel; }
    const char* RecordLabel(int record) const;
    vMenuHandle RecordMenu(int record) const;
    // The text an item shows: its label and, when it has one, its key text after two blanks and
    // a TAB, cut to 99 characters.
    static std::string ItemText(const MenuSpec& item);

private:
    struct Node {
        int item;
        int cascade;
    };
    struct Record {
        const char* label = nullptr;
        MenuSpec* items = nullptr;
        std::vector<Node> nodes;
        vMenuHandle menu = nullptr;
    };

    void Fill(int record);
    void ApplyState(vMenuHandle menu, const MenuSpec& item) const;
    // Calls the function for every item with the id, in every record.
    template <typename F>
    void ForEachItem(int id, F&& f) const;

    Record _records[kMaxRecords];
    int _recordCount = 0;
    int _lastTopLevel = -1;
    vMenuHandle _menuBar = nullptr;
};
