// Drawing of the toolbar pictures. Each one is laid out on a 20 x 20 grid and
// scaled to the requested size.
#include "app/ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kOutline(64, 64, 64);
const QColor kPaper(255, 255, 255);
const QColor kPaperLine(150, 170, 200);

void drawPage(QPainter& p, const QRectF& r, double fold) {
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawPath(page);
    if (fold > 0) {
        QPainterPath corner;
        corner.moveTo(r.right() - fold, r.top());
        corner.lineTo(r.right() - fold, r.top() + fold);
        corner.lineTo(r.right(), r.top() + fold);
        p.setBrush(QColor(220, 220, 220));
        p.drawPath(corner);
    }
}

void pageLines(QPainter& p, const QRectF& r, int count) {
    p.setPen(QPen(kPaperLine, 1));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + 4.5 + 2.5 * i;
        if (y > r.bottom() - 1.5) break;
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void drawNewSheet(QPainter& p) {
    const QRectF r(4.5, 1.5, 11, 17);
    drawPage(p, r, 4);
    // A small table on the sheet.
    p.setPen(QPen(kPaperLine, 1));
    for (double y = 8.5; y <= 16.5; y += 2.5)
        p.drawLine(QPointF(6.5, y), QPointF(13.5, y));
    p.drawLine(QPointF(10, 8.5), QPointF(10, 16.5));
    // The spark of something new.
    p.setPen(QPen(QColor(230, 160, 0), 1.2));
    p.drawLine(QPointF(2, 3), QPointF(5, 3));
    p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 4.5));
}

void drawOpenFolder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 16.5);
    back.lineTo(1.5, 4.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(8, 6.5);
    back.lineTo(15.5, 6.5);
    back.lineTo(15.5, 16.5);
    back.closeSubpath();
    p.setBrush(QColor(235, 190, 70));
    p.drawPath(back);
    // A sheet inside.
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 5, 9, 8));
    // The front, tilted open.
    QPainterPath front;
    front.moveTo(1.5, 16.5);
    front.lineTo(4.5, 9.5);
    front.lineTo(18.5, 9.5);
    front.lineTo(15.5, 16.5);
    front.closeSubpath();
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(250, 215, 100));
    p.drawPath(front);
}

void drawSave(QPainter& p) {
    QPainterPath body;
    body.moveTo(2.5, 2.5);
    body.lineTo(15.5, 2.5);
    body.lineTo(17.5, 4.5);
    body.lineTo(17.5, 17.5);
    body.lineTo(2.5, 17.5);
    body.closeSubpath();
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(50, 90, 170));
    p.drawPath(body);
    // The shutter.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(5.5, 2.5, 8, 5));
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(QRectF(10.5, 3.5, 2, 3));
    // The label.
    p.setPen(QPen(QColor(20, 40, 90), 0.8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 10.5, 10, 7));
    p.setPen(QPen(kPaperLine, 1));
    p.drawLine(QPointF(6.5, 13), QPointF(13.5, 13));
    p.drawLine(QPointF(6.5, 15.5), QPointF(13.5, 15.5));
}

void drawPrinter(QPainter& p) {
    // Paper going in at the back.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 1.5, 9, 7));
    // The body.
    p.setBrush(QColor(190, 190, 195));
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 170, 60));
    p.drawRect(QRectF(15, 9, 2, 1.5));
    // The printed sheet coming out.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 12.5, 11, 6));
    p.setPen(QPen(kPaperLine, 1));
    p.drawLine(QPointF(6.5, 15), QPointF(13.5, 15));
    p.drawLine(QPointF(6.5, 17), QPointF(11.5, 17));
}

void drawCopy(QPainter& p) {
    const QRectF back(1.5, 1.5, 10, 12);
    drawPage(p, back, 3);
    pageLines(p, back, 3);
    const QRectF front(7.5, 6.5, 10, 12);
    drawPage(p, front, 3);
    pageLines(p, front, 4);
}

void drawPaste(QPainter& p) {
    // The clipboard.
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(QColor(185, 130, 70));
    p.drawRoundedRect(QRectF(1.5, 3.5, 12, 15), 1, 1);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(4.5, 1.5, 6, 4), 1, 1);
    // The sheet being pasted.
    const QRectF sheet(8.5, 7.5, 10, 11);
    drawPage(p, sheet, 3);
    pageLines(p, sheet, 4);
}

void drawCut(QPainter& p) {
    // Blades.
    p.setPen(QPen(QColor(110, 110, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 1.5), QPointF(12, 12));
    p.drawLine(QPointF(13.5, 1.5), QPointF(8, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(10, 9.5), 0.9, 0.9);
    // Handles.
    p.setPen(QPen(QColor(190, 30, 30), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(6, 15), 3, 3);
    p.drawEllipse(QPointF(14, 15), 3, 3);
}

void drawChart(QPainter& p) {
    p.setPen(Qt::NoPen);
    const QColor bars[] = {QColor(60, 110, 200), QColor(220, 80, 60), QColor(60, 160, 80),
                           QColor(230, 170, 30)};
    const double heights[] = {7, 12, 9, 14};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(4 + 3.6 * i, 17.5 - heights[i], 2.8, heights[i]));
    }
    // The axes.
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(2.5, 2), QPointF(2.5, 17.5));
    p.drawLine(QPointF(2.5, 17.5), QPointF(18.5, 17.5));
}

void drawMask(QPainter& p) {
    // A data sheet whose middle rows are masked (shown yellow, as in the sheet).
    const QRectF r(1.5, 2.5, 17, 15);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 200, 220));
    p.drawRect(QRectF(2, 3, 16, 2.5));
    p.setBrush(QColor(255, 235, 0));
    p.drawRect(QRectF(2, 8.5, 16, 3));
    p.setPen(QPen(kPaperLine, 1));
    for (double y = 5.5; y < 17; y += 3)
        p.drawLine(QPointF(2, y), QPointF(18, y));
    p.drawLine(QPointF(7.5, 3), QPointF(7.5, 17));
    p.drawLine(QPointF(13, 3), QPointF(13, 17));
    // The mark of an excluded row.
    p.setPen(QPen(QColor(200, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 10), QPointF(16.5, 10));
}

void drawHelp(QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.setBrush(QColor(50, 110, 210));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK JP")});
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 17, 17.5), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

namespace ToolbarPictures {

QPixmap picture(int index, int size) {
    if (index < 0 || index >= kCount || size <= 0) return QPixmap();
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 20.0, size / 20.0);
    switch (index) {
    case 0:
        drawNewSheet(p);
        break;
    case 1:
        drawOpenFolder(p);
        break;
    case 2:
        drawSave(p);
        break;
    case 3:
        drawPrinter(p);
        break;
    case 4:
        drawCopy(p);
        break;
    case 5:
        drawPaste(p);
        break;
    case 6:
        drawCut(p);
        break;
    case 7:
        drawChart(p);
        break;
    case 8:
        drawMask(p);
        break;
    default:
        drawHelp(p);
        break;
    }
    return pm;
}

QPixmap disabledPicture(int index, int size) {
    const QPixmap normal = picture(index, size);
    if (normal.isNull()) return normal;
    QImage img = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            // Light grey shade of the colour, at half its opacity.
            const int g = 128 + qGray(c) / 2;
            line[x] = qRgba(g, g, g, qAlpha(c) / 2);
        }
    }
    return QPixmap::fromImage(img);
}

} // namespace ToolbarPictures
