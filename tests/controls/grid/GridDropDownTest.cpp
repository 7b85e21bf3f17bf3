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

// Columns 0 combo, 1 calendar, 2 calculator, 3 ellipsis, 4 lookup, 5 plain; the editor always shows.
struct DropDownFixture : GridFixture {
    DropDownFixture() : GridFixture(ItemTables)
    {
        table->SetTableName("barang");
        auto* units = CreateOwned<TADOTable>(*form);
        units->SetConnection(&db.connection);
        units->SetTableName("satuan");
        units->Open();
        using enum TZgColumnButtonStyle;
        const std::pair<const char*, TZgColumnButtonStyle> columns[] = {
            {"jenis", cbsCombo}, {"tgl", cbsCalendar}, {"harga", cbsCalculator},
            {"ket", cbsEllipsis}, {"kode", cbsLookup},   {"nama", cbsNone}};
        for (const auto& [name, style] : columns) {
            TZgColumn* column = grid->Columns().Add();
            column->SetFieldName(name);
            column->SetButtonStyle(style);
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
            picks.Add(i < 3 ? std::vector<std::string>{"Alat", "Kertas", "Tinta"}[i] : "Lain " + std::to_string(i));
    }
    TZgDBGridInplaceEdit& Editor() { return *dynamic_cast<TZgDBGridInplaceEdit*>(grid->InplaceEditor()); }
    void GoTo(int column)
    {
        grid->SetSelectedIndex(column);
        session.ProcessUntilIdle();
    }
    TPoint Button() { return session.ScreenPointOf(Editor(), {Editor().Width() - 5, Editor().Height() / 2}); }
    std::string Field(const char* name) { return table->FieldByName(name)->AsString(); }
};

} // namespace

TEST(GridDropDown, ButtonsAndWhenTheyAreLost)
{
    DropDownFixture f;
    f.GoTo(3);
    TZgDBGridInplaceEdit& e = f.Editor();
    const TRect r = e.ButtonRect();
    const int x = r.Left + r.Width() / 2 - 1, y = r.Top + r.Height() / 2 - 1;
    EXPECT_EQ(f.session.ClientColor(e, x, y), clBlack);
    EXPECT_EQ(f.session.ClientColor(e, x - 2, y), clBlack);
    EXPECT_EQ(f.session.ClientColor(e, x - 1, y), TColor(0xC8D0D4));
    EXPECT_EQ(f.session.ClientColor(e, r.Left + 1, r.Top + 1), clWhite);
    EXPECT_EQ(e.FormatRect().Right, r.Left - 2);

    f.GoTo(0);
    int arrow = 0;
    for (int row = 0; row < r.Height(); ++row)
        arrow += f.session.ClientColor(e, r.Left + r.Width() / 2, row) == clBlack;
    EXPECT_GT(arrow, 0);

    // Read-only, an ellipsis keeps its button and a pick list loses it; so does an empty pick list.
    f.grid->Columns().Items(3)->SetReadOnly(true);
    f.grid->Columns().Items(0)->SetReadOnly(true);
    f.GoTo(3);
    EXPECT_EQ(f.Editor().EditStyle(), TEditStyle::esEllipsis);
    f.GoTo(0);
    EXPECT_EQ(f.Editor().EditStyle(), TEditStyle::esSimple);
    f.grid->Columns().Items(0)->SetReadOnly(false);
    f.SetPicks(0);
    f.GoTo(1);
    f.GoTo(0);
    EXPECT_EQ(f.Editor().EditStyle(), TEditStyle::esSimple);
}

TEST(GridDropDown, PickListHeightAndPlacementOnTheScreen)
{
    DropDownFixture f;
    f.GoTo(0);
    f.session.PressKey(VK_DOWN, kmAlt);
    TPopupListbox& list = *f.Editor().PickList();
    EXPECT_EQ(list.Height(), 37);
    EXPECT_EQ(list.BoundsRect().TopLeft(), f.Editor().ClientToScreen({0, f.Editor().Height()}));
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
    std::vector<std::string> events;
    f.grid->BeforeDropDown = [&](TComponent*, TZgColumn*) { events.push_back("before"); };
    f.grid->AfterCloseUp = [&](TComponent*, TZgColumn*, bool ok) { events.push_back(ok ? "accepted" : "rejected"); };
    f.session.PressKey(VK_DOWN, kmAlt);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_EQ(f.Field("jenis"), "Alat");

    f.session.PressKey(VK_DOWN, kmAlt);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_DOWN, kmAlt);
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"before", "rejected", "before", "accepted"}));
    EXPECT_EQ(f.Field("jenis"), "Kertas");
    EXPECT_EQ(f.Editor().Text(), "Kertas");

    // With PickValues of the same count, the value is found and written in place of the text.
    for (const char* v : {"A", "K", "T"})
        f.grid->Columns().Items(0)->PickValues().Add(v);
    f.table->FieldByName("jenis")->SetAsString("T");
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
    f.grid->Columns().Items(0)->SetAutoDropDown(true);
    f.GoTo(0);
    f.session.TypeText("tinta ");
    ASSERT_TRUE(f.Editor().ListVisible());
    TPopupListbox& list = *f.Editor().PickList();
    EXPECT_EQ(f.Editor().Text(), "Alat");
    EXPECT_EQ(list.Items().Get(list.ItemIndex()), "Tinta biru");
    f.session.AdvanceClock(5001);
    f.session.TypeText("k");
    EXPECT_EQ(list.Items().Get(list.ItemIndex()), "Kertas");
    f.session.TypeText(std::string(40, 'x'));
    EXPECT_EQ(list.SearchText().size(), 32u);
}

TEST(GridDropDown, TheMouseOpensFromTheButtonAndAcceptsInsideTheList)
{
    DropDownFixture f;
    f.GoTo(0);
    const TPoint b = f.Button();
    f.session.Click(b.X, b.Y);
    TPopupListbox& list = *f.Editor().PickList();
    f.session.ClickControl(list, {5, 11 + 5});
    EXPECT_FALSE(f.Editor().ListVisible());
    EXPECT_EQ(f.Field("jenis"), "Kertas");

    // A press on the button of an open list closes it and the double click's second press does
    // not open it again; a click elsewhere on the grid closes it too.
    f.session.Click(b.X, b.Y);
    f.session.DoubleClick(b.X, b.Y);
    EXPECT_FALSE(f.Editor().ListVisible());
    f.session.AdvanceClock(1000);
    f.session.Click(b.X, b.Y);
    const TPoint away = f.session.ScreenPointOf(*f.grid, f.Blank(6, 1));
    f.session.Click(away.X, away.Y);
    EXPECT_FALSE(f.Editor().ListVisible());

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
    CreateOwned<TMenuResponder>(f.session.App())->Choose("06. June");
    f.session.ClickControl(calendar.MonthLabel());
    f.session.ClickControl(calendar, {128, 12});
    ASSERT_TRUE(f.Editor().ListVisible());
    f.session.ClickControl(calendar.DayButton(20)); // July 2024 begins on a Monday
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

TEST(GridDropDown, CalculatorAndEllipsis)
{
    DropDownFixture f;
    f.GoTo(2);
    f.session.TypeText("7");
    f.session.PressKey(VK_DOWN, kmAlt);
    EXPECT_EQ(f.Editor().Text(), "1500");
    f.session.TypeText("9");
    f.session.PressKey(VK_ESCAPE);
    EXPECT_EQ(f.Editor().Text(), "1500");
    f.GoTo(3);
    EXPECT_EQ(f.Field("harga"), "1500");

    f.GoTo(2);
    f.session.PressKey(VK_DOWN, kmAlt);
    for (char key : {'+', '5', '='})
        f.Editor().Calculator()->CalcKey(key);
    f.Editor().Calculator()->Ok();
    EXPECT_EQ(f.Field("harga"), "1505");
    // A figure worked out on the calculator is the user's amount, kept to the cent as typed ones are.
    f.session.PressKey(VK_DOWN, kmAlt);
    for (char key : {'/', '3', '='})
        f.Editor().Calculator()->CalcKey(key);
    f.Editor().Calculator()->Ok();
    EXPECT_EQ(f.Field("harga"), "501.67");

    // Ctrl+Enter on an ellipsis clicks it once; F4 opens nothing.
    f.GoTo(3);
    int clicks = 0;
    f.grid->OnEditButtonClick = [&](TComponent*, TZgColumn* column) { clicks += column->FieldName() == "ket"; };
    f.session.PressKey(VK_RETURN, kmCtrl);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.Editor().Text(), "a");
    f.session.Click(f.Button().X, f.Button().Y);
    EXPECT_EQ(clicks, 2);

    f.GoTo(0);
    std::vector<uint16_t> special;
    f.grid->OnSpecialKeyDown = [&](TComponent*, TZgColumn*, uint16_t& key, const std::string&) {
        special.push_back(key);
    };
    f.session.PressKey(VK_F4);
    EXPECT_EQ(special, std::vector<uint16_t>{VK_F4});
    EXPECT_FALSE(f.Editor().ListVisible());
}
