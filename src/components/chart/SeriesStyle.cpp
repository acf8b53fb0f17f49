// Series colours, monochrome greys, hatching and dash patterns, marker shapes.
#include "components/chart/SeriesStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

constexpr QRgb kPalette[] = {0x1f5fa8, 0xe07b1a, 0x2e9e44, 0xc62f2f, 0x7d56b0, 0x8a5a44, 0xd35fb7, 0x6b6b6b,
                             0xa8a61c, 0x1aa5b8, 0x3b3b98, 0xb5651d, 0x4f7f2f, 0x9e1f63, 0x00797c, 0x555555};
constexpr int kPaletteSize = static_cast<int>(sizeof(kPalette) / sizeof(kPalette[0]));

// Greys for monochrome fills, light to dark, each paired with a hatch.
constexpr int kGreys[] = {255, 200, 140, 230, 90, 170, 255, 120};
constexpr Qt::BrushStyle kHatches[] = {Qt::SolidPattern, Qt::SolidPattern, Qt::SolidPattern,
                                       Qt::BDiagPattern, Qt::SolidPattern, Qt::FDiagPattern,
                                       Qt::CrossPattern, Qt::Dense4Pattern};
constexpr int kMonoFills = 8;

// Dash patterns for monochrome lines, in pen widths.
const QVector<qreal>& monoDashes(int index) {
    static const QVector<qreal> patterns[] = {
        {}, {6, 3}, {1.5, 2.5}, {8, 3, 1.5, 3}, {8, 3, 1.5, 3, 1.5, 3}, {12, 4}, {3, 3}, {12, 3, 3, 3}};
    return patterns[index % 8];
}

int wrap(int series, int n) {
    return ((series - 1) % n + n) % n;
}

} // namespace

QColor SeriesStyle::colour(int series) {
    return QColor::fromRgb(kPalette[wrap(series, kPaletteSize)]);
}

QPen SeriesStyle::linePen(int series, bool mono, double unit, double width) {
    QPen pen(mono ? QColor(Qt::black) : colour(series), width * unit);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (mono) {
        const auto& d = monoDashes(wrap(series, 8));
        if (!d.isEmpty()) pen.setDashPattern(d);
    }
    return pen;
}

QBrush SeriesStyle::fillBrush(int series, bool mono) {
    if (!mono) {
        QColor c = colour(series);
        return QBrush(c);
    }
    const int i = wrap(series, kMonoFills);
    if (kHatches[i] == Qt::SolidPattern) {
        const int g = kGreys[i];
        return QBrush(QColor(g, g, g));
    }
    return QBrush(Qt::black, kHatches[i]);
}

QPen SeriesStyle::outlinePen(int series, bool mono, double unit) {
    QColor c = mono ? QColor(Qt::black) : colour(series).darker(140);
    QPen pen(c, 1.0 * unit);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

SeriesStyle::Marker SeriesStyle::marker(int series) {
    return static_cast<Marker>(wrap(series, 8));
}

QBrush SeriesStyle::markerBrush(int series, bool mono) {
    if (!mono) return QBrush(colour(series));
    // Monochrome: filled black for odd series, hollow (white) for even ones.
    return QBrush(wrap(series, 2) == 0 ? QColor(Qt::black) : QColor(Qt::white));
}

void SeriesStyle::drawMarker(QPainter& p, QPointF c, Marker shape, double size, const QPen& pen,
                             const QBrush& brush) {
    const double r = size / 2.0;
    p.setPen(pen);
    p.setBrush(brush);
    switch (shape) {
    case Marker::Circle:
        p.drawEllipse(c, r, r);
        break;
    case Marker::Square:
        p.drawRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7));
        break;
    case Marker::Triangle:
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y() + r * 0.8),
                                 QPointF(c.x() - r, c.y() + r * 0.8)}));
        break;
    case Marker::InvertedTriangle:
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() + r), QPointF(c.x() + r, c.y() - r * 0.8),
                                 QPointF(c.x() - r, c.y() - r * 0.8)}));
        break;
    case Marker::Diamond:
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y()),
                                 QPointF(c.x(), c.y() + r), QPointF(c.x() - r, c.y())}));
        break;
    case Marker::Cross: {
        QPen thick = pen;
        thick.setWidthF(pen.widthF() * 1.5);
        thick.setStyle(Qt::SolidLine);
        p.setPen(thick);
        p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        break;
    }
    case Marker::Plus: {
        QPen thick = pen;
        thick.setWidthF(pen.widthF() * 1.5);
        thick.setStyle(Qt::SolidLine);
        p.setPen(thick);
        p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
        break;
    }
    case Marker::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double rr = (i % 2 == 0) ? r : r * 0.45;
            star << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        }
        p.drawPolygon(star);
        break;
    }
    }
}

QPen SeriesStyle::statLinePen(zel::StatLineKind kind, int sigmas, int series, bool mono, double unit) {
    QColor c = mono ? QColor(Qt::black) : colour(series).darker(120);
    QPen pen(c, 1.0 * unit);
    pen.setCapStyle(Qt::FlatCap);
    switch (kind) {
    case zel::StatLineKind::Mean:
        pen.setWidthF(1.3 * unit);
        break;
    case zel::StatLineKind::Max:
    case zel::StatLineKind::Min:
        pen.setDashPattern({6, 3});
        break;
    case zel::StatLineKind::Sigma: {
        const int k = std::abs(sigmas);
        if (k == 1)
            pen.setDashPattern({1.5, 2.5});
        else if (k == 2)
            pen.setDashPattern({7, 3, 1.5, 3});
        else
            pen.setDashPattern({7, 3, 1.5, 3, 1.5, 3});
        if (!mono) pen.setColor(c.lighter(115));
        break;
    }
    case zel::StatLineKind::Trend:
        pen.setWidthF(1.8 * unit);
        if (mono) {
            // Each series' trend keeps that series' dashes.
            const auto& d = monoDashes(wrap(series, 8));
            if (!d.isEmpty()) pen.setDashPattern(d);
        }
        break;
    }
    return pen;
}

QPen SeriesStyle::controlPen(ControlLine line, bool mono, double unit) {
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    if (line == ControlLine::Centre) {
        pen.setColor(mono ? QColor(Qt::black) : QColor(0x1e8c3a));
        pen.setWidthF(1.4 * unit);
    } else {
        pen.setColor(mono ? QColor(Qt::black) : QColor(0xcc2222));
        pen.setWidthF(1.4 * unit);
        pen.setDashPattern({8, 4});
    }
    return pen;
}

QPen SeriesStyle::statisticSeriesPen(bool mono, double unit) {
    QPen pen(referenceGrey(mono), 1.0 * unit);
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({4, 3});
    return pen;
}

QColor SeriesStyle::referenceGrey(bool mono) {
    return mono ? QColor(140, 140, 140) : QColor(150, 156, 166);
}

QColor SeriesStyle::ink() {
    return QColor(0x20, 0x20, 0x20);
}

QColor SeriesStyle::markInk(bool mono) {
    return mono ? QColor(Qt::black) : QColor(0xcc, 0x22, 0x22);
}

QColor SeriesStyle::signalInk(bool mono) {
    return mono ? QColor(Qt::black) : QColor(0xe0, 0x10, 0x10);
}

QColor SeriesStyle::highlightInk() {
    return QColor(0xff, 0x8c, 0x00);
}

QPen SeriesStyle::referenceLinePen(bool mono, double unit) {
    QPen pen(mono ? QColor(Qt::black) : QColor(0xcc2222), 1.6 * unit);
    pen.setCapStyle(Qt::FlatCap);
    if (mono) pen.setDashPattern({8, 3, 1.5, 3});
    return pen;
}

QColor SeriesStyle::curveInk(bool mono) {
    return mono ? QColor(Qt::black) : QColor(0x20, 0x20, 0x20);
}

QBrush SeriesStyle::markedBrush(bool mono) {
    return QBrush(mono ? QColor(Qt::black) : QColor(0x20, 0x20, 0x20), Qt::DiagCrossPattern);
}

QPen SeriesStyle::gridPen(int style, double unit) {
    QPen pen(QColor(0xb8, 0xb8, 0xb8), 0.8 * unit);
    pen.setCapStyle(Qt::FlatCap);
    switch (style) {
    case 1:
        pen.setDashPattern({6, 4});
        break;
    case 2:
        pen.setDashPattern({1.5, 3});
        break;
    case 3:
        pen.setDashPattern({8, 3, 1.5, 3});
        break;
    case 4:
        pen.setDashPattern({8, 3, 1.5, 3, 1.5, 3});
        break;
    default:
        break;
    }
    return pen;
}
