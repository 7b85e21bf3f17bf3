#include "ledger/WindowPattern.h"

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TColor.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeDefaultForm.h"

TZlLabel* PlaceLabel(TComponent& window, TWinControl& parent, const char* name, const std::string& caption, int left,
                     int top, int width, int height)
{
    auto* label = PlaceControl<TZlLabel>(window, parent, name, left, top, width, height);
    label->SetParentFont(true);
    label->SetCaption(caption);
    return label;
}

void UseWindowFont(TComponent& window)
{
    for (int i = 0; i < window.ComponentCount(); ++i) {
        TComponent* c = window.Components(i);
        if (auto* edit = dynamic_cast<TZlEdit*>(c))
            edit->SetParentFont(true);
        else if (auto* list = dynamic_cast<TZlComboBox*>(c))
            list->SetParentFont(true);
        else if (auto* button = dynamic_cast<TZlButton*>(c))
            button->SetParentFont(true);
        else if (auto* speedButton = dynamic_cast<TZlSpeedButton*>(c))
            speedButton->SetParentFont(true);
    }
}

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

void ClickWhenAvailable(TControl& button)
{
    if (button.EnabledInTree() && button.Showing())
        button.Click();
}

THourGlass::THourGlass()
{
    if (Screen)
        Screen->SetCursor(crHourGlass);
}

THourGlass::~THourGlass()
{
    if (Screen)
        Screen->SetCursor(crDefault);
}
