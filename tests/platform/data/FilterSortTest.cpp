#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/data/DataFilter.h"
#include "platform/data/SqlText.h"
#include "platform/data/TADOQuery.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Vouchers =
    "create table tr_vouc (no_vouc text(20) collate nocase, account_code text(15) collate nocase, "
    "kode text(10), bulan integer, tgl_vouc date, debet currency real, ajp boolean not null default 0, "
    "nama text(50));"
    "insert into tr_vouc values"
    " ('1001', '111', 'KM', 3, '2024-03-05', 100, 0, 'Pak Ma''ruf'),"
    " ('1002', '112', 'KK', 3, '2024-03-20', 250.5, 0, 'Budi'),"
    " ('Ajp1001', '111', '-', 4, '2024-04-01', 75, 1, 'budiman'),"
    " ('1003', '211', 'KM', 4, '2024-04-15', null, 0, null);";

class FilterSortTest : public ::testing::Test {
protected:
    FilterSortTest() : database(Vouchers), db(database)
    {
        query.SetConnection(&db.connection);
        query.SQL().Add("select * from tr_vouc");
        query.Open();
    }

    std::string Column(const char* name)
    {
        std::string text;
        for (query.First(); !query.Eof(); query.Next())
            text += (query.RecNo() == 1 ? "" : ",") + query.FieldByName(name)->AsString();
        return text;
    }

    std::string Filtered(const std::string& filter)
    {
        query.SetFilter(filter);
        query.SetFiltered(true);
        return Column("no_vouc");
    }

    TestDatabase database;
    Connected db;
    TADOQuery query;
};

} // namespace

TEST_F(FilterSortTest, ComparesFieldsWithLiteralsAndDates)
{
    EXPECT_EQ(Filtered("kode = 'KM' and bulan=3"), "1001");
    EXPECT_EQ(Filtered("kode = '-'"), "Ajp1001");
    EXPECT_EQ(Filtered("bulan<>3"), "Ajp1001,1003");
    EXPECT_EQ(Filtered("debet >= 100"), "1001,1002");
    EXPECT_EQ(Filtered("debet < 100 or kode='KK'"), "1002,Ajp1001");
    EXPECT_EQ(Filtered("ajp = true"), "Ajp1001");
    EXPECT_EQ(Filtered("not (kode = 'KM') and ajp=false"), "1002");
    EXPECT_EQ(Filtered("(bulan=3 or bulan=4) and (kode='KM')"), "1001,1003");
    EXPECT_EQ(Filtered("nama = null"), "1003");
    EXPECT_EQ(Filtered("no_vouc = 'ajp1001'"), "Ajp1001") << "text compares without case, like the database";
    EXPECT_EQ(Filtered("nama = '" + SqlText("Pak Ma'ruf") + "'"), "1001");
    EXPECT_EQ(Filtered("nama = '" + SqlText("x' or kode<>'") + "'"), "") << "a quoted value is one literal";
    EXPECT_EQ(Filtered(" tgl_vouc>='2024-03-20' and  tgl_vouc <= '2024-04-01' "), "1002,Ajp1001");
    EXPECT_EQ(Filtered("tgl_vouc='2024-04-15'"), "1003");
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(Filtered("tgl_vouc > '10/03/2024'"), "1002,Ajp1001,1003");
    ResetFormatSettings();
}

TEST_F(FilterSortTest, LikeMatchesWildcardsAtEitherEndIgnoringCase)
{
    EXPECT_EQ(Filtered("nama like 'budi*'"), "1002,Ajp1001");
    EXPECT_EQ(Filtered("nama like '%MAN'"), "Ajp1001");
    EXPECT_EQ(Filtered("nama like '*ma''r*'"), "1001");
    EXPECT_EQ(Filtered("debet like '250*'"), "1002") << "a number is matched by its text";
    EXPECT_TRUE(MatchesLike("Kas Kecil", "%s k%"));
    EXPECT_TRUE(MatchesLike("Kas", "Kas"));
    EXPECT_FALSE(MatchesLike("Kas", "Kas*x"));
    EXPECT_FALSE(MatchesLike("Bank", "kas*"));
    EXPECT_TRUE(MatchesLike("", "*"));
}

TEST_F(FilterSortTest, EmptyFiltersFilterNothingAndBadOnesRaiseAndChangeNothing)
{
    EXPECT_EQ(Filtered("   "), "1001,1002,Ajp1001,1003");
    query.SetFilter("bulan=3");
    query.SetFiltered(false);
    EXPECT_EQ(query.RecordCount(), 4);
    query.SetFiltered(true);
    for (const char* bad : {"bulan = = 3", "bulan = 3 and", "(bulan = 3", "nama = 'open", "no_such = 1", "bulan = ..",
             "bulan = -.", "bulan = 1.2.3", "bulan = -"})
        EXPECT_THROW(query.SetFilter(bad), EDatabaseError) << bad;
    EXPECT_EQ(query.Filter(), "bulan=3");
    EXPECT_EQ(query.RecordCount(), 2);
}

TEST_F(FilterSortTest, FilteringGoesToTheFirstRecordAndRecNoCountsInTheView)
{
    query.Last();
    std::vector<std::string> events;
    query.BeforeScroll = [&](TDataSet*) { events.push_back("BeforeScroll"); };
    query.AfterScroll = [&](TDataSet* dataSet) { events.push_back("AfterScroll " + std::to_string(dataSet->RecNo())); };
    query.SetSort("tgl_vouc desc");
    events.clear();
    query.SetFilter("kode='KM'");
    query.SetFiltered(true);
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeScroll", "AfterScroll 1"}));
    EXPECT_EQ(query.RecordCount(), 2);
    EXPECT_EQ(query.FieldByName("no_vouc")->AsString(), "1003");
    query.SetRecNo(2);
    EXPECT_EQ(query.FieldByName("no_vouc")->AsString(), "1001");
    EXPECT_EQ(query.RecNo(), 2);
}

TEST_F(FilterSortTest, SortsByOneOrMoreFieldsWithoutCase)
{
    query.SetSort("Account_Code, no_vouc DESC");
    EXPECT_EQ(Column("no_vouc"), "Ajp1001,1001,1002,1003");
    query.SetSort("debet");
    EXPECT_EQ(Column("no_vouc"), "1003,Ajp1001,1001,1002") << "null first, then by value";
    query.SetSort("nama");
    EXPECT_EQ(Column("nama"), ",Budi,budiman,Pak Ma'ruf");
    EXPECT_THROW(query.SetSort("no_such"), EDatabaseError);
    query.SetSort("");
    EXPECT_EQ(Column("no_vouc"), "1001,1002,Ajp1001,1003");
}

TEST_F(FilterSortTest, RecNoCountsInTheFilteredSortedView)
{
    query.SetSort("tgl_vouc desc");
    Filtered("kode='KM'");
    query.First();
    EXPECT_EQ(query.FieldByName("no_vouc")->AsString(), "1003");
    query.SetRecNo(2);
    EXPECT_EQ(query.FieldByName("no_vouc")->AsString(), "1001");
    EXPECT_EQ(query.RecNo(), 2);
}

TEST_F(FilterSortTest, LocateMovesOnlyWhenFoundAndLookupNever)
{
    int scrolls = 0;
    query.AfterScroll = [&](TDataSet*) { ++scrolls; };
    EXPECT_TRUE(query.Locate("no_vouc", Variant("1002")));
    EXPECT_EQ(query.RecNo(), 2);
    EXPECT_FALSE(query.Locate("no_vouc", Variant("9999")));
    EXPECT_EQ(query.RecNo(), 2);
    EXPECT_EQ(scrolls, 1);
    EXPECT_FALSE(query.Locate("nama", Variant("BUDI")));
    EXPECT_TRUE(query.Locate("nama", Variant("BUDI"), loCaseInsensitive));
    EXPECT_TRUE(query.Locate("nama", Variant("budim"), loPartialKey));
    EXPECT_EQ(query.FieldByName("no_vouc")->AsString(), "Ajp1001");
    EXPECT_TRUE(query.Locate("account_code;bulan", std::vector<Variant>{Variant("111"), Variant(4)}));
    EXPECT_EQ(query.RecNo(), 3);
    EXPECT_TRUE(query.Locate("debet", Variant(250.5)));
    EXPECT_TRUE(query.Locate("bulan", Variant("4")));
    EXPECT_EQ(query.RecNo(), 3);
    query.Last();
    EXPECT_EQ(query.Lookup("no_vouc", Variant("1002"), "nama").AsString(), "Budi");
    EXPECT_TRUE(query.Lookup("no_vouc", Variant("none"), "nama").IsNull());
    EXPECT_EQ(query.RecNo(), 4);
}

TEST_F(FilterSortTest, BookmarksReturnToTheRecordAndCompareInReadingOrder)
{
    query.SetRecNo(3);
    const TBookmark third = query.Bookmark();
    query.First();
    const TBookmark first = query.Bookmark();
    query.SetSort("no_vouc desc");
    query.SetBookmark(third);
    EXPECT_EQ(query.FieldByName("no_vouc")->AsString(), "Ajp1001");
    EXPECT_TRUE(query.BookmarkValid(first));
    EXPECT_LT(query.CompareBookmarks(first, third), 0);
    EXPECT_GT(query.CompareBookmarks(third, first), 0);
    EXPECT_EQ(query.CompareBookmarks(first, first), 0);
    Filtered("bulan=4");
    EXPECT_FALSE(query.BookmarkValid(first));
    EXPECT_THROW(query.SetBookmark(first), EDatabaseError);
    EXPECT_FALSE(query.BookmarkValid(""));
}
