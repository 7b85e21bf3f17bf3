#pragma once
// The data grid's in-place editor. Plain cells are edited as text; with dgEnterToTab, Enter moves
// on as Tab does and never reaches the editor as a character.
#include "platform/controls/TInplaceEdit.h"

class TZgCustomDBGrid;

class TZgDBGridInplaceEdit : public TInplaceEdit {
public:
    explicit TZgDBGridInplaceEdit(TComponent* AOwner);

    // The cell's text as the base loads it, in the current column's font.
    void UpdateContents() override;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    bool EnterToTab() const;

    TZgCustomDBGrid* grid_;
};
