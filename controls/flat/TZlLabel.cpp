#include "controls/flat/TZlLabel.h"

#include "platform/graphics/TCanvas.h"

TZlLabel::TZlLabel(TComponent* AOwner) : TLabel(AOwner)
{
    Font().SetName("Courier New");
    Font().SetSize(11);
    SetParentFont(false);
}

void TZlLabel::SetAndInvalidate(TColor& field, TColor v)
{
    if (field == v)
        return;
    field = v;
    Invalidate();
}

void TZlLabel::SetTextStyle(TTextStyle v)
{
    if (textStyle_ == v)
        return;
    textStyle_ = v;
    Invalidate();
}

void TZlLabel::DrawPass(const TRect& client, int dx, int dy, TColor color, uint32_t flags)
{
    TRect r = client;
    r.Offset(dx, dy);
    Canvas().SetTextColor(color);
    Canvas().DrawText(Caption(), r, flags);
}

void TZlLabel::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);

    // Effects always wrap; the label's own WordWrap and Layout only size it.
    uint32_t flags = DT_EXPANDTABS | DT_WORDBREAK;
    if (Alignment() == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (Alignment() == TAlignment::taCenter)
        flags |= DT_CENTER;
    if (!ShowAccelChar())
        flags |= DT_NOPREFIX;
    canvas.SetFont(Font());

    switch (textStyle_) {
    case TTextStyle::txLowered:
        DrawPass(client, 1, 1, colorHigh_, flags);
        break;
    case TTextStyle::txRaised:
        DrawPass(client, -1, -1, colorHigh_, flags);
        break;
    case TTextStyle::txShadowed:
        DrawPass(client, 2, 2, colorLow_, flags);
        break;
    case TTextStyle::txOutlined:
        DrawPass(client, -1, -1, colorOutline_, flags);
        DrawPass(client, 1, 1, colorOutline_, flags);
        DrawPass(client, 1, -1, colorOutline_, flags);
        DrawPass(client, -1, 1, colorOutline_, flags);
        break;
    case TTextStyle::txLowered_Enhance:
    case TTextStyle::txLowered_Emboss:
        DrawPass(client, 1, 1, colorHigh_, flags);
        DrawPass(client, -1, -1, colorLow_, flags);
        break;
    case TTextStyle::txRaised_Enhance:
    case TTextStyle::txRaised_Emboss:
        DrawPass(client, 1, 1, colorLow_, flags);
        DrawPass(client, -1, -1, colorHigh_, flags);
        break;
    case TTextStyle::txNone:
        break;
    }

    TColor face = Font().Color();
    if (textStyle_ == TTextStyle::txLowered_Emboss || textStyle_ == TTextStyle::txRaised_Emboss) {
        // An embossed face is cut out of the background, so it takes the parent's colour.
        SetParentColor(true);
        face = Color();
    }
    if (!EnabledInTree())
        face = clGrayText;
    DrawPass(client, 0, 0, face, flags);
}
