#include "skin/controls/TTePopupMenu.h"

#include "platform/ui/TApplication.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "skin/controls/TTePopupWindow.h"

namespace {

TWeakRef<TTePopupMenu> onScreen;

} // namespace

TTePopupMenu::TTePopupMenu(TComponent* AOwner) : TPopupMenu(AOwner), options_(std::make_unique<TTePopupMenuOptions>())
{
    RegisterItemContainer(&IsItemContainer<TTePopupMenu>,
                          [](TComponent* container, TTeItem* item) {
                              static_cast<TTePopupMenu*>(container)->Items()->Add(item);
                          },
                          [](TComponent* owner) { return CreateOwned<TTeItem>(*owner); });
    items_ = CreateOwned<TTeItem>(*this);
    items_->SetContainer(this);
}

TTePopupMenu::~TTePopupMenu()
{
    items_->SetOptions(nullptr);
    UnregisterItemContainer(&IsItemContainer<TTePopupMenu>);
}

TTePopupMenu* TTePopupMenu::OnScreen()
{
    return onScreen.Get();
}

TImageList* TTePopupMenu::Images() const
{
    return items_->Images();
}

void TTePopupMenu::SetImages(TImageList* v)
{
    items_->SetImages(v);
}

void TTePopupMenu::SetPopupMenuOptions(const TTePopupMenuOptions& v)
{
    if (&v != options_.get())
        options_->Assign(v);
    items_->SetOptions(options_.get());
}

void TTePopupMenu::Popup(int x, int y)
{
    if (TTePopupMenu* other = onScreen.Get(); other && other != this)
        other->CloseNow();
    TWeakRef<TTePopupMenu> self(this);
    onScreen = this;
    SetPopupMenuOptions(*options_);
    if (auto* window = dynamic_cast<TWinControl*>(Owner()))
        items_->SetFormWindowOverTree(window);
    items_->SetAnimateNext(true);
    items_->SetInMenuSession(true);
    if (OnPopup)
        OnPopup(this);
    ShowSubmenu(*items_, nullptr, {x, y}, TRect{}, [this](TTeItemView& view) { root_ = &view; });
    if (!self)
        return;
    root_.Reset();
    if (onScreen.Get() == this)
        onScreen.Reset();
}

void TTePopupMenu::PopupFor(TControl* target, int screenX, int screenY)
{
    SetPopupComponent(target);
    Popup(screenX, screenY);
}

void TTePopupMenu::CloseMenu()
{
    if (auto* window = dynamic_cast<TWinControl*>(Owner()); window && Application)
        Application->PostMessage(window->Handle(), WM_NCMBUTTONDBLCLK);
}

void TTePopupMenu::CloseNow()
{
    TTeItemView* deepest = root_.Get();
    if (!deepest)
        return;
    while (deepest->ChildView())
        deepest = deepest->ChildView();
    deepest->CloseMenuChain();
    for (TTeItemView* view = deepest; view; view = view->ParentView())
        if (TControl* host = view->Host())
            host->Hide();
}
