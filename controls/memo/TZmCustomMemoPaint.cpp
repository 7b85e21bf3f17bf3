#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/controls/TScrollBar.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/core/Unicode.h"

TRect TZmCustomMemo::TextRect() const
{
    TRect r;
    r.Left = textMargin_ + 2 + (gutter_->Visible() && gutter_->GutterWidth() >= 3 ? gutter_->GutterWidth() : 0);
    r.Top = 2;
    r.Right = Width() - 2 - (vertBar_->Visible() ? vertBar_->Width() : 0);
    r.Bottom = Height() - 2 - (horzBar_->Visible() ? horzBar_->Height() : 0);
    const int grow = borderStyle_ == TBorderStyle::bsNone ? 2 : (ctl3D_ ? 0 : 1);
    r.Left -= grow;
    r.Top -= grow;
    r.Right += grow;
    r.Bottom += grow;
    return r;
}

TRect TZmCustomMemo::CellRect(int column, int row) const
{
    const TRect text = TextRect();
    const int left = text.Left + column * charWidth_;
    const int top = text.Top + row * lineHeight_ + 1;
    return Rect(left, top, left + charWidth_, top + lineHeight_);
}

int TZmCustomMemo::VisibleRows() const
{
    const TRect text = TextRect();
    return lineHeight_ > 0 ? std::max((text.Bottom - 1 - text.Top) / lineHeight_, 0) : 0;
}

int TZmCustomMemo::VisibleColumns() const
{
    const TRect text = TextRect();
    return charWidth_ > 0 ? std::max((text.Right - 1 - text.Left) / charWidth_, 0) : 0;
}

TRect TZmCustomMemo::GutterArea() const
{
    const int width = gutter_->GutterWidth();
    if (borderStyle_ != TBorderStyle::bsSingle)
        return Rect(0, 0, width + 2, Height());
    const int at = ctl3D_ ? 2 : 1;
    return Rect(at, at, at + width, Height() - at);
}

bool TZmCustomMemo::SelectionShown() const
{
    return !hideSelection_ || Focused();
}

TMemoScanner TZmCustomMemo::MakeScanner() const
{
    return TMemoScanner(useStyler_ ? ActiveStyler() : nullptr, caseSensitive_,
                        urlAware_ ? std::u32string_view(urlDelimiters_) : std::u32string_view(),
                        [this](std::u32string_view text) { return IsURL(text); });
}

TMemoLexState TZmCustomMemo::ComputeTopLineState(int line)
{
    TMemoLexState state;
    if (!useStyler_ || !ActiveStyler() || line <= 0)
        return state;
    line = std::min(line, lines_->Count());
    int from = line - 1;
    while (from > 0) {
        const TLineProp* prop = from % 20 == 0 ? lines_->GetLineProp(from) : nullptr;
        if (prop && prop->LexState)
            break;
        --from;
    }
    if (const TLineProp* prop = lines_->GetLineProp(from); prop && prop->LexState && from % 20 == 0)
        state = *prop->LexState;
    const TMemoScanner scanner = MakeScanner();
    for (int i = from; i < line; ++i) {
        if (i % 20 == 0) {
            TLineProp& prop = lines_->CreateLineProp(i);
            if (!prop.LexState)
                prop.LexState = state;
        }
        ++scannedLines_;
        scanner.Scan(lines_->Line(i), state, nullptr);
    }
    return state;
}

std::vector<TMemoRun> TZmCustomMemo::LineRuns(int line, TMemoLexState& state) const
{
    return LineRuns(MakeScanner(), line, state);
}

std::vector<TMemoRun> TZmCustomMemo::LineRuns(const TMemoScanner& scanner, int line, TMemoLexState& state) const
{
    std::vector<TLexPiece> lexical;
    ++scannedLines_;
    scanner.Scan(lines_->Line(line), state, &lexical);
    const std::u32string& text = lines_->Line(line);
    struct Look {
        TColor color, bk;
        TFontStyles style;
        bool operator==(const Look&) const = default;
    };
    const TColor fontColor = Font().Color();
    const TFontStyles fontStyle = Font().Style();
    const TZmCustomMemoStyler* styler = useStyler_ ? ActiveStyler() : nullptr;
    auto bkOr = [this](TColor c) { return c == clNone ? bkColor_ : c; };
    std::vector<Look> looks(text.size(), Look{fontColor, bkColor_, fontStyle});
    for (const auto& [column, pieceText, kind] : lexical) {
        Look look{fontColor, bkColor_, fontStyle};
        const TElementStyle* element =
            styler && kind.StyleIndex >= 0 && kind.StyleIndex < styler->ElementStyles().Count()
                ? styler->ElementStyles().Items(kind.StyleIndex)
                : nullptr;
        if (kind.Url) {
            look = {urlStyle_.TextColor(), bkOr(urlStyle_.BkColor()), urlStyle_.Style()};
        } else if (styler && kind.InComment) {
            const TCharStyle& c = styler->CommentStyle();
            look = {c.TextColor(), bkOr(c.BkColor()), c.Style()};
        } else if (styler && kind.Number && !kind.InString) {
            const TCharStyle& c = styler->NumberStyle();
            look = {c.TextColor(), bkOr(c.BkColor()), c.Style()};
        } else if (element && (kind.Symbol || kind.Keyword || kind.InString)) {
            look = {element->Font().Color(), bkOr(element->BGColor()), element->Font().Style()};
        }
        for (size_t c = 0; c < pieceText.size(); ++c)
            looks[static_cast<size_t>(column) + c] = look;
    }
    const bool breakpoint = lines_->Breakpoint(line);
    const bool active = line == activeLine_ && activeLineSettings_->ShowActiveLine();
    if (breakpoint || active)
        for (Look& look : looks)
            look = breakpoint ? Look{breakpointTextColor_, breakpointColor_, look.style}
                              : Look{activeLineSettings_->ActiveLineTextColor(), activeLineSettings_->ActiveLineColor(), look.style};
    if (blockShow_)
        for (const auto& mark : {blockBegin_, blockEnd_})
            if (mark[0] == line)
                for (int c = mark[1]; c < mark[1] + std::max(mark[2], 1) && c < static_cast<int>(looks.size()); ++c)
                    if (c >= 0)
                        looks[static_cast<size_t>(c)].bk = blockColor_;
    if (SelectionShown() && HasSelection()) {
        int x1 = selStartX_, y1 = selStartY_, x2 = selEndX_, y2 = selEndY_;
        if (y1 > y2 || (y1 == y2 && x1 > x2)) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        if (line >= y1 && line <= y2) {
            const int from = line == y1 ? std::max(x1, 0) : 0;
            const int to = line == y2 ? x2 : static_cast<int>(looks.size());
            for (int c = from; c < to && c < static_cast<int>(looks.size()); ++c) {
                Look& look = looks[static_cast<size_t>(c)];
                look = breakpoint || active ? Look{look.bk, look.color, look.style} : Look{selColor_, selBkColor_, look.style};
            }
        }
    }
    std::vector<TMemoRun> runs;
    for (size_t c = 0; c < text.size(); ++c) {
        const Look& look = looks[c];
        if (!runs.empty() && runs.back().Color == look.color && runs.back().BkColor == look.bk &&
            runs.back().Style == look.style) {
            runs.back().Text += text[c];
            continue;
        }
        runs.push_back(TMemoRun{static_cast<int>(c), std::u32string(1, text[c]), look.color, look.bk, look.style});
    }
    return runs;
}

void TZmCustomMemo::DrawLine(TCanvas& canvas, const TMemoScanner& scanner, int line, TMemoLexState& state)
{
    const TRect text = TextRect();
    const int row = line - topLine_;
    const TRect cell = CellRect(0, row);
    const int width = std::max(text.Width(), 0);
    TCanvas& lc = lineBitmap_->Canvas();
    if (line >= lines_->Count()) {
        canvas.Brush().SetColor(bkColor_);
        canvas.FillRect(Rect(text.Left, cell.Top, text.Left + width, cell.Bottom));
        return;
    }
    TColor rest = bkColor_;
    if (lines_->Breakpoint(line))
        rest = breakpointColor_;
    else if (line == activeLine_ && activeLineSettings_->ShowActiveLine())
        rest = activeLineSettings_->ActiveLineColor();
    lc.Brush().SetColor(rest);
    lc.FillRect(Rect(0, 0, width, lineHeight_));
    const int x0 = -leftCol_ * charWidth_;
    for (const TMemoRun& run : LineRuns(scanner, line, state)) {
        const int left = x0 + run.Column * charWidth_;
        const int right = left + static_cast<int>(run.Text.size()) * charWidth_;
        if (right <= 0 || left >= width)
            continue;
        lc.Font().SetColor(run.Color);
        lc.Font().SetStyle(run.Style);
        lc.Brush().SetColor(run.BkColor);
        lc.FillRect(Rect(left, 0, right, lineHeight_));
        TRect r = Rect(left, 0, right, lineHeight_);
        lc.SetBkMode(TRANSPARENT);
        lc.DrawText(Utf32ToUtf8(run.Text), r, DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    }
    if (const TLineProp* prop = lines_->GetLineProp(line)) {
        lc.Pen().SetColor(0x0000FF);
        lc.Pen().SetWidth(1);
        for (int e = 0; e < std::min(prop->ErrorStarts.Count(), prop->ErrorEnds.Count()); ++e) {
            const int from = std::max(prop->ErrorStarts[e] - leftCol_, 0);
            const int to = std::max(prop->ErrorEnds[e] - leftCol_, 0);
            if (from == to)
                continue;
            int x = from * charWidth_ / 2 * 2;
            bool low = true;
            lc.MoveTo(x, lineHeight_ - 1);
            while (x < to * charWidth_) {
                x += 2;
                low = !low;
                lc.LineTo(x, low ? lineHeight_ - 1 : lineHeight_ - 3);
            }
        }
    }
    if (blockShow_ && blockLineColor_ != clNone)
        for (const auto& mark : {blockBegin_, blockEnd_})
            if (mark[0] == line) {
                const int x = x0 + mark[1] * charWidth_;
                lc.Pen().SetColor(blockLineColor_);
                lc.MoveTo(x, 0);
                lc.LineTo(x, lineHeight_);
            }
    canvas.BitBlt(text.Left, cell.Top, width, lineHeight_, lc, 0, 0, SRCCOPY);
}

void TZmCustomMemo::Paint()
{
    if (lines_->UpdateCount() > 0)
        return;
    TCanvas& canvas = Canvas();
    if (lineHeight_ == 0)
        ApplyFont();
    const TRect text = TextRect();
    lineBitmap_->SetSize(std::max(text.Width(), 1), std::max(lineHeight_, 1));
    TCanvas& lc = lineBitmap_->Canvas();
    lc.SetFont(Font());
    lc.SetTextLog(canvas.TextLog());
    canvas.Brush().SetColor(bkColor_);
    // Margins between the frame and the text.
    canvas.FillRect(Rect(0, 0, Width(), std::max(text.Top, 2) + 1));
    canvas.FillRect(Rect(0, 0, text.Left, Height()));
    canvas.FillRect(Rect(text.Right, 0, Width(), Height()));
    canvas.FillRect(Rect(0, text.Bottom, Width(), Height()));
    if (gutter_->Visible() && gutter_->GutterWidth() >= 2) {
        TRect area = GutterArea();
        area.Bottom = text.Bottom;
        gutter_->SetGutterRect(area);
        PaintGutter(canvas);
    }
    PaintFrame(canvas);
    if (topLine_ != cachedTop_) {
        const bool saved = notificationsEnabled_;
        notificationsEnabled_ = false;
        cachedTopState_ = ComputeTopLineState(topLine_);
        notificationsEnabled_ = saved;
        cachedTop_ = topLine_;
    }
    TMemoLexState state = cachedTopState_;
    const TMemoScanner scanner = MakeScanner();
    const int last = std::min(topLine_ + VisibleRows(), lines_->Count() - 1);
    for (int line = topLine_; line <= last; ++line) {
        // Every twentieth line keeps the state it starts with, so a later scroll rescans little.
        if (line % 20 == 0 && useStyler_ && ActiveStyler()) {
            TLineProp& prop = lines_->CreateLineProp(line);
            if (!prop.LexState)
                prop.LexState = state;
        }
        DrawLine(canvas, scanner, line, state);
    }
    const int bottom = last >= topLine_ ? CellRect(0, last - topLine_).Bottom : text.Top;
    if (bottom < text.Bottom) {
        canvas.Brush().SetColor(bkColor_);
        canvas.FillRect(Rect(text.Left, bottom, text.Right, text.Bottom));
    }
    if (rightMargin_ >= 1 && showRightMargin_) {
        const int x = text.Left + charWidth_ * (rightMargin_ - leftCol_);
        // Never over the gutter or the scroll bar.
        if (x >= text.Left && x + 2 <= text.Right) {
            canvas.Brush().SetColor(rightMarginColor_);
            canvas.FillRect(Rect(x, text.Top, x + 2, text.Bottom));
        }
    }
    lc.SetTextLog(nullptr);
}

void TZmCustomMemo::PaintFrame(TCanvas& canvas)
{
    if (borderStyle_ != TBorderStyle::bsSingle)
        return;
    const int w = Width();
    const int h = Height();
    if (!ctl3D_) {
        canvas.Brush().SetColor(0x808080);
        canvas.FrameRect(Rect(0, 0, w, h));
        return;
    }
    // Sunken: outer top-left, inner top-left, inner bottom-right, outer bottom-right.
    auto line = [&](TColor c, int x1, int y1, int x2, int y2) {
        canvas.Pen().SetColor(c);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    line(0x808080, 0, h - 1, 0, 0);
    line(0x808080, 0, 0, w, 0);
    line(0x000000, 1, h - 2, 1, 1);
    line(0x000000, 1, 1, w - 1, 1);
    line(0xD0D0D0, 1, h - 2, w - 2, h - 2);
    line(0xD0D0D0, w - 2, h - 2, w - 2, 0);
    line(0xFFFFFF, 0, h - 1, w - 1, h - 1);
    line(0xFFFFFF, w - 1, h - 1, w - 1, -1);
}
