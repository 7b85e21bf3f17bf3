#include "controls/memo/TZmHintForm.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

// Draws or measures the three texts one after the other from x; answers the x after them.
int RunTexts(TCanvas& canvas, const TFont& base, const std::string (&texts)[3], int boldMode, int x, int y, bool draw)
{
    TFont font;
    font.Assign(base);
    for (int i = 0; i < 3; ++i) {
        font.SetStyle(boldMode == i + 1 ? TFontStyles(fsBold) : TFontStyles(0));
        canvas.SetFont(font);
        if (draw)
            canvas.TextOut(x, y, texts[i]);
        x += canvas.TextWidth(texts[i]);
    }
    return x;
}

} // namespace

TZmHintForm::TZmHintForm(TComponent* AOwner) : TForm(AOwner)
{
    SetName("_hf");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetCaption("");
}

void TZmHintForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style |= WS_POPUP;
    params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TZmHintForm::SetTexts(const std::string& before, const std::string& current, const std::string& after,
                           int boldMode)
{
    texts_[0] = before;
    texts_[1] = current;
    texts_[2] = after;
    boldMode_ = boldMode;
    Invalidate();
}

TPoint TZmHintForm::TextExtent()
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.SetFont(Font());
    const int height = canvas.TextHeight("h,g_`") + 4;
    return {RunTexts(canvas, Font(), texts_, boldMode_, 0, 0, false) + 6, height};
}

void TZmHintForm::PaintWindow(TCanvas& canvas)
{
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(client);
    canvas.Brush().SetColor(clGray);
    canvas.FrameRect(client);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(textColor_);
    RunTexts(canvas, Font(), texts_, boldMode_, 2, 2, true);
}

void TZmHintForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TForm::MouseDown(button, shift, x, y);
    if (OnPress)
        OnPress();
}
