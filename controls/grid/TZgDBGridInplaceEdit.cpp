#include "controls/grid/TZgDBGridInplaceEdit.h"

#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"

TZgDBGridInplaceEdit::TZgDBGridInplaceEdit(TComponent* AOwner)
    : TInplaceEdit(AOwner), grid_(dynamic_cast<TZgCustomDBGrid*>(AOwner))
{
}

void TZgDBGridInplaceEdit::UpdateContents()
{
    TInplaceEdit::UpdateContents();
    if (!grid_)
        return;
    const int index = grid_->SelectedIndex();
    if (index >= 0 && index < grid_->Columns().Count())
        Font().Assign(grid_->Columns().Items(index)->Font());
}

bool TZgDBGridInplaceEdit::EnterToTab() const
{
    return grid_ && (grid_->Options() & dgEnterToTab);
}

void TZgDBGridInplaceEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_RETURN && EnterToTab()) {
        grid_->SetFocus();
        SendToParent(key, shift);
        Update();
        return;
    }
    TInplaceEdit::KeyDown(key, shift);
}

void TZgDBGridInplaceEdit::KeyPress(char32_t& key)
{
    if (key == 13 && EnterToTab())
        key = 9;
    TInplaceEdit::KeyPress(key);
}

void TZgDBGridInplaceEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_RETURN && EnterToTab())
        key = VK_TAB;
    TInplaceEdit::KeyUp(key, shift);
}
