#include "platform/controls/TCustomMemo.h"

#include <algorithm>

#include "platform/controls/TPopupMenu.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TInputRouter.h"

namespace {
constexpr int Margin = 1;

std::vector<std::u16string> SplitLines(const std::u16string& text)
{
    std::vector<std::u16string> out(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}
} // namespace

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomControl(AOwner), lines_(std::make_unique<TStringList>())
{
    windowScrollBars_ = std::make_unique<TWindowScrollBars>(*this);
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetCursor(crIBeam);
    SetColor(clWindow);
    controlStyle_ |= csOpaque;
    lines_->OnChange = [this](TStringList*) {
        if (updating_)
            return;
        Relayout();
        caret_ = anchor_ = Clamp(caret_);
        TCustomControl::SetText(AllText());
        Invalidate();
        Change();
    };
    Relayout();
}

TCustomMemo::~TCustomMemo()
{
    lines_->OnChange = nullptr;
}

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomMemo::CreateWnd()
{
    TCustomControl::CreateWnd();
    Relayout();
}

std::string TCustomMemo::AllText() const
{
    std::string out;
    for (int i = 0; i < lines_->Count(); ++i) {
        if (i)
            out += "\r\n";
        out += lines_->Get(i);
    }
    return out;
}

void TCustomMemo::SetText(const std::string& v)
{
    updating_ = true;
    lines_->BeginUpdate();
    lines_->Clear();
    for (const auto& line : SplitLines(Utf8ToUtf16(v)))
        lines_->Add(Utf16ToUtf8(line));
    if (!v.empty() && (v.back() == '\n' || v.back() == '\r'))
        lines_->Delete(lines_->Count() - 1);
    updating_ = false;
    lines_->EndUpdate();
    caret_ = anchor_ = {};
    topRow_ = 0;
    modified_ = false;
    Relayout();
    TCustomControl::SetText(AllText());
    Invalidate();
    Change();
}

void TCustomMemo::SetWordWrap(bool v)
{
    if (wordWrap_ == v)
        return;
    wordWrap_ = v;
    Relayout();
    Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle v)
{
    if (scrollBars_ == v)
        return;
    scrollBars_ = v;
    UpdateScrollBars();
    Relayout();
}

void TCustomMemo::SetBorderStyle(TBorderStyle v)
{
    if (borderStyle_ == v)
        return;
    borderStyle_ = v;
    if (HandleAllocated())
        RecreateWnd();
}

std::u16string TCustomMemo::LineText(int line) const
{
    if (line < 0 || line >= lines_->Count())
        return {};
    return Utf8ToUtf16(lines_->Get(line));
}

int TCustomMemo::LineHeight()
{
    measure_.SetFont(Font());
    return std::max(1, measure_.TextHeight("Wg"));
}

int TCustomMemo::TextWidth(const std::u16string& text)
{
    measure_.SetFont(Font());
    std::u16string shown = text;
    std::replace(shown.begin(), shown.end(), u'\t', u' ');
    return measure_.TextWidth(Utf16ToUtf8(shown));
}

int TCustomMemo::VisibleRows() const
{
    TCanvas measure;
    measure.SetFont(Font());
    return std::max(1, (ClientHeight() - 2 * Margin) / std::max(1, measure.TextHeight("Wg")));
}

void TCustomMemo::Relayout()
{
    rows_.clear();
    const int avail = std::max(1, ClientWidth() - 2 * Margin);
    const int count = std::max(1, lines_->Count());
    for (int i = 0; i < count; ++i) {
        const std::u16string text = LineText(i);
        const int len = static_cast<int>(text.size());
        if (!wordWrap_ || len == 0) {
            rows_.push_back({i, 0, len});
            continue;
        }
        int start = 0;
        while (start < len) {
            int end = start;
            while (end < len) {
                const int next = static_cast<int>(NextUtf16Position(text, static_cast<size_t>(end)));
                if (TextWidth(text.substr(start, next - start)) > avail)
                    break;
                end = next;
            }
            if (end == start)
                end = static_cast<int>(NextUtf16Position(text, static_cast<size_t>(start)));
            if (end < len) {
                const size_t space = text.rfind(u' ', static_cast<size_t>(end));
                if (space != std::u16string::npos && static_cast<int>(space) >= start &&
                    static_cast<int>(space) + 1 > start && static_cast<int>(space) + 1 <= end + 1)
                    end = std::min(len, static_cast<int>(space) + 1);
            }
            rows_.push_back({i, start, end});
            start = end;
        }
    }
    topRow_ = std::clamp(topRow_, 0, std::max(0, RowCount() - 1));
    UpdateScrollBars();
}

void TCustomMemo::UpdateScrollBars()
{
    if (!windowScrollBars_)
        return;
    const bool vert = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    const bool horz = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    windowScrollBars_->SetScrollInfo(SB_VERT, {0, vert ? RowCount() - 1 : 0, VisibleRows(), topRow_},
                                     SIF_ALL | (vert ? uint32_t(SIF_DISABLENOSCROLL) : 0u));
    int widest = 0;
    if (horz)
        for (int i = 0; i < lines_->Count(); ++i)
            widest = std::max(widest, TextWidth(LineText(i)));
    windowScrollBars_->SetScrollInfo(SB_HORZ, {0, horz ? widest : 0, ClientWidth(), scrollX_},
                                     SIF_ALL | (horz ? uint32_t(SIF_DISABLENOSCROLL) : 0u));
}

int TCustomMemo::RowOf(TMemoPos p) const
{
    for (int r = 0; r < RowCount(); ++r) {
        const Row& row = rows_[static_cast<size_t>(r)];
        if (row.Line != p.Line)
            continue;
        const bool lastOfLine = r + 1 >= RowCount() || rows_[static_cast<size_t>(r) + 1].Line != p.Line;
        if (p.Col >= row.Start && (p.Col < row.End || lastOfLine))
            return r;
    }
    return 0;
}

TMemoPos TCustomMemo::Clamp(TMemoPos p) const
{
    const int lines = std::max(1, lines_->Count());
    p.Line = std::clamp(p.Line, 0, lines - 1);
    p.Col = std::clamp(p.Col, 0, static_cast<int>(LineText(p.Line).size()));
    return p;
}

TPoint TCustomMemo::PointOf(TMemoPos p)
{
    const int r = RowOf(p);
    const Row& row = rows_[static_cast<size_t>(r)];
    const std::u16string text = LineText(p.Line);
    const int x = Margin - scrollX_ + TextWidth(text.substr(row.Start, p.Col - row.Start));
    return {x, Margin + (r - topRow_) * LineHeight()};
}

TMemoPos TCustomMemo::PosAt(int x, int y)
{
    const int r = std::clamp(topRow_ + (y - Margin) / LineHeight() - (y < Margin ? 1 : 0), 0, RowCount() - 1);
    const Row& row = rows_[static_cast<size_t>(r)];
    const std::u16string text = LineText(row.Line);
    const bool lastOfLine = r + 1 >= RowCount() || rows_[static_cast<size_t>(r) + 1].Line != row.Line;
    const int limit = lastOfLine ? row.End : std::max(row.Start, row.End - 1);
    int best = row.Start;
    int bestDistance = std::abs(x - (Margin - scrollX_));
    for (int c = row.Start; c < limit;) {
        c = static_cast<int>(NextUtf16Position(text, static_cast<size_t>(c)));
        const int d = std::abs(x - (Margin - scrollX_ + TextWidth(text.substr(row.Start, c - row.Start))));
        if (d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return {row.Line, best};
}

void TCustomMemo::SetCaretPos(TMemoPos p)
{
    MoveCaret(Clamp(p), false);
}

void TCustomMemo::MoveCaret(TMemoPos p, bool extend)
{
    caret_ = Clamp(p);
    if (!extend)
        anchor_ = caret_;
    ScrollToCaret();
    Invalidate();
}

void TCustomMemo::SetTopRow(int v)
{
    v = std::clamp(v, 0, std::max(0, RowCount() - VisibleRows()));
    if (v == topRow_)
        return;
    topRow_ = v;
    UpdateScrollBars();
    UpdateCaret();
    Invalidate();
}

void TCustomMemo::ScrollToCaret()
{
    const int r = RowOf(caret_);
    if (r < topRow_)
        SetTopRow(r);
    else if (r >= topRow_ + VisibleRows())
        SetTopRow(r - VisibleRows() + 1);
    if (!wordWrap_) {
        const Row& row = rows_[static_cast<size_t>(r)];
        const int cx = TextWidth(LineText(caret_.Line).substr(row.Start, caret_.Col - row.Start));
        const int width = std::max(1, ClientWidth() - 2 * Margin);
        if (cx < scrollX_)
            scrollX_ = cx;
        else if (cx > scrollX_ + width - 1)
            scrollX_ = cx - width + 1;
    } else {
        scrollX_ = 0;
    }
    UpdateCaret();
}

void TCustomMemo::UpdateCaret()
{
    if (!caretCreated_ || !Focused())
        return;
    const TPoint p = PointOf(caret_);
    ::SetCaretPos(this, p.X, p.Y);
}

int TCustomMemo::TextLength() const
{
    int total = 0;
    for (int i = 0; i < lines_->Count(); ++i)
        total += static_cast<int>(LineText(i).size()) + (i ? 2 : 0);
    return total;
}

void TCustomMemo::Replace(TMemoPos from, TMemoPos to, const std::u16string& text)
{
    from = Clamp(from);
    to = Clamp(to);
    const std::u16string head = LineText(from.Line).substr(0, static_cast<size_t>(from.Col));
    const std::u16string tail = LineText(to.Line).substr(static_cast<size_t>(to.Col));
    std::vector<std::u16string> inserted = SplitLines(text);
    const TMemoPos end{from.Line + static_cast<int>(inserted.size()) - 1,
                       static_cast<int>((inserted.size() == 1 ? head.size() : 0) + inserted.back().size())};
    inserted.front() = head + inserted.front();
    inserted.back() += tail;
    updating_ = true;
    lines_->BeginUpdate();
    if (lines_->Count() == 0)
        lines_->Add({});
    for (int i = to.Line; i >= from.Line; --i)
        lines_->Delete(i);
    for (size_t i = 0; i < inserted.size(); ++i)
        lines_->Insert(from.Line + static_cast<int>(i), Utf16ToUtf8(inserted[i]));
    updating_ = false;
    lines_->EndUpdate();
    modified_ = true;
    Relayout();
    caret_ = anchor_ = Clamp(end);
    TCustomControl::SetText(AllText());
    ScrollToCaret();
    Invalidate();
    Change();
}

void TCustomMemo::InsertTyped(const std::u16string& text)
{
    if (readOnly_)
        return;
    std::u16string t = text;
    if (maxLength_ > 0) {
        const TMemoPos s = SelStartPos();
        const TMemoPos e = SelEndPos();
        int selected = 0;
        for (int l = s.Line; l <= e.Line; ++l) {
            const int from = l == s.Line ? s.Col : 0;
            const int to = l == e.Line ? e.Col : static_cast<int>(LineText(l).size()) + 2;
            selected += to - from;
        }
        const int room = std::max(0, maxLength_ - (TextLength() - selected));
        if (static_cast<int>(t.size()) > room)
            t.resize(static_cast<size_t>(room));
        if (t.empty()) {
            if (Application)
                Application->Beep();
            return;
        }
    }
    Replace(SelStartPos(), SelEndPos(), t);
}

std::string TCustomMemo::SelText() const
{
    const TMemoPos s = SelStartPos();
    const TMemoPos e = SelEndPos();
    std::u16string out;
    for (int l = s.Line; l <= e.Line; ++l) {
        const std::u16string text = LineText(l);
        const size_t from = l == s.Line ? static_cast<size_t>(s.Col) : 0;
        const size_t to = l == e.Line ? static_cast<size_t>(e.Col) : text.size();
        out += text.substr(from, to - from);
        if (l != e.Line)
            out += u"\r\n";
    }
    return Utf16ToUtf8(out);
}

void TCustomMemo::SelectAll()
{
    anchor_ = {};
    const int last = std::max(0, lines_->Count() - 1);
    caret_ = {last, static_cast<int>(LineText(last).size())};
    ScrollToCaret();
    Invalidate();
}

void TCustomMemo::ClearSelection()
{
    if (!readOnly_ && anchor_ != caret_)
        Replace(SelStartPos(), SelEndPos(), {});
}

void TCustomMemo::CopyToClipboard()
{
    if (anchor_ != caret_ && Application)
        Clipboard().SetAsText(SelText());
}

void TCustomMemo::CutToClipboard()
{
    if (readOnly_)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomMemo::PasteFromClipboard()
{
    if (!readOnly_ && Application && Clipboard().HasText())
        InsertTyped(Utf8ToUtf16(Clipboard().AsText()));
}

void TCustomMemo::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomMemo::HandleKey(uint16_t key)
{
    const TShiftState shift = Application ? KeyboardShift(Application->Input().ShiftState()) : 0;
    const bool extend = (shift & ssShift) != 0;
    const bool ctrl = (shift & ssCtrl) != 0;
    const std::u16string line = LineText(caret_.Line);
    const int r = RowOf(caret_);
    const Row& row = rows_[static_cast<size_t>(r)];
    auto vertical = [&](int targetRow) {
        targetRow = std::clamp(targetRow, 0, RowCount() - 1);
        if (wantX_ < 0)
            wantX_ = PointOf(caret_).X;
        const TPoint here = PointOf(caret_);
        const TMemoPos p = PosAt(wantX_, here.Y + (targetRow - r) * LineHeight());
        const int keep = wantX_;
        MoveCaret(p, extend);
        wantX_ = keep;
    };
    switch (key) {
    case VK_LEFT:
        if (caret_.Col > 0)
            MoveCaret({caret_.Line, static_cast<int>(PreviousUtf16Position(line, static_cast<size_t>(caret_.Col)))}, extend);
        else if (caret_.Line > 0)
            MoveCaret({caret_.Line - 1, static_cast<int>(LineText(caret_.Line - 1).size())}, extend);
        break;
    case VK_RIGHT:
        if (caret_.Col < static_cast<int>(line.size()))
            MoveCaret({caret_.Line, static_cast<int>(NextUtf16Position(line, static_cast<size_t>(caret_.Col)))}, extend);
        else if (caret_.Line + 1 < lines_->Count())
            MoveCaret({caret_.Line + 1, 0}, extend);
        break;
    case VK_UP: vertical(r - 1); return;
    case VK_DOWN: vertical(r + 1); return;
    case VK_PRIOR: vertical(r - VisibleRows()); return;
    case VK_NEXT: vertical(r + VisibleRows()); return;
    case VK_HOME:
        MoveCaret(ctrl ? TMemoPos{} : TMemoPos{caret_.Line, row.Start}, extend);
        break;
    case VK_END:
        if (ctrl) {
            const int last = std::max(0, lines_->Count() - 1);
            MoveCaret({last, static_cast<int>(LineText(last).size())}, extend);
        } else {
            const bool lastOfLine = r + 1 >= RowCount() || rows_[static_cast<size_t>(r) + 1].Line != row.Line;
            MoveCaret({caret_.Line, lastOfLine ? row.End : std::max(row.Start, row.End - 1)}, extend);
        }
        break;
    case VK_DELETE:
        if (readOnly_)
            break;
        if (shift == ssShift)
            CutToClipboard();
        else if (anchor_ != caret_)
            ClearSelection();
        else if (caret_.Col < static_cast<int>(line.size()))
            Replace(caret_, {caret_.Line, static_cast<int>(NextUtf16Position(line, static_cast<size_t>(caret_.Col)))}, {});
        else if (caret_.Line + 1 < lines_->Count())
            Replace(caret_, {caret_.Line + 1, 0}, {});
        break;
    case VK_INSERT:
        if (shift == ssCtrl)
            CopyToClipboard();
        else if (shift == ssShift)
            PasteFromClipboard();
        break;
    default:
        return;
    }
    wantX_ = -1;
}

void TCustomMemo::HandleChar(char32_t ch)
{
    switch (ch) {
    case 3: CopyToClipboard(); return;
    case 22: PasteFromClipboard(); return;
    case 24: CutToClipboard(); return;
    case 1: SelectAll(); return;
    case 8:
        if (readOnly_)
            return;
        if (anchor_ != caret_)
            ClearSelection();
        else if (caret_.Col > 0)
            Replace({caret_.Line, static_cast<int>(PreviousUtf16Position(LineText(caret_.Line), static_cast<size_t>(caret_.Col)))},
                    caret_, {});
        else if (caret_.Line > 0)
            Replace({caret_.Line - 1, static_cast<int>(LineText(caret_.Line - 1).size())}, caret_, {});
        return;
    case 13:
        if (wantReturns_)
            InsertTyped(u"\r\n");
        return;
    case 9:
        if (wantTabs_)
            InsertTyped(u"\t");
        return;
    default:
        break;
    }
    if (ch < 32 || ch == 127)
        return;
    std::string utf8;
    AppendUtf8(utf8, ch);
    InsertTyped(Utf8ToUtf16(utf8));
}

void TCustomMemo::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::Dispatch(message);
        caretCreated_ = CreateCaret(this, 1, LineHeight());
        UpdateCaret();
        ShowCaret(this);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(message);
        if (caretCreated_)
            DestroyCaret(this);
        caretCreated_ = false;
        Invalidate();
        return;
    case WM_SIZE:
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        Relayout();
        caret_ = Clamp(caret_);
        ScrollToCaret();
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

void TCustomMemo::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_NCPAINT) {
        TCustomControl::DefaultHandler(message);
        windowScrollBars_->Paint();
        return;
    }
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (wantReturns_)
            message.Result |= DLGC_WANTALLKEYS;
        if (wantTabs_)
            message.Result |= DLGC_WANTTAB;
        return;
    case WM_KEYDOWN:
        HandleKey(static_cast<uint16_t>(message.WParam));
        return;
    case WM_CHAR:
        HandleChar(static_cast<char32_t>(message.WParam));
        return;
    case WM_VSCROLL:
        switch (LoWord(message.WParam)) {
        case SB_LINEUP: SetTopRow(topRow_ - 1); break;
        case SB_LINEDOWN: SetTopRow(topRow_ + 1); break;
        case SB_PAGEUP: SetTopRow(topRow_ - VisibleRows()); break;
        case SB_PAGEDOWN: SetTopRow(topRow_ + VisibleRows()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: SetTopRow(HiWordSigned(message.WParam)); break;
        case SB_TOP: SetTopRow(0); break;
        case SB_BOTTOM: SetTopRow(RowCount()); break;
        default: break;
        }
        return;
    case WM_HSCROLL: {
        const int step = 8;
        int x = scrollX_;
        switch (LoWord(message.WParam)) {
        case SB_LINEUP: x -= step; break;
        case SB_LINEDOWN: x += step; break;
        case SB_PAGEUP: x -= ClientWidth(); break;
        case SB_PAGEDOWN: x += ClientWidth(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: x = HiWordSigned(message.WParam); break;
        default: return;
        }
        scrollX_ = std::clamp(x, 0, windowScrollBars_->GetScrollInfo(SB_HORZ).Max);
        windowScrollBars_->SetScrollPos(SB_HORZ, scrollX_);
        UpdateCaret();
        Invalidate();
        return;
    }
    case WM_CUT: CutToClipboard(); return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_PASTE: PasteFromClipboard(); return;
    case WM_CLEAR: ClearSelection(); return;
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TCustomMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (!Focused() && CanFocus())
            SetFocus();
        MoveCaret(PosAt(x, y), (shift & ssShift) != 0);
        wantX_ = -1;
        selecting_ = true;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomMemo::MouseMove(TShiftState shift, int x, int y)
{
    if (selecting_)
        MoveCaret(PosAt(x, y), true);
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        selecting_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomMemo::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetTopRow(topRow_ - wheelDelta / 120 * 3);
    return true;
}

TColor TCustomMemo::BackgroundColor() const
{
    return EnabledInTree() ? Color() : clBtnFace;
}

void TCustomMemo::Paint()
{
    TCanvas& canvas = Canvas();
    const bool enabled = EnabledInTree();
    canvas.Brush().SetColor(BackgroundColor());
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    const int lh = LineHeight();
    const bool showSelection = anchor_ != caret_ && Focused();
    const TMemoPos s = SelStartPos();
    const TMemoPos e = SelEndPos();
    const int last = std::min(RowCount(), topRow_ + VisibleRows() + 1);
    for (int r = topRow_; r < last; ++r) {
        const Row& row = rows_[static_cast<size_t>(r)];
        const std::u16string text = LineText(row.Line);
        const int y = Margin + (r - topRow_) * lh;
        const int x0 = Margin - scrollX_;
        std::u16string shown = text.substr(static_cast<size_t>(row.Start), static_cast<size_t>(row.End - row.Start));
        std::replace(shown.begin(), shown.end(), u'\t', u' ');
        canvas.SetTextColor(enabled ? Font().Color() : clGrayText);
        canvas.TextOut(x0, y, Utf16ToUtf8(shown));
        if (!showSelection)
            continue;
        if (row.Line < s.Line || row.Line > e.Line)
            continue;
        const int from = std::max(row.Start, s.Line == row.Line ? s.Col : row.Start);
        const int to = std::min(row.End, e.Line == row.Line ? e.Col : row.End);
        if (to <= from)
            continue;
        const int xs = x0 + TextWidth(text.substr(static_cast<size_t>(row.Start), static_cast<size_t>(from - row.Start)));
        std::u16string part = text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
        std::replace(part.begin(), part.end(), u'\t', u' ');
        const int xe = xs + TextWidth(part);
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(Rect(xs, y, xe, y + lh));
        canvas.SetTextColor(clHighlightText);
        canvas.TextOut(xs, y, Utf16ToUtf8(part));
    }
}
