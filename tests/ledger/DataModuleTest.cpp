// The data module and the shared SQL routines: RunSQL, OpenSQL, ReopenDataSet, IfNull, SqlNumber.
#include <gtest/gtest.h>

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/ledger/LedgerDatabase.h"

namespace {

TEST(DataModule, StartsClosedWithItsComponentsOnTheOneConnection)
{
    TDtModule dm;
    EXPECT_FALSE(dm.CONN1->Connected());
    for (TCustomADODataSet* set : std::initializer_list<TCustomADODataSet*>{dm.Query1, dm.Query2, dm.Query3,
             dm.Query4, dm.ref_unit, dm.Coa})
        EXPECT_TRUE(set->Connection() == dm.CONN1 && !set->Active()) << set->Name();
    EXPECT_EQ(dm.FindComponent("Query4"), dm.Query4);
}

using DataModuleDb = LedgerDatabaseTest;

TEST_F(DataModuleDb, FreeingTheModuleWithOpenDataSetsClosesTheConnection)
{
    dm->Coa->Open();
    dm->Query1->SQL().Add("select * from ref_unit");
    dm->Query1->Open();
    dm->CONN1->BeginTrans();
    Exec("insert into ref_unit (id_unit, kode_unit, nama_unit) values (13, '4', 'Baru')");
    reader.reset();
    dm.reset();

    // Closing dropped the open write and its lock: another module writes at once and sees no new unit.
    dm = std::make_unique<TDtModule>();
    dm->CONN1->SetConnectionString("Data Source=" + file.Path());
    dm->CONN1->Open();
    Exec("insert into ref_unit (id_unit, kode_unit, nama_unit) values (14, '5', 'Lain')");
    reader = std::make_unique<TADOQuery>();
    reader->SetConnection(dm->CONN1);
    EXPECT_EQ(Scalar("select group_concat(id_unit) from ref_unit where id_unit > 12"), "14");
}

TEST_F(DataModuleDb, OpenSqlAnswersWhetherThereIsARowAndAnEmptyResultReadsNull)
{
    EXPECT_FALSE(OpenSQL(*dm->Query1, "select account_code, saldo_awal from coa where account_id=1"));
    EXPECT_TRUE(dm->Query1->Active());
    EXPECT_TRUE(dm->Query1->FieldByName("SALDO_AWAL")->Value().IsNull());
    EXPECT_TRUE(OpenSQL(*dm->Query1, "select id_unit, nama_unit from ref_unit order by kode_unit"));
    EXPECT_EQ(dm->Query1->FieldByName("nama_unit")->AsString(), "Kalvera");
    EXPECT_TRUE(OpenSQL(*dm->Query2, "select sum(debet) as saldo from TR_VOUC where account_id=5"));
    EXPECT_TRUE(dm->Query2->FieldByName("saldo")->IsNull());
}

TEST_F(DataModuleDb, RunAndOpenReplaceTheTextOfAnOpenQuery)
{
    OpenSQL(*dm->Query1, "select * from ref_unit");
    RunSQL(*dm->Query1, "update ref_unit set nama_unit=nama_unit where id_unit=10");
    EXPECT_FALSE(dm->Query1->Active());
    EXPECT_EQ(dm->Query1->SQL().Count(), 1);

    OpenSQL(*dm->Query1, "select count(*)as jml from sis_tipeuser");
    EXPECT_EQ(dm->Query1->SQL().Count(), 1);
    EXPECT_EQ(dm->Query1->FieldByName("jml")->AsInteger(), 3);
}

TEST_F(DataModuleDb, ErrorsReachTheCallerAndTheFailedStatementHasNoEffect)
{
    EXPECT_THROW(RunSQL(*dm->Query4, "insert into sis_user values ('tukan', 'x', 'Again', '2', 0)"), EDatabaseError);
    EXPECT_EQ(Rows("select user_name, type from sis_user"), (std::vector<std::vector<std::string>>{{"Tukan", "1"}}));
    EXPECT_THROW(OpenSQL(*dm->Query1, "select nothing from nowhere"), EDatabaseError);
    EXPECT_THROW(RunSQL(*dm->Query1, "select count(*) from coa where account_id="), EDatabaseError);
}

TEST_F(DataModuleDb, ReopenDataSetDropsAnUnsavedInsert)
{
    dm->Coa->Open();
    dm->Coa->Append();
    dm->Coa->FieldByName("account_id")->SetAsInteger(9);
    dm->Coa->FieldByName("account_code")->SetAsString("1110");
    ReopenDataSet(*dm->Coa);
    EXPECT_EQ(dm->Coa->State(), dsBrowse);
    EXPECT_TRUE(dm->Coa->IsEmpty());
    EXPECT_EQ(Scalar("select count(*) from coa"), "0");
}

TEST_F(DataModuleDb, ReopenDataSetDropsAPendingEditAndTheFilterAndEnablesControls)
{
    dm->ref_unit->Open();
    dm->ref_unit->SetFilter("id_unit=11");
    dm->ref_unit->SetFiltered(true);
    dm->ref_unit->DisableControls();
    dm->ref_unit->Edit();
    dm->ref_unit->FieldByName("nama_unit")->SetAsString("Changed");
    ReopenDataSet(*dm->ref_unit);
    EXPECT_FALSE(dm->ref_unit->Filtered());
    EXPECT_EQ(dm->ref_unit->RecordCount(), 3);
    EXPECT_FALSE(dm->ref_unit->ControlsDisabled());
    EXPECT_EQ(Scalar("select nama_unit from ref_unit where id_unit=11"), "Kalvera ZIVU");
    dm->ref_unit->Close();
    ReopenDataSet(*dm->ref_unit);
    EXPECT_TRUE(dm->ref_unit->Active());
}

TEST_F(DataModuleDb, TablesAndViewsTypeTheirFieldsFromTheSchema)
{
    dm->Coa->Open();
    EXPECT_EQ(dm->Coa->FieldByName("account_code")->Size(), 15);
    EXPECT_EQ(dm->Coa->FieldByName("saldo_awal")->DataType(), ftCurrency);
    OpenSQL(*dm->Query1, "select * from v_cash_Flow");
    EXPECT_EQ(dm->Query1->FieldByName("tgl_vouc")->DataType(), ftDate);
    EXPECT_EQ(dm->Query1->FieldByName("ajp")->DataType(), ftBoolean);
}

TEST_F(DataModuleDb, QuotedTextIsStoredAndReadBackUnchanged)
{
    const std::string remark = "Pak Ma'ruf'); delete from coa; --";
    RunSQL(*dm->Query4, "update ref_sistem set keterangan='" + SqlText(remark) + "'");
    EXPECT_TRUE(OpenSQL(*dm->Query1, "select keterangan from ref_sistem where keterangan='" + SqlText(remark) + "'"));
    EXPECT_EQ(dm->Query1->FieldByName("keterangan")->AsString(), remark);
}

TEST(IfNull, AnswersTheDefaultOnlyForNull)
{
    EXPECT_EQ(IfNull(Variant(), "-").AsString(), "-");
    EXPECT_EQ(IfNull(Variant(""), "-").AsString(), "");
    EXPECT_EQ(IfNull(Variant(0), 2000).AsInteger(), 0);
}

class SqlNumberTest : public ::testing::Test {
protected:
    ~SqlNumberTest() override { ResetFormatSettings(); }
};

TEST_F(SqlNumberTest, WritesNumbersWithADecimalPointWhateverTheSeparator)
{
    EXPECT_EQ(SqlNumber(Variant()), "null");
    EXPECT_EQ(SqlNumber(Variant(0)), "0");
    EXPECT_EQ(SqlNumber(Variant(250.0)), "250");
    EXPECT_EQ(SqlNumber(Variant(-12.5)), "-12.5");
    EXPECT_EQ(SqlNumber(Variant(1234567.89)), "1234567.89");
    EXPECT_EQ(SqlNumber(Variant(Currency::FromRaw(833333333))), "83333.3333");
    EXPECT_EQ(SqlNumber(Variant("")), "0");
    // A decimal point whatever the separator.
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    EXPECT_EQ(SqlNumber(Variant(1234.5)), "1234.5");
    EXPECT_EQ(SqlNumber(Variant("1234,5")), "1234.5");
}

TEST_F(SqlNumberTest, RoundsAmountsToFourDecimalsAndRefusesText)
{
    EXPECT_EQ(SqlNumber(Variant(1000000.0 / 12)), "83333.3333");
    EXPECT_EQ(SqlNumber(Variant(0.1 + 0.2)), "0.3");
    EXPECT_EQ(SqlNumber(Variant(0.00005)), "0.0001");
    EXPECT_EQ(SqlNumber(Variant(-0.00001)), "0");
    // Every digit of an amount: fifteen would round the fourth decimal near the limit.
    EXPECT_EQ(SqlNumber(Variant(Currency::FromRaw(9999999999999849))), "999999999999.9849");
    EXPECT_THROW(SqlNumber(Variant("1; delete from coa")), EConvertError);
}

} // namespace
