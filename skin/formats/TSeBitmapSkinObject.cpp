#include "skin/formats/TSeBitmapSkinObject.h"

#include "platform/graphics/TCanvas.h"
#include "skin/formats/SeBitmapPainter.h"

TSeBitmapSkinObject::TSeBitmapSkinObject(TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TteBitmapLink>())
{
}

TSeBitmapSkinObject::~TSeBitmapSkinObject() = default;

void TSeBitmapSkinObject::DrawBitmap(TCanvas& canvas, const TteBitmapLink& link, const TRect& clip)
{
    DrawLinkStyled(canvas, link, BoundsRect(), tileStyle_, clip, false);
}

void TSeBitmapSkinObject::Draw(TCanvas& canvas, const TRect& clip)
{
    const TteBitmapLink& link = CurrentBitmap();
    if (!Visible() || !link.IsAssigned() || !VisibleIn(clip))
        return;
    DrawBitmap(canvas, link, clip);
    DrawText(canvas);
}

TRegion TSeBitmapSkinObject::CreateRegion()
{
    return Kind() != skClient && Masked() ? RegionFromPixels() : TSeSkinObject::CreateRegion();
}

void TSeBitmapSkinObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    apply(*bitmap_, false);
}

void TSeBitmapSkinObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeBitmapSkinObject*>(&source)) {
        bitmap_->Assign(*other->bitmap_);
        tileStyle_ = other->tileStyle_;
    }
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeBitmapSkinObject::Register()
{
    return RegisterSkinObject<TSeBitmapSkinObject>("TSeBitmapSkinObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeBitmapSkinObject;
        AddLinkProperty<T>(p, "Bitmap", &T::Bitmap);
        p.AddEnum<T>("TileStyle", ScTileStyleNames(), &T::TileStyle, &T::SetTileStyle);
    });
}

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), inactiveBitmap_(std::make_unique<TteBitmapLink>())
{
}

const TteBitmapLink& TSeFormBitmapSkinObject::CurrentBitmap() const
{
    return !Active() && inactiveBitmap_->IsAssigned() ? *inactiveBitmap_ : TSeBitmapSkinObject::CurrentBitmap();
}

void TSeFormBitmapSkinObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapSkinObject::EachLink(apply);
    apply(*inactiveBitmap_, false);
}

void TSeFormBitmapSkinObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeFormBitmapSkinObject*>(&source))
        inactiveBitmap_->Assign(*other->inactiveBitmap_);
    TSeBitmapSkinObject::Assign(source);
}

const TMetaClass& TSeFormBitmapSkinObject::Register()
{
    return RegisterSkinObject<TSeFormBitmapSkinObject>(
        "TSeFormBitmapSkinObject", "TSeBitmapSkinObject", [](TPropertyTable& p) {
            using T = TSeFormBitmapSkinObject;
            AddLinkProperty<T>(p, "InactiveBitmap", &T::InactiveBitmap);
        });
}

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), bitmapHover_(std::make_unique<TteBitmapLink>()),
      bitmapDown_(std::make_unique<TteBitmapLink>())
{
}

const TteBitmapLink& TSeSysButtonSkinObject::CurrentBitmap() const
{
    if (buttonState_ == 1 && bitmapHover_->IsAssigned())
        return *bitmapHover_;
    if (buttonState_ == 2 && bitmapDown_->IsAssigned())
        return *bitmapDown_;
    return TSeBitmapSkinObject::CurrentBitmap();
}

void TSeSysButtonSkinObject::SetState(uint8_t state)
{
    TSeBitmapSkinObject::SetState(state);
    ApplyWindowState(*this, action_, state);
}

void TSeSysButtonSkinObject::Draw(TCanvas& canvas, const TRect& clip)
{
    if (action_ != sbaSysMenu)
        return TSeBitmapSkinObject::Draw(canvas, clip);
    if (Visible() && VisibleIn(clip))
        DrawFormIcon(canvas, BoundsRect(), Control());
}

void TSeSysButtonSkinObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapSkinObject::EachLink(apply);
    apply(*bitmapHover_, false);
    apply(*bitmapDown_, false);
}

void TSeSysButtonSkinObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeSysButtonSkinObject*>(&source)) {
        action_ = other->action_;
        bitmapHover_->Assign(*other->bitmapHover_);
        bitmapDown_->Assign(*other->bitmapDown_);
        rollPanel_ = other->rollPanel_;
    }
    TSeBitmapSkinObject::Assign(source);
}

const TMetaClass& TSeSysButtonSkinObject::Register()
{
    return RegisterSkinObject<TSeSysButtonSkinObject>(
        "TSeSysButtonSkinObject", "TSeBitmapSkinObject", [](TPropertyTable& p) {
            using T = TSeSysButtonSkinObject;
            p.AddEnum<T>("Action", SeActionNames(), &T::Action, &T::SetAction);
            AddLinkProperty<T>(p, "BitmapHover", &T::BitmapHover);
            AddLinkProperty<T>(p, "BitmapDown", &T::BitmapDown);
            p.AddString<T>("RollPanel", &T::RollPanel, &T::SetRollPanel);
        });
}

void TSeBitmapBoxObject::DrawBitmap(TCanvas& canvas, const TteBitmapLink& link, const TRect& clip)
{
    if (Margins() == Rect(0, 0, 0, 0))
        return TSeBitmapSkinObject::DrawBitmap(canvas, link, clip);
    DrawLinkNineParts(canvas, link, BoundsRect(), Margins(), TileStyle(), borderTileStyle_, clip);
}

void TSeBitmapBoxObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapSkinObject::EachLink([&](TteBitmapLink& link, bool) { apply(link, true); });
}

void TSeBitmapBoxObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeBitmapBoxObject*>(&source))
        borderTileStyle_ = other->borderTileStyle_;
    TSeBitmapSkinObject::Assign(source);
}

const TMetaClass& TSeBitmapBoxObject::Register()
{
    return RegisterSkinObject<TSeBitmapBoxObject>("TSeBitmapBoxObject", "TSeBitmapSkinObject", [](TPropertyTable& p) {
        using T = TSeBitmapBoxObject;
        p.AddEnum<T>("BorderTileStyle", ScTileStyleNames(), &T::BorderTileStyle, &T::SetBorderTileStyle);
    });
}

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(TComponent* owner)
    : TSeBitmapBoxObject(owner), focusedBitmap_(std::make_unique<TteBitmapLink>())
{
}

const TteBitmapLink& TSeActiveBitmapBoxObject::CurrentBitmap() const
{
    const bool focused = State() == ssHot || State() == ssFocused;
    return focused && focusedBitmap_->IsAssigned() ? *focusedBitmap_ : TSeBitmapBoxObject::CurrentBitmap();
}

void TSeActiveBitmapBoxObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapBoxObject::EachLink(apply);
    apply(*focusedBitmap_, true);
}

void TSeActiveBitmapBoxObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeActiveBitmapBoxObject*>(&source))
        focusedBitmap_->Assign(*other->focusedBitmap_);
    TSeBitmapBoxObject::Assign(source);
}

const TMetaClass& TSeActiveBitmapBoxObject::Register()
{
    return RegisterSkinObject<TSeActiveBitmapBoxObject>(
        "TSeActiveBitmapBoxObject", "TSeBitmapBoxObject", [](TPropertyTable& p) {
            using T = TSeActiveBitmapBoxObject;
            AddLinkProperty<T>(p, "FocusedBitmap", &T::FocusedBitmap);
        });
}

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(TComponent* owner) : TSeBitmapBoxObject(owner)
{
    for (auto& link : links_)
        link = std::make_unique<TteBitmapLink>();
}

const TteBitmapLink& TSeButtonBitmapBoxObject::CurrentBitmap() const
{
    return StateBitmap(State(), TSeBitmapBoxObject::CurrentBitmap(), *links_[0], *links_[1], *links_[2], *links_[3]);
}

void TSeButtonBitmapBoxObject::EachLink(const std::function<void(TteBitmapLink&, bool)>& apply)
{
    TSeBitmapBoxObject::EachLink(apply);
    for (auto& link : links_)
        apply(*link, true);
}

void TSeButtonBitmapBoxObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeButtonBitmapBoxObject*>(&source))
        for (int i = 0; i < 4; ++i)
            links_[i]->Assign(*other->links_[i]);
    TSeBitmapBoxObject::Assign(source);
}

const TMetaClass& TSeButtonBitmapBoxObject::Register()
{
    return RegisterSkinObject<TSeButtonBitmapBoxObject>(
        "TSeButtonBitmapBoxObject", "TSeBitmapBoxObject", [](TPropertyTable& p) {
            using T = TSeButtonBitmapBoxObject;
            AddLinkProperty<T>(p, "HotBitmap", &T::HotBitmap);
            AddLinkProperty<T>(p, "FocusedBitmap", &T::FocusedBitmap);
            AddLinkProperty<T>(p, "PressedBitmap", &T::PressedBitmap);
            AddLinkProperty<T>(p, "DisabledBitmap", &T::DisabledBitmap);
        });
}
