#include <algorithm>

#include "platform/core/Unicode.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCaretList.h"
#include "skin/controls/TTeEdit.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"

namespace {

constexpr uint32_t TextFlags = DT_NOPREFIX | DT_SINGLELINE;

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

bool TTeEdit::ThemeDefined() const
{
    return IsThemeEditDefined(0, themeObject_);
}

uint8_t TTeEdit::VisualState() const
{
    if (!EnabledInTree())
        return 3;
    if (MouseInControl())
        return 1;
    return HasFocus() ? 2 : 0;
}

const TFont& TTeEdit::StateFont(bool selected)
{
    if (!ThemeDefined())
        return PaintFont();
    static const int fonts[] = {tfEditBoxTextNormal, tfEditBoxTextHot, tfEditBoxTextFocused, tfEditBoxTextDisabled};
    return CurrentTheme()->Fonts().GetFont(selected ? tfEditBoxTextSelected : fonts[VisualState()]);
}

TCanvas& TTeEdit::Measure()
{
    TCanvas& canvas = measure_->Canvas();
    canvas.Font().Assign(StateFont(false));
    return canvas;
}

int TTeEdit::GetCharWidth()
{
    int width = 10;
    if (passwordKind_ == pkChar)
        width = Measure().TextWidth(Utf16ToUtf8(std::u16string(1, passwordChar_)));
    else if (passwordKind_ != pkNone)
        width = Measure().TextWidth("W");
    return std::max(width, 1);
}

int TTeEdit::TextWidthOf(int from, int count)
{
    if (count <= 0)
        return 0;
    if (passwordKind_ != pkNone)
        return count * GetCharWidth();
    return TextWidthW(Measure(), Utf16ToUtf8(text_.substr(static_cast<size_t>(from), static_cast<size_t>(count))));
}

int TTeEdit::TextWidthTotal()
{
    return TextWidthOf(0, static_cast<int>(text_.size()));
}

TRect TTeEdit::GetTextRect()
{
    if (ThemeDefined())
        return CurrentTheme()->GetEditClientRect(0, TteEditInfo{Rect(0, 0, Width(), Height()), VisualState()}, themeObject_);
    TRect r = GetContentRect();
    r.Bottom = r.Top + TextHeightW(Measure(), "Pq");
    return r;
}

int TTeEdit::AlignOffset()
{
    const int spare = GetTextRect().Width() - TextWidthTotal();
    if (spare <= 0 || alignment_ == TAlignment::taLeftJustify)
        return 0;
    return alignment_ == TAlignment::taRightJustify ? spare : spare / 2;
}

int TTeEdit::CaretX(int pos)
{
    const int first = firstVisible_ - 1;
    const int x = GetTextRect().Left + AlignOffset();
    return pos >= first ? x + TextWidthOf(first, pos - first) : x - TextWidthOf(pos, first - pos);
}

int TTeEdit::PositionAt(int x)
{
    const TRect r = GetTextRect();
    x -= AlignOffset();
    const int first = firstVisible_ - 1;
    const int length = static_cast<int>(text_.size());
    if (passwordKind_ != pkNone)
        return std::clamp(first + (x - r.Left) / GetCharWidth(), 0, length);
    int count = first;
    int edge = r.Left;
    while (count < length) {
        const int next = static_cast<int>(NextUtf16Position(text_, static_cast<size_t>(count)));
        const int right = r.Left + TextWidthOf(first, next - first);
        const int middle = edge + (right - edge) / 2;
        if (middle > r.Right || x < middle)
            break;
        count = next;
        edge = right;
    }
    return count;
}

void TTeEdit::SetCaretPos(int pos)
{
    caretPos_ = std::clamp(pos, 0, static_cast<int>(text_.size()));
    const int width = GetTextRect().Width();
    if (caretPos_ < firstVisible_) {
        firstVisible_ = std::max(caretPos_, 1);
        if (firstVisible_ > 1 && IsLowSurrogate(text_[static_cast<size_t>(firstVisible_) - 1]))
            --firstVisible_;
    } else {
        // Never past the caret, so a text rectangle without width cannot keep it moving.
        while (firstVisible_ - 1 < caretPos_ && TextWidthOf(firstVisible_ - 1, caretPos_ - firstVisible_ + 1) > width)
            firstVisible_ = static_cast<int>(NextUtf16Position(text_, static_cast<size_t>(firstVisible_) - 1)) + 1;
    }
    if (selLength_ == 0)
        selStart_ = caretPos_;
    if (caretCreated_)
        ::SetCaretPos(this, CaretX(caretPos_), GetTextRect().Top);
}

bool TTeEdit::CanAutoSize(int&, int& newHeight)
{
    newHeight = 2 * GetTextRect().Top + TextHeightW(Measure(), "Pq");
    return true;
}

void TTeEdit::BorderChanged()
{
    AdjustSize();
}

TRect TTeEdit::GetSelectionRect()
{
    if (selLength_ == 0)
        return TRect();
    const TRect r = GetTextRect();
    const int start = SelectionStart();
    TRect selection = Rect(CaretX(start), r.Top, CaretX(start + SelectionLength()), r.Bottom);
    selection.Left = std::max(selection.Left, r.Left);
    selection.Right = std::min(selection.Right, r.Right);
    return selection.Right > selection.Left ? selection : TRect();
}

void TTeEdit::PaintClient(TCanvas& canvas)
{
    const bool selection = SelectionShown() && selLength_ != 0;
    if (ThemeDefined()) {
        TteTheme* theme = CurrentTheme();
        theme->DrawEditFrame(0, canvas, TteEditInfo{Rect(0, 0, Width(), Height()), VisualState()}, "default");
        if (selection)
            theme->DrawEditSelection(0, canvas, TteEditInfo{GetSelectionRect(), VisualState()}, "default");
        DrawText(canvas);
        if (selection)
            DrawSelectedText(canvas);
        return;
    }
    TRect r = GetTextRect();
    r.Bottom = Height() - r.Top;
    DrawBackground(canvas, r);
    if (selection) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(GetSelectionRect());
    }
    DrawText(canvas);
    if (selection)
        DrawSelectedText(canvas);
}

void TTeEdit::DrawBackground(TCanvas& canvas, const TRect& rect)
{
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
}

void TTeEdit::DrawText(TCanvas& canvas)
{
    const TRect r = GetTextRect();
    const int first = firstVisible_ - 1;
    const int length = static_cast<int>(text_.size());
    if (passwordKind_ != pkNone) {
        const int cell = GetCharWidth();
        for (int i = first, x = CaretX(first); i < length && x < r.Right; ++i, x += cell)
            DrawPasswordChar(canvas, Rect(x, r.Top, x + cell, r.Bottom), false);
        return;
    }
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
    canvas.Font().Assign(StateFont(false));
    TRect t = Rect(CaretX(first), r.Top, std::max(r.Right, CaretX(length)), r.Bottom);
    DrawWideText(canvas, Utf16ToUtf8(text_.substr(static_cast<size_t>(first))), t, TextFlags);
    canvas.RestoreDC(saved);
}

void TTeEdit::DrawSelectedText(TCanvas& canvas)
{
    const TRect selection = GetSelectionRect();
    if (selection.Right <= selection.Left)
        return;
    const int start = std::max(SelectionStart(), firstVisible_ - 1);
    const int end = SelectionStart() + SelectionLength();
    if (passwordKind_ != pkNone) {
        const int cell = GetCharWidth();
        for (int i = start, x = CaretX(start); i < end && x < selection.Right; ++i, x += cell)
            DrawPasswordChar(canvas, Rect(x, selection.Top, x + cell, selection.Bottom), true);
        return;
    }
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(selection.Left, selection.Top, selection.Right, selection.Bottom);
    canvas.Font().Assign(StateFont(true));
    if (!ThemeDefined())
        canvas.Font().SetColor(clHighlightText);
    TRect t = Rect(CaretX(start), selection.Top, CaretX(end), selection.Bottom);
    DrawWideText(canvas, Utf16ToUtf8(text_.substr(static_cast<size_t>(start), static_cast<size_t>(end - start))), t, TextFlags);
    canvas.RestoreDC(saved);
}

void TTeEdit::DrawPasswordChar(TCanvas& canvas, const TRect& cell, bool selected)
{
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(cell.Left, cell.Top, cell.Right, cell.Bottom);
    canvas.Font().Assign(StateFont(selected));
    if (selected && !ThemeDefined())
        canvas.Font().SetColor(clHighlightText);
    const TColor color = canvas.Font().Color();
    if (passwordKind_ == pkChar) {
        TRect t = cell;
        DrawWideText(canvas, Utf16ToUtf8(std::u16string(1, passwordChar_)), t, TextFlags | DT_CENTER);
        canvas.RestoreDC(saved);
        return;
    }
    TRect r = cell;
    r.Inflate(-2, -3);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(color);
    switch (passwordKind_) {
    case pkRect:
        canvas.FillRect(r);
        break;
    case pkRoundRect:
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 3, 3);
        break;
    case pkCircle: {
        const int side = std::min(r.Width(), r.Height());
        const int x = r.Left + (r.Width() - side) / 2;
        const int y = r.Top + (r.Height() - side) / 2;
        canvas.Ellipse(x, y, x + side, y + side);
        break;
    }
    case pkTriangle:
        canvas.Polygon({TPoint{r.Left, r.Bottom - 1}, TPoint{(r.Left + r.Right) / 2, r.Top}, TPoint{r.Right - 1, r.Bottom - 1}});
        break;
    default:
        break;
    }
    canvas.RestoreDC(saved);
}
