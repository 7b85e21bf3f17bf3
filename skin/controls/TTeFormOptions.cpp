#include "skin/controls/TTeFormOptions.h"

#include <algorithm>
#include <typeinfo>

#include "platform/core/ClassRegistry.h"

void TTeBlending::Changed()
{
    if (OnChange)
        OnChange(*this);
}

void TTeBlending::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    Changed();
}

void TTeBlending::SetValue(int v)
{
    if (v == value_)
        return;
    const int clamped = std::clamp(v, 0, 255);
    // 300 after 255 is no change: the stored value is what counts.
    if (clamped == value_)
        return;
    value_ = clamped;
    Changed();
}

void TTeBlending::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeBlending*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    enabled_ = other->enabled_;
    value_ = other->value_;
    Changed();
}

void TTeShadow::Changed()
{
    if (OnChange)
        OnChange(*this);
}

void TTeShadow::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    Changed();
}

void TTeShadow::SetSize(int v)
{
    if (v == size_)
        return;
    if (v < 1)
        enabled_ = false;
    size_ = std::min(v, 20);
    Changed();
}

void TTeShadow::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeShadow*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    enabled_ = other->enabled_;
    size_ = other->size_;
    Changed();
}

void TTeGravitation::SetSize(int v)
{
    if (v != size_)
        size_ = std::clamp(v, 1, 50);
}

void TTeGravitation::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeGravitation*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    enabled_ = other->enabled_;
    size_ = other->size_;
}

void TTeDragging::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeDragging*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    sizeable_ = other->sizeable_;
    moveable_ = other->moveable_;
    dragMode_ = other->dragMode_;
}

TTeAnimation::TTeAnimation() : record_(Create<TteAnimationRec>()) {}

TTeAnimation::~TTeAnimation() = default;

TTeDirection TTeAnimation::Direction() const
{
    switch (record_->Rotation()) {
    case krRotate90:
        return kdRotate90;
    case krRotate180:
        return kdRotate180;
    case krRotate270:
        return kdRotate270;
    default:
        return kdNone;
    }
}

void TTeAnimation::SetDirection(TTeDirection v)
{
    switch (v) {
    case kdRotate90:
        return record_->SetRotation(krRotate90);
    case kdRotate180:
        return record_->SetRotation(krRotate180);
    case kdRotate270:
        return record_->SetRotation(krRotate270);
    default:
        return record_->SetRotation(krNone);
    }
}

void TTeAnimation::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeAnimation*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    record_->Assign(*other->record_);
}

TTeWindowOptions::TTeWindowOptions()
    : blending_(std::make_unique<TTeBlending>()), shadow_(std::make_unique<TTeShadow>()),
      animation_(std::make_unique<TTeAnimation>())
{
}

TTeWindowOptions::~TTeWindowOptions()
{
    animation_.reset();
    shadow_.reset();
    blending_.reset();
}

void TTeWindowOptions::Changed()
{
    if (OnChange)
        OnChange(*this);
}

void TTeWindowOptions::SetBlending(const TTeBlending& v)
{
    blending_->Assign(v);
    Changed();
}

void TTeWindowOptions::SetShadow(const TTeShadow& v)
{
    shadow_->Assign(v);
    Changed();
}

void TTeWindowOptions::SetAnimation(const TTeAnimation& v)
{
    animation_->Assign(v);
    Changed();
}

void TTeWindowOptions::Assign(const TPersistent& source)
{
    if (typeid(source) != typeid(*this))
        return TPersistent::Assign(source);
    const auto& other = static_cast<const TTeWindowOptions&>(source);
    blending_->Assign(*other.blending_);
    shadow_->Assign(*other.shadow_);
    animation_->Assign(*other.animation_);
    Changed();
}

namespace {
template <class T> void RegisterGroup(const char* name)
{
    TPropertyTable& p = RegisterClass<T>(name).OwnProperties();
    if (!p.Items().empty())
        return;
    p.AddObject<T>("Blending", [](const T& o) -> TPersistent* { return &o.Blending(); });
    p.AddObject<T>("Shadow", [](const T& o) -> TPersistent* { return &o.Shadow(); });
    p.AddObject<T>("Animation", [](const T& o) -> TPersistent* { return &o.Animation(); });
}
} // namespace

void RegisterTeFormOptions()
{
    {
        using T = TTeBlending;
        TPropertyTable& p = RegisterClass<T>("TTeBlending").OwnProperties();
        if (p.Items().empty()) {
            p.AddBoolean<T>("Enabled", &T::Enabled, &T::SetEnabled);
            p.AddInteger<T>("Value", &T::Value, &T::SetValue);
        }
    }
    {
        using T = TTeShadow;
        TPropertyTable& p = RegisterClass<T>("TTeShadow").OwnProperties();
        if (p.Items().empty()) {
            p.AddBoolean<T>("Enabled", &T::Enabled, &T::SetEnabled);
            p.AddInteger<T>("Size", &T::Size, &T::SetSize);
        }
    }
    {
        using T = TTeGravitation;
        TPropertyTable& p = RegisterClass<T>("TTeGravitation").OwnProperties();
        if (p.Items().empty()) {
            p.AddBoolean<T>("Enabled", &T::Enabled, &T::SetEnabled);
            p.AddInteger<T>("Size", &T::Size, &T::SetSize);
        }
    }
    {
        using T = TTeDragging;
        TPropertyTable& p = RegisterClass<T>("TTeDragging").OwnProperties();
        if (p.Items().empty()) {
            p.AddBoolean<T>("Sizeable", &T::Sizeable, &T::SetSizeable);
            p.AddBoolean<T>("Moveable", &T::Moveable, &T::SetMoveable);
            p.AddEnum<T>("DragMode", {"kfdmBorder", "kfdmFullDrag"}, &T::DragMode, &T::SetDragMode);
        }
    }
    {
        using T = TTeAnimation;
        TPropertyTable& p = RegisterClass<T>("TTeAnimation").OwnProperties();
        if (p.Items().empty()) {
            p.AddEnum<T>("Direction", {"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180", "kdRotate270"},
                         &T::Direction, &T::SetDirection);
            p.AddString<T>("EffectKind", &T::EffectKind, &T::SetEffectKind);
            p.AddBoolean<T>("Enabled", &T::Enabled, &T::SetEnabled);
            p.AddInteger<T>("Resolution", &T::Resolution, &T::SetResolution);
            p.AddInteger<T>("TileCount", &T::TileCount, &T::SetTileCount);
            p.AddInteger<T>("Time", &T::Time, &T::SetTime);
        }
    }
    RegisterGroup<TTeFormOptions>("TTeFormOptions");
    RegisterGroup<TTePopupMenuOptions>("TTePopupMenuOptions");
    TteAnimationRec::Register();
}
