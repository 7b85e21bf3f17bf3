#pragma once
// The single-line edit: caret, selection, typing, clipboard and the EM_* messages. Positions are
// UTF-16 units, as the platform's edit counts them. Descendants paint over it through Paint and
// the non-client messages, and hear every change of the text through Change.
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

class TCustomEdit : public TCustomControl {
public:
    explicit TCustomEdit(TComponent* AOwner = nullptr);
    ~TCustomEdit() override;

    // Programmatic text: the case rule applies, MaxLength does not; the caret goes to the start.
    void SetText(const std::string& v) override;

    int SelStart() const { return static_cast<int>(selStart_); }
    void SetSelStart(int v);
    int SelLength() const { return static_cast<int>(selEnd_ - selStart_); }
    void SetSelLength(int v);
    std::string SelText() const;
    // Replaces the selection as typing would, MaxLength and case included.
    void SetSelText(const std::string& v);
    // EM_SETSEL: a negative end means the end of the text; a negative start removes the selection.
    void SetSel(int start, int end);
    void SelectAll() { SetSel(0, -1); }
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    virtual void PasteFromClipboard();
    void Clear() { SetText({}); }
    // The caret's position; differs from SelStart when a selection was made leftwards.
    int CaretPos() const { return static_cast<int>(caret_); }

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = v < 0 ? 0 : v; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }
    // Entering the edit by the keyboard (not by a mouse press) selects its whole text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    // The alignment the window was created with (ES_LEFT, ES_CENTER, ES_RIGHT).
    TAlignment EditAlignment() const;

    // The area the text is laid out in (EM_SETRECTNP), client coordinates.
    TRect FormatRect() const;
    void SetFormatRect(const TRect& r);
    // Scrolls the text so that the caret is inside the format rectangle (EM_SCROLLCARET).
    void ScrollCaret();
    // The UTF-16 position nearest to a client x coordinate.
    int PositionAt(int x);
    // The client x coordinate of a position.
    int PositionX(int position);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void Paint() override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    // Runs on every change of the text, typed or set from code; fires OnChange.
    virtual void Change();
    // The text as shown: the password character in place of every character.
    std::string DisplayText(size_t from, size_t to) const;
    // Inserts typed text in place of the selection; false when nothing could be inserted.
    bool InsertTyped(const std::u16string& text);
    void DeleteRange(size_t from, size_t to);
    // Paints the text, its selection and background into the client area.
    void PaintText(TCanvas& canvas);
    // What the text is painted on: Color, or the face colour while disabled.
    virtual TColor BackgroundColor() const;
    void UpdateCaret();
    std::u16string ApplyCase(const std::u16string& text) const;
    const std::u16string& Buffer() const { return buf_; }

private:
    void ReplaceBuffer(std::u16string text, size_t caret);
    void MoveCaret(size_t pos, bool extend);
    void HandleKey(uint16_t key);
    void HandleChar(char32_t ch);
    size_t WordLeft(size_t pos) const;
    size_t WordRight(size_t pos) const;
    int TextStartX();
    int DisplayWidth(size_t from, size_t to);
    void PrepareMeasure();

    std::u16string buf_;
    size_t selStart_ = 0;
    size_t selEnd_ = 0;
    size_t caret_ = 0;
    size_t anchor_ = 0;
    int scrollX_ = 0;
    int maxLength_ = 0;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    char32_t passwordChar_ = 0;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    bool modified_ = false;
    bool autoSelect_ = true;
    bool selecting_ = false;
    bool hasFormatRect_ = false;
    TRect formatRect_;
    bool caretCreated_ = false;
    TCanvas measure_;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
