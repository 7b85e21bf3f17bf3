#include "platform/controls/AdHocMenu.h"

#include <algorithm>

#include "platform/core/WeakRef.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TWinControl.h"

HMENU CreatePopupMenu()
{
    if (!Application)
        throw EInvalidOperation("A menu needs a running application");
    return CreateOwned<TAdHocMenu>(*Application);
}

bool InsertMenu(HMENU menu, int position, uint32_t flags, uint32_t id, const std::string& text)
{
    if (!menu)
        return false;
    TMenuEntry e;
    e.Id = id;
    e.Separator = (flags & MF_SEPARATOR) != 0;
    e.Text = e.Separator ? std::string() : text;
    e.Enabled = !(flags & (MF_GRAYED | MF_DISABLED));
    e.Checked = (flags & MF_CHECKED) != 0;
    const auto at = std::clamp(position < 0 ? static_cast<int>(menu->Entries.size()) : position, 0,
                               static_cast<int>(menu->Entries.size()));
    menu->Entries.insert(menu->Entries.begin() + at, e);
    return true;
}

bool TrackPopupMenu(HMENU menu, uint32_t, int x, int y, TWinControl* owner)
{
    if (!menu)
        return false;
    TWeakRef<TComponent> ownerRef(owner);
    const std::vector<TMenuEntry> entries = menu->Entries;
    const int chosen = TrackMenu(entries, x, y);
    if (chosen < 0)
        return false;
    if (auto* target = dynamic_cast<TWinControl*>(ownerRef.Get()); target && Application)
        Application->PostMessage(target->Handle(), WM_COMMAND, entries[static_cast<size_t>(chosen)].Id, 0);
    return true;
}

bool DestroyMenu(HMENU menu)
{
    if (!menu)
        return false;
    TComponent::Free(menu);
    return true;
}
