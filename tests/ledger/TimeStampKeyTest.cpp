// Time-stamp keys: zero-padded digits of the program's clock, "-1", "-2" ... while taken.
#include <set>

#include <gtest/gtest.h>

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

TEST(TimeStampText, PadsEveryPartSoNoTwoMomentsShareAKey)
{
    EXPECT_EQ(TimeStampText(At(2020, 1, 11, 1, 0, 0)), "20200111010000");
    EXPECT_EQ(TimeStampText(At(2020, 11, 1, 1, 0, 0)), "20201101010000");
    EXPECT_EQ(TimeStampText(At(2004, 3, 9, 8, 7, 6)), "20040309080706");
    // Fractions of a second are dropped, not rounded.
    EXPECT_EQ(TimeStampText(At(2020, 3, 5, 10, 0, 0) + EncodeTime(0, 0, 0, 999)), "20200305100000");
}

TEST(NewTimeStampKey, AppendsACounterWhileTheKeyIsTaken)
{
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& key) { return taken.count(key) > 0; };
    TDateTime moment = At(2020, 3, 5, 9, 0, 0);
    EXPECT_EQ(NewTimeStampKey(moment, isTaken), "20200305090000");
    taken = {"20200305090000", "20200305090000-1"};
    EXPECT_EQ(NewTimeStampKey(moment, isTaken), "20200305090000-2");
}

TEST(NewTimeStampKey, RaisesWhenNoKeyFitsTwentyCharacters)
{
    EXPECT_THROW(NewTimeStampKey(At(2020, 3, 5, 9, 0, 0), [](const std::string&) { return true; }),
        EInvalidOperation);
}

using TimeStampKeyDb = LedgerDatabaseTest;

TEST_F(TimeStampKeyDb, TwoVouchersInOneSecondGetTwoKeys)
{
    ManualClock clock(At(2020, 3, 5, 9, 0, 0));
    ClockOverride useClock(clock);
    std::string first = NewVoucherKey(*dm);
    EXPECT_EQ(first, "20200305090000");
    SaveVoucherHeader(*dm, first, "", clock.Now(), "0", "", "10");
    EXPECT_EQ(NewVoucherKey(*dm), "20200305090000-1");
    clock.AdvanceMilliseconds(1000);
    EXPECT_EQ(NewVoucherKey(*dm), "20200305090001");
}

TEST_F(TimeStampKeyDb, ChecksTheTableAndColumnItIsGiven)
{
    ManualClock clock(At(2020, 3, 5, 9, 0, 0));
    ClockOverride useClock(clock);
    Exec("insert into ref_anggota (kode, nik) values ('20200305090000', 'K01')");
    EXPECT_EQ(NewTimeStampKey(*dm, "ref_anggota", "kode"), "20200305090000-1");
    EXPECT_EQ(NewVoucherKey(*dm), "20200305090000");
    EXPECT_THROW(NewTimeStampKey(*dm, "ref_anggota where 1=1 --", "kode"), EInvalidOperation);
}

} // namespace
