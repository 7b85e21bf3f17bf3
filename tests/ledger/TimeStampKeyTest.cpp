// Time-stamp keys: zero-padded digits of the program's clock, "-1", "-2" ... while taken.
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "ledger/BlankEntries.h"
#include "ledger/TDtModule.h"
#include "ledger/TimeStampKey.h"
#include "ledger/Vouchers.h"
#include "platform/core/Clock.h"
#include "platform/core/Exceptions.h"
#include "tests/ledger/LedgerDatabase.h"

namespace {

TDateTime At(int year, int month, int day, int hour, int minute, int second)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0);
}

TEST(TimeStampKey, PadsEveryPartSoNoTwoMomentsShareAKeyAndCountsWhileTaken)
{
    EXPECT_EQ(TimeStampText(At(2020, 1, 11, 1, 0, 0)), "20200111010000");
    EXPECT_EQ(TimeStampText(At(2020, 11, 1, 1, 0, 0)), "20201101010000");
    // Fractions of a second are dropped, not rounded.
    EXPECT_EQ(TimeStampText(At(2004, 3, 9, 8, 7, 6) + EncodeTime(0, 0, 0, 999)), "20040309080706");

    std::set<std::string> taken = {"20200305090000", "20200305090000-1"};
    const auto isTaken = [&](const std::string& key) { return taken.count(key) > 0; };
    EXPECT_EQ(NewTimeStampKey(At(2020, 3, 5, 9, 0, 0), isTaken), "20200305090000-2");
    EXPECT_THROW(NewTimeStampKey(At(2020, 3, 5, 9, 0, 0), [](const std::string&) { return true; }), EInvalidOperation)
        << "no key fits twenty characters";
}

using TimeStampKeyDb = LedgerDatabaseTest;

TEST_F(TimeStampKeyDb, TwoRowsInOneSecondGetTwoKeysInTheTableAndColumnGiven)
{
    ManualClock clock(At(2020, 3, 5, 9, 0, 0));
    ClockOverride useClock(clock);
    std::string first = NewVoucherKey(*dm);
    EXPECT_EQ(first, "20200305090000");
    SaveVoucherHeader(*dm, first, "", clock.Now(), "0", "", "10");
    EXPECT_EQ(NewVoucherKey(*dm), "20200305090000-1");
    EXPECT_EQ(NewTimeStampKey(*dm, "ref_anggota", "kode"), "20200305090000");
    Exec("insert into ref_anggota (kode, nik) values ('20200305090001', 'K01')");
    clock.AdvanceMilliseconds(1000);
    EXPECT_EQ(NewVoucherKey(*dm), "20200305090001");
    EXPECT_EQ(NewTimeStampKey(*dm, "ref_anggota", "kode"), "20200305090001-1");
    EXPECT_THROW(NewTimeStampKey(*dm, "ref_anggota where 1=1 --", "kode"), EInvalidOperation);

    // Another instance's blank header in the same second, stored between this one's check of the key
    // and its insert: the check is inside this one's write, so the other waits and takes the next key.
    TDtModule other;
    other.CONN1->SetConnectionString("Data Source=" + file.Path());
    other.CONN1->SetCommandTimeout(0);
    other.CONN1->Open();
    bool otherWaited = false, once = true;
    dm->Query1->AfterOpen = [&](TDataSet*) {
        if (!std::exchange(once, false))
            return;
        try {
            other.CONN1->Execute("insert into T_VOUC (ID_Vouc) values ('20200305090001')");
        } catch (const EDatabaseError&) {
            otherWaited = true;
        }
    };
    EXPECT_EQ(NewBlankVoucherHeader(*dm), "20200305090001");
    dm->Query1->AfterOpen = nullptr;
    EXPECT_TRUE(otherWaited);
    EXPECT_EQ(NewBlankVoucherHeader(other), "20200305090001-1");
}

} // namespace
