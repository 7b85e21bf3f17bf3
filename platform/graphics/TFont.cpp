#include "platform/graphics/TFont.h"

#include <cstdlib>

int TFont::Size() const {
    if (height_ < 0) return MulDiv(-height_, 72, ScreenPixelsPerInch);
    return MulDiv(height_, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72)); }

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) return TPersistent::Assign(source);
    name_ = font->name_;
    height_ = font->height_;
    color_ = font->color_;
    style_ = font->style_;
    charset_ = font->charset_;
    pitch_ = font->pitch_;
    Changed();
}

bool TFont::SameAs(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ && charset_ == o.charset_ &&
           pitch_ == o.pitch_;
}
