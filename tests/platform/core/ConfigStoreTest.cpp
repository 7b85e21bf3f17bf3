#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "ScopedEnv.h"
#include "TempFolder.h"
#include "platform/core/ConfigStore.h"

TEST(ConfigStore, AbsentValuesReadEmpty)
{
    TempFolder dir;
    ConfigStore store(dir.Path("bukura/bukura.conf"));
    EXPECT_EQ(store.ReadString("bukura", "bukuraserver"), "");
    EXPECT_EQ(store.ReadString("bukura", "bukuraserver", "accounting.db"), "accounting.db");
}

TEST(ConfigStore, WriteCreatesFolderSectionAndValue)
{
    TempFolder dir;
    ConfigStore store(dir.Path("bukura/bukura.conf"));
    ASSERT_TRUE(store.WriteString("bukura", "bukuraserver", "/data/it's here.db"));
    EXPECT_EQ(dir.ReadBytes("bukura/bukura.conf"), "[bukura]\nbukuraserver=/data/it's here.db\n");
    EXPECT_EQ(store.ReadString("BUKURA", "BukuraServer"), "/data/it's here.db");
    ASSERT_TRUE(store.WriteString("bukura", "bukuraserver", "b.db"));
    ASSERT_TRUE(store.WriteString("printer", "command", "lp -d office"));
    ASSERT_TRUE(store.WriteString("bukura", "other", "x = y"));
    EXPECT_EQ(dir.ReadBytes("bukura/bukura.conf"),
        "[bukura]\nbukuraserver=b.db\nother=x = y\n[printer]\ncommand=lp -d office\n");
    EXPECT_EQ(store.ReadString("bukura", "other"), "x = y");
}

TEST(ConfigStore, KeepsLinesItDoesNotOwn)
{
    TempFolder dir;
    dir.WriteBytes("c.conf", "; settings\n[locale]\nDecimalSeparator=,\n\n[bukura]\n# note\nbukuraserver=a.db\n");
    ConfigStore store(dir.Path("c.conf"));
    EXPECT_EQ(store.ReadString("bukura", "bukuraserver"), "a.db");
    EXPECT_EQ(store.ReadString("locale", "bukuraserver"), "");
    ASSERT_TRUE(store.WriteString("locale", "FirstWeekDay", "6"));
    EXPECT_EQ(dir.ReadBytes("c.conf"),
        "; settings\n[locale]\nDecimalSeparator=,\nFirstWeekDay=6\n\n[bukura]\n# note\nbukuraserver=a.db\n");
}

TEST(ConfigStore, RefusedWritesChangeNothing)
{
    TempFolder dir;
    dir.WriteBytes("c.conf", "[bukura]\nbukuraserver=a.db\n");
    ConfigStore store(dir.Path("c.conf"));
    EXPECT_FALSE(store.WriteString("bukura", "bukuraserver", "a.db\n[evil]\nx=1"));
    EXPECT_FALSE(store.WriteString("bu]kura", "k", "v"));
    EXPECT_FALSE(store.WriteString("bukura", "k=v", "v"));
    EXPECT_FALSE(store.WriteString("bukura", "", "v"));
    EXPECT_EQ(dir.ReadBytes("c.conf"), "[bukura]\nbukuraserver=a.db\n");

    ConfigStore unwritable(dir.Path("c.conf/inside.conf"));
    EXPECT_FALSE(unwritable.WriteString("bukura", "bukuraserver", "x"));
    EXPECT_EQ(unwritable.ReadString("bukura", "bukuraserver"), "");
}

TEST(ConfigStore, AFileThatCannotBeReadIsNotRewritten)
{
    // A folder where the file should be cannot be read by anyone, the superuser included.
    TempFolder dir;
    std::filesystem::create_directory(dir.Path("c.conf"));
    dir.WriteBytes("c.conf/kept", "[printer]\ncommand=lp\n");
    ConfigStore store(dir.Path("c.conf"));
    EXPECT_FALSE(store.WriteString("bukura", "bukuraserver", "b.db"));
    EXPECT_EQ(dir.ReadBytes("c.conf/kept"), "[printer]\ncommand=lp\n");
    EXPECT_EQ(store.ReadString("printer", "command"), "");
}

TEST(ConfigStore, DefaultPathFollowsXdgConfigHome)
{
    ScopedEnv home("HOME", "/home/tukan");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(ConfigStore::DefaultPath(), "/cfg/bukura/bukura.conf");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative");
        EXPECT_EQ(ConfigStore::DefaultPath(), "/home/tukan/.config/bukura/bukura.conf");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(ConfigStore::DefaultPath(), "/home/tukan/.config/bukura/bukura.conf");
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(ConfigStore::DefaultPath(), "");
}

TEST(ConfigStore, RefusesEntriesThatWouldReadBackAsAnotherEntry)
{
    TempFolder dir;
    dir.WriteBytes("c.conf", "[bukura]\nbukuraserver=a.db\n");
    ConfigStore store(dir.Path("c.conf"));
    EXPECT_FALSE(store.WriteString("bukura", "#k", "v"));
    EXPECT_FALSE(store.WriteString("bukura", ";k", "v"));
    EXPECT_FALSE(store.WriteString("z", "[z", "3]"));
    EXPECT_FALSE(store.WriteString("bukura", "bukuraserver", "/home/jos\xE9/buku.db"));
    EXPECT_FALSE(store.WriteString("caf\xE9", "k", "v"));
    EXPECT_FALSE(store.WriteString("bukura", "k\xC3", "v"));
    EXPECT_EQ(dir.ReadBytes("c.conf"), "[bukura]\nbukuraserver=a.db\n");

    // The same characters elsewhere in a name or a value are plain text.
    ASSERT_TRUE(store.WriteString("bukura", "k#;[", "[3]"));
    ASSERT_TRUE(store.WriteString("bukura", "note", "#1; [x]"));
    EXPECT_EQ(store.ReadString("bukura", "k#;["), "[3]");
    EXPECT_EQ(store.ReadString("bukura", "note"), "#1; [x]");
    EXPECT_EQ(store.ReadString("bukura", "bukuraserver"), "a.db");
}

TEST(ConfigStore, Utf8ReadsBackExactlyBesideALatin1LineFromElsewhere)
{
    TempFolder dir;
    ConfigStore store(dir.Path("c.conf"));
    const std::string path = "/home/jos\xC3\xA9/buku.db";
    ASSERT_TRUE(store.WriteString("bukura", "bukuraserver", path));
    ASSERT_TRUE(store.WriteString("Pencetak \xE2\x80\x94 kantor", "nama", "\xF0\x9F\x96\xA8 PDF"));
    EXPECT_EQ(store.ReadString("bukura", "bukuraserver"), path);
    EXPECT_EQ(store.ReadString("Pencetak \xE2\x80\x94 kantor", "nama"), "\xF0\x9F\x96\xA8 PDF");

    // A hand-edited Latin-1 line is read as Latin-1 alone and kept byte for byte on a write.
    dir.WriteBytes("c.conf", "[bukura]\nbukuraserver=" + path + "\nlama=caf\xE9\n");
    EXPECT_EQ(store.ReadString("bukura", "bukuraserver"), path);
    EXPECT_EQ(store.ReadString("bukura", "lama"), "caf\xC3\xA9");
    ASSERT_TRUE(store.WriteString("bukura", "baru", "1"));
    EXPECT_EQ(dir.ReadBytes("c.conf"), "[bukura]\nbukuraserver=" + path + "\nlama=caf\xE9\nbaru=1\n");
    ASSERT_TRUE(store.WriteString("bukura", "lama", "kafe"));
    EXPECT_EQ(dir.ReadBytes("c.conf"), "[bukura]\nbukuraserver=" + path + "\nlama=kafe\nbaru=1\n");
}
