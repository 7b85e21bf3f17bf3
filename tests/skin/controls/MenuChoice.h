#pragma once
// Chooses an entry of a form's menu bar as a user does: a click on its top-level item, then a
// click on its row in each dropdown that opens, read from the open dropdown's own view.
#include <stdexcept>
#include <vector>

#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "skin/controls/TTeMenuBar.h"

// The shown menu bar of 'form' that holds 'entry', or null.
inline TTeMenuBar* ShownMenuBarOf(TCustomForm& form, TTeItem& entry)
{
    TTeItem* root = &entry;
    while (root->Parent())
        root = root->Parent();
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* bar = dynamic_cast<TTeMenuBar*>(form.Components(i)); bar && bar->Items() == root && bar->Visible())
            return bar;
    return nullptr;
}

// Runs until idle; a row that no dropdown shows leaves the menu waiting (EHeadlessStall).
inline void ChooseFromMenu(THeadlessSession& s, TCustomForm& form, TTeItem& entry)
{
    TTeMenuBar* bar = ShownMenuBarOf(form, entry);
    if (!bar)
        throw std::invalid_argument("No shown menu bar holds " + entry.Caption());
    std::vector<TTeItem*> path;
    for (TTeItem* item = &entry; item != bar->Items(); item = item->Parent())
        path.insert(path.begin(), item);

    auto& screen = s.Screen();
    auto click = [&screen](TPoint p) {
        screen.MouseMove(p.X, p.Y);
        screen.MouseDown(p.X, p.Y);
        screen.MouseUp(p.X, p.Y);
    };
    auto centre = [](const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; };
    // When the deepest dropdown open is the one of the next step, its row is clicked.
    size_t next = 1;
    screen.WhenWaiting([&] {
        TTeItemView* view = bar->View().ChildView();
        while (view && view->ChildView())
            view = view->ChildView();
        if (!view || next >= path.size() || view->Item() != path[next - 1])
            return;
        const TRect row = view->GetItemRect(path[next]);
        if (!path[next]->Visible() || row.Width() <= 0 || row.Height() <= 0)
            throw std::runtime_error("The dropdown shows no row for " + path[next]->Caption());
        click(view->Host()->ClientToScreen(centre(row)));
        ++next;
    });
    try {
        click(bar->ClientToScreen(centre(bar->View().GetItemRect(path[0]))));
        s.ProcessUntilIdle();
    } catch (...) {
        screen.WhenWaiting(nullptr);
        throw;
    }
    screen.WhenWaiting(nullptr);
    if (next < path.size())
        throw std::runtime_error("No dropdown opened toward " + entry.Caption());
}
