#include "skin/formats/TSeBitmapObject.h"

#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TIcon.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "skin/formats/SeBitmapPainter.h"

namespace {

bool HasActiveLook(const TSeSkinObject& o)
{
    return o.Active() || (o.State() >= ssHot && o.State() <= ssFocused);
}

} // namespace

const TteBitmapLink& StateBitmap(uint8_t state, const TteBitmapLink& normal, const TteBitmapLink& hot,
                                 const TteBitmapLink& focused, const TteBitmapLink& pressed,
                                 const TteBitmapLink& disabled)
{
    const TteBitmapLink* pick = state == ssFocused ? &focused
                              : state == ssHot     ? &hot
                              : state == ssDisabled ? &disabled
                              : state == ssPressed ? &pressed
                                                   : &normal;
    return pick->IsAssigned() ? *pick : normal;
}

void ApplyWindowState(TSeSkinObject& button, TSeAction action, uint8_t windowState)
{
    bool hidden = false;
    switch (windowState) {
    case wsNormalState: hidden = action == sbaRestore || action == sbaRollDown; break;
    case wsMaximizedState: hidden = action == sbaMaximize || action == sbaRollDown; break;
    case wsMinimizedState:
        hidden = action == sbaMinimize || action == sbaMaximize || action == sbaRollUp || action == sbaRollDown;
        break;
    case wsRolledUpState: hidden = action == sbaRestore || action == sbaRollUp; break;
    default: return;
    }
    button.SetVisible(!hidden);
}

void DrawFormIcon(TCanvas& canvas, const TRect& rect, TControl* control)
{
    int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    if (cx <= 0 || cy <= 0) {
        cx = GetSystemMetrics(SM_CXSIZE);
        cy = GetSystemMetrics(SM_CYSIZE);
    }
    const TRect at = Bounds(rect.Left + (rect.Width() - cx) / 2, rect.Top + (rect.Height() - cy) / 2, cx, cy);
    const TBitmap* picture = nullptr;
    if (auto* form = dynamic_cast<TCustomForm*>(control); form && !form->Icon().Empty())
        picture = &form->Icon();
    else if (Application && !Application->Icon().Empty())
        picture = &Application->Icon();
    if (picture)
        canvas.StretchDraw(at, *picture);
    else
        DrawIconEx(canvas, at.Left, at.Top, TIcon::StockApplication(cx), cx, cy);
}

TSeBitmapObject::TSeBitmapObject(TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TteBitmapLink>())
{
}

TSeBitmapObject::~TSeBitmapObject() = default;

void TSeBitmapObject::DrawBitmap(TCanvas& canvas, const TteBitmapLink& link, const TRect& clip)
{
    const TRect margins = Margins();
    if (margins == Rect(0, 0, 0, 0))
        DrawLinkStyled(canvas, link, BoundsRect(), tileStyle_, clip);
    else
        DrawLinkNineParts(canvas, link, BoundsRect(), margins, tileStyle_, borderTileStyle_, clip);
}

void TSeBitmapObject::Draw(TCanvas& canvas, const TRect& clip)
{
    const TteBitmapLink& link = CurrentBitmap();
    if (!Visible() || !link.IsAssigned() || !VisibleIn(clip))
        return;
    DrawBitmap(canvas, link, clip);
    DrawText(canvas);
    AlignObjects();
    DrawChildren(canvas, clip);
}

TRegion TSeBitmapObject::CreateRegion()
{
    return Kind() != skClient && Masked() ? RegionFromPixels() : TSeSkinObject::CreateRegion();
}

void TSeBitmapObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    apply(*bitmap_, true);
}

void TSeBitmapObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeBitmapObject*>(&source)) {
        bitmap_->Assign(*other->bitmap_);
        borderTileStyle_ = other->borderTileStyle_;
        maskedBorder_ = other->maskedBorder_;
        maskedAngles_ = other->maskedAngles_;
        tileStyle_ = other->tileStyle_;
    }
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeBitmapObject::Register()
{
    return RegisterSkinObject<TSeBitmapObject>("TSeBitmapObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeBitmapObject;
        AddLinkProperty<T>(p, "Bitmap", &T::Bitmap);
        p.AddEnum<T>("BorderTileStyle", ScTileStyleNames(), &T::BorderTileStyle, &T::SetBorderTileStyle);
        p.AddBoolean<T>("MaskedBorder", &T::MaskedBorder, &T::SetMaskedBorder);
        p.AddBoolean<T>("MaskedAngles", &T::MaskedAngles, &T::SetMaskedAngles);
        p.AddEnum<T>("TileStyle", ScTileStyleNames(), &T::TileStyle, &T::SetTileStyle);
    });
}

TSeActiveBitmap::TSeActiveBitmap(TComponent* owner)
    : TSeBitmapObject(owner), activeBitmap_(std::make_unique<TteBitmapLink>()), activeFont_(NewSkinFont())
{
}

const TteBitmapLink& TSeActiveBitmap::CurrentBitmap() const
{
    return HasActiveLook(*this) && activeBitmap_->IsAssigned() ? *activeBitmap_ : TSeBitmapObject::CurrentBitmap();
}

TFont& TSeActiveBitmap::GetFont()
{
    return State() == ssHot || State() == ssFocused ? *activeFont_ : TSeBitmapObject::GetFont();
}

void TSeActiveBitmap::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapObject::EachLink(apply);
    apply(*activeBitmap_, true);
}

void TSeActiveBitmap::EachFont(const std::function<void(TFont&)>& apply)
{
    TSeBitmapObject::EachFont(apply);
    apply(*activeFont_);
}

void TSeActiveBitmap::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeActiveBitmap*>(&source)) {
        activeBitmap_->Assign(*other->activeBitmap_);
        activeFont_->Assign(*other->activeFont_);
    }
    TSeBitmapObject::Assign(source);
}

const TMetaClass& TSeActiveBitmap::Register()
{
    return RegisterSkinObject<TSeActiveBitmap>("TSeActiveBitmap", "TSeBitmapObject", [](TPropertyTable& p) {
        using T = TSeActiveBitmap;
        AddLinkProperty<T>(p, "ActiveBitmap", &T::ActiveBitmap);
        p.AddObject<T>("ActiveFont", [](const T& o) -> TPersistent* { return &o.ActiveFont(); });
    });
}

TSeSystemButton::TSeSystemButton(TComponent* owner)
    : TSeActiveBitmap(owner), bitmapHot_(std::make_unique<TteBitmapLink>()),
      bitmapPressed_(std::make_unique<TteBitmapLink>())
{
    SetKind(skSysButton);
}

void TSeSystemButton::SetButtons(uint16_t buttons)
{
    TSeActiveBitmap::SetButtons(buttons);
    const auto bit = [buttons](int n) { return (buttons & (1u << n)) != 0; };
    switch (action_) {
    case sbaSysMenu: SetVisible(bit(0)); break;
    case sbaClose: SetVisible(bit(1)); break;
    case sbaHelp: SetVisible(bit(2)); break;
    case sbaMinimize: SetVisible(bit(3)); break;
    case sbaMaximize: SetVisible(bit(5)); break;
    case sbaRestore: SetVisible(bit(State() == wsMaximizedState ? 6 : 4)); break;
    case sbaRollUp: SetVisible(bit(7)); break;
    case sbaRollDown: SetVisible(bit(8)); break;
    case sbaTray: SetVisible(bit(9)); break;
    default: break;
    }
}

void TSeSystemButton::SetState(uint8_t state)
{
    TSeActiveBitmap::SetState(state);
    ApplyWindowState(*this, action_, state);
}

const TteBitmapLink& TSeSystemButton::CurrentBitmap() const
{
    if (buttonState_ == 1 && bitmapHot_->IsAssigned())
        return *bitmapHot_;
    if (buttonState_ == 2 && bitmapPressed_->IsAssigned())
        return *bitmapPressed_;
    // A hot or pressed button on an active form takes the normal look under its own bitmaps.
    if (buttonState_ != 0)
        return TSeBitmapObject::CurrentBitmap();
    return TSeActiveBitmap::CurrentBitmap();
}

void TSeSystemButton::Draw(TCanvas& canvas, const TRect& clip)
{
    if (action_ == sbaSysMenu) {
        if (Visible() && VisibleIn(clip))
            DrawFormIcon(canvas, BoundsRect(), Control());
        return;
    }
    const uint8_t childState = !Active() ? ssDisabled : buttonState_ == 1 ? ssHot : buttonState_ == 2 ? ssPressed : 0;
    std::vector<std::pair<TSeSkinObject*, uint8_t>> saved;
    for (TSeSkinObject* child : childState != 0 ? ChildList() : std::vector<TSeSkinObject*>{}) {
        saved.emplace_back(child, child->State());
        child->SetState(childState);
    }
    TSeActiveBitmap::Draw(canvas, clip);
    for (auto [child, state] : saved)
        child->SetState(state);
}

void TSeSystemButton::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeActiveBitmap::EachLink(apply);
    apply(*bitmapHot_, true);
    apply(*bitmapPressed_, true);
}

void TSeSystemButton::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeSystemButton*>(&source)) {
        action_ = other->action_;
        bitmapHot_->Assign(*other->bitmapHot_);
        bitmapPressed_->Assign(*other->bitmapPressed_);
    }
    TSeActiveBitmap::Assign(source);
}

const TMetaClass& TSeSystemButton::Register()
{
    return RegisterSkinObject<TSeSystemButton>("TSeSystemButton", "TSeActiveBitmap", [](TPropertyTable& p) {
        using T = TSeSystemButton;
        p.AddEnum<T>("Action", SeActionNames(), &T::Action, &T::SetAction);
        AddLinkProperty<T>(p, "BitmapHot", &T::BitmapHot);
        AddLinkProperty<T>(p, "BitmapPressed", &T::BitmapPressed);
    });
}

TSeButtonObject::TSeButtonObject(TComponent* owner) : TSeBitmapObject(owner)
{
    for (auto& link : links_)
        link = std::make_unique<TteBitmapLink>();
}

const TteBitmapLink& TSeButtonObject::CurrentBitmap() const
{
    return StateBitmap(State(), TSeBitmapObject::CurrentBitmap(), *links_[0], *links_[1], *links_[2], *links_[3]);
}

void TSeButtonObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapObject::EachLink(apply);
    for (auto& link : links_)
        apply(*link, true);
}

void TSeButtonObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeButtonObject*>(&source))
        for (int i = 0; i < 4; ++i)
            links_[i]->Assign(*other->links_[i]);
    TSeBitmapObject::Assign(source);
}

const TMetaClass& TSeButtonObject::Register()
{
    return RegisterSkinObject<TSeButtonObject>("TSeButtonObject", "TSeBitmapObject", [](TPropertyTable& p) {
        using T = TSeButtonObject;
        AddLinkProperty<T>(p, "BitmapHot", &T::BitmapHot);
        AddLinkProperty<T>(p, "BitmapFocused", &T::BitmapFocused);
        AddLinkProperty<T>(p, "BitmapPressed", &T::BitmapPressed);
        AddLinkProperty<T>(p, "BitmapDisabled", &T::BitmapDisabled);
    });
}
