#pragma once
// The self-drawn text editor control: its line store, caret and selection model, display settings,
// painting through a one-line bitmap, and its own two scroll bars. Model, painting and scrolling sit
// in three files of this class.
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/memo/IMemoHost.h"
#include "controls/memo/TAutoCompletion.h"
#include "controls/memo/TAutoCorrect.h"
#include "platform/core/Event.h"
#include "controls/memo/MemoTokens.h"
#include "controls/memo/TMemoScanner.h"
#include "controls/memo/TCharStyle.h"
#include "controls/memo/TZmActiveLineSettings.h"
#include "controls/memo/TZmGutter.h"
#include "controls/memo/TZmMemoStrings.h"
#include "controls/memo/TZmUndoList.h"
#include "controls/memo/TZmWordDelimiters.h"
#include "platform/controls/ControlTypes.h"
#include "platform/ui/TWinControl.h"

class TBitmap;
class TImageList;
class TScrollBar;
class TTimer;
class TZmAutoform;
class TZmHintForm;
class THintWindow;
class TZmCustomMemoStyler;
class TZmStylerList;
class TZmMarkerList;
class TZmMemoChecker;
class TZmMemoSource;
class TPrintOptions;

enum class TScrollMode { smAuto, smStrict };

// One coloured piece of a painted line, on the column grid.
struct TMemoRun {
    int Column = 0;
    std::u32string Text;
    TColor Color = clBlack;
    TColor BkColor = clWhite;
    TFontStyles Style = 0;
    bool operator==(const TMemoRun&) const = default;
};

class TZmCustomMemo : public TCustomControl, public IMemoHost {
public:
    using TLineEvent = TEvent<TComponent*, int>;
    // The row's logical number, its physical line and its rectangle.
    using TGutterDrawEvent = TEvent<TComponent*, TCanvas&, int, int, const TRect&>;
    using TScrollHintEvent = TEvent<TComponent*, int, std::string&>;

    explicit TZmCustomMemo(TComponent* AOwner = nullptr);
    ~TZmCustomMemo() override;

    // The line store and styler in effect.
    TZmMemoStrings& ActiveLines() { return *lines_; }
    const TZmMemoStrings& ActiveLines() const { return *lines_; }
    TZmCustomMemoStyler* ActiveStyler() const;

    TZmMemoStrings& Lines() { return *lines_; }
    // Replaces the text; one change event.
    void SetLines(const TStrings& lines) { lines_->Assign(lines); }
    TZmGutter& Gutter() { return *gutter_; }
    TZmActiveLineSettings& ActiveLineSettings() { return *activeLineSettings_; }
    TCharStyle& UrlStyle() { return urlStyle_; }
    void SetUrlStyle(const TCharStyle& v);
    void SetFont(const TFont& font);
    TZmCustomMemoStyler* SyntaxStyles() const { return syntaxStyles_; }
    void SetSyntaxStyles(TZmCustomMemoStyler* v);
    TZmStylerList& StylerList() { return *stylerList_; }

    // Caret and selection (columns may lie past a line's end).
    int CurX() const override { return curX_; }
    int CurY() const override { return curY_; }
    void SetCurX(int col);
    void SetCurY(int line);
    void SetCaret(int x, int y);
    void RestoreCaret(int x, int y) override;
    void ClearSelection() override;
    void ExtendSelection();
    void SetSelection(int startX, int startY, int endX, int endY);
    int SelStartX() const { return selStartX_; }
    int SelStartY() const { return selStartY_; }
    int SelEndX() const { return selEndX_; }
    int SelEndY() const { return selEndY_; }
    bool HasSelection() const { return selStartX_ != selEndX_ || selStartY_ != selEndY_; }
    // Offsets count a hard break as two characters and a soft break as none.
    int OffsetOf(int x, int y) const;
    void PositionOf(int offset, int& x, int& y) const;
    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    int MaxLineLength() const { return maxLineLength_; }
    int ActiveLine() const { return activeLine_; }
    void SetActiveLine(int line) override;
    // Block marks: line, column and length, -1 when unset.
    const std::array<int, 3>& BlockBegin() const { return blockBegin_; }
    const std::array<int, 3>& BlockEnd() const { return blockEnd_; }
    void SetBlockMarks(const std::array<int, 3>& begin, const std::array<int, 3>& end);

    int TopLine() const { return topLine_; }
    void SetTopLine(int line);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int col);
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }
    TRect TextRect() const;
    int VisibleRows() const;
    int VisibleColumns() const;
    TRect CellRect(int column, int row) const;
    void ScrollCaretIntoView();
    void UpdateScrollBars(bool repaintAll = false);
    void ScrollBy(TScrollBarKind kind, int delta);
    TScrollBar& VertScrollBar() { return *vertBar_; }
    TScrollBar& HorzScrollBar() { return *horzBar_; }

    // Display settings.
    TColor BkColor() const override { return bkColor_; }
    void SetBkColor(TColor v) { SetColorValue(bkColor_, v); }
    TColor SelColor() const { return selColor_; }
    void SetSelColor(TColor v) { SetColorValue(selColor_, v); }
    TColor SelBkColor() const { return selBkColor_; }
    void SetSelBkColor(TColor v) { SetColorValue(selBkColor_, v); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int v);
    TColor RightMarginColor() const { return rightMarginColor_; }
    void SetRightMarginColor(TColor v) { SetColorValue(rightMarginColor_, v); }
    bool ShowRightMargin() const { return showRightMargin_; }
    void SetShowRightMargin(bool v) { SetFlag(showRightMargin_, v); }
    TColor BreakpointColor() const { return breakpointColor_; }
    void SetBreakpointColor(TColor v) { SetColorValue(breakpointColor_, v); }
    TColor BreakpointTextColor() const { return breakpointTextColor_; }
    void SetBreakpointTextColor(TColor v) { SetColorValue(breakpointTextColor_, v); }
    bool UrlAware() const { return urlAware_; }
    void SetUrlAware(bool v);
    TWordWrap WordWrap() const override { return wordWrap_; }
    void SetWordWrap(TWordWrap v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    TScrollMode ScrollMode() const { return scrollMode_; }
    void SetScrollMode(TScrollMode v) { scrollMode_ = v; }
    bool ScrollHint() const { return scrollHint_; }
    void SetScrollHint(bool v) { scrollHint_ = v; }
    bool UseStyler() const { return useStyler_; }
    void SetUseStyler(bool v);
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { SetFlag(hideSelection_, v); }
    bool HiddenCaret() const { return hiddenCaret_; }
    void SetHiddenCaret(bool v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool AutoExpand() const { return autoExpand_; }
    void SetAutoExpand(bool v) { autoExpand_ = v; }
    bool AutoIndent() const { return autoIndent_; }
    void SetAutoIndent(bool v) { autoIndent_ = v; }
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool v) { autoThemeAdapt_ = v; }
    bool BlockShow() const { return blockShow_; }
    void SetBlockShow(bool v) { blockShow_ = v; }
    TColor BlockColor() const { return blockColor_; }
    void SetBlockColor(TColor v) { blockColor_ = v; }
    TColor BlockLineColor() const { return blockLineColor_; }
    void SetBlockLineColor(TColor v) { blockLineColor_ = v; }
    bool DelErase() const { return delErase_; }
    void SetDelErase(bool v) { delErase_ = v; }
    bool EnhancedHomeKey() const { return enhancedHomeKey_; }
    void SetEnhancedHomeKey(bool v) { SetFlag(enhancedHomeKey_, v); }
    bool SmartTabs() const { return smartTabs_; }
    void SetSmartTabs(bool v) { SetFlag(smartTabs_, v); }
    bool WantTab() const { return wantTab_; }
    void SetWantTab(bool v) { wantTab_ = v; }
    int TabSize() const override { return tabSize_; }
    void SetTabSize(int v) { tabSize_ = v; }
    bool TrimTrailingSpaces() const override { return trimTrailingSpaces_; }
    void SetTrimTrailingSpaces(bool v) { SetFlag(trimTrailingSpaces_, v); }
    int AutoHintParameterDelay() const { return autoHintParameterDelay_; }
    void SetAutoHintParameterDelay(int v);
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool v);

    // Characters that end a word for double-click selection and, widened by the styler, elsewhere.
    virtual bool IsDelimiter(char32_t ch) const;
    virtual bool IsWordDelimiter(char32_t ch) const;
    // Word-left and word-right stops.
    bool IsWordJumpDelimiter(char32_t ch);
    virtual bool CanEdit() const { return true; }
    virtual bool IsURL(std::u32string_view text) const { return LooksLikeUrl(text); }
    std::vector<TMemoToken> TokeniseLine(int line) const;
    bool IsUrlAt(int line, int column) const;

    // The runs a line is painted with, in the order drawn; 'state' carries into the next line.
    std::vector<TMemoRun> LineRuns(int line, TMemoLexState& state) const;
    TMemoLexState ComputeTopLineState(int line);
    // Lines scanned to find lexical states since the last reset (for tests of the cache).
    int ScannedLines() const { return scannedLines_; }
    void ResetScannedLines() { scannedLines_ = 0; }
    void ApplyXPGutterColors();
    static void DrawGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, const TRect& rect, int steps);
    // The default gutter row painter: marks, number and arrow of the line.
    void DrawGutterLine(TCanvas& canvas, int line, int number, const TRect& row);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnStatusChange;
    TNotifyEvent OnCursorChange;
    TLineEvent OnColumnChange;
    TLineEvent OnActiveLineChange;
    TNotifyEvent OnTopLeftChanged;
    TGutterDrawEvent OnGutterDraw;
    TScrollHintEvent OnScrollHint;


    // Editing: the keyboard's commands, the undo list and the text primitive they share.
    using TUndoChangeEvent = TEvent<TComponent*, bool, bool>;
    using TAllowEvent = TEvent<TComponent*, bool&>;
    TZmUndoList& UndoList() { return *undoList_; }
    const TZmUndoList& UndoList() const { return *undoList_; }
    int UndoLimit() const { return undoLimit_; }
    void SetUndoLimit(int v);
    // True while the undo list holds records; setting False empties it.
    bool Modified() const { return UndoList().Count() > 0; }
    void SetModified(bool v);
    bool CanUndo() const { return UndoList().CanUndo(); }
    bool CanRedo() const { return UndoList().CanRedo(); }
    void Undo();
    void Redo();
    bool Overwrite() const { return overwrite_; }
    // Every path that changes the text asks this first.
    bool EditAllowed() const { return !readOnly_ && CanEdit(); }
    void InsertChar(char32_t ch);
    void TabKey(TShiftState shift);
    void NewLine();
    void BackspaceKey();
    void DeleteWordLeft();
    // x < 0: the Delete key; otherwise Backspace with the caret before its move.
    void DeleteChar(int x, int y);
    void InsertText(const std::string& text);
    void DeleteSelection();
    void SelectAll();
    void MoveCaret(int dx, int dy, TShiftState shift);
    void WordLeft();
    void WordRight();
    void PageMove(int direction, TShiftState shift);
    void HomeKey(TShiftState shift);
    void EndKey(TShiftState shift);
    // The text between two offsets, hard breaks as CR LF.
    std::u32string TextRange(int offset, int length) const;
    // Puts 'text' in place of 'length' characters at 'offset' and re-wraps; records nothing. Answers
    // the offset after the new text.
    int ReplaceText(int offset, int length, std::u32string_view text);
    void CaretToOffset(int offset, bool keepSelection = false);
    void UndoChanged();

    TUndoChangeEvent OnUndoChange;
    TAllowEvent OnOverwriteToggle;
    TNotifyEvent OnFind;
    TNotifyEvent OnReplace;

    // Markers, print settings, checker, shared source and version.
    TZmMarkerList& Markers() { return *markers_; }
    TPrintOptions& PrintOptions() { return *printOptions_; }
    void SetPrintOptions(const TPrintOptions& v);
    TZmMemoChecker* MemoChecker() const { return memoChecker_; }
    void SetMemoChecker(TZmMemoChecker* v);
    TZmMemoSource* MemoSource() const { return memoSource_; }
    void SetMemoSource(TZmMemoSource* v);
    std::array<int, 8> ViewState() const;
    void RestoreViewState(const std::array<int, 8>& view);
    // Ten bookmarks, each a line or -1; a shared source keeps them while the memo is detached.
    int Bookmark(int index) const { return bookmarks_.at(index); }
    void SetBookmark(int index, int line) { bookmarks_.at(index) = line; }
    std::string Version() const { return "1.6.0.5"; }
    void SetVersion(const std::string&) {}
    virtual std::string VersionText() const { return Version() + " October, 2004"; }

    // IMemoHost
    bool HostLoading() const override { return IsLoading() || (controlState_ & csCreating); }
    int WrapWidth() const override;
    void DeleteLine() override;
    void ClearUndo() override;
    void LinesChanged() override;
    void LinesReplaced() override;
    void SetMaxLineLength(int length) override { maxLineLength_ = length; }
    void UpdateScrollBars() override { UpdateScrollBars(false); }
    void DiscardLexicalStates(int line) override;
    void SetPainting(bool on) override { SetRedraw(on); }
    void InvalidateAll() override { Invalidate(); }
    void InvalidateArea(const TRect& rect) override;
    void Reformat() override;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    // The key command shared by KeyDown (virtual keys) and KeyPress (control characters).
    void KeyCommand(uint32_t key, TShiftState shift);
    virtual void SelectionChanged();
    virtual void StatusChanged();
    virtual void CursorChanged();
    void Paint() override;
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;
    void Resize() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void UpdateCaret();
    void DrawLine(TCanvas& canvas, const TMemoScanner& scanner, int line, TMemoLexState& state);

private:
    void SetColorValue(TColor& field, TColor v);
    void SetFlag(bool& field, bool v);
    // The colouring rules changed: every cached lexical state is stale.
    void StylingChanged();
    void ApplyFont();
    // The font rule for a change made on the font object itself.
    void FontObjectChanged();
    void RemovePadding();
    std::u32string TextBetween(int x1, int y1, int x2, int y2) const;
    int HeadOf(int line) const { return lines_->HeadOf(line); }
    int LastOf(int line) const { return lines_->LastOf(line); }
    // A text line with its continuations joined, from its first physical line.
    std::u32string JoinedLine(int head) const;
    int EndOffset() const;
    void Record(std::unique_ptr<TUndo> record) { UndoList().Add(std::move(record)); }
    // A memo sharing a source takes it over before it edits.
    void AttachSource();
    // Deletes the character before the caret, a hard break included; false at the text's start.
    bool BackspaceStep();
    int SmartTabTarget() const;
    int SmartBackspaceStop() const;
    // A line as the word and end keys see it: trailing spaces dropped unless a continuation follows.
    std::u32string WordText(int line) const;
    void AfterCaretMove(bool columnMoved);
    void RecomputeMaxLineLength() { maxLineLength_ = lines_->MaxLength(); }
    void LayoutPass();
    // Wraps again at the width in effect once the vertical bar has settled.
    void RewrapLines();
    void VertBarChange();
    void HorzBarChange();
    void BarScroll(TScrollBar& bar, TScrollCode code, int& pos);
    void PaintGutter(TCanvas& canvas);
    void PaintFrame(TCanvas& canvas);
    TRect GutterArea() const;
    bool SelectionShown() const;
    void InvalidateLine(int line);
    TMemoScanner MakeScanner() const;
    std::vector<TMemoRun> LineRuns(const TMemoScanner& scanner, int line, TMemoLexState& state) const;

    // The line store and undo list in effect: the source's while one is set, else the own ones.
    std::unique_ptr<TZmMemoStrings> ownLines_;
    TZmMemoStrings* lines_ = nullptr;
    std::unique_ptr<TZmUndoList> ownUndoList_;
    TZmUndoList* undoList_ = nullptr;
    std::unique_ptr<TZmMarkerList> markers_;
    std::unique_ptr<TPrintOptions> printOptions_;
    TZmMemoChecker* memoChecker_ = nullptr;
    TZmMemoSource* memoSource_ = nullptr;
    std::unique_ptr<TZmGutter> gutter_;
    std::unique_ptr<TZmActiveLineSettings> activeLineSettings_;
    TCharStyle urlStyle_{clBlue, clWhite, fsUnderline};
    TZmCustomMemoStyler* syntaxStyles_ = nullptr;
    TZmStylerList* stylerList_ = nullptr;
    TScrollBar* vertBar_ = nullptr;
    TScrollBar* horzBar_ = nullptr;
    THintWindow* scrollHintWindow_ = nullptr;
    std::unique_ptr<TBitmap> lineBitmap_;
    TZmWordDelimiters wordJump_;
    std::u32string urlDelimiters_ = U" \"',";

    int curX_ = 0;
    int curY_ = 0;
    std::array<int, 10> bookmarks_{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int selStartX_ = 0, selStartY_ = 0, selEndX_ = 0, selEndY_ = 0;
    int anchorX_ = 0, anchorY_ = 0;
    // The line the caret padded with spaces, and its length before.
    int paddedLine_ = -1;
    int paddedFrom_ = 0;
    int topLine_ = 0;
    int leftCol_ = 0;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    int textMargin_ = 2;
    int maxLineLength_ = 0;
    int activeLine_ = -1;
    std::array<int, 3> blockBegin_{-1, -1, -1};
    std::array<int, 3> blockEnd_{-1, -1, -1};
    int cachedTop_ = -1;
    TMemoLexState cachedTopState_;
    mutable int scannedLines_ = 0;

    TColor bkColor_ = clWhite;
    TColor selColor_ = clWhite;
    TColor selBkColor_ = clNavy;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = false;
    int rightMargin_ = 80;
    TColor rightMarginColor_ = 0xE2E2E2;
    bool showRightMargin_ = true;
    TColor breakpointColor_ = clRed;
    TColor breakpointTextColor_ = clWhite;
    bool urlAware_ = true;
    TWordWrap wordWrap_ = TWordWrap::wwNone;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TScrollMode scrollMode_ = TScrollMode::smAuto;
    bool scrollHint_ = false;
    bool useStyler_ = true;
    bool caseSensitive_ = false;
    bool hideSelection_ = true;
    bool hiddenCaret_ = false;
    bool readOnly_ = false;
    bool autoExpand_ = true;
    bool autoIndent_ = true;
    bool autoThemeAdapt_ = false;
    bool blockShow_ = true;
    TColor blockColor_ = clAqua;
    TColor blockLineColor_ = clNone;
    bool delErase_ = false;
    bool enhancedHomeKey_ = false;
    bool smartTabs_ = false;
    bool wantTab_ = true;
    int tabSize_ = 4;
    bool trimTrailingSpaces_ = false;
    int undoLimit_ = 100;
    int autoHintParameterDelay_ = 2500;
    bool acceptFiles_ = false;

    bool notificationsEnabled_ = true;
    bool overwrite_ = false;
    bool keyDownSeen_ = false;
    bool applyingFont_ = false;
    // The font name in use before the last change, for the fixed-pitch rule.
    std::string fontName_;
    bool caretShown_ = false;
    bool caretCreated_ = false;
    TPoint caretPixel_{65535, 65535};
    int scrollBarUpdates_ = 0;
    // Cleared while the rows rewrap for a vertical bar that came or went, which may move it again.
    bool rewrapForBar_ = true;
    // Set while the control moves its own bars, so their change handlers stay out.
    int barSync_ = 0;

    // Mouse, clipboard, context menu and dropped files.
public:
    using TFileDropEvent = TEvent<TComponent*, const std::string&, bool&>;
    using TUrlClickEvent = TEvent<TComponent*, const std::string&>;

    // Puts the caret on the cell under a client point inside the text area.
    void PlaceCaret(int x, int y, TMouseButton button, TShiftState shift, bool fromMouseDown);
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // The selection as text offsets: its start, and start plus length.
    void GetSel(int& start, int& end) const;
    // Opens the link under the caret column of the line, if one stands there.
    void UrlClick(int line);
    // The cell of a client point plus the scroll offsets, negative parts made 0.
    TPoint CellAt(int x, int y) const;

    TLineEvent OnGutterClick;
    TLineEvent OnGutterRightClick;
    TFileDropEvent OnFileDrop;
    TUrlClickEvent OnURLClick;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DragOver(TControl* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TControl* source, int x, int y) override;
    // The mouse, menu, clipboard and file messages; false for any other.
    bool HandleMouseAndClipboard(TMessage& message);

private:
    void SelectWordAtCaret();
    void ShowBuiltInMenu(const TMessage& message);
    void RunCommand(int command);
    void DropFiles(const std::vector<std::string>& files);
    void SetCursorKeepingSaved(bool overUrl);

    bool mouseButtonDown_ = false;
    bool dragPending_ = false;
    TCursor savedCursor_ = crIBeam;
    bool urlCursor_ = false;
    TPoint hintCell_{-1, -1};

    // Completion list, auto-correct and hints.
public:
    using TBeforeCompletionEvent = TEvent<TComponent*, const std::string&, bool&>;
    using TCompletionListEvent = TEvent<TComponent*, const std::string&, TStrings&>;
    using TCompletionEntryEvent = TEvent<TComponent*, std::string&>;
    using TWordCompleteEvent = TEvent<TComponent*, const std::string&, std::string&>;
    using TParameterHintEvent = TEvent<TComponent*, const std::string&, std::string&, bool&>;
    // Mouse column and line, the word or token there, the hint text and whether to show it.
    using THintForEvent = TEvent<TComponent*, int, int, const std::string&, std::string&, bool&>;

    TAutoCompletion& AutoCompletion() { return *autoCompletion_; }
    TAutoCorrect& AutoCorrect() { return *autoCorrect_; }
    // Its first five images are copied into the list when set; the caller keeps the list.
    const TImageList* AutoCompletionListImages() const { return completionImages_; }
    void SetAutoCompletionListImages(const TImageList* images);
    TAutoHintParameters AutoHintParameters() const { return autoHintParameters_; }
    void SetAutoHintParameters(TAutoHintParameters v);
    TAutoHintParameterPosition AutoHintParameterPosition() const { return hintPosition_; }
    void SetAutoHintParameterPosition(TAutoHintParameterPosition v) { hintPosition_ = v; }

    void ShowAutoCompletion();
    // After a typed "." or "(": the list opens once Delay ms have passed.
    void StartAutoCompletionTimer();
    // Ctrl+Space.
    void OpenAutoCompletionByHand();
    bool AutoCompletionShowing() const;
    // The completion form and the hint form, made on first use.
    TZmAutoform* AutoCompletionForm() const { return autoForm_; }
    TZmHintForm* ParameterHintForm() const { return hintForm_; }
    // Replaces the word before the caret by its correction, when it has one.
    void AutoCorrectWord();
    // Shows or refreshes the parameter hint for the caret, or hides it when none applies.
    void ShowParameterHint();
    void HideParameterHint();

    TBeforeCompletionEvent OnBeforeAutoCompletion;
    TCompletionListEvent OnGetAutoCompletionList;
    TNotifyEvent OnStartAutoCompletion;
    TNotifyEvent OnAutoCompletion;
    TNotifyEvent OnCancelAutoCompletion;
    TCompletionEntryEvent OnInsertAutoCompletionEntry;
    TWordCompleteEvent OnWordComplete;
    TParameterHintEvent OnGetParameterHint;
    THintForEvent OnHintForWord;
    THintForEvent OnHintForToken;

protected:
    // Keys while the list shows, the hint-show request and focus loss; false for any other.
    bool HandleCompletionMessage(TMessage& message);

private:
    std::u32string WordBefore(int column) const;
    // What filters the list: typed since the remembered column when the timer opened it.
    std::string CompletionToken() const;
    void FillCompletionList(const std::string& token);
    void RefilterCompletion();
    void InsertCompletionEntry();
    void HideAutoCompletion();
    void CancelAutoCompletion();
    // Colour, font and delay reach the list and the timer at once.
    void AutoCompletionChanged();
    bool CompletionKey(uint16_t key);
    void HintShow(THintInfo& info);

    std::unique_ptr<TAutoCompletion> autoCompletion_ = std::make_unique<TAutoCompletion>();
    std::unique_ptr<TAutoCorrect> autoCorrect_ = std::make_unique<TAutoCorrect>();
    const TImageList* completionImages_ = nullptr;
    TZmAutoform* autoForm_ = nullptr;
    TZmHintForm* hintForm_ = nullptr;
    TTimer* completionTimer_ = nullptr;
    TTimer* hintTimer_ = nullptr;
    TStringList candidates_;
    TAutoHintParameters autoHintParameters_ = TAutoHintParameters::hpAuto;
    TAutoHintParameterPosition hintPosition_ = TAutoHintParameterPosition::hpBelowCode;
    bool timerOpened_ = false;
    TPoint rememberedCaret_{0, 0};
    bool swallowChar_ = false;
    bool refilterOnChar_ = false;
};
