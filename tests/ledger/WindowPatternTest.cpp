// The list grids' row colours are checked on the lookup popup (PickerTest).
#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "ledger/TLedgerForm.h"
#include "ledger/WindowPattern.h"
#include "platform/core/WeakRef.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeForm.h"
#include "tests/ledger/WindowSession.h"

TEST(WindowPattern, AChildMovesOnWithEnterAndIsFreedWhenItCloses)
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
    child->Show();
    first->SetFocus();
    w.s.ProcessUntilIdle();
    EXPECT_TRUE(child->TeForm1->Active());
    w.s.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(child->FocusedControl(), second);

    TWeakRef<TComponent> alive(child);
    child->Close();
    w.s.ProcessUntilIdle();
    EXPECT_FALSE(alive);
    TComponent::Free(frame);
}
