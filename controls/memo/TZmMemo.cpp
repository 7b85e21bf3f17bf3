#include "controls/memo/TZmMemo.h"

#include "controls/memo/TZmCustomMemoStyler.h"

TZmMemo::TZmMemo(TComponent* AOwner) : TZmCustomMemo(AOwner)
{
    RegisterClasses();
    SetBkColor(clWhite);
    SetDelErase(true);
    SetCaseSensitive(false);
    SetReadOnly(false);
    TFont font;
    font.Assign(Font());
    font.SetName("COURIER NEW");
    font.SetHeight(-13);
    font.SetColor(clBlack);
    font.SetStyle(0);
    SetFont(font);
    OnGutterDraw = [this](TComponent*, TCanvas& canvas, int number, int line, const TRect& row) {
        DrawGutterLine(canvas, line, number, row);
    };
    OnChange = [this](TComponent*) { Invalidate(); };
    OnGutterClick = [this](TComponent*, int line) { SetCaret(0, line); };
}

bool TZmMemo::IsDelimiter(char32_t ch) const
{
    if (TZmCustomMemo::IsDelimiter(ch))
        return true;
    const TZmCustomMemoStyler* styler = ActiveStyler();
    return styler && UseStyler() && styler->ElementStyles().IsDelimiter(ch);
}
