#include "skin/formats/TSeSkinObject.h"

#include <algorithm>

#include "platform/core/ClassRegistry.h"
#include "platform/core/ComponentImage.h"
#include "platform/core/Streams.h"
#include "platform/core/StrUtils.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmapLink.h"
#include "skin/engine/TteBitmapList.h"
#include "skin/formats/SeSkinRecords.h"
#include "skin/formats/TSeBitmapObject.h"

namespace {

constexpr int MaxNesting = 64;

TColor PixelToTColor(uint32_t p)
{
    return RGB(PixelR(p), PixelG(p), PixelB(p));
}

} // namespace

TSeSkinObject::TSeSkinObject(TComponent* owner) : TComponent(owner), font_(NewSkinFont()) {}

TSeSkinObject::~TSeSkinObject()
{
    // The children reach back into this object while they go.
    DestroyComponents();
}

TFont& TSeSkinObject::GetFont()
{
    return *font_;
}

std::vector<TSeSkinObject*> TSeSkinObject::ChildList() const
{
    std::vector<TSeSkinObject*> children;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* child = dynamic_cast<TSeSkinObject*>(Components(i)))
            children.push_back(child);
    return children;
}

int TSeSkinObject::ChildCount() const
{
    return static_cast<int>(ChildList().size());
}

TSeSkinObject* TSeSkinObject::Children(int index) const
{
    if (index < 0)
        return nullptr;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* child = dynamic_cast<TSeSkinObject*>(Components(i)); child && index-- == 0)
            return child;
    return nullptr;
}

void TSeSkinObject::SetButtons(uint16_t buttons)
{
    buttons_ = buttons;
    for (TSeSkinObject* child : ChildList())
        child->SetButtons(buttons);
}

void TSeSkinObject::SetState(uint8_t state)
{
    state_ = state;
    for (TSeSkinObject* child : ChildList())
        child->SetState(state);
}

void TSeSkinObject::SetActive(bool active)
{
    active_ = active;
    for (TSeSkinObject* child : ChildList())
        child->SetActive(active);
}

void TSeSkinObject::SetBitmaps(TteBitmapList* bitmaps)
{
    bitmaps_ = bitmaps;
    for (TSeSkinObject* child : ChildList())
        child->SetBitmaps(bitmaps);
}

void TSeSkinObject::AfterLoad()
{
    for (TSeSkinObject* child : ChildList())
        child->AfterLoad();
    EachLink([this](TteBitmapLink& link, bool byMargins) {
        std::unique_ptr<TteBitmapLink> bound =
            bitmaps_ ? bitmaps_->GetBitmapLink(link.Name(), link.BoundsRect()) : nullptr;
        if (!bound) {
            link.SetImage(nullptr);
            return;
        }
        bound->CheckingMasked(byMargins ? Margins() : Rect(0, 0, 0, 0));
        link.Assign(*bound);
    });
}

void TSeSkinObject::SetBounds(const TRect& rect)
{
    const TRect next = Bounds(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
    if (next == BoundsRect())
        return;
    prevLeft_ = left_;
    prevTop_ = top_;
    prevWidth_ = width_;
    prevHeight_ = height_;
    left_ = next.Left;
    top_ = next.Top;
    width_ = next.Width();
    height_ = next.Height();
    AlignObjects();
    prevLeft_ = left_;
    prevTop_ = top_;
    prevWidth_ = width_;
    prevHeight_ = height_;
}

void TSeSkinObject::AlignObjects()
{
    const std::vector<TSeSkinObject*> children = ChildList();
    TRect f = BoundsRect();
    const auto stack = [&](TSeAlign top, TSeAlign bottom) {
        for (TSeSkinObject* c : children) {
            if (!c->visible_)
                continue;
            const int h = c->height_;
            if (c->align_ == top) {
                c->SetBounds(Rect(f.Left, f.Top, f.Right, f.Top + h));
                f.Top += h;
            } else if (c->align_ == bottom) {
                c->SetBounds(Rect(f.Left, f.Bottom - h, f.Right, f.Bottom));
                f.Bottom -= h;
            }
        }
    };
    const auto row = [&](TSeAlign left, TSeAlign right) {
        for (TSeSkinObject* c : children) {
            if (!c->visible_)
                continue;
            const int w = c->width_;
            if (c->align_ == left) {
                c->SetBounds(Rect(f.Left, f.Top, f.Left + w, f.Bottom));
                f.Left += w;
            } else if (c->align_ == right) {
                c->SetBounds(Rect(f.Right - w, f.Top, f.Right, f.Bottom));
                f.Right -= w;
            }
        }
    };
    stack(saMostTop, saMostBottom);
    row(saMostLeft, saMostRight);
    stack(saTop, saBottom);
    row(saLeft, saRight);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TSeSkinObject* c = *it;
        if (c->visible_ && c->align_ == saText) {
            TCanvas measure;
            measure.SetFont(c->GetFont());
            const int w = measure.TextWidth(c->text_) + c->textMarginLeft_ + c->textMarginRight_;
            c->SetBounds(Bounds(c->left_, c->top_, w, c->height_));
        }
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TSeSkinObject* c = *it;
        if (c->visible_ && c->align_ == saCenter)
            c->SetBounds(Bounds(f.Left + (f.Width() - c->width_) / 2, f.Top + (f.Height() - c->height_) / 2,
                                c->width_, c->height_));
    }
    for (TSeSkinObject* c : children)
        if (c->visible_ && c->align_ == saClient)
            c->SetBounds(f);
    const int dx = left_ - prevLeft_, dy = top_ - prevTop_, dw = width_ - prevWidth_, dh = height_ - prevHeight_;
    for (TSeSkinObject* c : children) {
        switch (c->align_) {
        case saTopLeft:
            if (prevWidth_ >= 1)
                c->SetBounds(Bounds(c->left_ + dx, c->top_ + dy, c->width_, c->height_));
            break;
        case saTopRight:
            c->SetBounds(Bounds(c->left_ + dx + dw, c->top_ + dy, c->width_, c->height_));
            break;
        case saBottomLeft:
            c->top_ += dh;
            break;
        case saBottomRight:
            c->left_ += dx + dw;
            c->top_ += dh;
            break;
        default:
            break;
        }
    }
}

void TSeSkinObject::AlignAll()
{
    AlignObjects();
    for (TSeSkinObject* child : ChildList())
        child->AlignAll();
}

TSeSkinObject* TSeSkinObject::Clone(TComponent* owner) const
{
    const TMetaClass* meta = MetaClassOf(*this);
    if (!meta)
        throw EInvalidOperation("Skin object class " + ClassName() + " is not registered");
    // The registered class of this object makes objects of this object's own type.
    TComponent* made = owner ? meta->CreateOwned(*owner) : static_cast<TComponent*>(meta->Create().release());
    TComponentPtr<TSeSkinObject> copy(static_cast<TSeSkinObject*>(made));
    copy->Assign(*this);
    return copy.release();
}

void TSeSkinObject::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TSeSkinObject*>(&source);
    if (!other)
        return TComponent::Assign(source);
    if (other->Name() != Name())
        SetName(other->Name());
    masked_ = other->masked_;
    align_ = other->align_;
    kind_ = other->kind_;
    bitmaps_ = other->bitmaps_;
    color_ = other->color_;
    drawIfOwner_ = other->drawIfOwner_;
    font_->Assign(*other->font_);
    textAlign_ = other->textAlign_;
    textEffect_ = other->textEffect_;
    textMarginLeft_ = other->textMarginLeft_;
    textMarginRight_ = other->textMarginRight_;
    textMarginTop_ = other->textMarginTop_;
    marginLeft_ = other->marginLeft_;
    marginRight_ = other->marginRight_;
    marginTop_ = other->marginTop_;
    marginBottom_ = other->marginBottom_;
    for (TSeSkinObject* child : other->ChildList())
        child->Clone(this);
    SetBounds(other->BoundsRect());
}

TSeSkinObject* TSeSkinObject::FindObjectByName(const std::string& name)
{
    if (SameText(Name(), name))
        return this;
    for (TSeSkinObject* child : ChildList())
        if (TSeSkinObject* found = child->FindObjectByName(name))
            return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::FindObjectByKind(TSeKind kind)
{
    if (kind_ == kind)
        return this;
    for (TSeSkinObject* child : ChildList())
        if (TSeSkinObject* found = child->FindObjectByKind(kind))
            return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::FindSystemButton(TSeAction action)
{
    if (auto* button = dynamic_cast<TSeSystemButton*>(this); button && button->Action() == action)
        return this;
    for (TSeSkinObject* child : ChildList())
        if (TSeSkinObject* found = child->FindSystemButton(action))
            return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::ObjectAtPoint(TPoint point)
{
    if (!BoundsRect().Contains(point) || kind_ == skTranparent)
        return nullptr;
    TSeSkinObject* hit = nullptr;
    for (TSeSkinObject* child : ChildList())
        if (TSeSkinObject* found = child->ObjectAtPoint(point))
            hit = found;
    return hit ? hit : this;
}

void TSeSkinObject::ChangeHue(int delta)
{
    ShiftColors([delta](uint32_t p) { return PixelShiftHue(p, delta); });
    for (TSeSkinObject* child : ChildList())
        child->ChangeHue(delta);
}

void TSeSkinObject::ChangeBrightness(int delta)
{
    ShiftColors([delta](uint32_t p) { return PixelAddBrightness(p, delta); });
    for (TSeSkinObject* child : ChildList())
        child->ChangeBrightness(delta);
}

void TSeSkinObject::ShiftColors(const std::function<uint32_t(uint32_t)>& shift)
{
    const auto apply = [&](TColor& color) {
        if (color != clNone)
            color = PixelToTColor(shift(ColorToPixel(color, 255)));
    };
    EachColor(apply);
    EachFont([&](TFont& font) {
        TColor c = font.Color();
        apply(c);
        font.SetColor(c);
    });
}

void TSeSkinObject::SetCharset(int charset)
{
    EachFont([charset](TFont& font) { font.SetCharset(charset); });
    for (TSeSkinObject* child : ChildList())
        child->SetCharset(charset);
}

void TSeSkinObject::EachColor(const std::function<void(TColor&)>& apply)
{
    apply(color_);
}

void TSeSkinObject::EachFont(const std::function<void(TFont&)>& apply)
{
    apply(*font_);
}

void TSeSkinObject::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        "Objects", [this](TStream& s) { ReadChildren(s); }, [this](TStream& s) { WriteChildren(s); }, true);
}

void TSeSkinObject::WriteChildren(TStream& stream) const
{
    const std::vector<TSeSkinObject*> children = ChildList();
    stream.WriteInt32(static_cast<int32_t>(children.size()) | BinaryRecordsFlag);
    for (const TSeSkinObject* child : children)
        WriteSkinObjectBinary(stream, *child);
}

void TSeSkinObject::ReadChildren(TStream& stream)
{
    // Each level is read by a nested call, so a hostile skin must not nest without end.
    int depth = 0;
    for (const TComponent* up = this; up; up = up->Owner())
        if (++depth > MaxNesting)
            throw EReadError("Skin objects nested too deeply");
    const int32_t word = stream.ReadInt32();
    const bool binary = (word & BinaryRecordsFlag) == BinaryRecordsFlag;
    const int32_t count = binary ? word & ~BinaryRecordsFlag : word;
    CheckRecordCount(stream, count);
    for (int32_t i = 0; i < count; ++i)
        binary ? ReadSkinObjectBinary(stream, this) : ReadSkinObject(stream, this);
}

std::unique_ptr<TFont> NewSkinFont()
{
    auto font = std::make_unique<TFont>();
    font->SetName("Tahoma");
    font->SetSize(8);
    return font;
}

const TMetaClass& TSeSkinObject::Register()
{
    return RegisterSkinObject<TSeSkinObject>("TSeSkinObject", "", [](TPropertyTable& p) {
        using T = TSeSkinObject;
        p.AddEnum<T>("Align", SeAlignNames(), &T::Align, &T::SetAlign);
        AddColorProperty<T>(p, "Color", &T::Color, &T::SetColor);
        p.AddBoolean<T>("DrawIfOwner", &T::DrawIfOwner, &T::SetDrawIfOwner);
        p.AddObject<T>("Font", [](const T& o) -> TPersistent* { return &o.Font(); });
        p.AddEnum<T>("Kind", SeKindNames(), &T::Kind, &T::SetKind);
        p.AddBoolean<T>("Masked", &T::Masked, &T::SetMasked);
        p.AddInteger<T>("Left", &T::Left, &T::SetLeft);
        p.AddInteger<T>("Top", &T::Top, &T::SetTop);
        p.AddInteger<T>("Height", &T::Height, &T::SetHeight);
        p.AddInteger<T>("Width", &T::Width, &T::SetWidth);
        p.AddInteger<T>("MarginLeft", &T::MarginLeft, &T::SetMarginLeft);
        p.AddInteger<T>("MarginRight", &T::MarginRight, &T::SetMarginRight);
        p.AddInteger<T>("MarginTop", &T::MarginTop, &T::SetMarginTop);
        p.AddInteger<T>("MarginBottom", &T::MarginBottom, &T::SetMarginBottom);
        p.AddEnum<T>("TextAlign", SeTextAlignNames(), &T::TextAlign, &T::SetTextAlign);
        p.AddEnum<T>("TextEffect", SeTextEffectNames(), &T::TextEffect, &T::SetTextEffect);
        p.AddInteger<T>("TextMarginLeft", &T::TextMarginLeft, &T::SetTextMarginLeft);
        p.AddInteger<T>("TextMarginRight", &T::TextMarginRight, &T::SetTextMarginRight);
        p.AddInteger<T>("TextMarginTop", &T::TextMarginTop, &T::SetTextMarginTop);
    });
}
