// The splash window: the product name over a small control chart.
#include "app/rip.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {
constexpr int kWidth = 480;
constexpr int kHeight = 300;
} // namespace

rip::rip(QWidget* parent) : ZelWindow(QStringLiteral("rip"), parent) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(kWidth, kHeight);
    m_version = new QLabel(QString::fromStdString(zel::versionLabel()), this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setStyleSheet(QStringLiteral("color: #dfe8f5; background: transparent;"));
    m_version->setGeometry(24, kHeight - 40, 200, 20);
    setCentredOnShow(true);
}

QString rip::versionText() const {
    return m_version->text();
}

void rip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = rect();

    QLinearGradient bg(all.topLeft(), all.bottomRight());
    bg.setColorAt(0, QColor(18, 42, 86));
    bg.setColorAt(1, QColor(38, 96, 150));
    p.fillRect(all, bg);

    // A control chart: centre line, the two control limits and a run of points.
    const QRectF chart(250, 60, 200, 150);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawRoundedRect(chart.adjusted(-10, -10, 10, 10), 8, 8);
    const double centre = chart.center().y();
    const double ucl = chart.top() + 20;
    const double lcl = chart.bottom() - 20;
    p.setPen(QPen(QColor(120, 220, 140), 1.5));
    p.drawLine(QPointF(chart.left(), centre), QPointF(chart.right(), centre));
    p.setPen(QPen(QColor(255, 110, 90), 1.5, Qt::DashLine));
    p.drawLine(QPointF(chart.left(), ucl), QPointF(chart.right(), ucl));
    p.drawLine(QPointF(chart.left(), lcl), QPointF(chart.right(), lcl));

    constexpr std::array<double, 10> run{0.1, -0.4, 0.3, 0.6, -0.2, -0.7, 0.2, 0.5, -0.1, 0.35};
    QPainterPath line;
    const double step = chart.width() / (run.size() - 1);
    const double half = (lcl - ucl) / 2;
    for (std::size_t i = 0; i < run.size(); ++i) {
        const QPointF pt(chart.left() + step * i, centre - run[i] * half);
        if (i == 0)
            line.moveTo(pt);
        else
            line.lineTo(pt);
    }
    p.setPen(QPen(QColor(250, 210, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.setBrush(QColor(250, 210, 90));
    for (std::size_t i = 0; i < run.size(); ++i)
        p.drawEllipse(QPointF(chart.left() + step * i, centre - run[i] * half), 3.5, 3.5);
    p.setPen(QColor(220, 230, 245));
    QFont small = font();
    small.setPixelSize(10);
    p.setFont(small);
    p.drawText(QPointF(chart.right() + 4, ucl + 4), QStringLiteral("UCL"));
    p.drawText(QPointF(chart.right() + 4, centre + 4), QStringLiteral("CL"));
    p.drawText(QPointF(chart.right() + 4, lcl + 4), QStringLiteral("LCL"));

    // The product name.
    QFont name = font();
    name.setPixelSize(72);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(name);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(24, 60, 220, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZEL"));
    QFont sub = font();
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(200, 215, 235));
    p.drawText(QRectF(24, 150, 220, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Statistical Quality Control"));

    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(24, kHeight - 52), QPointF(kWidth - 24, kHeight - 52));
}
