#include "skin/controls/TTeLabel.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"

TTeLabel::TTeLabel(TComponent* AOwner) : TTeGraphicControl(AOwner)
{
    // Transparent from the start: the parent paints beneath it.
    SetControlStyle((ControlStyle() | csReplicatable) & ~csOpaque);
    SetBounds(0, 0, 65, 17);
}

void TTeLabel::SetAutoSize(bool v)
{
    if (autoSize_ == v)
        return;
    autoSize_ = v;
    AdjustBounds();
}

void TTeLabel::SetWordWrap(bool v)
{
    if (wordWrap_ == v)
        return;
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TTeLabel::SetFocusControl(TWinControl* v)
{
    if (focusControl_ == v)
        return;
    focusControl_ = v;
    if (v)
        v->FreeNotification(this);
}

void TTeLabel::SetTransparent(bool v)
{
    if (transparent_ == v)
        return;
    transparent_ = v;
    SetControlStyle(v ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TTeLabel::Loaded()
{
    TTeGraphicControl::Loaded();
    AdjustBounds();
}

void TTeLabel::Notification(TComponent* component, TOperation operation)
{
    TTeGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TTeLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        TTeGraphicControl::Dispatch(message);
        AdjustBounds();
        Invalidate();
        Update();
        return;
    case CM_FONTCHANGED:
        TTeGraphicControl::Dispatch(message);
        AdjustBounds();
        return;
    case CM_DIALOGCHAR:
        if (focusControl_ && EnabledInTree() && showAccelChar_ &&
            IsAccel(static_cast<char32_t>(message.WParam), Caption()) && focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            message.Result = 1;
            return;
        }
        TTeGraphicControl::Dispatch(message);
        return;
    default:
        TTeGraphicControl::Dispatch(message);
    }
}

uint32_t TTeLabel::TextFlags() const
{
    static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | alignments[static_cast<int>(alignment_)];
}

void TTeLabel::PaintClient(TCanvas& canvas)
{
    if (IsThemeLabelDefined(0, themeObject_) && CurrentTheme()->IsLabelTransparent(0, themeObject_))
        DrawParentBackground(this, canvas);
    else if (transparent_)
        PaintParentBackground(canvas);
    else
        TTeGraphicControl::PaintClient(canvas);
    TRect r = ClientRect();
    const uint32_t flags = TextFlags();
    if (layout_ != TTextLayout::tlTop) {
        TRect measured = r;
        DoDrawText(canvas, measured, flags | DT_CALCRECT);
        const int spare = Height() - measured.Bottom;
        r.Offset(0, layout_ == TTextLayout::tlBottom ? spare : spare / 2);
    }
    DoDrawText(canvas, r, flags);
}

void TTeLabel::DoDrawText(TCanvas& canvas, TRect& rect, uint32_t flags)
{
    if (!Parent())
        return;
    std::string text = GetLabelText();
    // A measured label keeps a line's height however little it says.
    if ((flags & DT_CALCRECT) && (text.empty() || (text == "&" && showAccelChar_)))
        text += ' ';
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    if (IsThemeLabelDefined(0, themeObject_)) {
        const bool enabled = EnabledInTree();
        canvas.SetFont(CurrentTheme()->Fonts().GetFont(enabled ? tfStaticTextNormal : tfStaticTextDisabled));
        CurrentTheme()->DrawLabelText(0, canvas, TteLabelInfo{rect, static_cast<uint8_t>(enabled ? 0 : 2)},
                                      MakeTextInfo(rect, text, flags), "default");
        if (flags & DT_CALCRECT)
            DrawWideText(canvas, text, rect, flags);
        return;
    }
    canvas.SetFont(PaintFont());
    if (!EnabledInTree()) {
        TRect shadow = rect;
        shadow.Offset(1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        DrawWideText(canvas, text, shadow, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    DrawWideText(canvas, text, rect, flags);
}

void TTeLabel::AdjustBounds()
{
    if (!autoSize_ || IsLoading())
        return;
    TBitmap scratch(1, 1);
    PaintFont().Assign(Font());
    TRect r = ClientRect();
    DoDrawText(scratch.Canvas(), r, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    int x = Left();
    if (alignment_ == TAlignment::taRightJustify)
        x += Width() - r.Right;
    SetBounds(x, Top(), r.Right, r.Bottom);
}
