#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TDtModule.h"
#include "ledger/TLedgerForm.h"
#include "ledger/WindowPattern.h"
#include "platform/core/WeakRef.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeForm.h"
#include "tests/ledger/TempDatabase.h"
#include "tests/ledger/WindowSession.h"

TEST(WindowPattern, AChildAnimatesWhenShownMovesOnWithEnterAndIsFreedWhenItCloses)
{
    WindowSession w;
    auto* frame = w.s.CreateForm<TForm>();
    frame->SetFormStyle(TFormStyle::fsMDIForm);
    frame->SetBounds(0, 0, 800, 600);
    frame->Show();
    auto* child = CreateOwned<TLedgerForm>(*frame, "Daftar");
    child->SetFormStyle(TFormStyle::fsMDIChild);
    auto* first = CreateOwned<TZlEdit>(*child);
    auto* second = CreateOwned<TZlEdit>(*child);
    for (TZlEdit* field : {first, second}) {
        field->SetParent(child);
        MoveFocusOnEnter(*field);
    }
    second->SetTop(40);
    EXPECT_NE(child->TeForm1->Animation().EffectKind(), "[ FADE ] - SlideRectOut");

    child->Show();
    first->SetFocus();
    w.s.ProcessUntilIdle();
    EXPECT_EQ(child->TeForm1->Caption(), "Daftar");
    EXPECT_EQ(child->TeForm1->Animation().EffectKind(), "[ FADE ] - SlideRectOut");
    EXPECT_EQ(child->TeForm1->Animation().Time(), 100);
    EXPECT_TRUE(child->TeForm1->Animation().Enabled());
    EXPECT_TRUE(child->TeForm1->Active());
    w.s.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(child->FocusedControl(), second);

    TWeakRef<TComponent> alive(child);
    child->Close();
    w.s.ProcessUntilIdle();
    EXPECT_FALSE(alive);
    TComponent::Free(frame);
}

TEST(WindowPattern, ListRowsAlternateWhiteAndGreyByRecordNumber)
{
    WindowSession w;
    TempDatabase file;
    TDtModule dm;
    dm.CONN1->SetConnectionString("Data Source=" + file.Path());
    dm.CONN1->Open();
    dm.ref_unit->Open();
    auto* form = w.s.CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 300);
    auto* source = CreateOwned<TDataSource>(*form);
    source->SetDataSet(dm.ref_unit);
    auto* grid = CreateOwned<TZgDBGrid>(*form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 380, 200);
    grid->SetDataSource(source);
    ColourListRows(*grid);
    form->Show();
    w.s.ProcessUntilIdle();

    // Just inside a cell is clear of its text; record 1 is the selected one.
    auto cellColour = [&](int row) {
        TRect r = grid->CellRect(1, row);
        return w.s.ClientColor(*grid, r.Left + 1, r.Top + 1);
    };
    EXPECT_EQ(cellColour(2), TColor(0xEAEAEA));
    EXPECT_EQ(cellColour(3), TColor(0xFFFFFF));
    TComponent::Free(form);
}
