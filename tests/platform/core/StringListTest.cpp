#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"

namespace {

std::vector<std::string> Lines(const TStrings& list)
{
    return list.Lines();
}

} // namespace

TEST(StringList, AddInsertDeleteAndObjectsPerLine)
{
    TStringList list;
    int a = 1, b = 2;
    EXPECT_EQ(list.AddObject("kas", &a), 0);
    list.Add("bank");
    list.Insert(1, "piutang");
    list.PutObject(2, &b);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"kas", "piutang", "bank"}));
    EXPECT_EQ(list.GetObject(0), &a);
    EXPECT_EQ(list.GetObject(1), nullptr);
    EXPECT_EQ(list.IndexOfObject(&b), 2);
    list.Delete(0);
    list.Put(0, "hutang");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"hutang", "bank"}));
    EXPECT_EQ(list.GetObject(1), &b);
}

TEST(StringList, EveryOutOfRangeIndexRaisesListErrorAndChangesNothing)
{
    TStringList list;
    list.Add("one");
    EXPECT_THROW(list.Get(1), EListError);
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Put(1, "x"), EListError);
    EXPECT_THROW(list.GetObject(1), EListError);
    EXPECT_THROW(list.PutObject(-1, nullptr), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    EXPECT_THROW(list.Insert(-1, "x"), EListError);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"one"}));
    list.Insert(1, "two");
    EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, IndexOfMatchesExactText)
{
    TStringList list;
    list.SetText("Kas\r\nkas\r\nBank\r\n");
    EXPECT_EQ(list.IndexOf("kas"), 1);
    EXPECT_EQ(list.IndexOf("KAS"), -1);
    EXPECT_EQ(list.IndexOf("Bank"), 2);
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Bank", "Kas", "kas"}));
    EXPECT_EQ(list.IndexOf("kas"), 2);
    EXPECT_EQ(list.IndexOf("KAS"), -1);
}

TEST(StringList, TextJoinsWithCrLfAndSplitsOnEveryLineEnding)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("x\r\n\r\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", ""}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
    list.SetText("\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{""}));
}

TEST(StringList, SortedListKeepsOrderAndFindsByBinarySearch)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* word : {"end", "BEGIN", "var", "Const"})
        list.Add(word);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"BEGIN", "Const", "end", "var"}));
    int index = -1;
    EXPECT_TRUE(list.Find("begin", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(list.Find("procedure", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find("zzz", index));
    EXPECT_EQ(index, 4);
    EXPECT_THROW(list.Insert(0, "x"), EListError);
    EXPECT_THROW(list.Put(0, "x"), EListError);
}

TEST(StringList, CaseSensitiveFindTellsLettersApart)
{
    TStringList list;
    list.SetCaseSensitive(true);
    list.SetSorted(true);
    list.Add("begin");
    list.Add("BEGIN");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"BEGIN", "begin"}));
    int index = -1;
    EXPECT_FALSE(list.Find("Begin", index));
    EXPECT_TRUE(list.Find("begin", index));
    EXPECT_EQ(index, 1);
}

TEST(StringList, SortedDuplicatesFollowTheDuplicatesSetting)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("a");
    EXPECT_EQ(list.Add("A"), 0);
    EXPECT_EQ(list.Count(), 1);
    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.Add("a"), EListError);
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add("a");
    EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, OnChangeFiresOncePerChangeAndOnceAfterAnUpdate)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TStringList* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(changes, 2);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("c");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    list.EndUpdate();
    EXPECT_EQ(list.UpdateCount(), 0);
    list.SetText("x\ny\nz");
    EXPECT_EQ(changes, 4);
}

TEST(StringList, AssignCopiesLinesAndObjectsAndRefusesStrangers)
{
    TStringList source;
    int tag = 7;
    source.AddObject("one", &tag);
    source.Add("two");
    TStringList target;
    target.Add("old");
    target.Assign(source);
    EXPECT_EQ(Lines(target), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(target.GetObject(0), &tag);
    target.Assign(target);
    EXPECT_EQ(target.Count(), 2);
    struct Stranger : TPersistent {};
    EXPECT_THROW(target.Assign(Stranger()), EConvertAssignError);
    EXPECT_EQ(target.Count(), 2);
}

TEST(StringList, FileRoundTripAndFailedLoadKeepsTheLines)
{
    TempFolder dir;
    std::string path = dir.Path("roundtrip.txt");
    TStringList list;
    list.SetText("baris satu\nbaris dua");
    list.SaveToFile(path);
    TStringList loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(Lines(loaded), (std::vector<std::string>{"baris satu", "baris dua"}));
    std::remove(path.c_str());
    EXPECT_THROW(loaded.LoadFromFile(path), EFOpenError);
    EXPECT_EQ(loaded.Count(), 2);
}

TEST(StringList, LoadRefusedHalfWayKeepsTheLinesAndObjects)
{
    TempFolder dir;
    std::string path = dir.Path("duplicates.txt");
    TStringList source;
    source.SetText("kas\nbank\nkas\n");
    source.SaveToFile(path);
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupError);
    int tag = 7;
    list.AddObject("modal", &tag);
    list.Add("hutang");
    EXPECT_THROW(list.LoadFromFile(path), EListError);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"hutang", "modal"}));
    EXPECT_EQ(list.GetObject(1), &tag);
    EXPECT_EQ(list.UpdateCount(), 0);
}
