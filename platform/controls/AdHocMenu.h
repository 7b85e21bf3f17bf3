#pragma once
// The platform-style menu calls of the memo: create a menu, insert entries by position, track it
// at a screen point (the chosen id arrives at the owner as WM_COMMAND), destroy it. A menu is a
// component the application owns until DestroyMenu frees it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/TMenuTracker.h"
#include "platform/core/TComponent.h"

class TWinControl;

enum : uint32_t {
    MF_STRING = 0x0000,
    MF_GRAYED = 0x0001,
    MF_DISABLED = 0x0002,
    MF_CHECKED = 0x0008,
    MF_BYPOSITION = 0x0400,
    MF_SEPARATOR = 0x0800,
};

class TAdHocMenu : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<TMenuEntry> Entries;
};

using HMENU = TAdHocMenu*;

// Raises EInvalidOperation when no application runs.
HMENU CreatePopupMenu();
// Inserts before 'position' (past the end appends); only positions are supported, so
// MF_BYPOSITION is implied.
bool InsertMenu(HMENU menu, int position, uint32_t flags, uint32_t id, const std::string& text);
// Runs the menu; the chosen entry's id is posted to 'owner' as WM_COMMAND. Answers whether an entry
// was chosen.
bool TrackPopupMenu(HMENU menu, uint32_t flags, int x, int y, TWinControl* owner);
bool DestroyMenu(HMENU menu);
