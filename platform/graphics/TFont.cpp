#include "platform/graphics/TFont.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/MathUtils.h"

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

void TFont::Register()
{
    TPropertyTable& p = RegisterClass<TFont>("TFont").OwnProperties();
    if (!p.Items().empty())
        return;
    using T = TFont;
    p.AddInteger<T>("Charset", &T::Charset, &T::SetCharset);
    // Stored as the signed 32-bit value, so system colours read back as negative numbers.
    p.AddInteger<T>(
        "Color", [](const T& f) { return static_cast<int32_t>(f.Color()); },
        [](T& f, int32_t v) { f.SetColor(static_cast<TColor>(v)); });
    p.AddInteger<T>("Height", &T::Height, &T::SetHeight);
    p.AddString<T>("Name", &T::Name, &T::SetName);
    p.AddEnum<T>(
        "Pitch", {"fpDefault", "fpVariable", "fpFixed"}, [](const T& f) { return static_cast<int>(f.Pitch()); },
        [](T& f, int v) { f.SetPitch(static_cast<TFontPitch>(v)); });
    p.AddSet<T>("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &T::Style, &T::SetStyle);
}
