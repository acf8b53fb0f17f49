// Tests of the recent-files list: order, repeats, the limit of eight, the
// stored form and the menu texts.
#include "app/RecentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zel {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFilesTest, NewestFirstAndOneEntryPerFile) {
    RecentFiles list;
    list.add("/data/a.QCS");
    list.add("/data/b.QCS");
    EXPECT_EQ(list.paths(), (Paths{"/data/b.QCS", "/data/a.QCS"}));
    // Opening a listed file again moves it up; it is not listed twice.
    list.add("/data/a.QCS");
    EXPECT_EQ(list.paths(), (Paths{"/data/a.QCS", "/data/b.QCS"}));
    // Another spelling of the same path is the same file.
    list.add("/data/sub/../b.QCS");
    list.add("/data/./a.QCS");
    EXPECT_EQ(list.paths(), (Paths{"/data/a.QCS", "/data/b.QCS"}));
    // Names differing in case are different files here.
    list.add("/data/A.QCS");
    EXPECT_EQ(list.paths().size(), 3u);
    list.add("");
    EXPECT_EQ(list.paths().size(), 3u);
}

TEST(RecentFilesTest, KeepsTheEightNewest) {
    RecentFiles list;
    for (int i = 1; i <= 10; ++i)
        list.add("/d/" + std::to_string(i) + ".QCS");
    ASSERT_EQ(list.paths().size(), std::size_t(RecentFiles::kMaxEntries));
    EXPECT_EQ(list.paths().front(), "/d/10.QCS");
    EXPECT_EQ(list.paths().back(), "/d/3.QCS");
    // A listed file moving up leaves room: nothing more drops.
    list.add("/d/3.QCS");
    EXPECT_EQ(list.paths().front(), "/d/3.QCS");
    EXPECT_EQ(list.paths().back(), "/d/4.QCS");
}

TEST(RecentFilesTest, RemoveTakesOnlyTheNamedFile) {
    RecentFiles list;
    list.add("/d/a.QCS");
    list.add("/d/b.QCS");
    list.add("/d/c.QCS");
    EXPECT_TRUE(list.remove("/d/./b.QCS"));
    EXPECT_EQ(list.paths(), (Paths{"/d/c.QCS", "/d/a.QCS"}));
    EXPECT_FALSE(list.remove("/d/b.QCS"));
    EXPECT_EQ(list.paths().size(), 2u);
}

TEST(RecentFilesTest, SurvivesTheStoreAndReplacesItWhole) {
    MemorySettingsStore store;
    RecentFiles list;
    list.add("/d/a.QCS");
    list.add("/測定/寸法 1.QCS");
    list.write(store);
    EXPECT_EQ(store.read("RecentFiles", "File1", std::string()), "/測定/寸法 1.QCS");
    EXPECT_EQ(store.read("RecentFiles", "File2", std::string()), "/d/a.QCS");
    EXPECT_EQ(RecentFiles::read(store).paths(), list.paths());

    // A shorter list leaves no old key behind.
    list.remove("/d/a.QCS");
    list.write(store);
    EXPECT_FALSE(store.contains("RecentFiles", "File2"));
    EXPECT_EQ(RecentFiles::read(store).paths(), (Paths{"/測定/寸法 1.QCS"}));
}

TEST(RecentFilesTest, ReadingSkipsGapsRepeatsAndExtraKeys) {
    MemorySettingsStore store;
    store.write("RecentFiles", "File1", "/d/a.QCS");
    store.write("RecentFiles", "File2", "");
    store.write("RecentFiles", "File3", "/d/b.QCS");
    store.write("RecentFiles", "File4", "/d/a.QCS");
    store.write("RecentFiles", "File9", "/d/z.QCS");
    EXPECT_EQ(RecentFiles::read(store).paths(), (Paths{"/d/a.QCS", "/d/b.QCS"}));
    EXPECT_TRUE(RecentFiles::read(MemorySettingsStore()).paths().empty());
}

TEST(RecentFilesTest, MenuTextNumbersTheFileNameAndKeepsAmpersands) {
    EXPECT_EQ(recentFileMenuText(0, "/home/u/data/shaft.QCS"), "&1 shaft.QCS");
    EXPECT_EQ(recentFileMenuText(7, "/寸法/ロット２.QCS"), "&8 ロット２.QCS");
    EXPECT_EQ(recentFileMenuText(1, "/d/A&B.QCS"), "&2 A&&B.QCS");
    EXPECT_EQ(recentFileKey(0), "File1");
    EXPECT_EQ(recentFileKey(7), "File8");
}

} // namespace
} // namespace zel
