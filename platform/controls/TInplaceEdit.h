#pragma once
// The grid's in-place editor: a borderless edit laid over the current cell. It loads the cell's
// text, asks the grid before changing it, hands navigation keys to the grid, lets the grid's
// OnKeyDown see the other keys and passes every typed character through the grid's KeyPress first.
#include "platform/controls/ITextDisplay.h"
#include "platform/controls/TCustomMaskEdit.h"

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit, public ITextDisplay {
public:
    explicit TInplaceEdit(TComponent* AOwner);

    TCustomGrid* Grid() const { return grid_; }
    // Takes the current cell's text, mask and length limit from the grid.
    virtual void UpdateContents();
    // Places the editor over 'cellRect' (grid client coordinates) and shows it.
    void Move(const TRect& cellRect);
    void Deselect() { SetSel(0x7FFFFFFF, 0x7FFFFFFF); }

    std::string DisplayText() const override { return Text(); }
    void SetDisplayText(const std::string& text) override { SetText(text); }
    void SelectAllText() override { SelectAll(); }
    bool AllTextSelected() const override { return SelText() == Text(); }
    // A paste is held to the characters the cell takes, as typing is, and refused the same way.
    void PasteFromClipboard() override;

protected:
    virtual bool EditCanModify();
    // Re-sets the text rectangle and keeps the caret in view after a move or resize.
    void BoundsChanged(const TRect& oldBounds) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DblClick() override;
    void DefaultHandler(TMessage& message) override;
    void Change() override;
    // Sends the key to the grid's KeyDown and clears it.
    void SendToParent(uint16_t& key, TShiftState shift);

private:
    friend class TCustomGrid;
    TCustomGrid* grid_ = nullptr;
    bool loading_ = false;
    bool fromGrid_ = false;
};
