#include "skin/controls/TTeMenuBar.h"

#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeFormMenus.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTePopupWindow.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"

namespace {

constexpr uint8_t MenuBarKind = 0;

void SetMDIChildSkinOverTree(TTeItem& item, TTeForm* skin)
{
    item.SetMDIChildSkin(skin);
    for (int i = 0; i < item.Count(); ++i)
        SetMDIChildSkinOverTree(*item.Items(i), skin);
}

} // namespace

TTeMenuBarView::TTeMenuBarView(TTeMenuBar& bar, TCanvas& measure) : TTeItemView(nullptr, true, true), bar_(bar)
{
    SetItem(bar.Items());
    SetHost(&bar);
    SetOwnerControl(&bar);
    SetCanvas(&measure);
}

void TTeMenuBarView::SetViewSize(TSize size)
{
    if (!bar_.AutoSize())
        return;
    const int frame = bar_.Height() - bar_.GetContentRect().Height();
    bar_.SetBounds(bar_.Left(), bar_.Top(), bar_.Width(), size.cy + frame);
}

void TTeMenuBarView::InvalidateView()
{
    bar_.Invalidate();
}

void TTeMenuBarView::RepaintItem(TTeItem* item)
{
    if (item && bar_.HandleAllocated())
        bar_.InvalidateRect(GetItemRect(item), false);
}

void TTeMenuBarView::ShowSubmenu(TTeItem& item, TPoint popupPoint, const TRect& itemRect)
{
    ::ShowSubmenu(item, this, popupPoint, itemRect);
}

TTeMenuBar::TTeMenuBar(TComponent* AOwner)
    : TTeControl(AOwner), options_(std::make_unique<TTePopupMenuOptions>()), measure_(std::make_unique<TBitmap>(1, 1))
{
    RegisterItemContainer(&IsItemContainer<TTeMenuBar>,
                          [](TComponent* container, TTeItem* item) {
                              static_cast<TTeMenuBar*>(container)->Items()->Add(item);
                          },
                          [](TComponent* owner) { return CreateOwned<TTeItem>(*owner); });
    SetControlStyle(ControlStyle() | csActionClient);
    items_ = CreateOwned<TTeItem>(*this);
    items_->SetContainer(this);
    items_->OnChange = [this](TTeItem*) {
        if (!IsLoading() && !IsDestroying() && !updating_)
            ItemsChanged();
    };
    view_ = std::make_unique<TTeMenuBarView>(*this, measure_->Canvas());
    SetColor(clMenu);
    SetHeight(GetSystemMetrics(SM_CYMENU));
    SetAutoSize(true);
}

TTeMenuBar::~TTeMenuBar()
{
    items_->OnChange = nullptr;
    items_->SetOptions(nullptr);
    view_.reset();
    UnregisterItemContainer(&IsItemContainer<TTeMenuBar>);
}

TImageList* TTeMenuBar::Images() const
{
    return items_->Images();
}

void TTeMenuBar::SetImages(TImageList* v)
{
    items_->SetImages(v);
    ItemsChanged();
}

void TTeMenuBar::SetPopupMenuOptions(const TTePopupMenuOptions& v)
{
    if (&v != options_.get())
        options_->Assign(v);
    items_->SetOptions(options_.get());
}

void TTeMenuBar::SetShowBevel(bool v)
{
    if (showBevel_ == v)
        return;
    showBevel_ = v;
    Invalidate();
}

void TTeMenuBar::SetThemeObject(const std::string& v)
{
    if (themeObject_ == v)
        return;
    themeObject_ = v;
    AdjustSize();
    Invalidate();
}

bool TTeMenuBar::ThemeDefinesBar() const
{
    return IsThemeMenuDefined(MenuBarKind, themeObject_);
}

TRect TTeMenuBar::GetContentRect() const
{
    const TRect whole = Rect(0, 0, Width(), Height());
    if (ThemeDefinesBar())
        return CurrentTheme()->GetMenuClientRect(MenuBarKind, MakeMenuFrameInfo(whole), themeObject_);
    TRect r = whole;
    if (Align() == TAlign::alTop)
        r.Bottom -= 2;
    else if (Align() == TAlign::alBottom)
        r.Top += 2;
    return r;
}

void TTeMenuBar::Loaded()
{
    TTeControl::Loaded();
    SetPopupMenuOptions(*options_);
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (form && form->FormStyle() == TFormStyle::fsMDIForm && !mdiButtons_[0]) {
        for (int kind = 4; kind >= 1; --kind) {
            auto* button = CreateOwned<TTeItem>(*form);
            button->SetKind(static_cast<uint8_t>(kind));
            button->SetVisible(false);
            button->OnClick = [this, button](TComponent*) { MDIButtonClick(*button); };
            mdiButtons_[static_cast<size_t>(kind - 1)] = button;
            button->FreeNotification(this);
            if (kind == 4)
                items_->Insert(0, button);
            else
                items_->Add(button);
        }
    }
    AdjustSize();
}

void TTeMenuBar::Notification(TComponent* component, TOperation operation)
{
    TTeControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    for (TTeItem*& button : mdiButtons_)
        if (button == component)
            button = nullptr;
    if (component == mdiChildSkin_) {
        // The child's buttons go with it; the bar's items drew its icon from its frame.
        if (IsDestroying()) {
            mdiChildSkin_ = nullptr;
            SetMDIChildSkinOverTree(*items_, nullptr);
        } else {
            HideMDIButtons();
        }
    }
}

void TTeMenuBar::ItemsChanged()
{
    SetPopupMenuOptions(*options_);
    if (auto* window = dynamic_cast<TWinControl*>(Owner()))
        items_->SetFormWindowOverTree(window);
    Relayout();
}

void TTeMenuBar::Relayout()
{
    view_->SetOrigin({GetContentRect().Left, GetContentRect().Top});
    view_->LayoutItems();
    Invalidate();
}

bool TTeMenuBar::CanAutoSize(int& newWidth, int& newHeight)
{
    (void)newWidth;
    view_->LayoutItems();
    newHeight = Height() - GetContentRect().Height() + view_->ViewHeight();
    return true;
}

void TTeMenuBar::EnterMenuLoop(bool byPointer)
{
    items_->SetAnimateNext(true);
    items_->SetInMenuSession(true);
    view_->InvalidateView();
    view_->RunMenuLoop(byPointer);
}

bool TTeMenuBar::IsShortCut(const TMessage& key)
{
    return items_->IsShortCut(key);
}

void TTeMenuBar::ShowMDIButtons(TTeForm* childSkin)
{
    if (!mdiButtons_[0])
        return;
    updating_ = true;
    for (TTeItem* button : mdiButtons_)
        if (button)
            button->SetVisible(true);
    if (mdiChildSkin_ != childSkin) {
        if (mdiChildSkin_)
            mdiChildSkin_->RemoveFreeNotification(this);
        mdiChildSkin_ = childSkin;
        if (childSkin)
            childSkin->FreeNotification(this);
    }
    SetMDIChildSkinOverTree(*items_, childSkin);
    updating_ = false;
    Relayout();
}

void TTeMenuBar::HideMDIButtons()
{
    updating_ = true;
    for (TTeItem* button : mdiButtons_)
        if (button)
            button->SetVisible(false);
    if (mdiChildSkin_)
        mdiChildSkin_->RemoveFreeNotification(this);
    mdiChildSkin_ = nullptr;
    SetMDIChildSkinOverTree(*items_, nullptr);
    updating_ = false;
    Relayout();
}

void TTeMenuBar::MDIButtonClick(TTeItem& button)
{
    TTeForm* child = mdiChildSkin_;
    if (!child)
        return;
    switch (button.Kind()) {
    case 1: child->Close(); break;
    case 2: child->Maximize(); break;
    case 3: child->Minimize(); break;
    case 4: {
        const TRect r = view_->GetItemRect(&button);
        FormMenus().ShowSystemMenu(*child, ClientToScreen({r.Left, r.Bottom}), false);
        view_->TrackMouse({-1, -1});
        break;
    }
    default: break;
    }
}

void TTeMenuBar::Dispatch(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR && DialogChar(message)) {
        message.Result = 1;
        return;
    }
    TTeControl::Dispatch(message);
}

// A hidden bar answers no Alt key: before login the main window keeps its full bar hidden.
bool TTeMenuBar::DialogChar(const TMessage& message)
{
    const auto ch = static_cast<char32_t>(message.WParam);
    if (ch == 0 || !Showing() || !(message.LParam & KF_ALTDOWN_BIT) || !items_->FindItemByKey(ch))
        return false;
    if (TWinControl* parent = Parent(); parent && Application)
        Application->PostMessage(parent->Handle(), WM_CHAR, message.WParam);
    EnterMenuLoop();
    return true;
}

void TTeMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TTeControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    for (int i = 0; i < items_->Count(); ++i) {
        TTeItem* item = items_->Items(i);
        if (item->Visible() && view_->GetItemRect(item).Contains({x, y})) {
            EnterMenuLoop(true);
            return;
        }
    }
}

void TTeMenuBar::MouseMove(TShiftState shift, int x, int y)
{
    TTeControl::MouseMove(shift, x, y);
    if (!view_->LoopRunning())
        view_->TrackMouse(ClientToScreen({x, y}));
}

void TTeMenuBar::DoMouseLeave()
{
    TTeControl::DoMouseLeave();
    if (!view_->LoopRunning())
        view_->TrackMouse({-1, -1});
}

void TTeMenuBar::PaintBorder(TCanvas& canvas)
{
    (void)canvas;
}

void TTeMenuBar::PaintClient(TCanvas& canvas)
{
    const TRect whole = Rect(0, 0, Width(), Height());
    const bool themed = ThemeDefinesBar();
    if (themed) {
        CurrentTheme()->DrawMenuFrame(MenuBarKind, canvas, MakeMenuFrameInfo(whole), themeObject_);
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(whole);
    }
    const TRect content = GetContentRect();
    view_->SetOrigin({content.Left, content.Top});
    view_->LayoutItems();
    view_->PaintItems(canvas);
    if (themed || !showBevel_)
        return;
    const int h = Height();
    if (Align() == TAlign::alTop)
        DrawFrame3D(canvas, Rect(0, h - 2, Width(), h), clBtnShadow, clBtnHighlight);
    else if (Align() == TAlign::alBottom)
        DrawFrame3D(canvas, Rect(0, 0, Width(), 2), clBtnShadow, clBtnHighlight);
}

void TTeMenuBar::ThemeChanged(int code)
{
    switch (code) {
    case 0:
    case 3:
    case 4:
        AdjustSize();
        Invalidate();
        break;
    case 5: Invalidate(); break;
    default: break;
    }
}
