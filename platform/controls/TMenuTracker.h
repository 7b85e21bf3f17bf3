#pragma once
// The one way a menu is shown: a list of entries in a pop-up window with its own modal loop,
// or, in tests, a responder owned by the application that is shown the entries and picks one.
#include <deque>
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/ui/TPopupWindow.h"

struct TMenuEntry {
    uint32_t Id = 0;
    std::string Text; // "Caption\tShortcut": the part after the tab is right-aligned
    bool Separator = false;
    bool Enabled = true;
    bool Checked = false;
};

// Shows the entries at a screen point and answers the index chosen, or -1 when dismissed.
int TrackMenu(const std::vector<TMenuEntry>& entries, int x, int y);

// The window of a tracked menu: Up and Down move over enabled entries, Enter or a click chooses,
// Escape or a click outside dismisses.
class TMenuWindow : public TPopupWindow {
public:
    TMenuWindow(TComponent* AOwner, const std::vector<TMenuEntry>& entries);

    int Hot() const { return hot_; }
    bool Finished() const { return finished_; }
    int Chosen() const { return chosen_; }
    int EntryAt(TPoint p) const;
    TRect EntryRect(int index) const;
    void Finish(int chosen);

    static constexpr int ItemHeight = 20;
    static constexpr int SeparatorHeight = 9;

protected:
    void Paint() override;
    void DefaultHandler(TMessage& message) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void MoveHot(int direction);

    std::vector<TMenuEntry> entries_;
    int hot_ = -1;
    int chosen_ = -1;
    bool finished_ = false;
};

// The test stand-in for the user in front of menus, owned by the application under a fixed name.
// Each menu shown is recorded; the next scripted choice picks an entry by its text (the part
// before any tab); a disabled entry or a dismissal answers -1. A menu without a scripted choice
// raises EHeadlessStall.
class TMenuResponder : public TComponent {
public:
    static constexpr const char* ComponentName = "MenuResponder";
    explicit TMenuResponder(TComponent* AOwner);

    void Choose(const std::string& text) { choices_.push_back(text); }
    void Dismiss() { choices_.push_back({}); }
    const std::vector<std::vector<TMenuEntry>>& Shown() const { return shown_; }
    int Respond(const std::vector<TMenuEntry>& entries);
    static TMenuResponder* Find();

private:
    std::deque<std::string> choices_;
    std::vector<std::vector<TMenuEntry>> shown_;
};
