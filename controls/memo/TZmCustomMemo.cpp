#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/TPrintOptions.h"
#include "controls/memo/TZmAutoform.h"
#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmHintForm.h"
#include "controls/memo/TZmMarker.h"
#include "controls/memo/TZmMemoChecker.h"
#include "controls/memo/TZmMemoSource.h"
#include "controls/memo/TZmStylerList.h"
#include "platform/controls/THintWindow.h"
#include "platform/controls/TScrollBar.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TTimerList.h"

TZmCustomMemo::TZmCustomMemo(TComponent* AOwner) : TCustomControl(AOwner)
{
    controlState_ |= csCreating;
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csReplicatable | csOpaque;
    SetBounds(Left(), Top(), 100, 40);
    SetTabStop(true);
    SetCursor(crIBeam);
    SetParentFont(false);
    lineBitmap_ = std::make_unique<TBitmap>();
    Font().SetName("Courier New");
    Font().SetSize(10);
    Font().OnChange = [this](TGraphicsObject*) { FontObjectChanged(); };

    ownLines_ = std::make_unique<TZmMemoStrings>(this);
    lines_ = ownLines_.get();
    lines_->Add("");
    ownUndoList_ = std::make_unique<TZmUndoList>(this);
    undoList_ = ownUndoList_.get();
    markers_ = std::make_unique<TZmMarkerList>();
    printOptions_ = std::make_unique<TPrintOptions>();
    stylerList_ = new TZmStylerList(this);

    vertBar_ = new TScrollBar(this);
    vertBar_->SetKind(TScrollBarKind::sbVertical);
    horzBar_ = new TScrollBar(this);
    for (TScrollBar* bar : {vertBar_, horzBar_}) {
        bar->SetVisible(false);
        bar->SetParent(this);
        bar->SetTabStop(false);
        bar->SetPageSize(0);
        bar->OnScroll = [this, bar](TComponent*, TScrollCode code, int& pos) { BarScroll(*bar, code, pos); };
    }
    vertBar_->SetBounds(0, 0, 16, 16);
    horzBar_->SetBounds(0, 0, 16, 16);
    vertBar_->OnChange = [this](TComponent*) { VertBarChange(); };
    horzBar_->OnChange = [this](TComponent*) { HorzBarChange(); };

    activeLineSettings_ = std::make_unique<TZmActiveLineSettings>(this);
    autoCompletion_->OnChange = [this] { AutoCompletionChanged(); };
    gutter_ = std::make_unique<TZmGutter>(this);
    gutter_->OnFontChange = [this] { gutter_->Invalidate(); };
    scrollHintWindow_ = new THintWindow(this);

    if (AOwner)
        for (int i = 0; i < AOwner->ComponentCount(); ++i)
            stylerList_->Add(AOwner->Components(i));

    ApplyFont();
    controlState_ &= ~csCreating;
    LayoutPass();
}

TZmCustomMemo::~TZmCustomMemo()
{
    // A shared source and a checker let go of this memo while its members still stand.
    BeforeDestruction();
    // The bars' handlers reach into this object; they go before its members do.
    DestroyComponents();
}

void TZmCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TZmCustomMemo::SetColorValue(TColor& field, TColor v)
{
    if (field == v)
        return;
    field = v;
    Invalidate();
}

void TZmCustomMemo::SetFlag(bool& field, bool v)
{
    if (field == v)
        return;
    field = v;
    Invalidate();
}

void TZmCustomMemo::StylingChanged()
{
    lines_->DropLexStates(0);
    Invalidate();
}

void TZmCustomMemo::SetUrlAware(bool v)
{
    if (urlAware_ == v)
        return;
    urlAware_ = v;
    StylingChanged();
}

void TZmCustomMemo::SetUseStyler(bool v)
{
    if (useStyler_ == v)
        return;
    useStyler_ = v;
    StylingChanged();
}

void TZmCustomMemo::SetCaseSensitive(bool v)
{
    if (caseSensitive_ == v)
        return;
    caseSensitive_ = v;
    StylingChanged();
}

void TZmCustomMemo::SetUrlStyle(const TCharStyle& v)
{
    urlStyle_.Assign(v);
    Invalidate();
}

void TZmCustomMemo::SetBorderStyle(TBorderStyle v)
{
    borderStyle_ = v;
    gutter_->SetGutterRect(GutterArea());
    Invalidate();
}

void TZmCustomMemo::SetCtl3D(bool v)
{
    ctl3D_ = v;
    gutter_->SetGutterRect(GutterArea());
    Invalidate();
}

void TZmCustomMemo::SetRightMargin(int v)
{
    if (rightMargin_ == v)
        return;
    rightMargin_ = v;
    Invalidate();
    if (wordWrap_ == TWordWrap::wwRightMargin)
        RewrapLines();
}

void TZmCustomMemo::SetWordWrap(TWordWrap v)
{
    if (v == wordWrap_)
        return;
    // Unwrapping needs the old mode: the store does nothing under wwNone.
    if (v == TWordWrap::wwNone)
        lines_->Unwrap();
    wordWrap_ = v;
    if (v != TWordWrap::wwNone)
        RewrapLines();
    RecomputeMaxLineLength();
    UpdateScrollBars(true);
    Invalidate();
}

void TZmCustomMemo::SetScrollBars(TScrollStyle v)
{
    if (v == scrollBars_)
        return;
    scrollBars_ = v;
    LayoutPass();
    Invalidate();
}

void TZmCustomMemo::SetAcceptFiles(bool v)
{
    acceptFiles_ = v;
    DragAcceptFiles(v);
}

void TZmCustomMemo::SetSyntaxStyles(TZmCustomMemoStyler* v)
{
    if (syntaxStyles_ && syntaxStyles_ != v) {
        if (syntaxStyles_->ElementStyles().Memo() == this)
            syntaxStyles_->ElementStyles().SetMemo(nullptr);
        syntaxStyles_->RemoveFreeNotification(this);
    }
    syntaxStyles_ = v;
    useStyler_ = v != nullptr;
    if (v) {
        v->FreeNotification(this);
        v->ElementStyles().SetMemo(this);
        v->PrepareKeywords(caseSensitive_);
    }
    wordJump_.Reset();
    StylingChanged();
}

void TZmCustomMemo::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove || !component)
        return;
    // A freed form or timer is forgotten, so nothing reaches it while the memo goes.
    if (component == autoForm_)
        autoForm_ = nullptr;
    else if (component == hintForm_)
        hintForm_ = nullptr;
    else if (component == completionTimer_)
        completionTimer_ = nullptr;
    else if (component == hintTimer_)
        hintTimer_ = nullptr;
    if (component == syntaxStyles_) {
        syntaxStyles_ = nullptr;
        wordJump_.Reset();
        StylingChanged();
    }
    if (component == memoChecker_)
        memoChecker_ = nullptr;
    if (component == memoSource_) {
        memoSource_ = nullptr;
        lines_ = ownLines_.get();
        undoList_ = ownUndoList_.get();
        paddedLine_ = -1;
        curY_ = std::clamp(curY_, 0, std::max(lines_->Count() - 1, 0));
        ClearSelection();
        RecomputeMaxLineLength();
        StylingChanged();
    }
}

bool TZmCustomMemo::IsDelimiter(char32_t ch) const
{
    return ch == U' ';
}

bool TZmCustomMemo::IsWordDelimiter(char32_t ch) const
{
    return ch <= 95 && std::u32string_view(U" \"'(),.:;=[]").find(ch) != std::u32string_view::npos;
}

bool TZmCustomMemo::IsWordJumpDelimiter(char32_t ch)
{
    return wordJump_.IsDelimiter(ch, useStyler_ ? ActiveStyler() : nullptr);
}

std::vector<TMemoToken> TZmCustomMemo::TokeniseLine(int line) const
{
    const char32_t escape = ActiveStyler() ? ActiveStyler()->Escape() : 0;
    return ::TokeniseLine(lines_->Line(line), urlDelimiters_, escape, urlAware_);
}

bool TZmCustomMemo::IsUrlAt(int line, int column) const
{
    const std::vector<TMemoToken> tokens = TokeniseLine(line);
    const TMemoToken* token = TokenAt(tokens, column);
    return token && IsURL(token->Text);
}

void TZmCustomMemo::SelectionChanged()
{
    OnSelectionChange(this);
}

void TZmCustomMemo::StatusChanged()
{
    OnStatusChange(this);
}

void TZmCustomMemo::SetFont(const TFont& font)
{
    TFont own;
    own.Assign(font);
    TCanvas& canvas = lineBitmap_->Canvas();
    canvas.SetFont(own);
    // A proportional font is replaced on the memo's copy only; the caller's font stays as it was.
    if (canvas.TextWidth("W") != canvas.TextWidth("i"))
        own.SetName("FixedSys");
    applyingFont_ = true;
    Font().Assign(own);
    applyingFont_ = false;
    ApplyFont();
}

void TZmCustomMemo::FontObjectChanged()
{
    if (applyingFont_)
        return;
    applyingFont_ = true;
    TCanvas& canvas = lineBitmap_->Canvas();
    TFont probe;
    probe.Assign(Font());
    canvas.SetFont(probe);
    if (!canvas.GetTextMetrics().FixedPitch) {
        probe.SetName(fontName_);
        canvas.SetFont(probe);
        if (!canvas.GetTextMetrics().FixedPitch)
            Font().SetName("FixedSys");
    }
    applyingFont_ = false;
    ApplyFont();
}

void TZmCustomMemo::ApplyFont()
{
    TCanvas& canvas = lineBitmap_->Canvas();
    canvas.SetFont(Font());
    fontName_ = Font().Name();
    charWidth_ = canvas.TextWidth("W");
    lineHeight_ = canvas.TextHeight("W");
    if (caretCreated_) {
        DestroyCaret(this);
        caretCreated_ = CreateCaret(this, 2, std::max(lineHeight_ - 2, 1));
        caretShown_ = false;
        caretPixel_ = {65535, 65535};
        UpdateCaret();
    }
    if (!(controlState_ & csCreating))
        UpdateScrollBars(false);
    Invalidate();
}

void TZmCustomMemo::Loaded()
{
    TCustomControl::Loaded();
    if (memoSource_)
        memoSource_->Attach(this);
    if (autoThemeAdapt_)
        ApplyXPGutterColors();
    RewrapLines();
    RecomputeMaxLineLength();
    UpdateScrollBars(false);
}

void TZmCustomMemo::RewrapLines()
{
    // Wrapping may show or hide the vertical bar, which changes the width once more.
    const int width = WrapWidth();
    lines_->Rewrap();
    if (WrapWidth() != width)
        lines_->Rewrap();
}
