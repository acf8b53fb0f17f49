// Where a chart view draws a point, and clicks on it as a user's: found from
// the layout the chart draws with, or the way the chart itself finds what a
// click hits. Clicks go to the widget directly (QTest) or through the X server
// (X11Input.h).
#pragma once

#include "components/chart/ChartLayout.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"

#include "X11Input.h"

#include <QPoint>
#include <QtTest>

#include <optional>

namespace uitest {

// The widget position inside a drawn element, from the chart's layout: the
// bar's middle, or the point itself.
inline QPoint elementPixel(ChartView* view, int series, int point) {
    const zel::ChartModel& m = view->model();
    const ChartLayout layout = ChartRenderer::layoutFor(m, QRectF(view->rect()), view->renderOptions());
    const bool bar = m.chartType() == zel::ChartType::Bar;
    const double v = bar ? m.value(series, point) / 2 : m.value(series, point);
    return layout.at(layout.alongOf(m, series, point), layout.valuePos(v)).toPoint();
}

// The first pixel, on a grid of this step, where a click hits the point of the
// series (of any series for 0); (-1, -1) when the chart draws none.
inline QPoint hitPixel(ChartView* view, int series, int point, int step = 3) {
    const QRectF target(view->rect());
    const ChartRenderer::Options options = view->renderOptions();
    for (int y = 2; y < view->height(); y += step)
        for (int x = 2; x < view->width(); x += step) {
            const std::optional<ChartHit> hit =
                ChartRenderer::hitTest(view->model(), target, QPointF(x, y), options);
            if (hit && (series == 0 || hit->series == series) && hit->point == point) return {x, y};
        }
    return {-1, -1};
}

// A left click on the point as drawn; false when the chart draws no such point.
inline bool clickPoint(ChartView* view, int series, int point, int step = 3) {
    const QPoint at = hitPixel(view, series, point, step);
    if (at.x() < 0) return false;
    QTest::mouseClick(view, Qt::LeftButton, {}, at);
    return true;
}

} // namespace uitest

namespace x11input {

// A click through the X server on the point as drawn (button 1 left, 3 right);
// false when the chart draws no such point.
inline bool clickPoint(ChartView* view, int series, int point, int button = 1) {
    const QPoint at = uitest::hitPixel(view, series, point);
    return at.x() >= 0 && click(view, at, button);
}

} // namespace x11input
