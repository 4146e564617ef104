// The recent-file list: its update rule and its menu captions.
#include "RecentFiles.h"

#include <gtest/gtest.h>

using namespace tervane;

namespace {

QString p(int i) {
    return QStringLiteral("/projects/w%1.tv5d").arg(i);
}

QStringList paths(const TRecentFiles& r) {
    QStringList out;
    for (int i = 0; i < r.Count(); ++i)
        out << r.At(i);
    return out;
}

} // namespace

TEST(RecentFiles, UpdateRule) {
    TRecentFiles r;
    EXPECT_TRUE(r.Add(p(1)));
    EXPECT_TRUE(r.Add(p(2)));
    EXPECT_TRUE(r.Add(p(3)));
    EXPECT_EQ(paths(r), (QStringList{p(3), p(2), p(1)}));
    // Already first: nothing changes.
    EXPECT_FALSE(r.Add(p(3)));
    EXPECT_EQ(paths(r), (QStringList{p(3), p(2), p(1)}));
    // In slot k: the slots above it move down one.
    EXPECT_TRUE(r.Add(p(1)));
    EXPECT_EQ(paths(r), (QStringList{p(1), p(3), p(2)}));
    // The same file spelt another way is the same slot.
    EXPECT_FALSE(r.Add(QStringLiteral("/projects/sub/../w1.tv5d")));
    EXPECT_EQ(r.Count(), 3);
    // Eleven files: the oldest is dropped.
    for (int i = 4; i <= 12; ++i)
        r.Add(p(i));
    ASSERT_EQ(r.Count(), TRecentFiles::kSlots);
    EXPECT_EQ(r.At(0), p(12));
    EXPECT_EQ(r.At(8), p(4));
    EXPECT_EQ(r.At(9), p(1));
    EXPECT_FALSE(paths(r).contains(p(3)));
    EXPECT_FALSE(paths(r).contains(p(2)));
}

TEST(RecentFiles, StoredValuesRoundTrip) {
    TRecentFiles r;
    r.Load({p(1), QString(), p(2), p(1)});
    EXPECT_EQ(paths(r), (QStringList{p(1), p(2)}));
    const QStringList values = r.Values();
    ASSERT_EQ(values.size(), 10);
    EXPECT_EQ(values[1], p(2));
    EXPECT_TRUE(values[2].isEmpty());
}

TEST(RecentFiles, CaptionsAreShortenedInsideTheCurrentFolder) {
    TRecentFiles r;
    r.Add(QStringLiteral("/elsewhere/a&b.tv5d"));
    r.Add(QStringLiteral("/projects/sub/w.tv5d"));
    EXPECT_EQ(r.Caption(0, QStringLiteral("/projects")), QStringLiteral("1 sub/w.tv5d"));
    EXPECT_EQ(r.Caption(0, QStringLiteral("/projects/")), QStringLiteral("1 sub/w.tv5d"));
    EXPECT_EQ(r.Caption(0, QStringLiteral("/proj")), QStringLiteral("1 /projects/sub/w.tv5d"));
    EXPECT_EQ(r.Caption(1, QStringLiteral("/projects")), QStringLiteral("2 /elsewhere/a&&b.tv5d"));
}
