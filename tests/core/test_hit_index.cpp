// Tests of the chart's hit index.
#include "components/chart/HitIndex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace zel;

TEST(HitIndex, FindsTheNearestPointWithinTheRadius) {
    HitIndex idx;
    idx.build({{10, 10, 1, 1}, {20, 10, 1, 2}, {30, 12, 2, 1}});
    auto h = idx.nearest(18, 11, 5);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->series, 1);
    EXPECT_EQ(h->point, 2);
    EXPECT_NEAR(h->distance, std::sqrt(5.0), 1e-12);
    EXPECT_FALSE(idx.nearest(18, 30, 5));
    EXPECT_FALSE(idx.nearest(-100, -100, 5));
    EXPECT_TRUE(idx.nearest(10, 15, 5)); // exactly on the radius counts
    EXPECT_FALSE(idx.nearest(10, 15, 4.99));
}

TEST(HitIndex, EqualDistancesPreferThePointDrawnLast) {
    HitIndex idx;
    idx.build({{5, 5, 1, 3}, {5, 5, 4, 3}, {5, 5, 2, 3}});
    auto h = idx.nearest(5, 5, 1);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->series, 2);
}

TEST(HitIndex, SkipsNonFinitePointsAndHandlesEmptyAndDegenerateInput) {
    HitIndex idx;
    EXPECT_FALSE(idx.nearest(0, 0, 100));
    idx.build({{NAN, 1, 1, 1}, {INFINITY, 2, 1, 2}});
    EXPECT_EQ(idx.size(), 0u);
    EXPECT_FALSE(idx.nearest(1, 1, 100));
    // All points on one spot, and a tiny requested cell size, stay cheap and correct.
    std::vector<HitPoint> same(1000, HitPoint{3, 3, 1, 1});
    same[999].point = 1000;
    idx.build(same, 1e-9);
    auto h = idx.nearest(3, 3, 0);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->point, 1000);
    EXPECT_FALSE(idx.nearest(3, 3, -1));
}

TEST(HitIndex, AgreesWithBruteForceOnRandomPoints) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> ux(0, 1200), uy(0, 800);
    std::vector<HitPoint> pts;
    for (int i = 0; i < 32767; ++i)
        pts.push_back({ux(rng), uy(rng), i % 3 + 1, i / 3 + 1});
    HitIndex idx;
    idx.build(pts);
    EXPECT_EQ(idx.size(), pts.size());
    for (int q = 0; q < 300; ++q) {
        const double x = ux(rng) * 1.1 - 50, y = uy(rng) * 1.1 - 40, r = q % 2 ? 4.0 : 25.0;
        double best = r * r;
        int bs = 0, bp = 0;
        bool found = false;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const double d = (pts[i].x - x) * (pts[i].x - x) + (pts[i].y - y) * (pts[i].y - y);
            if (d <= best) {
                best = d;
                bs = pts[i].series;
                bp = pts[i].point;
                found = true;
            }
        }
        const auto h = idx.nearest(x, y, r);
        ASSERT_EQ(h.has_value(), found) << q;
        if (found) {
            EXPECT_EQ(h->series, bs);
            EXPECT_EQ(h->point, bp);
        }
    }
}

TEST(HitIndex, WideRowOfPointsIsFoundAtBothEnds) {
    std::vector<HitPoint> pts;
    for (int i = 0; i < 32767; ++i)
        pts.push_back({i * 0.05, 500, 1, i + 1});
    HitIndex idx;
    idx.build(pts);
    auto last = idx.nearest(32766 * 0.05 + 0.5, 500, 1.0);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->point, 32767);
    auto first = idx.nearest(-0.5, 500, 1.0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->point, 1);
}
