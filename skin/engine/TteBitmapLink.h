#pragma once
// A named rectangle of one skin image, with flags that say which of its nine parts hold pixels
// that are not opaque, so that an object can copy the opaque parts and mask the others.
#include <string>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TRect.h"

class TteBitmap;

class TteBitmapLink : public TPersistent {
public:
    TteBitmap* Image() const { return image_; }
    void SetImage(TteBitmap* image) { image_ = image; }
    int Left() const { return left_; }
    void SetLeft(int v) { left_ = v; }
    int Top() const { return top_; }
    void SetTop(int v) { top_ = v; }
    int Right() const { return right_; }
    void SetRight(int v) { right_ = v; }
    int Bottom() const { return bottom_; }
    void SetBottom(int v) { bottom_ = v; }
    TRect BoundsRect() const { return Rect(left_, top_, right_, bottom_); }
    void SetBoundsRect(const TRect& r);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { name_ = v; }

    bool Masked() const { return masked_; }
    bool MaskedBorder() const { return maskedBorder_; }
    bool MaskedAngles() const { return maskedAngles_; }

    bool IsAssigned() const;
    // 'margins' holds the widths of the left, top, right and bottom strips; with no left, top
    // and right strip the whole rectangle counts as the centre.
    void CheckingMasked(const TRect& margins = Rect(0, 0, 0, 0));

    void Assign(const TPersistent& source) override;
    // The published Name, Left, Top, Right and Bottom, which skin objects stream.
    static void Register();

private:
    TteBitmap* image_ = nullptr;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    std::string name_;
    bool maskedBorder_ = false;
    bool maskedAngles_ = false;
    bool masked_ = false;
};
