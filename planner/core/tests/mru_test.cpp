#include "planner/core/mru.h"
#include "runtime/testing/memory_settings.h"

#include <gtest/gtest.h>

namespace {

QStringList paths(rt::SettingsStore& s) {
    QStringList out;
    for (qint16 n = 1; n <= 4; ++n) out << GetMRUFile(s, n);
    return out;
}

QStringList titles(rt::SettingsStore& s) {
    QStringList out;
    for (qint16 n = 1; n <= 4; ++n) out << GetMRUTitle(s, n);
    return out;
}

struct Sequence {
    const char* name;
    QStringList opened;
    QStringList paths, titles;
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << s.name;
}

class RecentlyUsed : public ::testing::TestWithParam<Sequence> {};

TEST_P(RecentlyUsed, OpeningInOrderGivesTheList) {
    rt::MemorySettings s;
    for (const QString& p : GetParam().opened) AddToMRU(s, p);
    EXPECT_EQ(paths(s), GetParam().paths);
    EXPECT_EQ(titles(s), GetParam().titles);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RecentlyUsed,
    ::testing::Values(Sequence{"one", {"/c/a.lkc"}, {"/c/a.lkc", "", "", ""}, {"a.lkc", "", "", ""}},
                      Sequence{
                          "four", {"/a", "/b", "/c", "/d"}, {"/d", "/c", "/b", "/a"}, {"d", "c", "b", "a"}},
                      Sequence{"fifth_drops_the_oldest",
                               {"/a", "/b", "/c", "/d", "/e"},
                               {"/e", "/d", "/c", "/b"},
                               {"e", "d", "c", "b"}},
                      Sequence{"third_moves_to_top",
                               {"/a", "/b", "/c", "/d", "/b"},
                               {"/b", "/d", "/c", "/a"},
                               {"b", "d", "c", "a"}},
                      Sequence{"fourth_moves_to_top",
                               {"/a", "/b", "/c", "/d", "/a"},
                               {"/a", "/d", "/c", "/b"},
                               {"a", "d", "c", "b"}},
                      Sequence{"other_case_is_another_file",
                               {"/x/A.lkc", "/x/a.lkc"},
                               {"/x/a.lkc", "/x/A.lkc", "", ""},
                               {"a.lkc", "A.lkc", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecentlyUsedWrites, OpeningTheTopFileWritesNothing) {
    rt::MemorySettings s;
    AddToMRU(s, "/a");
    AddToMRU(s, "/b");
    const auto before = s.writes.size();
    AddToMRU(s, "/b");
    EXPECT_EQ(s.writes.size(), before);
}

TEST(RecentlyUsedWrites, NewFileMovesTheTitlesDownThenThePaths) {
    rt::MemorySettings s;
    for (const char* p : {"/a", "/b", "/c", "/d"}) AddToMRU(s, p);
    s.writes.clear();
    AddToMRU(s, "/e");
    const QString app = "Brackwell Larkspan 2.0 Engine";
    const QList<rt::MemorySettings::Write> expected{
        {app, "MRU", "MRU4", "b"},           {app, "MRU", "MRU3", "c"},
        {app, "MRU", "MRU2", "d"},           {app, "MRU", "MRU1", "e"},
        {app, "MRUFiles", "MRUFile4", "/b"}, {app, "MRUFiles", "MRUFile3", "/c"},
        {app, "MRUFiles", "MRUFile2", "/d"}, {app, "MRUFiles", "MRUFile1", "/e"}};
    EXPECT_EQ(s.writes, expected);
}

TEST(RecentlyUsedWrites, SwapWritesInItsOrder) {
    rt::MemorySettings s;
    AddToMRU(s, "/a");
    AddToMRU(s, "/b");
    s.writes.clear();
    qint16 a = 1, b = 2;
    SwapMRUEntries(s, a, b);
    const QString app = "Brackwell Larkspan 2.0 Engine";
    const QList<rt::MemorySettings::Write> expected{{app, "MRUFiles", "MRUFile2", "/b"},
                                                    {app, "MRUFiles", "MRUFile1", "/a"},
                                                    {app, "MRU", "MRU1", "a"},
                                                    {app, "MRU", "MRU2", "b"}};
    EXPECT_EQ(s.writes, expected);
}

} // namespace
