#include "ledger/WindowPattern.h"

#include "controls/grid/TZgDBGrid.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TColor.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeDefaultForm.h"

void SetFormAnimation(TTeDefaultForm& frame)
{
    frame.SetActive(false);
    frame.Animation().SetEffectKind("[ FADE ] - SlideRectOut");
    frame.Animation().SetTime(100);
    frame.Animation().SetEnabled(true);
    frame.SetActive(true);
    frame.RefreshFormFrame();
}

void ColourListRows(TZgCustomDBGrid& grid)
{
    grid.OnDrawCellAttr = [&grid](TComponent*, TZgColumn*, TFont&, TColor& color, TGridDrawState state) {
        if (state & gdSelected)
            return;
        TDataSet* data = grid.DataSource() ? grid.DataSource()->DataSet() : nullptr;
        if (data)
            color = data->RecNo() % 2 ? clWindow : TColor(0xEAEAEA);
    };
}

void MoveFocusOnEnter(TWinControl& field)
{
    field.OnKeyPress = [&field](TComponent*, char32_t& key) {
        if (key != U'\r')
            return;
        key = 0;
        if (TCustomForm* form = GetParentForm(&field))
            form->SelectNext(&field, true, true);
    };
}
