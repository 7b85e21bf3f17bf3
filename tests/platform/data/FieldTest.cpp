#include <gtest/gtest.h>

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const FieldSchema =
    "create table salary (kode text(5), bulan integer, gaji currency real, rate real, tgl date, "
    "waktu datetime, aktif boolean not null default 0, catatan memo);"
    "insert into salary values ('A001', 3, 1000000, 0.5, '2024-03-05', '2024-03-05 08:30:00', 1, 'baris');"
    "create table ref_unit (id_unit integer primary key, kode_unit text(10), nama_unit text(50));"
    "insert into ref_unit values (10, '1', 'Kalvera'), (11, '2', 'Kalvera ZIVU');"
    "create table anggota (nik text(15), id_unit integer);"
    "insert into anggota values ('001', 11), ('002', 10), ('003', 12);";

// A field the program declares on a data set, as the form designer would.
template <class F, class... Size> F* AddField(TDataSet& dataSet, const char* name, TFieldKind kind, Size... size)
{
    auto* field = new F(&dataSet, size...);
    field->SetFieldName(name);
    field->SetFieldKind(kind);
    field->SetDataSet(&dataSet);
    return field;
}

class DeclaredFields : public ::testing::Test {
protected:
    DeclaredFields() : database(FieldSchema), db(database) {}
    void Attach(TADOTable& table, const char* name)
    {
        table.SetConnection(&db.connection);
        table.SetTableName(name);
    }

    TestDatabase database;
    Connected db;
};

class FieldTest : public DeclaredFields {
protected:
    FieldTest()
    {
        Attach(table, "salary");
        table.Open();
        table.Edit();
    }
    ~FieldTest() override { ResetFormatSettings(); }

    TField* Field(const char* name) { return table.FieldByName(name); }

    TADOTable table;
};

} // namespace

TEST_F(FieldTest, CurrencyRoundsToFourDecimalsAndEmptyTextStoresNull)
{
    Field("gaji")->SetAsFloat(1000000.0 / 12);
    EXPECT_EQ(Field("gaji")->AsCurrency(), Currency::FromRaw(833333333));
    // Text assigned by the program keeps four decimals as it reads; only the editors keep typing to the cent.
    Field("gaji")->SetAsString("1.23445");
    EXPECT_EQ(Field("gaji")->AsCurrency(), Currency::FromRaw(12345));
    Field("gaji")->SetText("-2.00005");
    EXPECT_EQ(Field("gaji")->AsCurrency(), Currency::FromRaw(-20001));
    Field("gaji")->SetValue(Variant(-0.00005));
    EXPECT_EQ(Field("gaji")->AsCurrency(), Currency::FromRaw(-1));
    table.Post();
    EXPECT_EQ(database.Scalar("select gaji from salary"), "-0.0001");

    table.Edit();
    Field("gaji")->SetAsString("");
    Field("bulan")->SetText("  ");
    Field("tgl")->SetAsString("");
    EXPECT_TRUE(Field("tgl")->IsNull());
    table.Post();
    EXPECT_EQ(database.Scalar("select coalesce(gaji, 'null') || coalesce(bulan, 'null') from salary"), "nullnull");
}

TEST_F(FieldTest, BadTextOrAReadOnlyFieldRaisesAndKeepsTheValue)
{
    EXPECT_THROW(Field("gaji")->SetText("abc"), EConvertError);
    EXPECT_THROW(Field("bulan")->SetAsString("3.5"), EConvertError);
    EXPECT_THROW(Field("tgl")->SetAsString("31/31/2024"), EConvertError);
    Field("kode")->SetReadOnly(true);
    EXPECT_FALSE(Field("kode")->CanModify());
    EXPECT_THROW(Field("kode")->SetAsString("X"), EDatabaseError);
    EXPECT_EQ(Field("gaji")->AsFloat(), 1000000);
    EXPECT_EQ(Field("bulan")->AsInteger(), 3);
    EXPECT_EQ(Field("kode")->AsString(), "A001");
    EXPECT_FALSE(table.Modified());
}

TEST_F(FieldTest, TextIsCutToTheFieldSizeInCharacters)
{
    Field("kode")->SetAsString("B0012345");
    EXPECT_EQ(Field("kode")->AsString(), "B0012");
    Field("kode")->SetAsString("ÄÖÜßéx");
    EXPECT_EQ(Field("kode")->AsString(), "ÄÖÜßé");
    Field("catatan")->SetAsString(std::string(500, 'm'));
    EXPECT_EQ(Field("catatan")->AsString().size(), 500u);
}

TEST_F(FieldTest, NumbersReadTheDecimalSeparatorOfTheSettings)
{
    FormatSettings().DecimalSeparator = ',';
    Field("rate")->SetText("1234,5");
    EXPECT_DOUBLE_EQ(Field("rate")->AsFloat(), 1234.5);
    EXPECT_TRUE(Field("rate")->IsValidChar(U','));
    EXPECT_FALSE(Field("bulan")->IsValidChar(U','));
}

TEST_F(FieldTest, DatesAreStoredAsIsoText)
{
    EXPECT_DOUBLE_EQ(Field("tgl")->AsDateTime(), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(Field("waktu")->AsDateTime(), EncodeDate(2024, 3, 5) + EncodeTime(8, 30, 0, 0));
    Field("tgl")->SetAsDateTime(EncodeDate(2024, 1, 11) + EncodeTime(1, 0, 0, 0));
    Field("waktu")->SetAsDateTime(EncodeDate(2024, 11, 1) + EncodeTime(1, 0, 0, 0));
    table.Post();
    EXPECT_EQ(database.Scalar("select tgl || '|' || waktu from salary"), "2024-01-11|2024-11-01 01:00:00");
    EXPECT_EQ(Field("tgl")->AsString(), "2024-01-11");
}

TEST_F(FieldTest, DisplayFormatAndTextHandlersShapeTheShownText)
{
    Field("gaji")->SetAsFloat(-1234567.891);
    Field("gaji")->SetDisplayFormat("#,##0.00;(#,##0.00)");
    EXPECT_EQ(Field("gaji")->DisplayText(), "(1,234,567.89)");
    EXPECT_EQ(Field("gaji")->Text(), "-1234567.891");
    Field("tgl")->SetDisplayFormat("dd-MMM-yy");
    EXPECT_EQ(Field("tgl")->DisplayText(), "05-Mar-24");
    Field("gaji")->Clear();
    EXPECT_EQ(Field("gaji")->DisplayText(), "");

    TField* aktif = Field("aktif");
    EXPECT_FALSE(aktif->HasSetTextHandler());
    aktif->OnGetText = [](TField* field, std::string& text, bool) { text = field->AsBoolean() ? "Ya" : "Tidak"; };
    aktif->OnSetText = [](TField* field, const std::string& text) { field->SetAsBoolean(text == "Ya"); };
    EXPECT_TRUE(aktif->HasSetTextHandler());
    EXPECT_EQ(aktif->DisplayText(), "Ya");
    aktif->SetText("Tidak");
    EXPECT_FALSE(aktif->AsBoolean());

    TField* kode = Field("kode");
    kode->SetDisplayLabel("Kode Karyawan");
    EXPECT_EQ(kode->DisplayName(), "Kode Karyawan");
    kode->SetIndex(2);
    EXPECT_EQ(table.Fields(2), kode);
}

TEST_F(DeclaredFields, CalculatedFieldsRunInCalcStateForEveryRowRead)
{
    TADOQuery query;
    query.SetConnection(&db.connection);
    query.SQL().Add("select kode, gaji from salary union all select 'B', 500");
    AddField<TCurrencyField>(query, "per_bulan", fkCalculated);
    AddField<TStringField>(query, "posisi_akun", fkCalculated, 20);
    int months = 12;
    std::vector<TDataSetState> states;
    query.OnCalcFields = [&](TDataSet* dataSet) {
        states.push_back(dataSet->State());
        dataSet->FieldByName("per_bulan")->SetAsFloat(dataSet->FieldByName("gaji")->AsFloat() / months);
    };
    query.Open();
    EXPECT_EQ(states, (std::vector<TDataSetState>{dsCalcFields, dsCalcFields}));
    EXPECT_EQ(query.State(), dsBrowse);
    EXPECT_EQ(query.FieldCount(), 4);
    EXPECT_EQ(query.FieldByName("per_bulan")->AsCurrency(), Currency::FromRaw(833333333));
    EXPECT_EQ(query.FieldByName("posisi_akun")->AsString(), "");
    query.Next();
    EXPECT_EQ(query.FieldByName("per_bulan")->AsCurrency(), Currency::FromRaw(416667));
    EXPECT_THROW(query.FieldByName("per_bulan")->SetAsFloat(1), EDatabaseError);
    months = 6;
    query.First();
    EXPECT_EQ(query.FieldByName("per_bulan")->AsCurrency(), Currency::FromRaw(1666666667));
    query.Close();
    EXPECT_EQ(query.FieldCount(), 2) << "the program's fields stay, the default ones go";
}

TEST_F(DeclaredFields, LookupFieldsReadTheResultFromTheLookupDataSet)
{
    TADOTable units, members;
    Attach(units, "ref_unit");
    Attach(members, "anggota");
    auto* unitName = AddField<TStringField>(members, "nama_unit", fkLookup, 50);
    EXPECT_THROW(unitName->SetLookupDataSet(&members), EDatabaseError);
    unitName->SetLookupDataSet(&units);
    unitName->SetKeyFields("id_unit");
    unitName->SetLookupKeyFields("id_unit");
    unitName->SetLookupResultField("nama_unit");
    members.Open();
    EXPECT_TRUE(unitName->IsNull()) << "the lookup data set is still closed";
    units.Open();
    EXPECT_EQ(unitName->AsString(), "Kalvera ZIVU");
    members.Next();
    EXPECT_EQ(unitName->AsString(), "Kalvera");
    members.Next();
    EXPECT_TRUE(unitName->IsNull()) << "no unit 12";
    members.Edit();
    members.FieldByName("id_unit")->SetAsInteger(10);
    EXPECT_EQ(unitName->AsString(), "Kalvera");
}

TEST_F(DeclaredFields, OnlyTheProgramsFieldsExistWithTheirTypes)
{
    TADOTable table;
    Attach(table, "salary");
    auto* gaji = AddField<TBCDField>(table, "GAJI", fkData);
    gaji->SetDisplayFormat("#,##0.00");
    auto* bulan = AddField<TSmallintField>(table, "bulan", fkData);
    EXPECT_FALSE(table.DefaultFields());
    table.Open();
    EXPECT_EQ(table.FieldCount(), 2);
    EXPECT_EQ(table.FieldByName("gaji"), gaji);
    EXPECT_EQ(gaji->DisplayText(), "1,000,000.00");
    EXPECT_EQ(bulan->AsInteger(), 3);
    EXPECT_EQ(table.FindField("kode"), nullptr);
    EXPECT_THROW(bulan->SetFieldName("x"), EDatabaseError);
    table.Edit();
    gaji->SetAsFloat(1.23456);
    table.Post();
    EXPECT_EQ(database.Scalar("select gaji || ' ' || kode from salary"), "1.2346 A001") << "other columns keep their values";
    table.Close();

    auto* missing = AddField<TStringField>(table, "no_such_column", fkData, 10);
    EXPECT_THROW(table.Open(), EDatabaseError);
    EXPECT_FALSE(table.Active());
    delete missing;
    table.Open();
    EXPECT_EQ(table.FieldCount(), 2);
}
