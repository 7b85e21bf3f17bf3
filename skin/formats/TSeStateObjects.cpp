#include "skin/formats/TSeStateObjects.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "skin/engine/TeUtils.h"

TSeActiveObject::TSeActiveObject(TComponent* owner) : TSeSkinObject(owner), activeFont_(NewSkinFont()) {}

bool TSeActiveObject::UsesActiveLook() const
{
    return Active() || (State() >= ssHot && State() <= ssFocused);
}

TFont& TSeActiveObject::GetFont()
{
    return UsesActiveLook() ? *activeFont_ : TSeSkinObject::GetFont();
}

TColor TSeActiveObject::CurrentColor() const
{
    return UsesActiveLook() ? activeColor_ : TSeSkinObject::CurrentColor();
}

void TSeActiveObject::EachColor(const std::function<void(TColor&)>& apply)
{
    TSeSkinObject::EachColor(apply);
    apply(activeColor_);
}

void TSeActiveObject::EachFont(const std::function<void(TFont&)>& apply)
{
    TSeSkinObject::EachFont(apply);
    apply(*activeFont_);
}

void TSeActiveObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeActiveObject*>(&source)) {
        activeColor_ = other->activeColor_;
        activeFont_->Assign(*other->activeFont_);
    }
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeActiveObject::Register()
{
    return RegisterSkinObject<TSeActiveObject>("TSeActiveObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeActiveObject;
        AddColorProperty<T>(p, "ActiveColor", &T::ActiveColor, &T::SetActiveColor);
        p.AddObject<T>("ActiveFont", [](const T& o) -> TPersistent* { return &o.ActiveFont(); });
    });
}

bool TSeActiveSkinObject::UsesActiveLook() const
{
    return State() == ssHot || State() == ssFocused;
}

const TMetaClass& TSeActiveSkinObject::Register()
{
    // The same published properties as the active object's.
    return RegisterSkinObject<TSeActiveSkinObject>("TSeActiveSkinObject", "TSeActiveObject", [](TPropertyTable&) {});
}

TSeColorButtonObject::TSeColorButtonObject(TComponent* owner) : TSeSkinObject(owner)
{
    for (auto& font : fonts_)
        font = NewSkinFont();
}

namespace {

// Index into hot, pressed, focused, disabled; -1 for the normal look.
int ButtonStateIndex(uint8_t state)
{
    switch (state) {
    case ssHot: return 0;
    case ssPressed: return 1;
    case ssFocused: return 2;
    case ssDisabled: return 3;
    default: return -1;
    }
}

} // namespace

TFont& TSeColorButtonObject::GetFont()
{
    const int i = ButtonStateIndex(State());
    return i < 0 ? TSeSkinObject::GetFont() : *fonts_[i];
}

TColor TSeColorButtonObject::CurrentColor() const
{
    const int i = ButtonStateIndex(State());
    return i < 0 ? TSeSkinObject::CurrentColor() : colors_[i];
}

void TSeColorButtonObject::EachColor(const std::function<void(TColor&)>& apply)
{
    TSeSkinObject::EachColor(apply);
    for (TColor& c : colors_)
        apply(c);
}

void TSeColorButtonObject::EachFont(const std::function<void(TFont&)>& apply)
{
    TSeSkinObject::EachFont(apply);
    for (auto& font : fonts_)
        apply(*font);
}

void TSeColorButtonObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeColorButtonObject*>(&source)) {
        for (int i = 0; i < 4; ++i) {
            colors_[i] = other->colors_[i];
            fonts_[i]->Assign(*other->fonts_[i]);
        }
    }
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeColorButtonObject::Register()
{
    return RegisterSkinObject<TSeColorButtonObject>("TSeColorButtonObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeColorButtonObject;
        AddColorProperty<T>(p, "HotColor", &T::HotColor, &T::SetHotColor);
        p.AddObject<T>("HotFont", [](const T& o) -> TPersistent* { return &o.HotFont(); });
        AddColorProperty<T>(p, "PressedColor", &T::PressedColor, &T::SetPressedColor);
        p.AddObject<T>("PressedFont", [](const T& o) -> TPersistent* { return &o.PressedFont(); });
        AddColorProperty<T>(p, "FocusedColor", &T::FocusedColor, &T::SetFocusedColor);
        p.AddObject<T>("FocusedFont", [](const T& o) -> TPersistent* { return &o.FocusedFont(); });
        AddColorProperty<T>(p, "DisabledColor", &T::DisabledColor, &T::SetDisabledColor);
        p.AddObject<T>("DisabledFont", [](const T& o) -> TPersistent* { return &o.DisabledFont(); });
    });
}

TSeTextObject::TSeTextObject(TComponent* owner) : TSeSkinObject(owner)
{
    for (auto& font : fonts_)
        font = NewSkinFont();
}

TFont& TSeTextObject::GetFont()
{
    switch (State()) {
    case ssHot: return *fonts_[0];
    case ssFocused: return *fonts_[1];
    case ssPressed: return *fonts_[2];
    case ssDisabled: return *fonts_[3];
    default: return TSeSkinObject::GetFont();
    }
}

void TSeTextObject::EachFont(const std::function<void(TFont&)>& apply)
{
    TSeSkinObject::EachFont(apply);
    for (auto& font : fonts_)
        apply(*font);
}

void TSeTextObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeTextObject*>(&source))
        for (int i = 0; i < 4; ++i)
            fonts_[i]->Assign(*other->fonts_[i]);
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeTextObject::Register()
{
    return RegisterSkinObject<TSeTextObject>("TSeTextObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeTextObject;
        p.AddObject<T>("FontHot", [](const T& o) -> TPersistent* { return &o.FontHot(); });
        p.AddObject<T>("FontFocused", [](const T& o) -> TPersistent* { return &o.FontFocused(); });
        p.AddObject<T>("FontPressed", [](const T& o) -> TPersistent* { return &o.FontPressed(); });
        p.AddObject<T>("FontDisabled", [](const T& o) -> TPersistent* { return &o.FontDisabled(); });
    });
}

void TSeLinkSkinObject::Draw(TCanvas& canvas, const TRect& clip)
{
    if (State() != ssDesign || !Visible() || !VisibleIn(clip))
        return;
    const TRect r = BoundsRect();
    FillRectColor(canvas, r, clWhite);
    FrameRectColor(canvas, r, clBlack);
    TFont font;
    font.SetName("Arial");
    font.SetStyle(fsItalic);
    font.SetColor(clBlack);
    canvas.SetFont(font);
    canvas.SetBkMode(TRANSPARENT);
    TRect text = r;
    canvas.DrawText(linkControl_, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TSeLinkSkinObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeLinkSkinObject*>(&source))
        linkControl_ = other->linkControl_;
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeLinkSkinObject::Register()
{
    return RegisterSkinObject<TSeLinkSkinObject>("TSeLinkSkinObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeLinkSkinObject;
        p.AddString<T>("LinkControl", &T::LinkControl, &T::SetLinkControl);
    });
}

void TSeRollPanelObject::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TSeRollPanelObject*>(&source)) {
        rollKind_ = other->rollKind_;
        rollValue_ = other->rollValue_;
    }
    TSeSkinObject::Assign(source);
}

const TMetaClass& TSeRollPanelObject::Register()
{
    return RegisterSkinObject<TSeRollPanelObject>("TSeRollPanelObject", "TSeSkinObject", [](TPropertyTable& p) {
        using T = TSeRollPanelObject;
        p.AddEnum<T>("RollKind", SeRollKindNames(), &T::RollKind, &T::SetRollKind);
        p.AddInteger<T>("RollValue", &T::RollValue, &T::SetRollValue);
    });
}
