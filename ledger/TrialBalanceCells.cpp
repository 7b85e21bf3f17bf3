#include "ledger/TrialBalanceCells.h"

#include <algorithm>
#include <string>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

namespace {

const char* const CellFieldNames[] = {"mutasi_d", "mutasi_k", "Trial_Balance_d", "Trial_Balance_k",
                                      "ajp_d",    "ajp_k",    "last_d",          "last_k"};

Currency OrZero(const TField& field)
{
    return field.IsNull() ? Currency() : field.AsCurrency();
}

void Store(TField& field, const std::optional<Currency>& value)
{
    if (value)
        field.SetAsCurrency(*value);
    else
        field.Clear();
}

} // namespace

TTrialBalanceCells TrialBalanceCells(const TDataSet& Row, int N)
{
    TTrialBalanceCells cells;
    const int months = std::min(N, 12);
    for (int m = 1; m <= months; ++m) {
        const std::string prefix = "b" + std::to_string(m);
        cells.MutasiD += OrZero(*Row.FieldByName(prefix + "_mutasi_d"));
        cells.MutasiK += OrZero(*Row.FieldByName(prefix + "_mutasi_k"));
        cells.AjpD += OrZero(*Row.FieldByName(prefix + "_ajp_d"));
        cells.AjpK += OrZero(*Row.FieldByName(prefix + "_ajp_k"));
    }
    const TField& openingD = *Row.FieldByName("saldo_awal_d");
    const TField& openingK = *Row.FieldByName("saldo_awal_k");
    if (Row.FieldByName("account_pos")->AsString() == "D") {
        if (!openingD.IsNull())
            cells.TrialBalanceD = openingD.AsCurrency() + (cells.MutasiD - cells.MutasiK);
        cells.LastD = OrZero(openingD) - OrZero(openingK) + (cells.MutasiD - cells.MutasiK) + (cells.AjpD - cells.AjpK);
    } else {
        if (!openingK.IsNull())
            cells.TrialBalanceK = openingK.AsCurrency() + (cells.MutasiK - cells.MutasiD);
        cells.LastK = OrZero(openingK) - OrZero(openingD) + (cells.MutasiK - cells.MutasiD) + (cells.AjpK - cells.AjpD);
    }
    return cells;
}

void AddTrialBalanceCellFields(TDataSet& DataSet)
{
    for (const char* name : CellFieldNames) {
        auto* field = new TCurrencyField(&DataSet);
        field->SetFieldName(name);
        field->SetFieldKind(fkCalculated);
        field->SetDisplayFormat("#,##0.00;(#,##0.00)");
        field->SetDataSet(&DataSet);
    }
}

void CalcTrialBalanceFields(TDataSet& DataSet, int N)
{
    const TTrialBalanceCells cells = TrialBalanceCells(DataSet, N);
    DataSet.FieldByName("mutasi_d")->SetAsCurrency(cells.MutasiD);
    DataSet.FieldByName("mutasi_k")->SetAsCurrency(cells.MutasiK);
    DataSet.FieldByName("ajp_d")->SetAsCurrency(cells.AjpD);
    DataSet.FieldByName("ajp_k")->SetAsCurrency(cells.AjpK);
    Store(*DataSet.FieldByName("Trial_Balance_d"), cells.TrialBalanceD);
    Store(*DataSet.FieldByName("Trial_Balance_k"), cells.TrialBalanceK);
    Store(*DataSet.FieldByName("last_d"), cells.LastD);
    Store(*DataSet.FieldByName("last_k"), cells.LastK);
}

void SetTrialBalanceMonthCount(TComponent& Layout, int N)
{
    if (auto* months = dynamic_cast<ITrialBalanceMonthCount*>(&Layout)) {
        months->SetMonthCount(N);
        return;
    }
    const TMetaClass* meta = MetaClassOf(Layout);
    const TPropInfo* property = meta ? meta->FindProperty("MonthCount") : nullptr;
    if (!property || !property->setOrdinal)
        throw EInvalidOperation(Layout.Name() + " takes no month count");
    property->setOrdinal(Layout, N);
}
