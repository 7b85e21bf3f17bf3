#include <algorithm>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TTeStatusBar.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"

namespace {

// The theme's status operations are always asked for "default"; only the probe names the object.
const std::string kStatusObject = "default";

TteTheme* StatusTheme(const std::string& themeObject)
{
    return IsThemeStatusDefined(0, themeObject) ? CurrentTheme() : nullptr;
}

uint32_t AlignmentFlags(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

} // namespace

TRect TTeStatusBar::GetContentRect() const
{
    if (TteTheme* theme = StatusTheme(themeObject_))
        return theme->GetStatusClientRect(0, MakeStatusBarInfo(Rect(0, 0, Width(), Height())), kStatusObject);
    return TTeControl::GetContentRect();
}

TRect TTeStatusBar::GetPanelRect(int index) const
{
    const TRect content = GetContentRect();
    const TTeStatusPanel* p = panels_->Items(index);
    return Rect(p->LeftEdge(), content.Top, p->RightEdge(), content.Bottom);
}

TRect TTeStatusBar::GetPanelContentRect(const TTeStatusPanel& panel) const
{
    TRect r = GetPanelRect(panel.Index());
    if (panel.Framed()) {
        r.Inflate(-1, -1);
        r.Right -= 2;
    }
    return r;
}

TSize TTeStatusBar::GetImageSize(const TTeStatusPanel& panel) const
{
    if (images_ && panel.ImageIndex() >= 0 && panel.ImageIndex() < images_->Count())
        return {images_->Width(), images_->Height()};
    return {0, 0};
}

TSize TTeStatusBar::GetTextSize(const TTeStatusPanel& panel) const
{
    TCanvas canvas;
    canvas.SetFont(Font());
    const TSize image = panel.ShowImage() ? GetImageSize(panel) : TSize{0, 0};
    int limit = panel.EffectiveWidth() - 2 * panel.Margin();
    if (image.cx > 0)
        limit -= image.cx + panel.Spacing();
    const int width = std::min(TextWidthW(canvas, panel.Text()), std::max(limit, 0));
    return {width, panel.Text().empty() ? 0 : TextHeightW(canvas, "Pq")};
}

TRect TTeStatusBar::GetImageRect(const TTeStatusPanel& panel) const
{
    const TRect content = GetPanelContentRect(panel);
    const int cw = content.Width();
    const TSize image = GetImageSize(panel);
    const TSize text = GetTextSize(panel);
    const int spacing = panel.Spacing();
    int left;
    if (panel.Layout() == sglGlyphLeft)
        left = panel.Alignment() == TAlignment::taCenter ? (cw - (image.cx + spacing + text.cx)) / 2 : panel.Margin();
    else if (panel.Alignment() == TAlignment::taCenter)
        left = cw - (cw - (image.cx + spacing + text.cx)) / 2 - image.cx;
    else
        left = cw - (panel.Margin() + image.cx);
    const int top = (content.Height() - image.cy) / 2;
    return Rect(left, top, left + image.cx, top + image.cy);
}

TRect TTeStatusBar::GetTextRect(const TTeStatusPanel& panel) const
{
    const TRect content = GetPanelContentRect(panel);
    const int cw = content.Width();
    const TSize image = GetImageSize(panel);
    const bool hasImage = panel.ShowImage() && image.cx > 0;
    const TSize text = GetTextSize(panel);
    const int spacing = panel.Spacing();
    const int margin = panel.Margin();
    const bool centre = panel.Alignment() == TAlignment::taCenter;
    int left;
    int right;
    if (panel.Layout() == sglGlyphLeft) {
        if (centre) {
            left = hasImage ? (cw - (image.cx + spacing + text.cx)) / 2 + image.cx + spacing : (cw - text.cx) / 2;
            right = left + text.cx + 10;
        } else {
            left = hasImage ? margin + image.cx + spacing : margin;
            right = cw - margin;
        }
    } else if (centre) {
        left = hasImage ? (cw - (image.cx + spacing + text.cx)) / 2 : (cw - text.cx) / 2;
        right = left + text.cx;
    } else {
        left = margin;
        right = hasImage ? cw - (margin + image.cx + spacing) : cw - margin;
    }
    const int top = (content.Height() - text.cy) / 2;
    return Rect(left, top, right, top + text.cy);
}

TRect TTeStatusBar::GetGripRect() const
{
    const TRect content = GetContentRect();
    return Rect(content.Right - content.Height(), content.Top, content.Right, content.Bottom);
}

bool TTeStatusBar::GripShown() const
{
    if (!sizeGrip_)
        return false;
    TCustomForm* form = GetParentForm(this);
    if (!form || form->WindowState() == TWindowState::wsMaximized)
        return false;
    const TRect client = form->ClientRect();
    if (ClientToScreen({Width(), Height()}) != form->ClientToScreen({client.Right, client.Bottom}))
        return false;
    const TTeDefaultForm* skinned = FindSkinnedForm(form);
    return !skinned || (skinned->Dragging().Sizeable() && skinned->WindowState() == kwsNormal);
}

namespace {

TTeStatusBar* FirstVisibleStatusBar(const TWinControl& parent)
{
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* c = parent.Controls(i);
        if (!c->Visible())
            continue;
        if (auto* bar = dynamic_cast<TTeStatusBar*>(c))
            return bar;
        if (auto* inner = dynamic_cast<TWinControl*>(c); inner && !dynamic_cast<TCustomForm*>(c))
            if (TTeStatusBar* bar = FirstVisibleStatusBar(*inner))
                return bar;
    }
    return nullptr;
}

} // namespace

bool StatusBarGripHit(TCustomForm& form, TPoint screen)
{
    TTeStatusBar* bar = FirstVisibleStatusBar(form);
    return bar && bar->GripShown() && bar->GetGripRect().Contains(bar->ScreenToClient(screen));
}

void TTeStatusBar::PaintClient(TCanvas& canvas)
{
    PaintBackground(canvas);
    for (int i = 0; i < panels_->Count(); ++i)
        RepaintPanel(canvas, i);
    if (GripShown())
        PaintSizeGrip(canvas);
}

void TTeStatusBar::PaintBackground(TCanvas& canvas)
{
    if (TteTheme* theme = StatusTheme(themeObject_))
        theme->DrawStatusBar(0, canvas, MakeStatusBarInfo(Rect(0, 0, Width(), Height())), kStatusObject);
    else
        TTeControl::PaintClient(canvas);
}

void TTeStatusBar::RepaintPanel(TCanvas& canvas, int index)
{
    TTeStatusPanel& panel = *panels_->Items(index);
    if (!panel.PanelVisible())
        return;
    const TRect r = GetPanelRect(index);
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
    PaintPanel(canvas, panel, r, index == panels_->Count() - 1);
    canvas.RestoreDC(saved);
}

void TTeStatusBar::PaintPanel(TCanvas& canvas, TTeStatusPanel& panel, const TRect& rect, bool)
{
    const int saved = canvas.SaveDC();
    if (TteTheme* theme = StatusTheme(themeObject_)) {
        theme->DrawStatusPanel(0, canvas, MakeStatusPanelInfo(rect), kStatusObject);
    } else {
        FillRectColor(canvas, rect, Color());
        if (panel.Framed())
            DrawFrame3D(canvas, rect, clBtnShadow, clBtnHighlight);
    }
    if (panel.Style() == psOwnerDraw)
        DrawPanel(&panel, rect);
    else {
        PaintPanelText(canvas, panel, rect);
        if (panel.ShowImage() && GetImageSize(panel).cx > 0)
            PaintPanelImage(canvas, panel, rect);
    }
    canvas.RestoreDC(saved);
}

void TTeStatusBar::PaintPanelText(TCanvas& canvas, TTeStatusPanel& panel, const TRect&)
{
    if (panel.Text().empty())
        return;
    const TRect content = GetPanelContentRect(panel);
    TRect r = GetTextRect(panel);
    r.Offset(content.Left, content.Top);
    if (!IntersectRect(r, r, content))
        return;
    const uint32_t flags = AlignmentFlags(panel.Alignment()) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (TteTheme* theme = StatusTheme(themeObject_)) {
        canvas.SetFont(theme->Fonts().GetFont(Enabled() ? 42 : 48));
        const std::string text = EllipsisTextW(canvas, panel.Text(), r.Width() - 4);
        theme->DrawStatusText(0, canvas, MakeStatusPanelInfo(GetPanelRect(panel.Index())), MakeTextInfo(r, text, flags),
                              kStatusObject);
        return;
    }
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const std::string text = EllipsisTextW(canvas, panel.Text(), r.Width() - 4);
    DrawWideText(canvas, text, r, flags);
}

void TTeStatusBar::PaintPanelImage(TCanvas& canvas, TTeStatusPanel& panel, const TRect&)
{
    const TRect content = GetPanelContentRect(panel);
    TRect r = GetImageRect(panel);
    r.Offset(content.Left, content.Top);
    if (TteTheme* theme = StatusTheme(themeObject_))
        theme->DrawStatusGlyph(0, canvas, MakeStatusPanelInfo(GetPanelRect(panel.Index())),
                               MakeImageInfo(r, *images_, panel.ImageIndex(), Enabled() ? 0 : 3), kStatusObject);
    else
        images_->Draw(canvas, r.Left, r.Top, panel.ImageIndex(), Enabled());
}

void TTeStatusBar::PaintSizeGrip(TCanvas& canvas)
{
    if (TteTheme* theme = StatusTheme(themeObject_)) {
        theme->DrawStatusGripper(0, canvas, MakeStatusBarInfo(GetGripRect()), kStatusObject);
        return;
    }
    TRect r = GetGripRect();
    r.Inflate(-1, -1);
    DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}
