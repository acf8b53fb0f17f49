// Layout of the chart on a target: titles, legend, axes, category labels, statistics and
// control lines.
#include "components/chart/ChartLayout.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

using zel::ChartModel;
using zel::ChartType;

namespace {

bool stacked(const ChartModel& m) {
    return (m.chartType() == ChartType::Bar && (m.chartStyle() == zel::chartstyles::kBarStacked ||
                                                m.chartStyle() == zel::chartstyles::kBarStackedHorizontal)) ||
           (m.chartType() == ChartType::Area && m.chartStyle() == zel::chartstyles::kAreaStacked);
}

QString elided(const QFontMetricsF& fm, const QString& s, double width) {
    return fm.horizontalAdvance(s) <= width ? s : fm.elidedText(s, Qt::ElideRight, width);
}

// The positions along the categories that the plot must reach besides the data's:
// the reference lines and the drawn curve (specification limits outside the classes
// of a histogram, and the fitted curve out to them).
std::vector<double> beyondData(const ChartModel& m) {
    std::vector<double> xs;
    for (const zel::ReferenceLine& r : m.referenceLines())
        xs.push_back(r.x);
    if (m.drawsCurve())
        for (const zel::CurvePoint& c : m.curvePoints())
            xs.push_back(c.x);
    return xs;
}

} // namespace

ChartLayout::Family ChartLayout::familyOf(const ChartModel& m) {
    switch (m.chartType()) {
    case ChartType::Pie:
        return Family::Pie;
    case ChartType::Pie3D:
    case ChartType::Bar3D:
    case ChartType::Area3D:
    case ChartType::Scatter3D:
        return Family::ThreeD;
    case ChartType::Bar:
        return Family::Bar;
    case ChartType::Gantt:
        return Family::Gantt;
    case ChartType::Scatter:
        return Family::Scatter;
    case ChartType::StatsByVariable:
        return Family::Stats;
    default:
        return Family::Line;
    }
}

bool ChartLayout::isCartesian(Family f) {
    return f != Family::Pie && f != Family::ThreeD;
}

QString ChartLayout::labelOf(const ChartModel& m, int point) const {
    if (m.isUnlabelled(point)) return QString();
    return QString::fromStdString(m.pointLabelAt(point));
}

void ChartLayout::computeValueExtent(const ChartModel& m, double& lo, double& hi, bool& valid) const {
    lo = std::numeric_limits<double>::infinity();
    hi = -lo;
    auto take = [&](double v) {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    };
    const int ns = m.seriesCount(), np = m.pointCount();
    if (stacked(m)) {
        for (int p = 1; p <= np; ++p) {
            double pos = 0, neg = 0;
            for (int s = 1; s <= ns; ++s) {
                if (!m.isPlotted(s, p)) continue;
                const double v = m.value(s, p);
                (v >= 0 ? pos : neg) += v;
            }
            take(pos);
            take(neg);
        }
    } else {
        const auto& vals = m.values();
        for (int s = 1; s <= ns; ++s)
            for (int p = 1; p <= np; ++p) {
                const double v = vals[static_cast<std::size_t>(s - 1) * np + (p - 1)];
                if (std::isfinite(v) && m.isPlotted(s, p)) take(v);
            }
    }
    for (const auto& l : m_statLines) {
        take(l.valueAt(l.x0));
        take(l.valueAt(l.x1));
    }
    if (m.overlayMode() == zel::overlaymodes::kLeftAxis)
        for (int p = 1; p <= np; ++p)
            take(m.overlayValueAt(p));
    if (m.drawsCurve())
        for (const zel::CurvePoint& c : m.curvePoints())
            take(c.y);
    if (m_family == Family::Bar || (m.chartType() == ChartType::Area)) take(0.0);
    valid = std::isfinite(lo) && std::isfinite(hi);
}

void ChartLayout::categoryRange(const ChartModel& m) {
    m_alongLo = 0.5;
    m_alongHi = std::max(1, m_points) + 0.5;
    if (m_numericX || m_horizontal || !isCartesian(m_family)) return;
    // Half a slot of room beyond a line or curve that lies outside the categories.
    const double first = m_alongLo, last = m_alongHi;
    for (double x : beyondData(m)) {
        if (x < first) m_alongLo = std::min(m_alongLo, x - 0.5);
        if (x > last) m_alongHi = std::max(m_alongHi, x + 0.5);
    }
}

zel::AxisScale ChartLayout::makeValueAxis(const ChartModel& m, double length) const {
    double lo = m_extentLo, hi = m_extentHi;
    if (!m_extentValid) {
        lo = 0;
        hi = 1;
    }
    const double spacing = (m_horizontal ? 90.0 : 40.0) * m_unit;
    const int intervals = std::clamp(static_cast<int>(length / spacing), 2, 10);
    zel::AxisRequest r = zel::axisRequest(m.leftAxis(), intervals);
    r.logarithmic = m.chartType() == ChartType::Logarithmic;
    // Reset switch one holds the automatic range of an earlier draw.
    if (r.mode != zel::AxisMode::Fixed && !r.logarithmic && m.resetSwitchOne() == 1 &&
        m.hasHeldValueRange()) {
        r.mode = zel::AxisMode::Fixed;
        r.fixedMin = m.heldMin();
        r.fixedMax = m.heldMax();
        r.ticks = 0;
    }
    return zel::computeAxis(lo, hi, r);
}

ChartLayout::ChartLayout(const ChartModel& m, const QRectF& target, const QFont& font, double unit, bool mono,
                         PlotInsets insets)
    : m_target(target), m_font(font), m_unit(unit), m_mono(mono) {
    m_family = familyOf(m);
    m_points = m.pointCount();
    m_titleFont = font;
    m_titleFont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * 1.3))));
    m_titleFont.setBold(true);
    const QFontMetricsF fm(m_font);
    const QFontMetricsF tfm(m_titleFont);
    const double u = unit;
    const double margin = 10 * u;
    const double lineH = fm.height();

    m_horizontal = (m_family == Family::Bar && (m.chartStyle() == zel::chartstyles::kBarHorizontal ||
                                                m.chartStyle() == zel::chartstyles::kBarStackedHorizontal)) ||
                   m_family == Family::Gantt;
    m_numericX = m_family == Family::Scatter || (m_family == Family::Line && m.hasXPositions());
    m_hasRight = isCartesian(m_family) && m.overlayMode() == zel::overlaymodes::kRightAxis;
    categoryRange(m);
    m_filledSwatch = m_family == Family::Bar || m_family == Family::Gantt || m_family == Family::Pie ||
                     m.chartType() == ChartType::Area || m.chartType() == ChartType::Band ||
                     m_family == Family::ThreeD;

    QRectF inner = target.adjusted(margin, margin, -margin, -margin);

    // Titles.
    if (!m.titleTop().empty()) {
        m_titleTop = QRectF(inner.left(), inner.top(), inner.width(), tfm.height() + 6 * u);
        inner.setTop(m_titleTop.bottom() + 4 * u);
    }
    if (!m.titleBottom().empty()) {
        m_titleBottom = QRectF(inner.left(), inner.bottom() - lineH - 4 * u, inner.width(), lineH + 4 * u);
        inner.setBottom(m_titleBottom.top() - 2 * u);
    }
    auto sideWidth = [&](const std::string& t, int style) {
        if (t.empty()) return 0.0;
        if (style == 1) return lineH + 6 * u;
        return std::min(fm.horizontalAdvance(QString::fromStdString(t)) + 8 * u, inner.width() * 0.2);
    };
    const double lw = sideWidth(m.titleLeft(), m.titleLeftStyle());
    if (lw > 0) {
        m_titleLeft = QRectF(inner.left(), inner.top(), lw, inner.height());
        inner.setLeft(inner.left() + lw + 2 * u);
    }
    const double rw = sideWidth(m.titleRight(), m.titleRightStyle());
    if (rw > 0) {
        m_titleRight = QRectF(inner.right() - rw, inner.top(), rw, inner.height());
        inner.setRight(inner.right() - rw - 2 * u);
    }

    // Legend on the right.
    double legendTextW = 0;
    const int legendMax = std::min(m.seriesCount(), 64);
    for (int s = 1; s <= legendMax; ++s) {
        // The last series of a Gantt chart only closes the last task.
        if (m_family == Family::Gantt && m.seriesCount() > 1 && s == m.seriesCount()) continue;
        const QString t = QString::fromStdString(m.legendAt(s));
        if (t.isEmpty()) continue;
        m_legendSeries.push_back(s);
        legendTextW = std::max(legendTextW, fm.horizontalAdvance(t));
    }
    if (!m_legendSeries.empty()) {
        const double w = std::min(26 * u + legendTextW + 14 * u, inner.width() * 0.28);
        const double rowH = lineH + 4 * u;
        const double h = std::min(rowH * static_cast<double>(m_legendSeries.size()) + 10 * u, inner.height());
        m_legend = QRectF(inner.right() - w, inner.top() + (inner.height() - h) / 2, w, h);
        inner.setRight(m_legend.left() - 10 * u);
    }

    if (!isCartesian(m_family)) {
        m_plot = inner;
        return;
    }

    readRoles(m);
    m_statLines = (m_family == Family::Gantt || m_family == Family::Stats || stacked(m))
                      ? std::vector<zel::StatLine>{}
                      : zel::statisticsLines(m);
    // A line's own mean is the line itself: statistics lines are drawn for data only.
    std::erase_if(m_statLines,
                  [this](const zel::StatLine& l) { return roleOf(l.series) != zel::SeriesRole::Data; });

    computeValueExtent(m, m_extentLo, m_extentHi, m_extentValid);
    const double tick = 5 * u;
    // The value axis on the first pass, to know how wide its labels are.
    const double valueLen0 = m_horizontal ? inner.width() * 0.75 : inner.height() * 0.8;
    m_value = makeValueAxis(m, valueLen0);
    auto widest = [&](const zel::AxisScale& a) {
        double w = 0;
        for (const auto& s : a.labels)
            w = std::max(w, fm.horizontalAdvance(QString::fromStdString(s)));
        return w;
    };

    if (m_hasRight) {
        const auto& a = m.rightAxis();
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (int p = 1; p <= m.pointCount(); ++p) {
            const double v = m.overlayValueAt(p);
            if (std::isfinite(v)) {
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        }
        if (!std::isfinite(lo)) {
            lo = 0;
            hi = 1;
        }
        const int intervals = std::clamp(static_cast<int>(inner.height() * 0.8 / (40 * u)), 2, 10);
        m_right = zel::computeAxis(lo, hi, zel::axisRequest(a, intervals));
    }

    if (m_numericX) {
        // A line series whose x positions were never written (all 0) shares those of
        // series 1, as the class mids of a histogram are written for series 1 only.
        m_xSeries.assign(static_cast<std::size_t>(m.seriesCount()), 0);
        for (int s = 1; s <= m.seriesCount(); ++s) {
            int from = s;
            if (m_family == Family::Line && s > 1 && m.hasXPositions()) {
                bool unset = true;
                for (int p = 1; p <= m.pointCount() && unset; ++p)
                    unset = m.xPos(s, p) == 0.0;
                if (unset) from = 1;
            }
            m_xSeries[static_cast<std::size_t>(s - 1)] = from;
        }
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (int s = 1; s <= m.seriesCount(); ++s)
            for (int p = 1; p <= m.pointCount(); ++p) {
                if (!m.isPlotted(s, p)) continue;
                const double x = m.hasXPositions() ? m.xPos(xSeriesOf(s), p) : p;
                if (std::isfinite(x)) {
                    lo = std::min(lo, x);
                    hi = std::max(hi, x);
                }
            }
        if (std::isfinite(lo) && !m_horizontal) {
            // A line beyond the data keeps a little room from the plot's edge.
            double reachLo = lo, reachHi = hi;
            for (double x : beyondData(m)) {
                reachLo = std::min(reachLo, x);
                reachHi = std::max(reachHi, x);
            }
            const double pad = 0.03 * (reachHi - reachLo);
            if (reachLo < lo) lo = reachLo - pad;
            if (reachHi > hi) hi = reachHi + pad;
        }
        if (!std::isfinite(lo)) {
            lo = 0;
            hi = 1;
        }
        const int intervals = std::clamp(static_cast<int>(inner.width() / (90 * u)), 2, 10);
        m_x = zel::computeAxis(lo, hi, zel::axisRequest(m.xAxis(), intervals));
    }

    // Side widths and bottom depth; a side is never narrower than its shared inset.
    const std::vector<PendingName> names = pendingEdgeNames(m);
    const double insetLeft = insets.left - (inner.left() - target.left());
    const double insetRight = insets.right - (target.right() - inner.right());
    double leftW = 0, rightW = 0, bottomH = 0;
    const double rightLabelW = m_hasRight ? widest(m_right) + tick + 6 * u : 0;
    if (!m_horizontal) {
        leftW = std::max(widest(m_value) + tick + 6 * u, insetLeft);
        rightW = std::max(rightLabelW, m_numericX ? widest(m_x) / 2 : 0.0);
        if (controlLabelsOutside())
            for (const PendingName& n : names)
                rightW = std::max(rightW, fm.horizontalAdvance(n.text) + 8 * u);
        rightW = std::max(rightW, insetRight);
        const double plotW = inner.width() - leftW - rightW;
        if (m_numericX)
            bottomH = tick + lineH + 6 * u;
        else
            layoutCategoryLabels(m, plotW, bottomH);
        m_plot = QRectF(inner.left() + leftW, inner.top() + lineH / 2, plotW,
                        inner.height() - bottomH - lineH / 2);
        // Second pass: the value axis for the final height.
        m_value = makeValueAxis(m, m_plot.height());
        const double lw2 = widest(m_value) + tick + 6 * u;
        if (lw2 > leftW) m_plot.setLeft(inner.left() + lw2);
    } else {
        bottomH = tick + lineH + 6 * u;
        const double plotH = inner.height() - bottomH - lineH / 2;
        double depth = 0;
        layoutCategoryLabels(m, plotH, depth);
        leftW = std::max(depth, insetLeft);
        const double lastHalf = m_value.labels.empty()
                                    ? 0
                                    : fm.horizontalAdvance(QString::fromStdString(m_value.labels.back())) / 2;
        rightW = std::max({rightLabelW, lastHalf, insetRight});
        m_plot = QRectF(inner.left() + leftW, inner.top() + lineH / 2, inner.width() - leftW - rightW, plotH);
        m_value = makeValueAxis(m, m_plot.width());
    }
    if (m_hasRight) m_plot.setRight(std::min(m_plot.right(), inner.right() - rightLabelW));
    if (m_plot.width() < 4 * u) m_plot.setWidth(4 * u);
    if (m_plot.height() < 4 * u) m_plot.setHeight(4 * u);
    // Whole pixels at the plot's edges keep its frame and axes crisp whatever the font metrics.
    m_plot = QRectF(QPointF(std::round(m_plot.left()), std::round(m_plot.top())),
                    QPointF(std::round(m_plot.right()), std::round(m_plot.bottom())));

    m_slot = (m_horizontal ? m_plot.height() : m_plot.width()) / (m_alongHi - m_alongLo);
    placeCategoryLabels();
    placeEdgeNames(names);

    // Value tick labels.
    for (std::size_t i = 0; i < m_value.ticks.size(); ++i) {
        const QString t = QString::fromStdString(m_value.labels[i]);
        const double w = fm.horizontalAdvance(t);
        const double pos = valuePos(m_value.ticks[i]);
        Label l;
        l.text = t;
        if (!m_horizontal)
            l.rect = QRectF(m_plot.left() - tick - 3 * u - w, pos - lineH / 2, w, lineH);
        else
            l.rect = QRectF(pos - w / 2, m_plot.bottom() + tick + 2 * u, w, lineH);
        m_valueLabels.push_back(l);
    }
    // Numeric x labels, thinned when they would touch.
    if (m_numericX && !m_x.ticks.empty()) {
        double lastRight = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < m_x.ticks.size(); ++i) {
            const QString t = QString::fromStdString(m_x.labels[i]);
            const double w = fm.horizontalAdvance(t);
            const double pos = xPos(m_x.ticks[i]);
            QRectF r(pos - w / 2, m_plot.bottom() + tick + 2 * u, w, lineH);
            if (r.left() < lastRight + 6 * u) continue;
            lastRight = r.right();
            m_catLabels.push_back({t, r, false});
        }
    }
}

void ChartLayout::layoutCategoryLabels(const ChartModel& m, double length, double& depth) {
    const QFontMetricsF fm(m_font);
    const double u = m_unit;
    const double lineH = fm.height();
    const int n = std::max(1, m.pointCount());
    const double slot = length / (m_alongHi - m_alongLo);
    // Never closer than a line apart, whichever way the labels read.
    const int minStep = std::max(1, static_cast<int>(std::ceil(lineH * 1.15 / std::max(slot, 1e-9))));
    bool any = false;
    double widest = 0;
    m_planned.clear();
    for (int p = 1; p <= n; p += minStep) {
        QString t = labelOf(m, p);
        if (!t.isEmpty()) any = true;
        m_planned.emplace_back(p, t);
    }
    if (!any) {
        // Without labels the categories are numbered.
        for (auto& [p, t] : m_planned)
            t = QString::number(p);
    }
    for (const auto& [p, t] : m_planned)
        widest = std::max(widest, fm.horizontalAdvance(t));
    const double maxLen = (m_horizontal ? m_target.width() : m_target.height()) * 0.28;
    m_labelStep = minStep;
    if (m_horizontal) {
        m_labelsUpright = false;
        m_labelExtent = std::min(widest, maxLen);
        depth = m_labelExtent + 5 * u + 6 * u;
        return;
    }
    if (minStep == 1 && widest + 6 * u <= slot) {
        m_labelsUpright = false;
        m_labelExtent = widest;
        depth = 5 * u + lineH + 6 * u;
        return;
    }
    m_labelsUpright = true;
    m_labelExtent = std::min(widest, maxLen);
    depth = 5 * u + m_labelExtent + 8 * u;
}

void ChartLayout::placeCategoryLabels() {
    if (m_numericX) return;
    const QFontMetricsF fm(m_font);
    const double u = m_unit;
    const double lineH = fm.height();
    for (const auto& [p, text] : m_planned) {
        const double c = categoryPos(p);
        Label l;
        l.upright = m_labelsUpright;
        if (m_horizontal) {
            l.text = elided(fm, text, m_labelExtent);
            const double w = fm.horizontalAdvance(l.text);
            l.rect = QRectF(m_plot.left() - 5 * u - 3 * u - w, c - lineH / 2, w, lineH);
        } else if (!m_labelsUpright) {
            l.text = text;
            const double w = fm.horizontalAdvance(text);
            l.rect = QRectF(c - w / 2, m_plot.bottom() + 5 * u + 2 * u, w, lineH);
        } else {
            l.text = elided(fm, text, m_labelExtent);
            const double w = fm.horizontalAdvance(l.text);
            l.rect = QRectF(c - lineH / 2, m_plot.bottom() + 5 * u + 3 * u, lineH, w);
        }
        m_catLabels.push_back(l);
    }
}

void ChartLayout::readRoles(const ChartModel& m) {
    // Line charts draw each series as its role says; the other families draw every
    // series as data. Data series take the looks 1, 2, ... in order, the lines step aside.
    const auto n = static_cast<std::size_t>(m.seriesCount());
    const bool lineKind = m.chartType() == ChartType::Line || m.chartType() == ChartType::TimeSeries;
    m_roles.assign(n, zel::SeriesRole::Data);
    m_look.assign(n, 0);
    int next = 1;
    for (std::size_t i = 0; i < n; ++i) {
        if (lineKind) m_roles[i] = m.seriesRole(static_cast<int>(i) + 1);
        m_look[i] = m_roles[i] == zel::SeriesRole::Data ? next++ : static_cast<int>(i) + 1;
    }
}

zel::SeriesRole ChartLayout::roleOf(int series) const {
    if (series < 1 || series > static_cast<int>(m_roles.size())) return zel::SeriesRole::Data;
    return m_roles[static_cast<std::size_t>(series - 1)];
}

bool ChartLayout::isControlChart() const {
    return std::any_of(m_roles.begin(), m_roles.end(), zel::isControlLineRole);
}

bool ChartLayout::controlLabelsOutside() const {
    return isControlChart() && !m_horizontal && !m_hasRight;
}

std::vector<ChartLayout::PendingName> ChartLayout::pendingEdgeNames(const ChartModel& m) const {
    std::vector<PendingName> names;
    const bool controlChart = isControlChart();
    using CL = SeriesStyle::ControlLine;
    for (int s = 1; s <= static_cast<int>(m_roles.size()); ++s) {
        const auto c = controlLine(s);
        if (!c) continue;
        PendingName n;
        n.text = *c == CL::Centre  ? QStringLiteral("CL")
                 : *c == CL::Upper ? QStringLiteral("UCL")
                                   : QStringLiteral("LCL");
        n.colour = SeriesStyle::controlPen(*c, m_mono, m_unit).color();
        n.rank = *c == CL::Upper ? 0 : *c == CL::Centre ? 4 : 9;
        n.below = *c == CL::Lower;
        n.control = true;
        n.value = controlValueAtEnd(m, s);
        names.push_back(n);
    }
    // The data's own statistics lines, each named at its right end so that a
    // reader tells them apart in monochrome as well: on a control chart only the
    // mean and standard-deviation lines, in grey as the references they are;
    // elsewhere every line, in its own colour.
    for (const zel::StatLine& l : m_statLines) {
        PendingName n;
        switch (l.kind) {
        case zel::StatLineKind::Mean:
            n.text = QStringLiteral("平均");
            n.rank = 5;
            break;
        case zel::StatLineKind::Sigma: {
            const int k = std::abs(l.sigmas);
            n.text = (l.sigmas > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
                     (k > 1 ? QString::number(k) : QString()) + QStringLiteral("σ");
            n.rank = l.sigmas > 0 ? 4 - k : 5 + k;
            n.below = l.sigmas < 0;
            break;
        }
        case zel::StatLineKind::Max:
            n.text = QStringLiteral("最大");
            n.rank = 0;
            break;
        case zel::StatLineKind::Min:
            n.text = QStringLiteral("最小");
            n.rank = 9;
            n.below = true;
            break;
        case zel::StatLineKind::Trend:
            // Over a scatter it is the least-squares line of Y on X.
            n.text =
                m.chartType() == ChartType::Scatter ? QStringLiteral("回帰直線") : QStringLiteral("傾き");
            n.rank = 5;
            break;
        }
        const bool reference = l.kind == zel::StatLineKind::Mean || l.kind == zel::StatLineKind::Sigma;
        if (controlChart && !reference) continue;
        n.colour = controlChart
                       ? SeriesStyle::referenceGrey(m_mono)
                       : SeriesStyle::statLinePen(l.kind, l.sigmas, lookOf(l.series), m_mono, m_unit).color();
        n.value = l.valueAt(l.x1);
        names.push_back(n);
    }
    return names;
}

void ChartLayout::placeEdgeNames(const std::vector<PendingName>& pending) {
    m_edgeNames.clear();
    if (pending.empty()) return;
    const QFontMetricsF fm(m_font);
    const double u = m_unit;
    const double h = fm.height();
    struct Placed {
        const PendingName* name;
        double y;
    };
    std::vector<Placed> names;
    for (const PendingName& n : pending) {
        if (n.control) {
            names.push_back({&n, std::clamp(valuePos(n.value), m_plot.top(), m_plot.bottom())});
            continue;
        }
        // A statistics line outside the axis range is not drawn, so not named.
        const double y = valuePos(n.value);
        if (y >= m_plot.top() - 0.5 && y <= m_plot.bottom() + 0.5) names.push_back({&n, y});
    }
    if (controlLabelsOutside()) {
        // Beside the right edge, centred on each line's end, pushed apart when they meet.
        std::sort(names.begin(), names.end(), [](const Placed& a, const Placed& b) {
            return a.y != b.y ? a.y < b.y : a.name->rank < b.name->rank;
        });
        std::vector<double> tops;
        for (const auto& n : names)
            tops.push_back(n.y - h / 2);
        for (std::size_t i = 1; i < tops.size(); ++i)
            tops[i] = std::max(tops[i], tops[i - 1] + h);
        const double limit = m_target.bottom() - h;
        for (std::size_t i = tops.size(); i-- > 0;)
            tops[i] = std::min(tops[i], i + 1 < tops.size() ? tops[i + 1] - h : limit);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const QString& text = names[i].name->text;
            m_edgeNames.push_back(
                {text, QRectF(m_plot.right() + 4 * u, tops[i], fm.horizontalAdvance(text) + 2 * u, h),
                 names[i].name->colour});
        }
        return;
    }
    // Just inside the right edge, above the line (below it for the lower ones).
    for (const auto& n : names) {
        const double w = fm.horizontalAdvance(n.name->text) + 4 * u;
        QRectF r(m_plot.right() - w - 2 * u, n.y - h - 1 * u, w, h);
        if (n.name->below) r.moveTop(n.y + 1 * u);
        if (r.top() < m_plot.top()) r.moveTop(n.y + 1 * u);
        if (r.bottom() > m_plot.bottom()) r.moveBottom(n.y - 1 * u);
        // Two lines that end close together: the later name steps left of the other.
        for (bool moved = true; moved;) {
            moved = false;
            for (const EdgeName& other : m_edgeNames)
                if (other.rect.intersects(r)) {
                    r.moveRight(other.rect.left() - 2 * u);
                    moved = true;
                }
        }
        m_edgeNames.push_back({n.name->text, r, n.name->colour});
    }
}

double ChartLayout::controlValueAtEnd(const ChartModel& m, int series) const {
    for (int p = m.pointCount(); p >= 1; --p)
        if (m.isPlotted(series, p)) return m.value(series, p);
    return m.value(series, 1);
}

std::optional<SeriesStyle::ControlLine> ChartLayout::controlLine(int series) const {
    using CL = SeriesStyle::ControlLine;
    switch (roleOf(series)) {
    case zel::SeriesRole::CentreLine:
        return CL::Centre;
    case zel::SeriesRole::UpperLimit:
    case zel::SeriesRole::UpperSpecLimit:
        return CL::Upper;
    case zel::SeriesRole::LowerLimit:
    case zel::SeriesRole::LowerSpecLimit:
        return CL::Lower;
    case zel::SeriesRole::Data:
    case zel::SeriesRole::StatisticLine:
        break;
    }
    return std::nullopt;
}

double ChartLayout::valuePos(double v) const {
    const double a = m_horizontal ? m_plot.left() : m_plot.bottom();
    const double b = m_horizontal ? m_plot.right() : m_plot.top();
    if (m_value.logarithmic) return zel::LogMap(m_value.min, m_value.max, a, b).toDevice(v);
    return zel::LinearMap(m_value.min, m_value.max, a, b).toDevice(v);
}

double ChartLayout::rightPos(double v) const {
    return zel::LinearMap(m_right.min, m_right.max, m_plot.bottom(), m_plot.top()).toDevice(v);
}

double ChartLayout::categoryPos(int point) const {
    return (m_horizontal ? m_plot.top() : m_plot.left()) + (point - m_alongLo) * m_slot;
}

double ChartLayout::slotAt(double device) const {
    return (device - (m_horizontal ? m_plot.top() : m_plot.left())) / m_slot + m_alongLo;
}

double ChartLayout::xPos(double x) const {
    return zel::LinearMap(m_x.min, m_x.max, m_plot.left(), m_plot.right()).toDevice(x);
}

double ChartLayout::alongAt(double x) const {
    if (m_numericX) return xPos(x);
    return (m_horizontal ? m_plot.top() : m_plot.left()) + (x - m_alongLo) * m_slot;
}

double ChartLayout::alongOf(const ChartModel& m, int series, int point) const {
    if (m_numericX) return xPos(m.hasXPositions() ? m.xPos(xSeriesOf(series), point) : point);
    return categoryPos(point);
}

void ChartLayout::paintBackground(QPainter& p) const {
    p.fillRect(m_target, Qt::white);
}

void ChartLayout::paintTitles(QPainter& p, const ChartModel& m) const {
    p.setPen(SeriesStyle::ink());
    if (!m_titleTop.isNull()) {
        p.setFont(m_titleFont);
        const QFontMetricsF tfm(m_titleFont);
        p.drawText(m_titleTop, Qt::AlignCenter,
                   elided(tfm, QString::fromStdString(m.titleTop()), m_titleTop.width()));
    }
    p.setFont(m_font);
    const QFontMetricsF fm(m_font);
    if (!m_titleBottom.isNull()) {
        // Centred under the plot area where there is one.
        QRectF r = m_titleBottom;
        if (isCartesian(m_family) && !m_plot.isNull()) {
            r.setLeft(m_plot.left());
            r.setRight(m_plot.right());
        }
        p.drawText(r, Qt::AlignCenter, elided(fm, QString::fromStdString(m.titleBottom()), r.width()));
    }
    auto side = [&](const QRectF& r, const std::string& text, int style, bool left) {
        if (r.isNull()) return;
        const QString t = QString::fromStdString(text);
        const double top = m_plot.isNull() ? r.top() : m_plot.top();
        const double bottom = m_plot.isNull() ? r.bottom() : m_plot.bottom();
        if (style == 1) {
            p.save();
            const QPointF c(r.center().x(), (top + bottom) / 2);
            p.translate(c);
            p.rotate(left ? -90 : 90);
            const double len = bottom - top;
            p.drawText(QRectF(-len / 2, -r.width() / 2, len, r.width()), Qt::AlignCenter, elided(fm, t, len));
            p.restore();
        } else {
            p.drawText(QRectF(r.left(), (top + bottom) / 2 - fm.height() / 2, r.width(), fm.height()),
                       Qt::AlignCenter, elided(fm, t, r.width()));
        }
    };
    side(m_titleLeft, m.titleLeft(), m.titleLeftStyle(), true);
    side(m_titleRight, m.titleRight(), m.titleRightStyle(), false);
}

void ChartLayout::paintLegend(QPainter& p, const ChartModel& m) const {
    if (m_legend.isNull()) return;
    const QFontMetricsF fm(m_font);
    const double u = m_unit;
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8 * u));
    p.setBrush(Qt::white);
    p.drawRect(m_legend);
    const double rowH = fm.height() + 4 * u;
    double y = m_legend.top() + 5 * u;
    p.setFont(m_font);
    for (int s : m_legendSeries) {
        if (y + rowH > m_legend.bottom() + 0.5) break;
        const QRectF sw(m_legend.left() + 8 * u, y + rowH / 2 - 5 * u, 16 * u, 10 * u);
        if (m_filledSwatch) {
            p.setPen(SeriesStyle::outlinePen(s, m_mono, u));
            p.setBrush(SeriesStyle::fillBrush(s, m_mono));
            p.drawRect(sw);
        } else {
            if (auto c = controlLine(s)) {
                p.setPen(SeriesStyle::controlPen(*c, m_mono, u));
                p.drawLine(QPointF(sw.left(), sw.center().y()), QPointF(sw.right(), sw.center().y()));
            } else if (roleOf(s) == zel::SeriesRole::StatisticLine) {
                p.setPen(SeriesStyle::statisticSeriesPen(m_mono, u));
                p.drawLine(QPointF(sw.left(), sw.center().y()), QPointF(sw.right(), sw.center().y()));
            } else {
                const int look = lookOf(s);
                p.setPen(SeriesStyle::linePen(look, m_mono, u));
                p.drawLine(QPointF(sw.left(), sw.center().y()), QPointF(sw.right(), sw.center().y()));
                QPen mp(m_mono ? QColor(Qt::black) : SeriesStyle::colour(look).darker(130), 1.0 * u);
                SeriesStyle::drawMarker(p, sw.center(), SeriesStyle::marker(look), 7 * u, mp,
                                        SeriesStyle::markerBrush(look, m_mono));
            }
        }
        p.setPen(SeriesStyle::ink());
        const QRectF tr(sw.right() + 6 * u, y, m_legend.right() - sw.right() - 10 * u, rowH);
        p.drawText(tr, Qt::AlignVCenter | Qt::AlignLeft,
                   elided(fm, QString::fromStdString(m.legendAt(s)), tr.width()));
        y += rowH;
    }
}

void ChartLayout::paintGrid(QPainter& p, const ChartModel& m) const {
    const int lines = m.gridLines();
    if (lines == 0) return;
    p.save();
    p.setPen(SeriesStyle::gridPen(m.gridLineStyle(), m_unit));
    const bool wantH = lines == 1 || lines == 3;
    const bool wantV = lines == 2 || lines == 3;
    // Lines along the value ticks and between the categories (or at the x ticks).
    std::vector<double> valueLines, crossLines;
    for (double t : m_value.ticks)
        valueLines.push_back(valuePos(t));
    if (m_numericX) {
        for (double t : m_x.ticks)
            crossLines.push_back(xPos(t));
    } else {
        // Between the categories; on crowded axes only at the labelled ones.
        const int step = std::max(1, m_labelStep);
        for (int i = step; i < m_points; i += step)
            crossLines.push_back(alongAt(i + 0.5));
    }
    const auto& hLines = m_horizontal ? crossLines : valueLines;
    const auto& vLines = m_horizontal ? valueLines : crossLines;
    if (wantH)
        for (double y : hLines)
            p.drawLine(QPointF(m_plot.left(), y), QPointF(m_plot.right(), y));
    if (wantV)
        for (double x : vLines)
            p.drawLine(QPointF(x, m_plot.top()), QPointF(x, m_plot.bottom()));
    p.restore();
}

void ChartLayout::paintFrame(QPainter& p) const {
    p.save();
    QPen axis(SeriesStyle::ink(), 1.0 * m_unit);
    axis.setJoinStyle(Qt::MiterJoin);
    p.setPen(axis);
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_plot);
    p.restore();
}

int ChartLayout::xSeriesOf(int series) const {
    if (series < 1 || series > static_cast<int>(m_xSeries.size())) return series;
    return m_xSeries[static_cast<std::size_t>(series - 1)];
}

int ChartLayout::lookOf(int series) const {
    if (series < 1 || series > static_cast<int>(m_look.size())) return series;
    return m_look[static_cast<std::size_t>(series - 1)];
}

void ChartLayout::paintAxes(QPainter& p) const {
    const double u = m_unit;
    const double tick = 5 * u;
    p.save();
    QPen axis(SeriesStyle::ink(), 1.0 * u);
    axis.setCapStyle(Qt::SquareCap);
    p.setPen(axis);
    p.setBrush(Qt::NoBrush);
    p.setFont(m_font);
    // value ticks
    for (double t : m_value.ticks) {
        const double d = valuePos(t);
        if (!m_horizontal)
            p.drawLine(QPointF(m_plot.left() - tick, d), QPointF(m_plot.left(), d));
        else
            p.drawLine(QPointF(d, m_plot.bottom()), QPointF(d, m_plot.bottom() + tick));
    }
    if (m_hasRight)
        for (std::size_t i = 0; i < m_right.ticks.size(); ++i) {
            const double d = rightPos(m_right.ticks[i]);
            p.drawLine(QPointF(m_plot.right(), d), QPointF(m_plot.right() + tick, d));
            const QString t = QString::fromStdString(m_right.labels[i]);
            const QFontMetricsF fm(m_font);
            p.drawText(QRectF(m_plot.right() + tick + 3 * u, d - fm.height() / 2, fm.horizontalAdvance(t) + 2,
                              fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, t);
        }
    if (m_numericX) {
        for (double t : m_x.ticks) {
            const double d = xPos(t);
            p.drawLine(QPointF(d, m_plot.bottom()), QPointF(d, m_plot.bottom() + tick));
        }
    } else {
        // Category boundaries (at the labelled categories when crowded).
        const int step = std::max(1, m_labelStep);
        for (int i = 0; i <= m_points; i += step) {
            const double d = alongAt(i + 0.5);
            if (m_horizontal)
                p.drawLine(QPointF(m_plot.left() - tick, d), QPointF(m_plot.left(), d));
            else
                p.drawLine(QPointF(d, m_plot.bottom()), QPointF(d, m_plot.bottom() + tick));
        }
    }
    for (const auto& l : m_valueLabels)
        p.drawText(l.rect.adjusted(-1, 0, 1, 0), Qt::AlignCenter, l.text);
    for (const auto& l : m_catLabels) {
        if (!l.upright) {
            p.drawText(l.rect.adjusted(-1, 0, 1, 0), Qt::AlignCenter, l.text);
        } else {
            p.save();
            p.translate(l.rect.center());
            p.rotate(-90);
            p.drawText(
                QRectF(-l.rect.height() / 2 - 1, -l.rect.width() / 2, l.rect.height() + 2, l.rect.width()),
                Qt::AlignRight | Qt::AlignVCenter, l.text);
            p.restore();
        }
    }
    p.restore();
}

void ChartLayout::paintStatLines(QPainter& p) const {
    if (m_statLines.empty()) return;
    p.save();
    p.setClipRect(m_plot);
    p.setRenderHint(QPainter::Antialiasing, true);
    // On a control chart the data's own statistics lines stay in the background,
    // thin and grey, so that none of them is taken for CL, UCL or LCL.
    const bool controlChart = isControlChart();
    for (const auto& l : m_statLines) {
        QPen pen = SeriesStyle::statLinePen(l.kind, l.sigmas, lookOf(l.series), m_mono, m_unit);
        if (controlChart && l.kind != zel::StatLineKind::Trend) {
            pen.setColor(SeriesStyle::referenceGrey(m_mono));
            pen.setWidthF(0.8 * m_unit);
            if (l.kind == zel::StatLineKind::Mean) pen.setDashPattern({1.5, 2.5});
        }
        p.setPen(pen);
        if (l.kind == zel::StatLineKind::Trend) {
            p.drawLine(at(alongAt(l.x0), valuePos(l.valueAt(l.x0))),
                       at(alongAt(l.x1), valuePos(l.valueAt(l.x1))));
        } else {
            const double v = valuePos(l.value);
            if (m_horizontal)
                p.drawLine(QPointF(v, m_plot.top()), QPointF(v, m_plot.bottom()));
            else
                p.drawLine(QPointF(m_plot.left(), v), QPointF(m_plot.right(), v));
        }
    }
    p.restore();
}

void ChartLayout::paintControlLabels(QPainter& p) const {
    if (m_edgeNames.empty()) return;
    p.save();
    p.setFont(m_font);
    for (const EdgeName& n : m_edgeNames) {
        p.setPen(n.colour);
        p.drawText(n.rect, Qt::AlignCenter, n.text);
    }
    p.restore();
}
