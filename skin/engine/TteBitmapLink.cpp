#include "skin/engine/TteBitmapLink.h"

#include "platform/core/ClassRegistry.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"

namespace {

// Skins paint this grey as a solid colour even though its alpha is 0x33.
constexpr uint32_t OpaqueGrey = 0x33333333u;

bool NotOpaque(uint32_t pixel)
{
    return pixel != OpaqueGrey && (pixel == KeyColor || PixelAlpha(pixel) < 255);
}

bool Inside(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x < right && y >= top && y < bottom;
}

} // namespace

void TteBitmapLink::SetBoundsRect(const TRect& r)
{
    left_ = r.Left;
    top_ = r.Top;
    right_ = r.Right;
    bottom_ = r.Bottom;
}

bool TteBitmapLink::IsAssigned() const
{
    return image_ && static_cast<int64_t>(right_ - left_) * (bottom_ - top_) >= 1;
}

void TteBitmapLink::CheckingMasked(const TRect& margins)
{
    masked_ = maskedBorder_ = maskedAngles_ = false;
    if (!image_)
        return;
    const int mL = margins.Left, mT = margins.Top, mR = margins.Right, mB = margins.Bottom;
    const int w = right_ - left_, h = bottom_ - top_;
    const bool simple = mL == 0 && mT == 0 && mR == 0;
    for (int x = left_; x < right_; ++x) {
        for (int y = top_; y < bottom_; ++y) {
            if (!NotOpaque(image_->GetPixel(x, y)))
                continue;
            if (simple) {
                masked_ = true;
                return;
            }
            const int px = x - left_, py = y - top_;
            if (Inside(px, py, 0, 0, mL, mT) || Inside(px, py, w - mR, 0, w, mT) ||
                Inside(px, py, w - mR, h - mB, w, h) || Inside(px, py, 0, h - mB, mL, h))
                maskedAngles_ = true;
            if (Inside(px, py, mL, 0, w - mR, mT) || Inside(px, py, mL, h - mB, w - mR, h) ||
                Inside(px, py, 0, mT, mL, h - mB) || Inside(px, py, w - mR, mT, w, h - mB))
                maskedBorder_ = true;
            if (Inside(px, py, mL, mT, w - mR, h - mB))
                masked_ = true;
        }
    }
}

void TteBitmapLink::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TteBitmapLink*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    image_ = other->image_;
    left_ = other->left_;
    top_ = other->top_;
    right_ = other->right_;
    bottom_ = other->bottom_;
    name_ = other->name_;
    masked_ = other->masked_;
    maskedBorder_ = other->maskedBorder_;
    maskedAngles_ = other->maskedAngles_;
}

void TteBitmapLink::Register()
{
    TPropertyTable& p = RegisterClass<TteBitmapLink>("TteBitmapLink").OwnProperties();
    if (!p.Items().empty())
        return;
    using T = TteBitmapLink;
    p.AddString<T>("Name", &T::Name, &T::SetName);
    p.AddInteger<T>("Left", &T::Left, &T::SetLeft);
    p.AddInteger<T>("Top", &T::Top, &T::SetTop);
    p.AddInteger<T>("Right", &T::Right, &T::SetRight);
    p.AddInteger<T>("Bottom", &T::Bottom, &T::SetBottom);
}
