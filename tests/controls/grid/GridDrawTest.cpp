#include <gtest/gtest.h>

#include <stdexcept>

#include "GridTestKit.h"
#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TZgColumn.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

const TColor Even = RGB(234, 234, 234);
const TColor Odd = RGB(255, 255, 255);
const TColor Selected = RGB(10, 36, 106);

// The text runs of one paint of the grid into a bitmap.
std::vector<TTextRun> PaintedText(TZgDBGrid& grid)
{
    std::vector<TTextRun> log;
    TBitmap bitmap(grid.Width(), grid.Height());
    bitmap.Canvas().SetTextLog(&log);
    // The client area lands at (0, 0), inside the 2-pixel client edge.
    grid.PaintTo(bitmap.Canvas(), -2, -2);
    return log;
}

const TTextRun* Logged(const std::vector<TTextRun>& log, const std::string& text)
{
    for (const TTextRun& run : log)
        if (run.Text == text)
            return &run;
    return nullptr;
}

int DarkPixels(GridFixture& f, const TRect& cell)
{
    int dark = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x)
            dark += f.ColorAt({x, y}) == clBlack;
    return dark;
}

} // namespace

TEST(GridRowColouring, EvenOddAndSelectedRowsAlsoFilteredAndSorted)
{
    GridFixture f;
    f.Open();
    f.ShowTenRows();
    // The list windows' row rule: unselected cells alternate by record number.
    f.grid->SetOptions(f.grid->Options() | dgRowSelect | dgAlwaysShowSelection);
    f.grid->OnDrawCellAttr = [&f](TComponent*, TZgColumn*, TFont&, TColor& color, TGridDrawState state) {
        if (!(state & gdSelected))
            color = f.table->RecNo() % 2 ? clWindow : TColor(0xEAEAEA);
    };
    f.table->MoveBy(2);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.ColorAt(f.Blank(1, 1)), Odd);
    EXPECT_EQ(f.ColorAt(f.Blank(2, 2)), Even);
    EXPECT_EQ(f.ColorAt(f.Blank(2, 3)), Selected);
    EXPECT_EQ(f.ColorAt(f.Blank(1, 10)), Even);

    f.table->SetFilter("jumlah > 10000");
    f.table->SetFiltered(true);
    f.table->SetSort("no_vouc desc");
    f.table->First();
    f.table->MoveBy(3);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.table->FieldByName("no_vouc")->AsString(), "K047");
    EXPECT_EQ(f.ColorAt(f.Blank(2, 1)), Odd);
    EXPECT_EQ(f.ColorAt(f.Blank(2, 2)), Even);
    EXPECT_EQ(f.ColorAt(f.Blank(2, 4)), Selected);
    EXPECT_EQ(f.ColorAt(f.Blank(2, 5)), Odd);
}

TEST(GridRowColouring, HandlersFontAndFailure)
{
    GridFixture f;
    f.Open();
    f.grid->SetEnabled(false);
    TColor handed = clNone;
    f.grid->OnDrawCellAttr = [&](TComponent*, TZgColumn*, TFont& font, TColor&, TGridDrawState) {
        handed = font.Color();
        if (f.table->RecNo() == 2)
            font.SetStyle(fsBold);
    };
    const std::vector<TTextRun> log = PaintedText(*f.grid);
    ASSERT_TRUE(Logged(log, "Kas 2") && Logged(log, "Kas 3"));
    EXPECT_EQ(Logged(log, "Kas 2")->Style, TFontStyles(fsBold));
    EXPECT_EQ(Logged(log, "Kas 3")->Style, TFontStyles(0));
    EXPECT_EQ(handed, clGrayText) << "a disabled grid greys the text before the handler";

    f.table->MoveBy(1);
    bool failed = false;
    f.grid->OnDrawCellAttr = [&](TComponent*, TZgColumn*, TFont&, TColor&, TGridDrawState) {
        if (f.table->RecNo() == 4 && !failed) {
            failed = true;
            throw std::runtime_error("handler failed");
        }
    };
    f.grid->Invalidate();
    f.session.ProcessUntilIdle();
    ASSERT_TRUE(failed);
    EXPECT_EQ(f.table->RecNo(), 2);
    EXPECT_EQ(f.table->FieldByName("no_vouc")->AsString(), "K002");
}

TEST(GridDrawing, AlignmentTitlesAndDrawingLeftToTheHandler)
{
    GridFixture f;
    f.Open();
    const std::vector<TTextRun> log = PaintedText(*f.grid);
    ASSERT_TRUE(Logged(log, "1,000.00") && Logged(log, "ket"));
    EXPECT_EQ(Logged(log, "1,000.00")->Cell.Right, f.grid->CellRect(3, 1).Right - 1);
    // A figure too wide for its cell shows the overflow mark, never its last digits.
    TZgColumn& amounts = *f.grid->Columns().Items(2);
    const int width = amounts.Width();
    TBitmap measure(1, 1);
    measure.Canvas().SetFont(amounts.Font());
    amounts.SetWidth(measure.Canvas().TextWidth("1,000.00") + 2);
    const std::vector<TTextRun> narrow = PaintedText(*f.grid);
    EXPECT_TRUE(Logged(narrow, "###") && !Logged(narrow, "1,000.00") && Logged(narrow, "K001"));
    amounts.SetWidth(width);
    const TRect title = f.grid->CellRect(2, 0), centred = Logged(log, "ket")->Cell;
    EXPECT_LE(std::abs((centred.Left - title.Left) - (title.Right - centred.Right)), 3);
    const int middle = (title.Top + title.Bottom) / 2;
    EXPECT_EQ(f.ColorAt({title.Left, middle}), clWhite);
    EXPECT_EQ(f.ColorAt({title.Right - 1, middle}), RGB(128, 128, 128));
    f.grid->SetOptions(f.grid->Options() & ~dgRowLines);
    f.session.ProcessUntilIdle();
    const TRect plain = f.grid->CellRect(2, 0);
    EXPECT_EQ(f.ColorAt({plain.Left, (plain.Top + plain.Bottom) / 2}), RGB(212, 208, 200));

    // Without default drawing the handler paints on a canvas prepared with the column's colour.
    f.grid->Columns().Items(0)->SetColor(clYellow);
    f.grid->SetDefaultDrawing(false);
    int painted = 0;
    f.grid->OnDrawColumnCell = [&](TComponent*, const TRect& rect, int, TZgColumn*, TGridDrawState) {
        f.grid->Canvas().FillRect(rect);
        ++painted;
    };
    const std::vector<TTextRun> handled = PaintedText(*f.grid);
    EXPECT_GT(painted, 0);
    EXPECT_FALSE(Logged(handled, "K002"));
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.ColorAt(f.Blank(1, 2)), clYellow);
}

TEST(GridDrawing, IndicatorGlyphsFollowTheRecordState)
{
    GridFixture f;
    f.grid->SetOptions(f.grid->Options() | dgMultiSelect);
    f.Open();
    f.table->MoveBy(2);
    auto glyph = [&](int row) {
        f.session.ProcessUntilIdle();
        return DarkPixels(f, f.grid->CellRect(0, row));
    };
    const int arrow = glyph(3);
    EXPECT_GT(arrow, 0);
    EXPECT_EQ(glyph(2), 0);
    f.table->Edit();
    const int edit = glyph(3);
    EXPECT_GT(edit, 0);
    EXPECT_NE(edit, arrow);
    f.table->Cancel();

    f.grid->SelectedRows().SetCurrentRowSelected(true);
    f.table->MoveBy(-2);
    const int dot = glyph(3);
    EXPECT_GT(dot, 0);
    EXPECT_NE(dot, arrow);
    EXPECT_EQ(f.ColorAt(f.Blank(2, 3)), Selected) << "a selected row is highlighted";
}

TEST(GridDisplayColumns, LookupPickListAndCheckColumnsShowWhatTheyStandFor)
{
    GridFixture f(VoucherTable(3) +
                  "create table akun (kode text(10), nama text(30)); insert into akun values ('K001', 'Kas Besar'),"
                  " ('K002', 'Bank');");
    auto* accounts = CreateOwned<TADOTable>(*f.form);
    accounts->SetConnection(&f.db.connection);
    accounts->SetTableName("akun");
    accounts->Open();
    TZgColumn* lookup = f.grid->Columns().Add();
    lookup->SetFieldName("no_vouc");
    lookup->SetButtonStyle(TZgColumnButtonStyle::cbsLookup);
    lookup->SetLookupDataSet(accounts);
    lookup->SetLookupKeyField("no_vouc");
    lookup->SetLookupLinkField("kode");
    lookup->SetLookupDropDownFields("nama");
    TZgColumn* pick = f.grid->Columns().Add();
    pick->SetFieldName("ket");
    pick->SetButtonStyle(TZgColumnButtonStyle::cbsCombo);
    pick->PickList().SetText("Satu\nDua");
    pick->PickValues().SetText("Kas 1\nKas 2");
    TZgColumn* check = f.grid->Columns().Add();
    check->SetFieldName("no_vouc");
    check->SetButtonStyle(TZgColumnButtonStyle::cbsCheck);
    check->SetValueChecked("K002");
    f.Open();

    const std::vector<TTextRun> log = PaintedText(*f.grid);
    EXPECT_TRUE(Logged(log, "Kas Besar") && Logged(log, "Bank") && Logged(log, "Satu") && Logged(log, "Dua"));
    EXPECT_FALSE(Logged(log, "K003") || Logged(log, "Kas 3")) << "no match shows an empty cell";
    EXPECT_GT(DarkPixels(f, f.grid->CellRect(3, 2)), DarkPixels(f, f.grid->CellRect(3, 1)) + 5);
}
