#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"

TEST(StringList, LinesCarryObjectsAndOutOfRangeIndexesChangeNothing)
{
    TStringList list;
    int a = 1, b = 2;
    EXPECT_EQ(list.AddObject("kas", &a), 0);
    list.Add("bank");
    list.Insert(1, "piutang");
    list.PutObject(2, &b);
    EXPECT_EQ(list.GetObject(0), &a);
    EXPECT_EQ(list.GetObject(1), nullptr);
    EXPECT_EQ(list.IndexOfObject(&b), 2);
    list.Delete(0);
    list.Put(0, "hutang");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"hutang", "bank"}));
    EXPECT_EQ(list.GetObject(1), &b);

    EXPECT_THROW(list.Get(2), EListError);
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Put(2, "x"), EListError);
    EXPECT_THROW(list.GetObject(2), EListError);
    EXPECT_THROW(list.PutObject(-1, nullptr), EListError);
    EXPECT_THROW(list.Delete(2), EListError);
    EXPECT_THROW(list.Insert(3, "x"), EListError);
    EXPECT_THROW(list.Insert(-1, "x"), EListError);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"hutang", "bank"}));
    list.Insert(2, "modal");
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, IndexOfMatchesExactTextAndSortedFindIgnoresCaseUnlessAsked)
{
    TStringList list;
    list.SetText("Kas\r\nkas\r\nBank\r\n");
    EXPECT_EQ(list.IndexOf("kas"), 1);
    EXPECT_EQ(list.IndexOf("KAS"), -1);
    list.SetSorted(true);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"Bank", "Kas", "kas"}));
    EXPECT_EQ(list.IndexOf("kas"), 2);
    EXPECT_EQ(list.IndexOf("KAS"), -1);

    TStringList words;
    words.SetSorted(true);
    for (const char* word : {"end", "BEGIN", "var", "Const"})
        words.Add(word);
    EXPECT_EQ(words.Lines(), (std::vector<std::string>{"BEGIN", "Const", "end", "var"}));
    int index = -1;
    EXPECT_TRUE(words.Find("begin", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(words.Find("procedure", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(words.Find("zzz", index));
    EXPECT_EQ(index, 4);
    EXPECT_THROW(words.Insert(0, "x"), EListError);
    EXPECT_THROW(words.Put(0, "x"), EListError);

    TStringList exact;
    exact.SetCaseSensitive(true);
    exact.SetSorted(true);
    exact.Add("begin");
    exact.Add("BEGIN");
    EXPECT_EQ(exact.Lines(), (std::vector<std::string>{"BEGIN", "begin"}));
    EXPECT_FALSE(exact.Find("Begin", index));
    EXPECT_TRUE(exact.Find("begin", index));
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

TEST(StringList, TextJoinsWithCrLfAndSplitsOnEveryLineEnding)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("x\r\n\r\n");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"x", ""}));
    list.SetText("");
    EXPECT_EQ(list.Text(), "");
    list.SetText("\n");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{""}));
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
    EXPECT_EQ(target.Lines(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(target.GetObject(0), &tag);
    target.Assign(target);
    EXPECT_EQ(target.Count(), 2);
    struct Stranger : TPersistent {};
    EXPECT_THROW(target.Assign(Stranger()), EConvertAssignError);
    EXPECT_EQ(target.Count(), 2);
}

TEST(StringList, FileRoundTripsAndAFailedLoadKeepsTheLinesAndObjects)
{
    TempFolder dir;
    std::string path = dir.Path("lines.txt");
    TStringList source;
    source.SetText("kas\nbank\nkas");
    source.SaveToFile(path);
    TStringList loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Lines(), (std::vector<std::string>{"kas", "bank", "kas"}));

    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupError);
    int tag = 7;
    list.AddObject("modal", &tag);
    list.Add("hutang");
    EXPECT_THROW(list.LoadFromFile(path), EListError);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"hutang", "modal"}));
    EXPECT_EQ(list.GetObject(1), &tag);
    EXPECT_EQ(list.UpdateCount(), 0);
    std::remove(path.c_str());
    EXPECT_THROW(list.LoadFromFile(path), EFOpenError);
    EXPECT_EQ(list.Count(), 2);
}
