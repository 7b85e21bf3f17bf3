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
    void SaveIncoming(const std::string& key, const std::string& number, const std::string& amount,
        const std::string& remark = "Setoran")
    {
        SaveVoucher(*dm, {key, number, EncodeDate(2020, 3, 5), amount, remark, "10"},
            {{"1", "3", "1110", "Kas", amount, "0"}, {"2", "6", "4110", "Pendapatan", "0", amount}});
    }

    Table Header(const std::string& key)
    {
        return Rows("select No_Vouc, tgl_vouc, jumlah, ket, ajp, id_unit from T_VOUC where ID_Vouc='" + key + "'");
    }

    Table Lines(const std::string& key)
    {
        return Rows("select nomor, account_id, account_code, uraian, debet, kredit from TR_VOUC where ID_Vouc='"
            + key + "' order by nomor");
    }

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
};

TEST_F(VoucherTest, SavesTheHeaderAndTheLinesOfAnIncomingCashVoucher)
{
    SaveIncoming("20200305090000", "1001", "150");
    EXPECT_EQ(Header("20200305090000"), (Table{{"1001", "2020-03-05", "150", "Setoran", "False", "10"}}));
    EXPECT_EQ(Lines("20200305090000"),
        (Table{{"1", "3", "1110", "Kas", "150", "0"}, {"2", "6", "4110", "Pendapatan", "0", "150"}}));
}

TEST_F(VoucherTest, WritesTheDateAsIsoWhateverTheShortDateFormat)
{
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    SaveVoucherHeader(*dm, "k", "1001", EncodeDate(2020, 11, 1), "1.5", "x", "11");
    EXPECT_EQ(Scalar("select tgl_vouc || '' from T_VOUC where ID_Vouc='k'"), "2020-11-01");
}

TEST_F(VoucherTest, SavingAHeaderUnderAnExistingKeyReplacesItAndDropsItsLines)
{
    SaveIncoming("k", "1001", "150");
    SaveIncoming("other", "1002", "75");
    SaveVoucherHeader(*dm, "k", "1009", EncodeDate(2020, 3, 6), "200", "Koreksi", "10");
    EXPECT_EQ(Header("k"), (Table{{"1009", "2020-03-06", "200", "Koreksi", "False", "10"}}));
    EXPECT_TRUE(Lines("k").empty());
    EXPECT_EQ(Lines("other").size(), 2u);
}

TEST_F(VoucherTest, TextsWithQuotesAreStoredAsTyped)
{
    SaveVoucher(*dm, {"k'1", "1'001", EncodeDate(2020, 3, 5), "150", "Pak Ma'ruf", "10"},
        {{"1", "3", "11'10", "Kas 'besar'", "150", "0"}});
    EXPECT_EQ(Header("k''1"), (Table{{"1'001", "2020-03-05", "150", "Pak Ma'ruf", "False", "10"}}));
    EXPECT_EQ(Lines("k''1"), (Table{{"1", "3", "11'10", "Kas 'besar'", "150", "0"}}));
    DeleteVoucher(*dm, "k'1");
    EXPECT_EQ(Scalar("select count(*) from T_VOUC"), "0");
    EXPECT_EQ(Scalar("select count(*) from TR_VOUC"), "0");
}

TEST_F(VoucherTest, AFailingLineLeavesTheOldVoucherAsItWas)
{
    SaveIncoming("k", "1001", "150");
    // The second line repeats line number 1, so the fourth statement of the save fails.
    EXPECT_THROW(SaveVoucher(*dm, {"k", "1001", EncodeDate(2020, 3, 9), "999", "changed", "10"},
                     {{"1", "3", "1110", "Kas", "999", "0"}, {"1", "6", "4110", "x", "0", "999"}}),
        EDatabaseError);
    EXPECT_EQ(Header("k"), (Table{{"1001", "2020-03-05", "150", "Setoran", "False", "10"}}));
    EXPECT_EQ(Lines("k").size(), 2u);
    EXPECT_FALSE(dm->CONN1->InTransaction());
}

TEST_F(VoucherTest, ASaveInsideALargerWriteIsUndoneWithIt)
{
    {
        TTransaction entry(*dm->CONN1);
        Exec("insert into kasbon (kode, no_bukti, kredit, id_unit) values ('e1', '1001', 150, 10)");
        SaveIncoming("1", "1001", "150");
    }
    EXPECT_EQ(Scalar("select count(*) from kasbon"), "0");
    EXPECT_TRUE(Header("1").empty());
    EXPECT_TRUE(Lines("1").empty());
}

TEST_F(VoucherTest, ANumberTextThatIsNotANumberChangesNothing)
{
    SaveIncoming("k", "1001", "150");
    EXPECT_THROW(SaveIncoming("k", "1001", "150); delete from coa; --"), EConvertError);
    EXPECT_THROW(SaveVoucher(*dm, {"k", "1001", EncodeDate(2020, 3, 5), "150", "x", "10 or 1=1"}, {}), EConvertError);
    EXPECT_THROW(SaveVoucherLine(*dm, "k", "3", "6", "1110", "x", "1,5", "0"), EConvertError);
    EXPECT_EQ(Header("k"), (Table{{"1001", "2020-03-05", "150", "Setoran", "False", "10"}}));
    EXPECT_EQ(Lines("k").size(), 2u);
}

TEST_F(VoucherTest, AcceptsNullAndNegativeAmounts)
{
    SaveVoucher(*dm, {"k", "1001", EncodeDate(2020, 3, 5), "null", "x", "10"},
        {{"1", "3", "1110", "Kas", "-12.5", "1E+15"}});
    EXPECT_EQ(Scalar("select jumlah from T_VOUC"), "<null>");
    EXPECT_EQ(Scalar("select debet from TR_VOUC"), "-12.5");
}

TEST_F(VoucherTest, DeleteRemovesOnlyThatVoucher)
{
    SaveIncoming("a", "1001", "150");
    SaveIncoming("b", "1002", "75");
    DeleteVoucher(*dm, "a");
    EXPECT_EQ(Rows("select ID_Vouc from T_VOUC union all select ID_Vouc from TR_VOUC"), (Table{{"b"}, {"b"}, {"b"}}));
}

TEST_F(VoucherTest, AFailedDeleteKeepsTheHeaderToo)
{
    SaveIncoming("k", "1001", "150");
    Exec("create trigger keep_lines before delete on TR_VOUC begin select raise(abort, 'lines are locked'); end");
    EXPECT_THROW(DeleteVoucher(*dm, "k"), EDatabaseError);
    EXPECT_EQ(Header("k").size(), 1u);
    EXPECT_EQ(Lines("k").size(), 2u);
}

TEST(PadNumber3, PadsToThreeDigits)
{
    EXPECT_EQ(PadNumber3(9), "009");
    EXPECT_EQ(PadNumber3(10), "010");
    EXPECT_EQ(PadNumber3(1000), "1000");
}

TEST_F(VoucherTest, ProposesTheCountOfTheUnitsVouchersOfTheKindPlusOne)
{
    EXPECT_EQ(Next(1, "1"), "1001");
    std::vector<std::string> fourteen;
    for (int i = 1; i <= 14; ++i)
        fourteen.push_back("2" + PadNumber3(i));
    AddVouchers("11", false, fourteen);
    EXPECT_EQ(Next(1, "2"), "2015");
    EXPECT_EQ(Next(2, "2"), "Ajp2001");
    EXPECT_EQ(Next(1, "1"), "1001");
    for (std::string& number : fourteen)
        number = "Ajp" + number;
    AddVouchers("11", true, fourteen);
    EXPECT_EQ(Next(2, "2"), "Ajp2015");
}

TEST_F(VoucherTest, SkipsNumbersStillInUse)
{
    AddVouchers("10", false, {"1001", "1003", "1004"});
    EXPECT_EQ(Next(1, "1"), "1005");
    // A number taken in another unit or by an adjusting entry is skipped too.
    AddVouchers("12", true, {"1005"});
    EXPECT_EQ(Next(1, "1"), "1006");
}

TEST_F(VoucherTest, OtherKindsLeaveTheNumberAndOtherUnitsRaise)
{
    EXPECT_EQ(Next(3, "1"), "unchanged");
    EXPECT_EQ(Next(0, "9"), "unchanged");
    std::string number = "unchanged";
    EXPECT_THROW(NextVoucherNumber(*dm, 1, "4", number), EConvertError);
    EXPECT_THROW(NextVoucherNumber(*dm, 2, "", number), EConvertError);
    EXPECT_EQ(number, "unchanged");
}

} // namespace
