#pragma once
// Menu tests: item trees, and views hosted in plain popup windows whose submenus open in further
// popup windows, each level's window freed when its loop returns.
#include <string>
#include <vector>

#include "platform/ui/TPopupWindow.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "tests/skin/controls/SkinTestKit.h"

// Every open level's host, so a test can see which menus are on screen.
inline std::vector<TPopupWindow*>& OpenHosts()
{
    static std::vector<TPopupWindow*> hosts;
    return hosts;
}

class TestView : public TTeItemView {
public:
    std::vector<std::string>* opened = nullptr;

    TestView(TComponent* AOwner, bool horizontal, bool barStyle) : TTeItemView(AOwner, horizontal, barStyle) {}

protected:
    void ShowSubmenu(TTeItem& item, TPoint at, const TRect&) override
    {
        if (opened)
            opened->push_back(item.Caption());
        TComponentPtr<TPopupWindow> host = Create<TPopupWindow>();
        OpenHosts().push_back(host.get());
        TComponentPtr<TestView> view = Create<TestView>(nullptr, false, false);
        view->opened = opened;
        view->SetItem(&item);
        view->SetHost(host.get());
        view->SetParentView(this);
        SetChildView(view.get());
        view->LayoutItems();
        host->SetBounds(at.X, at.Y, view->ViewWidth(), view->ViewHeight());
        host->Handle();
        host->Show();
        try {
            view->RunMenuLoop();
        } catch (...) {
            SetChildView(nullptr);
            OpenHosts().pop_back();
            throw;
        }
        SetChildView(nullptr);
        OpenHosts().pop_back();
    }
};

struct MenuFixture : SkinFixture {
    TComponentPtr<TTeItem> root = Create<TTeItem>();
    TComponentPtr<TPopupWindow> host = Create<TPopupWindow>();
    std::vector<std::string> opened;
    std::vector<std::string> clicked;

    // A view of 'item' in a host window at (100, 100).
    TComponentPtr<TestView> MakeView(TTeItem& item, bool bar)
    {
        TComponentPtr<TestView> view = Create<TestView>(nullptr, bar, bar);
        view->opened = &opened;
        view->SetItem(&item);
        view->SetHost(host.get());
        view->LayoutItems();
        host->SetBounds(100, 100, std::max(view->ViewWidth(), 1), std::max(view->ViewHeight(), 1));
        host->Handle();
        host->Show();
        session.ProcessUntilIdle();
        return view;
    }

    // A leaf that records its click and whether any menu was still open then.
    TTeItem* Leaf(TTeItem& parent, const std::string& caption)
    {
        TTeItem* item = AddItem(parent, caption);
        item->OnClick = [this, caption](TComponent*) {
            clicked.push_back(OpenHosts().empty() ? caption : caption + " (menu open)");
        };
        return item;
    }
};
