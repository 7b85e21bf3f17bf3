#include "platform/controls/TCustomEdit.h"

#include <algorithm>

#include "platform/controls/TPopupMenu.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TInputRouter.h"

namespace {

bool IsWordChar(char16_t c)
{
    return c != u' ' && c != u'\t';
}

// A single-line edit takes pasted text up to the first line break.
std::u16string FirstLine(const std::u16string& text)
{
    const size_t end = text.find_first_of(u"\r\n");
    return end == std::u16string::npos ? text : text.substr(0, end);
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetCursor(crIBeam);
    SetColor(clWindow);
    controlStyle_ |= csFramed | csOpaque;
    SetAutoSize(true);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::DoEnter()
{
    if (autoSelect_ && !(Application && Application->Input().KeyState(VK_LBUTTON) < 0))
        SelectAll();
    TCustomControl::DoEnter();
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
}

TAlignment TCustomEdit::EditAlignment() const
{
    switch (WindowParams().Style & ES_ALIGNMASK) {
    case ES_RIGHT: return TAlignment::taRightJustify;
    case ES_CENTER: return TAlignment::taCenter;
    default: return TAlignment::taLeftJustify;
    }
}

void TCustomEdit::SetText(const std::string& v)
{
    std::u16string u = ApplyCase(Utf8ToUtf16(v));
    const std::string stored = Utf16ToUtf8(u);
    modified_ = false;
    selStart_ = selEnd_ = caret_ = anchor_ = 0;
    scrollX_ = 0;
    if (u == buf_ && stored == Text()) {
        UpdateCaret();
        return;
    }
    buf_ = std::move(u);
    TCustomControl::SetText(stored);
    Invalidate();
    UpdateCaret();
    Change();
}

std::u16string TCustomEdit::ApplyCase(const std::u16string& text) const
{
    if (charCase_ == TEditCharCase::ecNormal)
        return text;
    const std::string utf8 = Utf16ToUtf8(text);
    return Utf8ToUtf16(charCase_ == TEditCharCase::ecUpperCase ? UnicodeUpperCase(utf8)
                                                               : UnicodeLowerCase(utf8));
}

void TCustomEdit::SetCharCase(TEditCharCase v)
{
    if (charCase_ == v)
        return;
    charCase_ = v;
    const std::u16string converted = ApplyCase(buf_);
    if (converted != buf_)
        ReplaceBuffer(converted, std::min(caret_, converted.size()));
}

void TCustomEdit::SetPasswordChar(char32_t v)
{
    if (passwordChar_ == v)
        return;
    passwordChar_ = v;
    Invalidate();
}

void TCustomEdit::SetReadOnly(bool v)
{
    if (readOnly_ == v)
        return;
    readOnly_ = v;
    Invalidate();
}

void TCustomEdit::SetHideSelection(bool v)
{
    if (hideSelection_ == v)
        return;
    hideSelection_ = v;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v)
{
    if (borderStyle_ == v)
        return;
    borderStyle_ = v;
    if (HandleAllocated())
        RecreateWnd();
    AdjustSize();
}

void TCustomEdit::SetCtl3D(bool v)
{
    if (ctl3D_ == v)
        return;
    ctl3D_ = v;
    if (HandleAllocated())
        RecreateWnd();
    AdjustSize();
}

bool TCustomEdit::CanAutoSize(int&, int& newHeight)
{
    PrepareMeasure();
    const int border = borderStyle_ == TBorderStyle::bsNone ? 0 : (ctl3D_ ? 8 : 6);
    newHeight = measure_.TextHeight("Wg") + border;
    return true;
}

void TCustomEdit::PrepareMeasure()
{
    measure_.SetFont(Font());
}

std::string TCustomEdit::DisplayText(size_t from, size_t to) const
{
    from = std::min(from, buf_.size());
    to = std::clamp(to, from, buf_.size());
    if (!passwordChar_)
        return Utf16ToUtf8(buf_.substr(from, to - from));
    std::string out;
    for (size_t p = from; p < to; p = NextUtf16Position(buf_, p))
        AppendUtf8(out, passwordChar_);
    return out;
}

int TCustomEdit::DisplayWidth(size_t from, size_t to)
{
    PrepareMeasure();
    return measure_.TextWidth(DisplayText(from, to));
}

TRect TCustomEdit::FormatRect() const
{
    if (hasFormatRect_)
        return formatRect_;
    const TRect c = ClientRect();
    return Rect(1, 1, std::max(1, c.Right - 1), c.Bottom);
}

void TCustomEdit::SetFormatRect(const TRect& r)
{
    formatRect_ = r;
    hasFormatRect_ = true;
    ScrollCaret();
}

int TCustomEdit::TextStartX()
{
    const TRect fr = FormatRect();
    const int full = DisplayWidth(0, buf_.size());
    if (full < fr.Width()) {
        switch (EditAlignment()) {
        case TAlignment::taRightJustify: return fr.Right - full - 1;
        case TAlignment::taCenter: return fr.Left + (fr.Width() - full) / 2;
        default: break;
        }
    }
    return fr.Left - scrollX_;
}

int TCustomEdit::PositionX(int position)
{
    return TextStartX() + DisplayWidth(0, static_cast<size_t>(std::max(position, 0)));
}

int TCustomEdit::PositionAt(int x)
{
    const int start = TextStartX();
    size_t best = 0;
    int bestDistance = std::abs(x - start);
    for (size_t p = NextUtf16Position(buf_, 0); p <= buf_.size() && p > 0;) {
        const int d = std::abs(x - (start + DisplayWidth(0, p)));
        if (d < bestDistance) {
            best = p;
            bestDistance = d;
        }
        if (p == buf_.size())
            break;
        p = NextUtf16Position(buf_, p);
    }
    return static_cast<int>(best);
}

void TCustomEdit::ScrollCaret()
{
    const TRect fr = FormatRect();
    const int full = DisplayWidth(0, buf_.size());
    if (full < fr.Width()) {
        scrollX_ = 0;
    } else {
        const int cx = DisplayWidth(0, caret_);
        if (cx < scrollX_)
            scrollX_ = cx;
        else if (cx > scrollX_ + fr.Width() - 1)
            scrollX_ = cx - fr.Width() + 1;
        scrollX_ = std::clamp(scrollX_, 0, std::max(0, full - fr.Width() + 1));
    }
    Invalidate();
    UpdateCaret();
}

void TCustomEdit::UpdateCaret()
{
    if (!caretCreated_ || !Focused())
        return;
    SetCaretPos(this, PositionX(static_cast<int>(caret_)), FormatRect().Top);
}

void TCustomEdit::SetSel(int start, int end)
{
    const size_t len = buf_.size();
    if (start < 0) {
        selStart_ = selEnd_ = anchor_ = caret_ = std::min(caret_, len);
    } else {
        const size_t s = std::min(static_cast<size_t>(start), len);
        const size_t e = end < 0 ? len : std::min(static_cast<size_t>(end), len);
        anchor_ = s;
        caret_ = e;
        selStart_ = std::min(s, e);
        selEnd_ = std::max(s, e);
    }
    ScrollCaret();
}

void TCustomEdit::SetSelStart(int v)
{
    const int p = std::clamp(v, 0, static_cast<int>(buf_.size()));
    SetSel(p, p);
}

void TCustomEdit::SetSelLength(int v)
{
    SetSel(static_cast<int>(selStart_), static_cast<int>(selStart_) + std::max(v, 0));
}

std::string TCustomEdit::SelText() const
{
    return Utf16ToUtf8(buf_.substr(selStart_, selEnd_ - selStart_));
}

void TCustomEdit::SetSelText(const std::string& v)
{
    const bool wasReadOnly = readOnly_;
    readOnly_ = false;
    InsertTyped(Utf8ToUtf16(v));
    readOnly_ = wasReadOnly;
}

void TCustomEdit::MoveCaret(size_t pos, bool extend)
{
    pos = std::min(pos, buf_.size());
    if (!extend)
        anchor_ = pos;
    caret_ = pos;
    selStart_ = std::min(anchor_, caret_);
    selEnd_ = std::max(anchor_, caret_);
    ScrollCaret();
}

void TCustomEdit::ReplaceBuffer(std::u16string text, size_t caret)
{
    caret = std::min(caret, text.size());
    const bool changed = text != buf_;
    buf_ = std::move(text);
    anchor_ = caret_ = selStart_ = selEnd_ = caret;
    if (changed)
        TCustomControl::SetText(Utf16ToUtf8(buf_));
    ScrollCaret();
    if (changed)
        Change();
}

bool TCustomEdit::InsertTyped(const std::u16string& typed)
{
    if (readOnly_)
        return false;
    std::u16string text = ApplyCase(typed);
    if (maxLength_ > 0) {
        const size_t kept = buf_.size() - (selEnd_ - selStart_);
        const size_t room = kept >= static_cast<size_t>(maxLength_) ? 0 : maxLength_ - kept;
        if (text.size() > room) {
            size_t cut = 0;
            while (cut < text.size()) {
                const size_t next = NextUtf16Position(text, cut);
                if (next > room)
                    break;
                cut = next;
            }
            text.resize(cut);
        }
        if (text.empty() && !typed.empty()) {
            if (Application)
                Application->Beep();
            return false;
        }
    }
    std::u16string next = buf_.substr(0, selStart_) + text + buf_.substr(selEnd_);
    modified_ = true;
    ReplaceBuffer(std::move(next), selStart_ + text.size());
    return true;
}

void TCustomEdit::DeleteRange(size_t from, size_t to)
{
    if (readOnly_ || from >= to)
        return;
    modified_ = true;
    ReplaceBuffer(buf_.substr(0, from) + buf_.substr(to), from);
}

void TCustomEdit::ClearSelection()
{
    DeleteRange(selStart_, selEnd_);
}

void TCustomEdit::CopyToClipboard()
{
    if (passwordChar_ || selStart_ == selEnd_ || !Application)
        return;
    Clipboard().SetAsText(SelText());
}

void TCustomEdit::CutToClipboard()
{
    if (passwordChar_ || readOnly_ || selStart_ == selEnd_)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard()
{
    if (readOnly_ || !Application || !Clipboard().HasText())
        return;
    InsertTyped(FirstLine(Utf8ToUtf16(Clipboard().AsText())));
}

size_t TCustomEdit::WordLeft(size_t pos) const
{
    while (pos > 0 && !IsWordChar(buf_[pos - 1]))
        --pos;
    while (pos > 0 && IsWordChar(buf_[pos - 1]))
        --pos;
    return pos;
}

size_t TCustomEdit::WordRight(size_t pos) const
{
    while (pos < buf_.size() && IsWordChar(buf_[pos]))
        ++pos;
    while (pos < buf_.size() && !IsWordChar(buf_[pos]))
        ++pos;
    return pos;
}

void TCustomEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::Dispatch(message);
        PrepareMeasure();
        caretCreated_ = CreateCaret(this, 1, measure_.TextHeight("Wg"));
        UpdateCaret();
        ShowCaret(this);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(message);
        if (caretCreated_)
            DestroyCaret(this);
        caretCreated_ = false;
        selecting_ = false;
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        AdjustSize();
        ScrollCaret();
        return;
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(message);
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

void TCustomEdit::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_KEYDOWN:
        HandleKey(static_cast<uint16_t>(message.WParam));
        return;
    case WM_CHAR:
        HandleChar(static_cast<char32_t>(message.WParam));
        return;
    case EM_SETSEL:
        SetSel(static_cast<int>(message.WParam), static_cast<int>(message.LParam));
        return;
    case EM_GETSEL:
        message.Result = static_cast<int32_t>(MakeLong(static_cast<int>(selStart_), static_cast<int>(selEnd_)));
        return;
    case EM_SETRECTNP:
        if (message.LParam)
            SetFormatRect(*reinterpret_cast<const TRect*>(message.LParam));
        return;
    case EM_SCROLLCARET:
        ScrollCaret();
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        ClearSelection();
        return;
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TCustomEdit::HandleKey(uint16_t key)
{
    const TShiftState shift = Application ? KeyboardShift(Application->Input().ShiftState()) : 0;
    const bool extend = (shift & ssShift) != 0;
    const bool ctrl = (shift & ssCtrl) != 0;
    const bool collapse = selStart_ != selEnd_ && !extend;
    switch (key) {
    case VK_LEFT:
        if (ctrl)
            MoveCaret(WordLeft(caret_), extend);
        else if (collapse)
            MoveCaret(selStart_, false);
        else
            MoveCaret(PreviousUtf16Position(buf_, caret_), extend);
        return;
    case VK_RIGHT:
        if (ctrl)
            MoveCaret(WordRight(caret_), extend);
        else if (collapse)
            MoveCaret(selEnd_, false);
        else
            MoveCaret(NextUtf16Position(buf_, caret_), extend);
        return;
    case VK_HOME:
        MoveCaret(0, extend);
        return;
    case VK_END:
        MoveCaret(buf_.size(), extend);
        return;
    case VK_DELETE:
        if (shift == ssShift)
            CutToClipboard();
        else if (selStart_ != selEnd_)
            ClearSelection();
        else if (ctrl)
            DeleteRange(caret_, WordRight(caret_));
        else
            DeleteRange(caret_, NextUtf16Position(buf_, caret_));
        return;
    case VK_INSERT:
        if (shift == ssCtrl)
            CopyToClipboard();
        else if (shift == ssShift)
            PasteFromClipboard();
        return;
    default:
        return;
    }
}

void TCustomEdit::HandleChar(char32_t ch)
{
    switch (ch) {
    case 1: SelectAll(); return;
    case 3: CopyToClipboard(); return;
    case 22: PasteFromClipboard(); return;
    case 24: CutToClipboard(); return;
    default: break;
    }
    if (ch == 8) {
        if (readOnly_)
            return;
        if (selStart_ != selEnd_)
            ClearSelection();
        else if (caret_ > 0)
            DeleteRange(PreviousUtf16Position(buf_, caret_), caret_);
        return;
    }
    // Other control characters (Enter, Esc, Tab, the remaining Ctrl+letters) type nothing.
    if (ch < 32 || ch == 127)
        return;
    std::string utf8;
    AppendUtf8(utf8, ch);
    if (!InsertTyped(Utf8ToUtf16(utf8)) && Application && readOnly_)
        Application->Beep();
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && !(shift & ssDouble)) {
        if (!Focused() && CanFocus())
            SetFocus();
        MoveCaret(static_cast<size_t>(PositionAt(x)), (shift & ssShift) != 0);
        selecting_ = true;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y)
{
    if (selecting_)
        MoveCaret(static_cast<size_t>(PositionAt(x)), true);
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        selecting_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomEdit::DblClick()
{
    size_t from = caret_;
    size_t to = caret_;
    while (from > 0 && IsWordChar(buf_[from - 1]))
        --from;
    while (to < buf_.size() && IsWordChar(buf_[to]))
        ++to;
    anchor_ = from;
    MoveCaret(to, true);
    selecting_ = false;
    TCustomControl::DblClick();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::Paint()
{
    PaintText(Canvas());
}

TColor TCustomEdit::BackgroundColor() const
{
    return EnabledInTree() ? Color() : clBtnFace;
}

void TCustomEdit::PaintText(TCanvas& canvas)
{
    const bool enabled = EnabledInTree();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(BackgroundColor());
    canvas.FillRect(client);
    canvas.SetFont(Font());
    const TRect fr = FormatRect();
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(fr.Left, fr.Top, fr.Right, fr.Bottom);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(enabled ? Font().Color() : clGrayText);
    const int x0 = TextStartX();
    const bool showSelection = selStart_ != selEnd_ && (Focused() || !hideSelection_);
    if (!showSelection) {
        canvas.TextOut(x0, fr.Top, DisplayText(0, buf_.size()));
    } else {
        const int xs = x0 + DisplayWidth(0, selStart_);
        const int xe = x0 + DisplayWidth(0, selEnd_);
        canvas.TextOut(x0, fr.Top, DisplayText(0, selStart_));
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(Rect(xs, fr.Top, xe, fr.Top + canvas.TextHeight("Wg")));
        canvas.SetTextColor(clHighlightText);
        canvas.TextOut(xs, fr.Top, DisplayText(selStart_, selEnd_));
        canvas.SetTextColor(enabled ? Font().Color() : clGrayText);
        canvas.TextOut(xe, fr.Top, DisplayText(selEnd_, buf_.size()));
    }
    canvas.RestoreDC(saved);
}
