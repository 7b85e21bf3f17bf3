#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"
#include "skin/formats/TSeSkinObject.h"
#include "skin/formats/TSeStateObjects.h"
#include "skin/formats/TSeBitmapObject.h"

namespace {

uint32_t AlignFlags(TSeTextAlign align)
{
    static constexpr uint32_t columns[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static constexpr uint32_t rows[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    return columns[align % 3] | rows[align / 3] | DT_SINGLELINE;
}

// Left and right exchanged, the row kept.
TSeTextAlign Mirrored(TSeTextAlign align)
{
    const int column = align % 3;
    return static_cast<TSeTextAlign>(align - column + (2 - column));
}

// The longest start of 'text' that fits 'width' with "..." after it.
std::string Shortened(TCanvas& canvas, const std::string& text, int width)
{
    if (canvas.TextWidth(text) <= width)
        return text;
    std::string shown = text;
    while (!shown.empty()) {
        do
            shown.pop_back();
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80);
        if (canvas.TextWidth(shown + "...") <= width)
            break;
    }
    return shown + "...";
}

} // namespace

bool TSeSkinObject::VisibleIn(const TRect& clip) const
{
    TRect met;
    return width_ >= 1 && height_ >= 1 && (clip.IsEmpty() || IntersectRect(met, clip, BoundsRect()));
}

void TSeSkinObject::Draw(TCanvas& canvas, const TRect& clip)
{
    if (!visible_ || !VisibleIn(clip))
        return;
    if (ChildCount() == 0 || drawIfOwner_)
        DrawColorAndText(canvas);
    DrawChildren(canvas, clip);
}

void TSeSkinObject::DrawColorAndText(TCanvas& canvas)
{
    if (const TColor color = CurrentColor(); color != clNone)
        FillRectColor(canvas, BoundsRect(), color);
    DrawText(canvas);
}

void TSeSkinObject::DrawChildren(TCanvas& canvas, const TRect& clip)
{
    for (TSeSkinObject* child : ChildList()) {
        if (child->visible_ && child->VisibleIn(clip))
            child->Draw(canvas, clip);
    }
}

void TSeSkinObject::DrawText(TCanvas& canvas)
{
    TFont& font = GetFont();
    if (text_ == "-") {
        const int top = top_ + height_ / 2 - 1;
        FillRectColor(canvas, Rect(left_ + 3, top, left_ + width_ - 3, top + 1), font.Color());
        return;
    }
    if (text_.empty())
        return;
    TRect r = Rect(left_ + textMarginLeft_, top_ + textMarginTop_, left_ + width_ - textMarginRight_, top_ + height_);
    canvas.SetFont(font);
    if (!enabled_)
        canvas.Font().SetColor(clGray);
    canvas.SetBkMode(TRANSPARENT);
    const std::string text = kind_ == skTitle ? Shortened(canvas, text_, r.Width()) : text_;
    const auto draw = [&](const std::string& shown, TSeTextAlign align) {
        if (textEffect_ == teShadow) {
            const TColor color = canvas.Font().Color();
            canvas.Font().SetColor(clBlack);
            TRect shadow = r;
            shadow.Offset(1, 1);
            canvas.DrawText(shown, shadow, AlignFlags(align));
            canvas.Font().SetColor(color);
        }
        TRect at = r;
        canvas.DrawText(shown, at, AlignFlags(align));
    };
    draw(text, textAlign_);
    if (!secondText_.empty())
        draw(secondText_, Mirrored(textAlign_));
}

TRegion TSeSkinObject::CreateRegion()
{
    return TRegion(BoundsRect());
}

TRegion TSeSkinObject::GetRegion()
{
    if (width_ < 1 || height_ < 1)
        return TRegion();
    if (ChildCount() == 0)
        return CreateRegion();
    if (!masked_ || drawIfOwner_)
        return CreateRegion();
    TRegion region;
    for (TSeSkinObject* child : ChildList())
        if (child->visible_)
            region.Union(child->GetRegion());
    return region;
}

TRegion TSeSkinObject::RegionFromPixels()
{
    TteBitmap image;
    image.SetSize(width_, height_);
    image.Fill(KeyColor);
    TCanvas& canvas = image.Canvas();
    canvas.SetWindowOrg({left_, top_});
    Draw(canvas, TRect{});
    return BitmapToRegion(image, left_, top_);
}

void AssignStateFont(TFont& font, TSeSkinObject& object, uint8_t state)
{
    font.Assign(object.GetFont());
    const bool hotOrFocused = state == ssHot || state == ssFocused;
    if (auto* active = dynamic_cast<TSeActiveObject*>(&object); active && hotOrFocused)
        font.Assign(active->ActiveFont());
    else if (auto* bitmap = dynamic_cast<TSeActiveBitmap*>(&object); bitmap && hotOrFocused)
        font.Assign(bitmap->ActiveFont());
    else if (auto* text = dynamic_cast<TSeTextObject*>(&object)) {
        switch (state) {
        case ssHot: font.Assign(text->FontHot()); break;
        case ssPressed: font.Assign(text->FontPressed()); break;
        case ssFocused: font.Assign(text->FontFocused()); break;
        case ssDisabled: font.Assign(text->FontDisabled()); break;
        default: break;
        }
    }
}
