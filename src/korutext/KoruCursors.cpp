// The hypertext label's own pointer pictures, drawn with QPainter into 32 x 32
// pixmaps: black outline, white fill, antialiased, on a transparent background.
#include "korutext/KoruCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace {

constexpr int kSize = 32;
constexpr int kHand = 13;
constexpr int kLastOwn = 23;

// Fills a path white and outlines it in black.
void outline(QPainter& p, const QPainterPath& path, qreal width = 1.5) {
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void line(QPainter& p, QPointF a, QPointF b, qreal width = 1.2) {
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

// The pointing hand: index finger up, three folded fingers, thumb at the left.
QPainterPath handPath() {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 1, 5, 17), 2.5, 2.5);     // index finger
    hand.addRoundedRect(QRectF(14.5, 9, 4.5, 10), 2.2, 2.2); // middle
    hand.addRoundedRect(QRectF(18.5, 10, 4.5, 9), 2.2, 2.2); // ring
    hand.addRoundedRect(QRectF(22.5, 11.5, 4, 8), 2, 2);     // little
    QPainterPath thumb;
    thumb.moveTo(10.5, 17);
    thumb.cubicTo(8, 14, 4, 11.5, 3, 14);
    thumb.cubicTo(2.5, 16, 6, 20, 8, 23);
    thumb.lineTo(10.5, 23);
    hand = hand.united(thumb);
    QPainterPath palm;
    palm.moveTo(8, 22);
    palm.lineTo(10, 16);
    palm.lineTo(26.5, 16);
    palm.lineTo(26.5, 22);
    palm.cubicTo(26.5, 27, 24, 30, 21, 30);
    palm.lineTo(13, 30);
    palm.cubicTo(11, 30, 9.5, 26, 8, 22);
    return hand.united(palm).simplified();
}

void drawHand(QPainter& p) {
    outline(p, handPath());
    // Creases between the folded fingers.
    line(p, {15, 15.5}, {15, 19.5}, 1.0);
    line(p, {19, 16}, {19, 19.5}, 1.0);
    line(p, {23, 16.5}, {23, 19.5}, 1.0);
}

// A hand with its sleeve, pointing up and to the left along the forearm.
void drawArm(QPainter& p) {
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    p.translate(-16, -16);
    QPainterPath arm;
    arm.moveTo(13.5, 14);
    arm.lineTo(18.5, 14);
    arm.lineTo(18.5, 34);
    arm.lineTo(13.5, 34);
    arm.closeSubpath();
    QPainterPath hand;
    hand.addRoundedRect(QRectF(14.5, -2, 3.5, 11), 1.75, 1.75); // finger
    hand.addRoundedRect(QRectF(12.5, 6, 7.5, 9), 3, 3);         // fist
    QPainterPath whole = hand.united(arm).simplified();
    outline(p, whole);
    QPainterPath cuff = roundedRect(12, 17, 8, 4, 1);
    outline(p, cuff, 1.2);
    p.restore();
}

void drawTarget(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring;
    ring.addEllipse(QPointF(16, 16), 12, 12);
    ring.addEllipse(QPointF(16, 16), 8, 8);
    ring.addEllipse(QPointF(16, 16), 4, 4);
    outline(p, ring, 1.3);
    // Black bull's-eye and crosshair through the rings.
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 16), 1.6, 1.6);
    line(p, {16, 1}, {16, 9}, 1.3);
    line(p, {16, 23}, {16, 31}, 1.3);
    line(p, {1, 16}, {9, 16}, 1.3);
    line(p, {23, 16}, {31, 16}, 1.3);
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

// A magic wand: a stick from the bottom right with a star at the top left.
void drawWand(QPainter& p) {
    QPainterPath stick;
    stick.moveTo(10, 8);
    stick.lineTo(30, 28);
    stick.lineTo(28, 30);
    stick.lineTo(8, 10);
    stick.closeSubpath();
    outline(p, stick, 1.3);
    outline(p, starPath({7, 7}, 6.5, 2.8, 5), 1.3);
    // Sparkles.
    line(p, {16, 3}, {16, 6}, 1.0);
    line(p, {14.5, 4.5}, {17.5, 4.5}, 1.0);
    line(p, {3, 16}, {3, 19}, 1.0);
    line(p, {1.5, 17.5}, {4.5, 17.5}, 1.0);
}

// A child's figure: head, body and limbs; the girl wears a skirt and pigtails.
void drawChild(QPainter& p, bool girl) {
    QPainterPath body;
    if (girl) {
        body.moveTo(13, 12);
        body.lineTo(19, 12);
        body.lineTo(24, 24);
        body.lineTo(8, 24);
        body.closeSubpath();
    } else {
        body.addRoundedRect(QRectF(11.5, 12, 9, 10), 2, 2);
    }
    QPainterPath limbs;
    limbs.addRoundedRect(QRectF(6.5, 12.5, 6, 3), 1.5, 1.5);                      // left arm
    limbs.addRoundedRect(QRectF(19.5, 12.5, 6, 3), 1.5, 1.5);                     // right arm
    limbs.addRoundedRect(QRectF(12, girl ? 23 : 21, 3, girl ? 8 : 10), 1.5, 1.5); // legs
    limbs.addRoundedRect(QRectF(17, girl ? 23 : 21, 3, girl ? 8 : 10), 1.5, 1.5);
    QPainterPath figure = body.united(limbs);
    QPainterPath head;
    head.addEllipse(QPointF(16, 6.5), 5, 5);
    figure = figure.united(head);
    if (girl) {
        QPainterPath tails;
        tails.addEllipse(QPointF(9.5, 6), 2.5, 3);
        tails.addEllipse(QPointF(22.5, 6), 2.5, 3);
        figure = figure.united(tails);
    }
    outline(p, figure.simplified(), 1.3);
    // Face and hair.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(14.2, 6.3), 0.8, 0.8);
    p.drawEllipse(QPointF(17.8, 6.3), 0.8, 0.8);
    if (!girl) {
        QPainterPath hair;
        hair.moveTo(11, 5);
        hair.cubicTo(11, 0.5, 21, 0.5, 21, 5);
        hair.lineTo(11, 5);
        p.drawPath(hair);
    }
    line(p, {14.5, 9}, {17.5, 9}, 0.9);
}

// A pencil lying from the top right to its point at the bottom left.
void drawPencil(QPainter& p) {
    p.save();
    p.translate(1, 31);
    p.rotate(-45);
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(9, -4);
    wood.lineTo(36, -4);
    wood.lineTo(36, 4);
    wood.lineTo(9, 4);
    wood.closeSubpath();
    outline(p, wood, 1.3);
    line(p, {9, -4}, {9, 4}, 1.0);
    line(p, {30, -4}, {30, 4}, 1.0);
    line(p, {9, 0}, {30, 0}, 0.8);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(3.5, -1.6);
    lead.lineTo(3.5, 1.6);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(lead);
    p.restore();
}

// A lightning bolt striking down to the bottom left.
void drawLightning(QPainter& p) {
    QPolygonF bolt;
    bolt << QPointF(17, 1) << QPointF(27, 1) << QPointF(19, 12) << QPointF(25, 12) << QPointF(11, 23)
         << QPointF(15, 23) << QPointF(3, 31) << QPointF(8, 19) << QPointF(5, 19) << QPointF(11, 9)
         << QPointF(8, 9);
    QPainterPath path;
    path.addPolygon(bolt);
    path.closeSubpath();
    outline(p, path, 1.3);
}

// A key with its bow at the top right and its bit at the bottom left.
void drawKey(QPainter& p) {
    p.save();
    p.translate(16, 16);
    p.rotate(45);
    p.translate(-16, -16);
    QPainterPath key;
    key.addEllipse(QPointF(16, 6.5), 6, 6);
    key.addRect(QRectF(14.5, 12, 3, 19));
    key.addRect(QRectF(17, 24, 4, 2.5));
    key.addRect(QRectF(17, 28, 5, 2.5));
    key = key.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(16, 5.5), 2.2, 2.2);
    outline(p, key.subtracted(hole), 1.3);
    p.restore();
}

// An old telephone: handset on top, body with a dial below.
void drawTelephone(QPainter& p) {
    QPainterPath handset;
    handset.moveTo(3, 10);
    handset.cubicTo(3, 3, 29, 3, 29, 10);
    handset.lineTo(29, 12);
    handset.lineTo(22, 12);
    handset.lineTo(21, 9);
    handset.lineTo(11, 9);
    handset.lineTo(10, 12);
    handset.lineTo(3, 12);
    handset.closeSubpath();
    QPainterPath body;
    body.moveTo(11, 11);
    body.lineTo(21, 11);
    body.lineTo(28, 21);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.lineTo(4, 21);
    body.closeSubpath();
    outline(p, body, 1.3);
    outline(p, handset, 1.3);
    QPainterPath dial;
    dial.addEllipse(QPointF(16, 20), 5, 5);
    dial.addEllipse(QPointF(16, 20), 1.8, 1.8);
    outline(p, dial, 1.1);
}

// The arrow with a question mark beside it.
void drawQuestionMark(QPainter& p) {
    QPolygonF arrow;
    arrow << QPointF(1, 1) << QPointF(1, 18) << QPointF(5, 14) << QPointF(8, 21) << QPointF(11, 19.5)
          << QPointF(8, 13) << QPointF(13, 13);
    QPainterPath a;
    a.addPolygon(arrow);
    a.closeSubpath();
    outline(p, a, 1.3);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(20);
    f.setBold(true);
    QPainterPath q;
    q.addText(QPointF(16, 24), f, QStringLiteral("?"));
    outline(p, q, 1.3);
}

} // namespace

bool isKoruOwnCursor(int code) {
    return code >= kHand && code <= kLastOwn;
}

QPixmap koruPointerPicture(int code) {
    if (!isKoruOwnCursor(code)) return QPixmap();
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (code) {
    case 13:
        drawHand(p);
        break;
    case 14:
        drawArm(p);
        break;
    case 15:
        drawTarget(p);
        break;
    case 16:
        drawWand(p);
        break;
    case 17:
        drawChild(p, false);
        break;
    case 18:
        drawChild(p, true);
        break;
    case 19:
        drawPencil(p);
        break;
    case 20:
        drawLightning(p);
        break;
    case 21:
        drawKey(p);
        break;
    case 22:
        drawTelephone(p);
        break;
    default:
        drawQuestionMark(p);
        break;
    }
    return pm;
}

QPoint koruPointerHotSpot(int code) {
    switch (code) {
    case 13:
        return {12, 1}; // fingertip
    case 14:
        return {4, 4}; // fingertip of the raised arm
    case 15:
        return {16, 16}; // bull's-eye
    case 16:
        return {7, 7}; // star
    case 17:
    case 18:
        return {16, 2}; // top of the head
    case 19:
        return {1, 30}; // pencil point
    case 20:
        return {3, 30}; // tip of the bolt
    case 21:
        return {4, 27}; // end of the bit
    case 22:
        return {16, 16};
    case 23:
        return {1, 1}; // arrow tip
    default:
        return {0, 0};
    }
}

QCursor koruOwnCursor(int code) {
    if (!isKoruOwnCursor(code)) return QCursor(Qt::ArrowCursor);
    const QPoint hot = koruPointerHotSpot(code);
    return QCursor(koruPointerPicture(code), hot.x(), hot.y());
}
