#include <algorithm>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"
#include "skin/formats/TSeBitmapObject.h"

namespace {

constexpr int GlyphColumn = 22;
constexpr int SeparatorHeight = 15;
constexpr uint32_t CaptionFlags = DT_SINGLELINE | DT_VCENTER;

int GlyphColumnWidth(const TImageList* images)
{
    return images && images->Width() > MenuItemHeight() ? images->Width() + 6 : GlyphColumn;
}

// 3 disabled, 1 selected in a running loop, 2 hot while idle, else 0.
uint8_t ItemState(bool enabled, bool selected, bool idle)
{
    if (!enabled)
        return 3;
    if (selected)
        return idle ? 2 : 1;
    return 0;
}

// The maximized MDI child's icon, as its caption shows it, in the middle of the button.
bool DrawChildIcon(TCanvas& canvas, const TTeForm* skin, const TRect& rect)
{
    auto* form = skin ? dynamic_cast<TCustomForm*>(skin->Control()) : nullptr;
    if (!form)
        return false;
    DrawFormIcon(canvas, rect, form);
    return true;
}

} // namespace

void TTeItem::CalcSize(TCanvas& canvas, const TTeItemView& view, int& width, int& height)
{
    canvas.Font().Assign(MenuFont());
    width = MenuItemWidth();
    height = MenuItemHeight();
    if (view.BarStyle()) {
        width = TextWidthW(canvas, caption_, DT_NOPREFIX) + 12;
        if (kind_ != 0)
            width = height;
        return;
    }
    const TImageList* images = GetImages();
    width = TextWidthW(canvas, caption_, DT_NOPREFIX) + GlyphColumnWidth(images) + 42;
    if (shortCut_ != 0)
        width += canvas.TextWidth(ShortCutToText(shortCut_));
    if (IsSeparator())
        height = SeparatorHeight;
    else if (images && images->Height() > MenuItemHeight())
        height = images->Height() + 4;
}

void TTeItem::Paint(TCanvas& canvas, const TTeItemView& view, const TRect& rect, bool selected, bool idle)
{
    const uint8_t state = ItemState(enabled_, selected, idle);
    if (IsThemeMenuDefined(view.BarStyle() ? 0 : 2, themeObject_))
        PaintThemed(canvas, view, rect, state);
    else
        PaintClassic(canvas, view, rect, selected, state);
}

void TTeItem::PaintThemed(TCanvas& canvas, const TTeItemView& view, const TRect& rect, uint8_t state)
{
    TteTheme& theme = *CurrentTheme();
    if (view.BarStyle()) {
        const TteMenuItemInfo info = MakeMenuItemInfo(rect, 0, 0, state);
        theme.DrawMenuItem(0, canvas, info, themeObject_);
        if (kind_ >= 1 && kind_ <= 3) {
            static constexpr uint8_t glyphs[] = {0, 15, 14, 13};
            theme.DrawMenuItemGlyph(0, canvas, info, MakeItemGlyphInfo(rect, nullptr, state, glyphs[kind_]),
                                    themeObject_);
        } else if (kind_ == 4) {
            if (!DrawChildIcon(canvas, mdiChildSkin_, rect))
                theme.DrawMenuItemGlyph(0, canvas, info, MakeItemMarkInfo(rect, 4), themeObject_);
        } else {
            canvas.Font().Assign(theme.Fonts().GetFont(34 + state));
            theme.DrawMenuItemText(0, canvas, info, MakeTextInfo(rect, caption_, DT_CENTER | CaptionFlags),
                                   themeObject_);
        }
        return;
    }
    if (IsSeparator()) {
        theme.DrawMenuItem(2, canvas, MakeMenuItemInfo(rect, 1, 0, 0), "default");
        return;
    }
    const TteMenuItemInfo info = MakeMenuItemInfo(rect, 0, checked_ ? 2 : 0, state);
    theme.DrawMenuItem(2, canvas, info, "default");
    TImageList* images = GetImages();
    const int column = GlyphColumnWidth(images);
    const TRect glyph{rect.Left, rect.Top, rect.Left + column, rect.Bottom};
    if (images && imageIndex_ >= 0)
        theme.DrawMenuItemGlyph(2, canvas, info, MakeItemImageInfo(glyph, *images, imageIndex_, state), "default");
    else if (checked_)
        theme.DrawMenuItemGlyph(2, canvas, info, MakeItemGlyphInfo(glyph, nullptr, state, 0), "default");
    canvas.Font().Assign(theme.Fonts().GetFont(34 + state));
    const TRect text{rect.Left + column + 4, rect.Top, rect.Right, rect.Bottom};
    theme.DrawMenuItemText(2, canvas, info, MakeTextInfo(text, caption_, CaptionFlags), "default");
    if (shortCut_ != 0) {
        canvas.Font().Assign(theme.Fonts().GetFont(34));
        const TRect keys{text.Left, rect.Top, rect.Right - GlyphColumn, rect.Bottom};
        theme.DrawMenuItemText(2, canvas, info, MakeTextInfo(keys, ShortCutToText(shortCut_), CaptionFlags | DT_RIGHT),
                               "default");
    }
    if (!items_.empty()) {
        const int top = rect.Top + (rect.Height() - 20) / 2;
        const TRect arrow{rect.Right - 2 - GlyphColumn, top, rect.Right - 2, top + rect.Height()};
        theme.DrawMenuItemGlyph(2, canvas, info, MakeItemGlyphInfo(arrow, nullptr, state, 2), "default");
    }
}

void TTeItem::PaintClassic(TCanvas& canvas, const TTeItemView& view, const TRect& rect, bool selected, uint8_t state)
{
    const bool highlighted = selected && state != 3;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(highlighted ? clHighlight : clMenu);
    canvas.FillRect(rect);
    canvas.Font().Assign(MenuFont());
    canvas.Font().SetColor(state == 3 ? clGrayText : highlighted ? clHighlightText : clMenuText);
    if (view.BarStyle()) {
        static constexpr uint32_t buttons[] = {0, DFCS_CAPTIONCLOSE, DFCS_CAPTIONRESTORE, DFCS_CAPTIONMIN};
        if (kind_ >= 1 && kind_ <= 3) {
            DrawFrameControl(canvas, rect, DFC_CAPTION, buttons[kind_]);
        } else if (kind_ == 4) {
            DrawChildIcon(canvas, mdiChildSkin_, rect);
        } else {
            TRect text = rect;
            DrawWideText(canvas, caption_, text, DT_CENTER | CaptionFlags);
        }
        return;
    }
    if (IsSeparator()) {
        const int y = rect.Top + rect.Height() / 2 - 1;
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FillRect({rect.Left + 1, y, rect.Right - 1, y + 1});
        canvas.Brush().SetColor(clBtnHighlight);
        canvas.FillRect({rect.Left + 1, y + 1, rect.Right - 1, y + 2});
        return;
    }
    TImageList* images = GetImages();
    const int column = GlyphColumnWidth(images);
    if (images && imageIndex_ >= 0)
        images->Draw(canvas, rect.Left + (column - images->Width()) / 2, rect.Top + (rect.Height() - images->Height()) / 2,
                     imageIndex_, enabled_);
    else if (checked_)
        DrawFrameControl(canvas, {rect.Left + 3, rect.Top + 3, rect.Left + column - 3, rect.Bottom - 3}, DFC_MENU,
                         DFCS_MENUCHECK);
    TRect text{rect.Left + column + 4, rect.Top, rect.Right - GlyphColumn, rect.Bottom};
    DrawWideText(canvas, caption_, text, CaptionFlags);
    if (shortCut_ != 0) {
        TRect keys{rect.Left + column + 4, rect.Top, rect.Right - GlyphColumn, rect.Bottom};
        DrawWideText(canvas, ShortCutToText(shortCut_), keys, CaptionFlags | DT_RIGHT);
    }
    if (!items_.empty()) {
        const int top = rect.Top + (rect.Height() - 20) / 2;
        DrawFrameControl(canvas, {rect.Right - 2 - GlyphColumn, top, rect.Right - 2, top + 20}, DFC_MENU,
                         DFCS_MENUARROW);
    }
}

void TTeItem::PaintScrollArrow(TCanvas& canvas, const TTeItemView& view, const TRect& rect, uint8_t direction,
                               bool pressed)
{
    (void)view;
    if (IsThemeMenuDefined(2, themeObject_)) {
        const uint8_t state = !enabled_ ? 3 : pressed ? 1 : 0;
        CurrentTheme()->DrawMenuItem(2, canvas, MakeMenuItemInfo(rect, direction == 1 ? 2 : 3, 0, state), "default");
        return;
    }
    // The strip in the menu's face, the triangle in the font colour pointing the way the column moves.
    const TColor color = canvas.Font().Color();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clMenu);
    canvas.FillRect(rect);
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    const int dy = direction == 1 ? -2 : 2;
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(color);
    canvas.Polygon({{cx - 4, cy - dy}, {cx + 4, cy - dy}, {cx, cy + dy}});
}
