// Tests of the chart's 3-D projection.
#include "components/chart/Projection3D.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(Projection3D, ZeroAnglesParallelShowTheFrontFace) {
    const Projection3D p(ViewAngles{0, 0, 0});
    EXPECT_TRUE(p.isParallel());
    const Projected a = p.project(1.0, 1.0, 0.0);
    EXPECT_NEAR(a.x, 0.5, 1e-12);
    EXPECT_NEAR(a.y, 0.5, 1e-12);
    // Depth does not move a point in a parallel front view, only orders it.
    const Projected b = p.project(1.0, 1.0, 1.0);
    EXPECT_NEAR(b.x, 0.5, 1e-12);
    EXPECT_NEAR(b.y, 0.5, 1e-12);
    EXPECT_GT(b.depth, a.depth);
}

TEST(Projection3D, QuarterTurnSwapsAcrossAndDepth) {
    const Projection3D p(ViewAngles{90, 0, 0});
    // The depth axis now runs across the picture...
    EXPECT_NEAR(p.project(0.5, 0.5, 1.0).x, 0.5, 1e-12);
    EXPECT_NEAR(p.project(0.5, 0.5, 0.0).x, -0.5, 1e-12);
    // ... and the x axis points at the viewer: larger x is nearer, at the same place.
    const Projected lo = p.project(0.0, 0.5, 0.5), hi = p.project(1.0, 0.5, 0.5);
    EXPECT_NEAR(lo.x, hi.x, 1e-12);
    EXPECT_LT(hi.depth, lo.depth);
    // Values stay vertical under any rotation.
    EXPECT_NEAR(p.project(0.3, 1.0, 0.7).y, 0.5, 1e-12);
    const Projection3D m(ViewAngles{-90, 0, 0});
    EXPECT_NEAR(m.project(0.5, 0.5, 1.0).x, -0.5, 1e-12);
}

TEST(Projection3D, PerspectiveShrinksFarPoints) {
    const Projection3D p(ViewAngles{0, 100, 0});
    EXPECT_FALSE(p.isParallel());
    const Projected nearCorner = p.project(1.0, 1.0, 0.0);
    const Projected farCorner = p.project(1.0, 1.0, 1.0);
    EXPECT_GT(nearCorner.x, farCorner.x);
    EXPECT_GT(nearCorner.y, farCorner.y);
    EXPECT_GT(farCorner.x, 0.0);
    // Weaker perspective shrinks less.
    const Projection3D weak(ViewAngles{0, 10, 0});
    const double strongRatio = farCorner.x / nearCorner.x;
    const double weakRatio = weak.project(1.0, 1.0, 1.0).x / weak.project(1.0, 1.0, 0.0).x;
    EXPECT_LT(strongRatio, weakRatio);
    EXPECT_LT(weakRatio, 1.0);
    // The box centre stays put.
    EXPECT_NEAR(p.project(0.5, 0.5, 0.5).x, 0.0, 1e-12);
}

TEST(Projection3D, ElevationLiftsTheBackAndOrdersTheTopNearer) {
    const Projection3D p(ViewAngles{0, 0, 30});
    const Projected front = p.project(0.5, 0.0, 0.0);
    const Projected back = p.project(0.5, 0.0, 1.0);
    EXPECT_GT(back.y, front.y);
    // From above, the top face is nearer than the bottom.
    EXPECT_LT(p.project(0.5, 1.0, 0.5).depth, p.project(0.5, 0.0, 0.5).depth);
    const Projection3D below(ViewAngles{0, 0, -30});
    EXPECT_LT(below.project(0.5, 0.0, 1.0).y, below.project(0.5, 0.0, 0.0).y);
}

TEST(Projection3D, FitToPlacesTheBoxInsideTheRectangle) {
    const Projection3D p(ViewAngles{15, 30, 20}, 1.0, 0.8, 0.5);
    const DeviceTransform t = p.fitTo(10, 20, 400, 300, false);
    for (int i = 0; i < 8; ++i) {
        const Projected c = p.project(i & 1, (i >> 1) & 1, (i >> 2) & 1);
        EXPECT_GE(t.x(c), 10 - 1e-9);
        EXPECT_LE(t.x(c), 410 + 1e-9);
        EXPECT_GE(t.y(c), 20 - 1e-9);
        EXPECT_LE(t.y(c), 320 + 1e-9);
    }
    // The top of the box is above its bottom on screen (device y grows downwards).
    EXPECT_LT(t.y(p.project(0.5, 1.0, 0.5)), t.y(p.project(0.5, 0.0, 0.5)));
    const DeviceTransform k = p.fitTo(0, 0, 400, 300, true);
    EXPECT_DOUBLE_EQ(k.scaleX, k.scaleY);
}
