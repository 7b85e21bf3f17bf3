#pragma once
// A shown form on the headless screen with a data grid over a table of a temporary database:
// by default a monthly voucher list of 50 rows, sized to show exactly ten data rows.
#include <string>

#include "controls/grid/TZgDBGrid.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "tests/platform/data/TestDatabase.h"

inline std::string VoucherTable(int rows)
{
    return "create table vouc (no_vouc text(10) collate nocase, ket text(30) collate nocase, jumlah currency);"
           "with recursive n(i) as (select 1 union all select i + 1 from n where i < " +
        std::to_string(rows) +
        ") insert into vouc select printf('K%03d', i), 'Kas ' || i, i * 1000 from n;";
}

struct GridFixture {
    explicit GridFixture(const std::string& script = VoucherTable(50)) : database(script), db(database)
    {
        form = session.CreateForm<TForm>();
        form->SetBounds(20, 20, 700, 500);
        form->Show();
        table = CreateOwned<TADOTable>(*form);
        table->SetConnection(&db.connection);
        table->SetTableName("vouc");
        source = CreateOwned<TDataSource>(*form);
        source->SetDataSet(table);
        grid = CreateOwned<TZgDBGrid>(*form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 500, 300);
        grid->SetDataSource(source);
        session.ProcessUntilIdle();
    }

    void Open()
    {
        table->Open();
        session.ProcessUntilIdle();
    }

    // Ten data rows shown whole, and nothing of an eleventh.
    void ShowTenRows()
    {
        const int height = grid->RowHeights(0) + 1 + 10 * (grid->DefaultRowHeight() + 1);
        grid->SetClientSize(grid->ClientWidth(), height);
        session.ProcessUntilIdle();
    }

    // A client point of a cell away from its text: near the right end of a left-aligned cell.
    TPoint Blank(int col, int row) const
    {
        const TRect r = grid->CellRect(col, row);
        return {r.Right - 3, r.Top + 1};
    }
    TColor ColorAt(TPoint p) { return session.ClientColor(*grid, p.X, p.Y); }

    // A left-button drag between two client points of a control.
    void Drag(const TControl& control, TPoint from, TPoint to)
    {
        const TPoint a = session.ScreenPointOf(control, from), b = session.ScreenPointOf(control, to);
        session.MouseDown(a.X, a.Y);
        session.MoveTo(b.X, b.Y);
        session.MouseUp(b.X, b.Y);
    }

    THeadlessSession session;
    TestDatabase database;
    Connected db;
    TForm* form = nullptr;
    TADOTable* table = nullptr;
    TDataSource* source = nullptr;
    TZgDBGrid* grid = nullptr;
};
