#include "platform/controls/TCustomLabel.h"

#include "platform/core/Unicode.h"
#include "platform/graphics/TCanvas.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
    SetAutoSize(true);
    controlStyle_ |= csReplicatable;
}

void TCustomLabel::SetAlignment(TAlignment v)
{
    if (alignment_ == v)
        return;
    alignment_ = v;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout v)
{
    if (layout_ == v)
        return;
    layout_ = v;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool v)
{
    if (transparent_ == v)
        return;
    transparent_ = v;
    if (v)
        controlStyle_ &= ~csOpaque;
    else
        controlStyle_ |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool v)
{
    if (wordWrap_ == v)
        return;
    wordWrap_ = v;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v)
{
    if (showAccelChar_ == v)
        return;
    showAccelChar_ = v;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* v)
{
    if (focusControl_ == v)
        return;
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = v;
    if (v)
        v->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

char32_t TCustomLabel::AccelChar() const
{
    if (!showAccelChar_)
        return 0;
    const std::u32string text = Utf8ToUtf32(Caption());
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&')
            continue;
        if (text[i + 1] == U'&') {
            ++i;
            continue;
        }
        return UnicodeToLower(text[i + 1]);
    }
    return 0;
}

uint32_t TCustomLabel::TextFlags() const
{
    uint32_t flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, uint32_t flags)
{
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text.front() == '&' && text.size() == 1)))
        text += " ";
    if (EnabledInTree() || (flags & DT_CALCRECT)) {
        canvas.SetTextColor(Font().Color());
        canvas.DrawText(text, rect, flags);
        return;
    }
    TRect shadow = rect;
    shadow.Offset(1, 1);
    canvas.SetTextColor(clBtnHighlight);
    canvas.DrawText(text, shadow, flags);
    canvas.SetTextColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(r);
    }
    uint32_t flags = TextFlags();
    if (layout_ != TTextLayout::tlTop) {
        TRect measured = r;
        canvas.SetFont(Font());
        canvas.DrawText(Caption().empty() ? " " : Caption(), measured, flags | DT_CALCRECT);
        const int free = r.Height() - measured.Height();
        r.Top += layout_ == TTextLayout::tlCenter ? free / 2 : free;
    }
    DoDrawText(r, flags);
}

bool TCustomLabel::CanAutoSize(int& newWidth, int& newHeight)
{
    TCanvas measure;
    measure.SetFont(Font());
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    measure.DrawText(text, r, TextFlags() | DT_CALCRECT);
    if (!wordWrap_)
        newWidth = r.Width();
    newHeight = r.Height();
    return true;
}

void TCustomLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustSize();
        Invalidate();
        return;
    case CM_DIALOGCHAR: {
        const char32_t accel = AccelChar();
        if (accel && UnicodeToLower(static_cast<char32_t>(message.WParam)) == accel && focusControl_ &&
            focusControl_->CanFocus() && EnabledInTree()) {
            focusControl_->SetFocus();
            message.Result = 1;
        }
        return;
    }
    default:
        TGraphicControl::Dispatch(message);
    }
}
