#pragma once
// The multi-line edit: lines of text with a caret and a selection, word wrap at the client width,
// its own scroll bars, and Enter and Tab typed into the text when it wants them. Positions are
// a line and a UTF-16 column within it.
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TWindowScrollBars.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

struct TMemoPos {
    int Line = 0;
    int Col = 0;
    friend constexpr auto operator<=>(TMemoPos, TMemoPos) = default;
};

class TCustomMemo : public TCustomControl {
public:
    explicit TCustomMemo(TComponent* AOwner = nullptr);
    ~TCustomMemo() override;

    TStringList& Lines() { return *lines_; }
    const TStringList& Lines() const { return *lines_; }
    // The lines joined with CR LF, without a line break after the last one.
    std::string AllText() const;
    void SetText(const std::string& v) override;

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = v < 0 ? 0 : v; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }

    TMemoPos CaretPos() const { return caret_; }
    void SetCaretPos(TMemoPos p);
    std::string SelText() const;
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // First visible display row, and how many display rows the text has.
    int TopRow() const { return topRow_; }
    void SetTopRow(int v);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int VisibleRows() const;
    TWindowScrollBars& WindowScrollBars() { return *windowScrollBars_; }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    virtual void Change();
    // What the text is painted on: Color, or the face colour while disabled.
    virtual TColor BackgroundColor() const;

private:
    struct Row {
        int Line = 0;
        int Start = 0;
        int End = 0;
    };
    std::u16string LineText(int line) const;
    void Relayout();
    void UpdateScrollBars();
    int RowOf(TMemoPos p) const;
    int LineHeight();
    int TextWidth(const std::u16string& text);
    TMemoPos PosAt(int x, int y);
    TPoint PointOf(TMemoPos p);
    void MoveCaret(TMemoPos p, bool extend);
    void ScrollToCaret();
    void UpdateCaret();
    void Replace(TMemoPos from, TMemoPos to, const std::u16string& text);
    void InsertTyped(const std::u16string& text);
    int TextLength() const;
    void HandleKey(uint16_t key);
    void HandleChar(char32_t ch);
    TMemoPos SelStartPos() const { return std::min(anchor_, caret_); }
    TMemoPos SelEndPos() const { return std::max(anchor_, caret_); }
    TMemoPos Clamp(TMemoPos p) const;

    std::unique_ptr<TStringList> lines_;
    std::unique_ptr<TWindowScrollBars> windowScrollBars_;
    std::vector<Row> rows_;
    TMemoPos caret_;
    TMemoPos anchor_;
    int topRow_ = 0;
    int scrollX_ = 0;
    int wantX_ = -1;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool readOnly_ = false;
    int maxLength_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool modified_ = false;
    bool selecting_ = false;
    bool updating_ = false;
    bool caretCreated_ = false;
    TCanvas measure_;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};
