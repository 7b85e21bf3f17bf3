#include "controls/flat/TZlLink.h"

#include <algorithm>

#include "platform/core/DesktopOpener.h"
#include "platform/core/StrUtils.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TWinControl.h"

namespace {

const char* SchemePrefix(TZlLink::TURLType type)
{
    using enum TZlLink::TURLType;
    switch (type) {
    case utFile: return "file://";
    case utFtp: return "ftp://";
    case utGopher: return "gopher://";
    case utHttp: return "http://";
    case utHttps: return "https://";
    case utMailto: return "mailto:";
    case utNews: return "news:";
    case utTelnet: return "telnet:";
    case utWais: return "wais:";
    }
    return "";
}

} // namespace

TZlLink::TZlLink(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
    SetCursor(crHandPoint);
    Font().SetName("Courier New");
    Font().SetSize(11);
    SetParentFont(false);
    savedColor_ = Font().Color();
    TControl::SetAutoSize(true);
    AdjustBounds();
}

void TZlLink::SetAutoSize(bool v)
{
    TControl::SetAutoSize(v);
    AdjustBounds();
}

void TZlLink::SetFocusControl(TWinControl* v)
{
    if (focusControl_ == v)
        return;
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = v;
    if (v)
        v->FreeNotification(this);
    if (showFocus_)
        Invalidate();
}

void TZlLink::SetShadowSize(uint8_t v)
{
    if (shadowSize_ == v)
        return;
    shadowSize_ = v;
    AdjustBounds();
    Invalidate();
}

void TZlLink::SetTransparent(bool v)
{
    if (Transparent() == v)
        return;
    if (v)
        controlStyle_ &= ~csOpaque;
    else
        controlStyle_ |= csOpaque;
    Invalidate();
}

void TZlLink::SetWordWrap(bool v)
{
    if (wordWrap_ == v)
        return;
    wordWrap_ = v;
    AdjustBounds();
}

void TZlLink::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TZlLink::DrawLinkText(TCanvas& canvas, TRect& rect, uint32_t flags)
{
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text += " ";
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    canvas.SetFont(Font());

    TColor textColor = Font().Color();
    TColor shadowColor = shadowColor_;
    TShadowPosition pos = shadowPos_;
    int size = shadowSize_;
    if (!EnabledInTree()) {
        if (size == 0) {
            pos = TShadowPosition::spRightBottom;
            size = 1;
        }
        textColor = clGrayText;
        shadowColor = clBtnHighlight;
    }

    TRect textRect = rect;
    TRect shadowRect = rect;
    switch (pos) {
    case TShadowPosition::spLeftTop: textRect.Offset(size, size); break;
    case TShadowPosition::spLeftBottom:
        textRect.Offset(size, 0);
        shadowRect.Offset(0, size);
        break;
    case TShadowPosition::spRightBottom: shadowRect.Offset(size, size); break;
    case TShadowPosition::spRightTop:
        textRect.Offset(0, size);
        shadowRect.Offset(size, 0);
        break;
    }
    canvas.SetTextColor(ColorToRGB(shadowColor));
    canvas.DrawText(text, shadowRect, flags);
    canvas.SetTextColor(textColor);
    canvas.DrawText(text, textRect, flags);
    UnionRect(rect, textRect, shadowRect);
}

void TZlLink::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect r = client;
    r.Left += 1;
    r.Right -= 1;
    uint32_t flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    if (layout_ != TTextLayout::tlTop) {
        TRect measured = r;
        DrawLinkText(canvas, measured, flags | DT_CALCRECT);
        const int free = Height() - measured.Bottom;
        r.Offset(0, layout_ == TTextLayout::tlBottom ? free : free / 2);
    }
    DrawLinkText(canvas, r, flags);
}

void TZlLink::AdjustBounds()
{
    if (!AutoSize())
        return;
    TCanvas screen;
    TRect r = ClientRect();
    r.Inflate(-1, -1);
    uint32_t flags = DT_EXPANDTABS | DT_CALCRECT;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    DrawLinkText(screen, r, flags);
    r.Inflate(1, 1);
    const int left = alignment_ == TAlignment::taRightJustify ? Left() + Width() - r.Right : Left();
    SetBounds(left, Top(), r.Right, r.Bottom);
}

std::string TZlLink::Address() const
{
    const std::string& caption = Caption();
    if (!urlTypeAdd_)
        return caption;
    const std::string prefix = SchemePrefix(urlType_);
    // A caption that already carries the scheme would otherwise open as "http://http://...".
    if (SameText(LeftStr(caption, static_cast<int>(prefix.size())), prefix))
        return caption;
    return prefix + caption;
}

bool TZlLink::OpenLink()
{
    if (Caption().empty() || !urlEnabled_)
        return false;
    return OpenWithDesktop(Address(), SW_SHOWNOACTIVATE);
}

void TZlLink::Click()
{
    TWeakRef<TControl> self(this);
    TGraphicControl::Click();
    if (!self)
        return;
    const bool refused = urlEnabled_ && !Caption().empty() && !OpenLink();
    Invalidate();
    if (refused && OnOpenFailed)
        OnOpenFailed(this);
}

void TZlLink::DialogChar(TMessage& message)
{
    if (focusControl_ && EnabledInTree() && showAccelChar_ &&
        IsAccel(static_cast<char32_t>(message.WParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
    }
}

void TZlLink::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        DialogChar(message);
        return;
    case CM_FOCUSCHANGED: {
        const bool focused = focusControl_ && reinterpret_cast<TWinControl*>(message.LParam) == focusControl_;
        if (focused != focused_) {
            focused_ = focused;
            if (showFocus_)
                Invalidate();
        }
        break;
    }
    case CM_MOUSEENTER:
        if (message.LParam == 0) {
            savedColor_ = Font().Color();
            Font().SetColor(linkColor_);
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        if (message.LParam == 0) {
            Font().SetColor(savedColor_);
            Invalidate();
        }
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(message);
}
