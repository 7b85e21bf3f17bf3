#include "skin/engine/TteAnimationRec.h"

#include <algorithm>

#include "platform/core/ClassRegistry.h"
#include "platform/graphics/TBitmap.h"

const char* const RandomEffectName = "[ RANDOM ] - Random selection";
const char* const BitmapEffectName = "[ BITMAP ] - Bitmap Animation";

TteAnimationRec::TteAnimationRec(TComponent* owner)
    : TComponent(owner), effect_(RandomEffectName), bitmap_(std::make_unique<TBitmap>())
{
}

TteAnimationRec::~TteAnimationRec() = default;

void TteAnimationRec::SetBitmap(const TBitmap& value)
{
    bitmap_->Assign(value);
}

void TteAnimationRec::SetResolution(int v)
{
    if (v != resolution_)
        resolution_ = std::clamp(v, 1, 10);
}

void TteAnimationRec::SetTileCount(int v)
{
    if (v != tileCount_)
        tileCount_ = std::clamp(v, 1, 20);
}

void TteAnimationRec::SetTime(int v)
{
    if (v != time_)
        time_ = std::clamp(v, 50, 9000);
}

void TteAnimationRec::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TteAnimationRec*>(&source);
    if (!other)
        return TComponent::Assign(source);
    bitmap_->Assign(*other->bitmap_);
    enabled_ = other->enabled_;
    SetTime(other->time_);
    SetResolution(other->resolution_);
    SetTileCount(other->tileCount_);
    effect_ = other->effect_;
    rotation_ = other->rotation_;
}

void TteAnimationRec::Register()
{
    TMetaClass& meta = RegisterClass<TteAnimationRec>("TteAnimationRec");
    TPropertyTable& p = meta.OwnProperties();
    if (!p.Items().empty())
        return;
    using T = TteAnimationRec;
    p.AddBoolean<T>("Enabled", &T::Enabled, &T::SetEnabled);
    p.AddInteger<T>("Time", &T::Time, &T::SetTime);
    p.AddInteger<T>("Resolution", &T::Resolution, &T::SetResolution);
    p.AddInteger<T>("TileCount", &T::TileCount, &T::SetTileCount);
    p.AddString<T>("Effect", &T::Effect, &T::SetEffect);
    p.AddEnum<T>("Rotation", {"krNone", "krRotate90", "krRotate180", "krRotate270"}, &T::Rotation, &T::SetRotation);
    p.AddObject<T>("Bitmap", [](const T& r) -> TPersistent* { return &r.Bitmap(); });
}
