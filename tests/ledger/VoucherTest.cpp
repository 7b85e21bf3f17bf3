// Voucher storage and numbering: one transaction per save and delete, quoting, proposed numbers.
#include <gtest/gtest.h>

#include "ledger/Vouchers.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/ledger/LedgerDatabase.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class VoucherTest : public LedgerDatabaseTest {
protected:
    // The cash voucher of the window: cash account 3 on line 1, the chosen account 6 on line 2.
    void SaveIncoming(const std::string& key, const std::string& number, const std::string& amount)
    {
        SaveVoucher(*dm, {key, number, EncodeDate(2020, 3, 5), amount, "Setoran", "10"},
            {{"1", "3", "1110", "Kas", amount, "0"}, {"2", "6", "4110", "Pendapatan", "0", amount}});
    }
    Table Header(const std::string& key)
    {
        return Rows("select No_Vouc, tgl_vouc || '', jumlah, ket, ajp, id_unit from T_VOUC where ID_Vouc='" + key + "'");
    }
    size_t Lines(const std::string& key) { return Rows("select 1 from TR_VOUC where ID_Vouc='" + key + "'").size(); }
    void AddVouchers(const std::string& unit, bool adjusting, const std::vector<std::string>& numbers)
    {
        for (const std::string& number : numbers)
            Exec("insert into T_VOUC (ID_Vouc, No_Vouc, ajp, id_unit) values ('" + number + "-" + unit + "', '"
                + number + "', " + (adjusting ? "true" : "false") + ", " + unit + ")");
    }
    std::string Next(int kind, const std::string& unit)
    {
        std::string number = "unchanged";
        NextVoucherNumber(*dm, kind, unit, number);
        return number;
    }

    const Table saved{{"1001", "2020-03-05", "150", "Setoran", "False", "10"}};
};

TEST_F(VoucherTest, SavesReplacesAndDeletesOneVoucherWithItsLines)
{
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    SaveIncoming("k", "1001", "150");
    SaveIncoming("other", "1002", "75");
    EXPECT_EQ(Header("k"), saved);
    EXPECT_EQ(Rows("select nomor, account_id, account_code, uraian, debet, kredit from TR_VOUC where ID_Vouc='k' "
                   "order by nomor"),
        (Table{{"1", "3", "1110", "Kas", "150", "0"}, {"2", "6", "4110", "Pendapatan", "0", "150"}}));

    SaveVoucherHeader(*dm, "k", "1009", EncodeDate(2020, 11, 1), "200", "Koreksi", "10");
    EXPECT_EQ(Header("k"), (Table{{"1009", "2020-11-01", "200", "Koreksi", "False", "10"}}));
    EXPECT_EQ(Lines("k"), 0u) << "a header saved again drops its old lines";
    DeleteVoucher(*dm, "k");
    EXPECT_EQ(Rows("select ID_Vouc from T_VOUC union all select ID_Vouc from TR_VOUC"),
        (Table{{"other"}, {"other"}, {"other"}}));

    SaveVoucher(*dm, {"n", "1003", EncodeDate(2020, 3, 5), "null", "x", "10"}, {{"1", "3", "1110", "Kas", "-12.5", "0"}});
    EXPECT_EQ(Rows("select jumlah, debet from T_VOUC join TR_VOUC using (ID_Vouc) where ID_Vouc='n'"),
        (Table{{"<null>", "-12.5"}}));
}

TEST_F(VoucherTest, TextsWithQuotesAreStoredAsTypedAndNumbersThatAreNotNumbersChangeNothing)
{
    SaveVoucher(*dm, {"k'1", "1'001", EncodeDate(2020, 3, 5), "150", "Pak Ma'ruf", "10"},
        {{"1", "3", "11'10", "Kas 'besar'", "150", "0"}});
    EXPECT_EQ(Rows("select No_Vouc, ket, account_code, uraian from T_VOUC join TR_VOUC using (ID_Vouc) "
                   "where ID_Vouc='k''1'"),
        (Table{{"1'001", "Pak Ma'ruf", "11'10", "Kas 'besar'"}}));
    DeleteVoucher(*dm, "k'1");
    EXPECT_EQ(Scalar("select (select count(*) from T_VOUC) + (select count(*) from TR_VOUC)"), "0");

    SaveIncoming("k", "1001", "150");
    EXPECT_THROW(SaveIncoming("k", "1001", "150); delete from coa; --"), EConvertError);
    EXPECT_THROW(SaveVoucher(*dm, {"k", "1001", EncodeDate(2020, 3, 5), "150", "x", "10 or 1=1"}, {}), EConvertError);
    EXPECT_THROW(SaveVoucherLine(*dm, "k", "3", "6", "1110", "x", "1,5", "0"), EConvertError);
    EXPECT_EQ(Header("k"), saved);
    EXPECT_EQ(Lines("k"), 2u);
}

TEST_F(VoucherTest, AFailingSaveOrDeleteLeavesTheVoucherAsItWasAndAnOuterRollbackUndoesASave)
{
    SaveIncoming("k", "1001", "150");
    // The second line repeats line number 1, so the save fails after the header is replaced.
    EXPECT_THROW(SaveVoucher(*dm, {"k", "1001", EncodeDate(2020, 3, 9), "999", "changed", "10"},
                     {{"1", "3", "1110", "Kas", "999", "0"}, {"1", "6", "4110", "x", "0", "999"}}),
        EDatabaseError);
    EXPECT_EQ(Header("k"), saved);
    EXPECT_EQ(Lines("k"), 2u);
    EXPECT_FALSE(dm->CONN1->InTransaction());

    Exec("create trigger keep_lines before delete on TR_VOUC begin select raise(abort, 'lines are locked'); end");
    EXPECT_THROW(DeleteVoucher(*dm, "k"), EDatabaseError);
    EXPECT_EQ(Header("k").size(), 1u);

    {
        TTransaction entry(*dm->CONN1);
        Exec("insert into kasbon (kode, no_bukti, kredit, id_unit) values ('e1', '1001', 150, 10)");
        SaveIncoming("1", "1001", "150");
    }
    EXPECT_EQ(Scalar("select count(*) from kasbon"), "0");
    EXPECT_TRUE(Header("1").empty());
    EXPECT_EQ(Lines("1"), 0u);
}

TEST_F(VoucherTest, ProposesTheCountOfTheUnitsVouchersOfTheKindPlusOneSkippingNumbersInUse)
{
    EXPECT_EQ(Next(1, "1"), "1001");
    std::vector<std::string> fourteen;
    for (int i = 1; i <= 14; ++i)
        fourteen.push_back("2" + PadNumber3(i));
    AddVouchers("11", false, fourteen);
    EXPECT_EQ(Next(1, "2"), "2015");
    EXPECT_EQ(Next(2, "2"), "Ajp2001");
    for (std::string& number : fourteen)
        number = "Ajp" + number;
    AddVouchers("11", true, fourteen);
    EXPECT_EQ(Next(2, "2"), "Ajp2015");

    AddVouchers("10", false, {"1001", "1003", "1004"});
    EXPECT_EQ(Next(1, "1"), "1005");
    // A number taken in another unit or by an adjusting entry is skipped too.
    AddVouchers("12", true, {"1005"});
    EXPECT_EQ(Next(1, "1"), "1006");

    EXPECT_EQ(Next(3, "1"), "unchanged");
    std::string number = "unchanged";
    EXPECT_THROW(NextVoucherNumber(*dm, 1, "4", number), EConvertError);
    EXPECT_THROW(NextVoucherNumber(*dm, 2, "", number), EConvertError);
    EXPECT_EQ(number, "unchanged");
}

} // namespace
