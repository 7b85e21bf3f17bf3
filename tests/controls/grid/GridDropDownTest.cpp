#include <gtest/gtest.h>

#include "GridTestKit.h"
#include "controls/grid/TPopupDataList.h"
#include "controls/grid/TPopupListbox.h"
#include "controls/grid/TZgCalculator.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGridInplaceEdit.h"
#include "controls/grid/TZgPopupCalendar.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TMenuTracker.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/data/TField.h"
#include "platform/ui/Backend.h"

namespace {

const char* const ItemTables =
    "create table satuan (kode integer, nama text(20) collate nocase);"
    "insert into satuan values (1, 'Buah'), (2, 'Kotak'), (3, 'Lusin');"
    "create table barang (jenis text(10) collate nocase, tgl date, harga currency real, ket text(20), "
    "kode integer, nama text(20));"
    "insert into barang values ('Alat', '2024-03-15', 1500, 'a', 1, 'Pena');";

// One column of each button style over the items table: 0 combo, 1 calendar, 2 calculator,
// 3 ellipsis, 4 lookup, 5 plain.
struct DropDownFixture : GridFixture {
    DropDownFixture() : GridFixture(ItemTables)
    {
        table->SetTableName("barang");
        units = CreateOwned<TADOTable>(*form);
        units->SetConnection(&db.connection);
        units->SetTableName("satuan");
        units->Open();
        const struct { const char* field; TZgColumnButtonStyle style; } columns[] = {
            {"jenis", TZgColumnButtonStyle::cbsCombo}, {"tgl", TZgColumnButtonStyle::cbsCalendar},
            {"harga", TZgColumnButtonStyle::cbsCalculator}, {"ket", TZgColumnButtonStyle::cbsEllipsis},
            {"kode", TZgColumnButtonStyle::cbsLookup}, {"nama", TZgColumnButtonStyle::cbsNone}};
        for (const auto& c : columns) {
            TZgColumn* column = grid->Columns().Add();
            column->SetFieldName(c.field);
            column->SetButtonStyle(c.style);
            column->SetWidth(80);
        }
        SetPicks(3);
        TZgColumn& lookup = *grid->Columns().Items(4);
        lookup.SetLookupDataSet(units);
        lookup.SetLookupKeyField("kode");
        lookup.SetLookupLinkField("kode");
        lookup.SetLookupDropDownFields("nama");
        grid->SetOptions(grid->Options() | dgAlwaysShowEditor);
        Open();
        grid->SetFocus();
        session.ProcessUntilIdle();
    }

    void SetPicks(int count)
    {
        TStringList& picks = grid->Columns().Items(0)->PickList();
        picks.Clear();
        for (int i = 0; i < count; ++i)
            picks.Add(i == 0 ? "Alat" : i == 1 ? "Kertas" : i == 2 ? "Tinta" : "Lain " + std::to_string(i));
    }
    TZgDBGridInplaceEdit& Editor()
    {
        return *dynamic_cast<TZgDBGridInplaceEdit*>(grid->InplaceEditor());
    }
    void GoTo(int column)
    {
        grid->SetSelectedIndex(column);
        session.ProcessUntilIdle();
    }
    // The screen point of the editor's button.
    TPoint Button() { return session.ScreenPointOf(Editor(), {Editor().Width() - 5, Editor().Height() / 2}); }
    std::string Field(const char* name) { return table->FieldByName(name)->AsString(); }

    TADOTable* units = nullptr;
};

} // namespace

TEST(GridDropDown, EachButtonStyleGetsItsEditStyleAndButton)
{
    DropDownFixture f;
    const TEditStyle expected[] = {TEditStyle::esPickList, TEditStyle::esCalendar, TEditStyle::esCalculator,
                                   TEditStyle::esEllipsis, TEditStyle::esDataList, TEditStyle::esSimple};
    for (int i = 0; i < 6; ++i) {
        f.GoTo(i);
        EXPECT_EQ(f.Editor().EditStyle(), expected[i]) << i;
    }

    // Read-only: the ellipsis keeps its button, the pick list loses it; so does an empty pick list.
    f.grid->Columns().Items(3)->SetReadOnly(true);
    f.GoTo(3);
    EXPECT_EQ(f.Editor().EditStyle(), TEditStyle::esEllipsis);
    f.grid->Columns().Items(0)->SetReadOnly(true);
    f.GoTo(0);
    EXPECT_EQ(f.Editor().EditStyle(), TEditStyle::esSimple);
    f.grid->Columns().Items(0)->SetReadOnly(false);
    f.SetPicks(0);
    f.GoTo(1);
    f.GoTo(0);
    EXPECT_EQ(f.Editor().EditStyle(), TEditStyle::esSimple);
}

TEST(GridDropDown, ButtonsAreDrawnAtTheRightEdgeOfTheCell)
{
    DropDownFixture f;
    f.GoTo(3);
    TZgDBGridInplaceEdit& e = f.Editor();
    EXPECT_EQ(e.ButtonRect(), Rect(e.Width() - 12, 0, e.Width(), e.Height()));
    const TRect r = e.ButtonRect();
    const int cx = r.Left + r.Width() / 2 - 1, cy = r.Top + r.Height() / 2 - 1;
    EXPECT_EQ(f.session.ClientColor(e, cx, cy), clBlack);
    EXPECT_EQ(f.session.ClientColor(e, cx - 2, cy), clBlack);
    EXPECT_EQ(f.session.ClientColor(e, cx - 1, cy), TColor(0xC8D0D4));
    EXPECT_EQ(f.session.ClientColor(e, r.Left + 1, r.Top + 1), clWhite);
    // The text rectangle stops before the button.
    EXPECT_EQ(e.FormatRect().Right, e.Width() - 2 - 12);

    // The combo arrow is black in the middle of a grey face.
    f.GoTo(0);
    int black = 0;
    for (int y = 0; y < r.Height(); ++y)
        black += f.session.ClientColor(e, r.Left + r.Width() / 2, y) == clBlack;
    EXPECT_GT(black, 0);
    EXPECT_EQ(f.session.ClientColor(e, r.Left + 2, r.Top + 2), TColor(0xC8D0D4));
}

TEST(GridDropDown, PickListHeightFollowsDropDownRowsAndPlacementFollowsTheScreen)
{
    DropDownFixture f;
    f.GoTo(0);
    f.session.PressKey(VK_DOWN, kmAlt);
    TPopupListbox& list = *f.Editor().PickList();
    ASSERT_TRUE(f.Editor().ListVisible());
    EXPECT_EQ(list.Height(), 37);
    const TPoint cell = f.Editor().ClientToScreen({0, 0});
    EXPECT_EQ(list.Left(), cell.X);
    EXPECT_EQ(list.Top(), cell.Y + f.Editor().Height());
    EXPECT_EQ(list.ItemIndex(), 0);
    f.session.PressKey(VK_ESCAPE);

    f.SetPicks(30);
    f.form->SetBounds(960, 680, 300, 200);
    f.session.ProcessUntilIdle();
    f.session.PressKey(VK_DOWN, kmAlt);
    EXPECT_EQ(list.Height(), 114);
    EXPECT_EQ(list.Left() + list.Width(), 1024);
    EXPECT_EQ(list.Top() + list.Height(), f.Editor().ClientToScreen({0, 0}).Y);
}

TEST(GridDropDown, AltDownTogglesWithAcceptanceAndEscWritesNothing)
{
    DropDownFixture f;
    f.GoTo(0);
    int closes = 0, befores = 0;
    bool accepted = false;
    f.grid->BeforeDropDown = [&](TComponent*, TZgColumn*) { ++befores; };
    f.grid->AfterCloseUp = [&](TComponent*, TZgColumn*, bool selected) { ++closes, accepted = selected; };
    f.session.PressKey(VK_DOWN, kmAlt);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_FALSE(accepted);
    EXPECT_EQ(f.Field("jenis"), "Alat");

    f.session.PressKey(VK_DOWN, kmAlt);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_DOWN, kmAlt);
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(befores, 2);
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(f.Field("jenis"), "Kertas");
    EXPECT_EQ(f.Editor().Text(), "Kertas");
}

TEST(GridDropDown, PickValuesOfTheSameCountAreWrittenInPlaceOfTheTexts)
{
    DropDownFixture f;
    TStringList& values = f.grid->Columns().Items(0)->PickValues();
    for (const char* v : {"A", "K", "T"})
        values.Add(v);
    f.table->Edit();
    f.table->FieldByName("jenis")->SetAsString("T");
    f.GoTo(0);
    f.session.PressKey(VK_DOWN, kmAlt);
    EXPECT_EQ(f.Editor().PickList()->ItemIndex(), 2);
    f.session.PressKey(VK_UP);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.Field("jenis"), "K");
}

TEST(GridDropDown, TypedLettersSearchThePickListUntilAPause)
{
    DropDownFixture f;
    f.SetPicks(30);
    f.grid->Columns().Items(0)->PickList().Add("Tinta biru");
    f.GoTo(0);
    f.session.PressKey(VK_DOWN, kmAlt);
    TPopupListbox& list = *f.Editor().PickList();
    f.session.TypeText("tinta ");
    EXPECT_EQ(list.Items().Get(list.ItemIndex()), "Tinta biru");
    f.session.AdvanceClock(5001);
    f.session.TypeText("k");
    EXPECT_EQ(list.Items().Get(list.ItemIndex()), "Kertas");
    f.session.TypeText(std::string(40, 'x'));
    EXPECT_EQ(list.SearchText().size(), 32u);
}

TEST(GridDropDown, MouseOpensFromTheButtonAndAcceptsInsideTheList)
{
    DropDownFixture f;
    f.GoTo(0);
    const TPoint b = f.Button();
    f.session.Click(b.X, b.Y);
    TPopupListbox& list = *f.Editor().PickList();
    ASSERT_TRUE(f.Editor().ListVisible());
    f.session.ClickControl(list, {5, 11 + 5});
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(f.Field("jenis"), "Kertas");

    // A press on the button of an open list closes it, and the double click's second press does
    // not open it again; a click elsewhere on the grid closes it too.
    f.session.Click(b.X, b.Y);
    ASSERT_TRUE(f.Editor().ListVisible());
    f.session.DoubleClick(b.X, b.Y);
    EXPECT_FALSE(f.Editor().ListVisible());
    f.session.AdvanceClock(1000);
    f.session.Click(b.X, b.Y);
    const TPoint away = f.session.ScreenPointOf(*f.grid, f.Blank(6, 1));
    f.session.Click(away.X, away.Y);
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(f.Field("jenis"), "Kertas");

    // A press on the button dragged into the list and released on an entry picks it.
    f.session.AdvanceClock(1000);
    f.session.MouseDown(b.X, b.Y);
    const TPoint third = f.session.ScreenPointOf(list, {5, 11 * 2 + 5});
    f.session.MoveTo(third.X, third.Y);
    f.session.MouseUp(third.X, third.Y);
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(f.Field("jenis"), "Tinta");
}

TEST(GridDropDown, CalendarAndLookupWriteTheChosenValue)
{
    DropDownFixture f;
    f.GoTo(1);
    f.session.PressKey(VK_DOWN, kmAlt);
    TZgPopupCalendar& calendar = *f.Editor().Calendar();
    EXPECT_EQ(DateToStr(calendar.Date()), "2024-03-15");
    // The month menu and the navigation buttons leave it open.
    CreateOwned<TMenuResponder>(f.session.App())->Choose("06. June");
    f.session.ClickControl(calendar.MonthLabel());
    f.session.ClickControl(calendar, {128, 12});
    ASSERT_TRUE(f.Editor().ListVisible());
    EXPECT_EQ(calendar.Month(), 7);
    for (int i = 1; i <= 42; ++i)
        if (calendar.DayButton(i).Caption() == "20")
            f.session.ClickControl(calendar.DayButton(i));
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(DateToStr(f.table->FieldByName("tgl")->AsDateTime()), "2024-07-20");

    f.GoTo(4);
    EXPECT_EQ(f.Editor().Text(), "Buah");
    f.session.PressKey(VK_DOWN, kmAlt);
    TPopupDataList& list = *f.Editor().DataList();
    EXPECT_EQ(list.KeyValue().AsString(), "1");
    f.session.ClickControl(list, {5, list.ItemHeight() * 2 + 3});
    EXPECT_EQ(f.Field("kode"), "3");
    EXPECT_EQ(f.Editor().Text(), "Lusin");
}

TEST(GridDropDown, CtrlEnterOnAnEllipsisFiresTheButtonOnceAndTypesNothing)
{
    DropDownFixture f;
    f.GoTo(3);
    int clicks = 0;
    f.grid->OnEditButtonClick = [&](TComponent*, TZgColumn* column) { clicks += column->FieldName() == "ket"; };
    f.session.PressKey(VK_RETURN, kmCtrl);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.Editor().Text(), "a");
    const TPoint b = f.Button();
    f.session.Click(b.X, b.Y);
    EXPECT_EQ(clicks, 2);
}

TEST(GridDropDown, F4GoesToOnSpecialKeyDownAndOpensNothing)
{
    DropDownFixture f;
    for (int column : {0, 1, 5}) {
        f.GoTo(column);
        std::vector<uint16_t> keys;
        f.grid->OnSpecialKeyDown = [&](TComponent*, TZgColumn*, uint16_t& key, const std::string&) {
            keys.push_back(key);
        };
        f.session.PressKey(VK_F4);
        EXPECT_EQ(keys, std::vector<uint16_t>{VK_F4}) << column;
        EXPECT_FALSE(f.Editor().ListVisible());
    }
}

TEST(GridDropDown, EscFromTheCalculatorLeavesTheFieldAsItWas)
{
    DropDownFixture f;
    f.GoTo(2);
    f.session.TypeText("7");
    f.session.PressKey(VK_DOWN, kmAlt);
    ASSERT_TRUE(f.Editor().ListVisible());
    EXPECT_EQ(f.Editor().Text(), "1500");
    f.session.TypeText("9");
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(f.Editor().Text(), "1500");
    f.GoTo(3);
    EXPECT_EQ(f.Field("harga"), "1500");

    // OK writes the result.
    f.GoTo(2);
    f.session.PressKey(VK_DOWN, kmAlt);
    f.Editor().Calculator()->CalcKey('+');
    f.Editor().Calculator()->CalcKey('5');
    f.Editor().Calculator()->CalcKey('=');
    f.Editor().Calculator()->Ok();
    EXPECT_EQ(f.Field("harga"), "1505");
}
