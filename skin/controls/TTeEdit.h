#pragma once
// The skinned single-line edit: its own UTF-16 text, caret, anchored selection, horizontal
// scrolling, password marks, undo stack and clipboard, painted through the theme or classically.
#include <functional>
#include <memory>
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/core/Alignment.h"
#include "skin/controls/TEditActionStack.h"
#include "skin/controls/TTeControl.h"

class TBitmap;
class TTeItem;
class TTePopupMenu;
class TTePopupMenuOptions;

enum TPasswordKind : uint8_t { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };

class TTeEdit : public TTeControl {
public:
    explicit TTeEdit(TComponent* AOwner = nullptr);
    ~TTeEdit() override;

    // A text set here is the program's: it clears the undo history.
    void SetText(const std::string& v) override;
    const std::u16string& TextW() const { return text_; }
    void SetTextW(const std::u16string& v);

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { Store(hideSelection_, v); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    TPasswordKind PasswordKind() const { return passwordKind_; }
    void SetPasswordKind(TPasswordKind v) { Store(passwordKind_, v); }
    char16_t PasswordWideChar() const { return passwordChar_; }
    // A character other than #0 also switches to pkChar.
    void SetPasswordWideChar(char16_t v);
    TAlignment TextAlignment() const { return alignment_; }
    void SetTextAlignment(TAlignment v) { Store(alignment_, v); }
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { Store(themeObject_, v); }

    // Positions count UTF-16 units; the selection is anchored, SelLength = anchor - caret.
    int CaretPos() const { return caretPos_; }
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    int FirstVisible() const { return firstVisible_; }
    int SelectionStart() const;
    int SelectionLength() const { return selLength_ < 0 ? -selLength_ : selLength_; }
    std::u16string SelectedText() const;
    const TEditActionStack& UndoStack() const { return undo_; }
    // The built-in context menu; null until it is first shown.
    TTePopupMenu* ContextMenu() const { return contextMenu_; }
    TTePopupMenuOptions& ContextMenuOptions() const { return *contextOptions_; }
    void SetContextMenuOptions(const TTePopupMenuOptions& v);

    TNotifyEvent OnChange;

    // Editing; all but copying and selecting do nothing when ReadOnly.
    void InsertText(int pos, const std::u16string& s, bool select);
    void DeleteText(int pos, int count, bool select);
    void ReplaceSelection(const std::u16string& s);
    void DeleteSelection();
    bool Undo();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void SelectAll();
    void SelectWord();

    // Clamped to the text; scrolls FirstVisible and moves the system caret.
    void SetCaretPos(int pos);

    virtual TRect GetTextRect();
    // The cell of one password mark.
    virtual int GetCharWidth();
    virtual TRect GetSelectionRect();
    // X of the caret before 'pos', and the position under a client X.
    int CaretX(int pos);
    int PositionAt(int x);

protected:
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void Loaded() override;
    void PaintClient(TCanvas& canvas) override;
    void BorderChanged() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void ThemeChanged(int code) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;

    virtual void DrawText(TCanvas& canvas);
    virtual void DrawBackground(TCanvas& canvas, const TRect& rect);
    virtual void DrawSelectedText(TCanvas& canvas);
    virtual void DrawPasswordChar(TCanvas& canvas, const TRect& cell, bool selected);
    virtual bool CanSetText() { return true; }
    virtual TTePopupMenu* CreateContextMenu();
    virtual TTeItem* CreateMenuItem(const char* caption, std::function<void()> action);
    // Enables the built-in menu's items for the edit's state.
    virtual void UpdateContextMenu();
    virtual void Change();
    virtual void ShowCaret();
    virtual void HideCaret();

private:
    template <class T> void Store(T& field, const T& v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    // Every store of the text; 'fromOutside' clears the undo history.
    void StoreText(std::u16string text, bool fromOutside);
    std::u16string Cased(std::u16string text) const;
    void Record(std::unique_ptr<TEditAction> action, bool merge);
    void RecordRemoval(int pos, const std::u16string& text);
    void ClearSelection() { selStart_ = caretPos_, selLength_ = 0; }
    // The caret moved to 'pos', extending the selection from where it was when 'extend'.
    void MoveCaret(int pos, bool extend);
    int WordStart(int pos) const;
    int WordEnd(int pos) const;
    void DeleteBack(bool forward);

    bool ThemeDefined() const;
    uint8_t VisualState() const;
    // The state font (theme) or PaintFont, 'selected' the selection's font.
    const TFont& StateFont(bool selected);
    TCanvas& Measure();
    int TextWidthOf(int from, int count);
    int TextWidthTotal();
    int AlignOffset();
    bool SelectionShown() const { return HasFocus() || !hideSelection_; }
    void CreateEditCaret();

    std::u16string text_;
    int caretPos_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    int firstVisible_ = 1;
    bool mouseSelecting_ = false;
    int mouseAnchor_ = 0;
    bool storing_ = false;
    bool caretCreated_ = false;

    bool autoSelect_ = true;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool hideSelection_ = true;
    int maxLength_ = 0;
    bool readOnly_ = false;
    TPasswordKind passwordKind_ = pkNone;
    char16_t passwordChar_ = 0;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    std::string themeObject_ = "default";

    TEditActionStack undo_;
    TTePopupMenu* contextMenu_ = nullptr;
    std::unique_ptr<TTePopupMenuOptions> contextOptions_;
    std::unique_ptr<TBitmap> measure_;
};
