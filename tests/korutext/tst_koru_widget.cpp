// Drives the KORU32 hypertext label control as a host and a user would: properties,
// clicks and keys on hot spots, automatic sizing, scrolling and what it paints.
#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruCursors.h"

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

QRect segmentRect(const CKoruTextCtrl& w, int hotspot) {
    for (const auto& s : w.segments())
        if (s.hotspot == hotspot)
            return QRect(s.rect.left, s.rect.top, s.rect.right - s.rect.left, s.rect.bottom - s.rect.top);
    return {};
}

int lineHeightOf(const QFont& f) {
    const QFontMetrics fm(f);
    return fm.ascent() + fm.descent() + std::max(0, fm.leading());
}

} // namespace

class TestKoruWidget : public QObject {
    Q_OBJECT

  private slots:
    void propertyDefaults();
    void refusedValues();
    void clickOnJumpAndPopup();
    void pointerOverHotspots();
    void keyboardFocusAndEnter();
    void wrappedHotspotHasTwoSegments();
    void autoSizeFollowsText();
    void scrollRangeAndKeys();
    void scrolledHotspotFollowsPicture();
    void paintsHotspotColours();
    void disabledPaintsGrey();
    void emptyText();
};

void TestKoruWidget::propertyDefaults() {
    CKoruTextCtrl w;
    QCOMPARE(w.objectName(), QString("CKoruTextCtrl"));
    QCOMPARE(w.property("AutoSize").toBool(), false);
    QCOMPARE(w.property("DrawFocusRect").toBool(), true);
    QCOMPARE(w.property("HeadingColor").toUInt(), 0x80000008u);
    QCOMPARE(w.property("HotspotColors").toInt(), 0);
    QCOMPARE(w.property("JumpColor").toUInt(), 0x00008000u);
    QCOMPARE(w.property("PopupColor").toUInt(), 0x00008000u);
    QCOMPARE(w.property("JumpCursor").toInt(), 0);
    QCOMPARE(w.property("NormalCursor").toInt(), 0);
    QCOMPARE(w.property("PopupCursor").toInt(), 0);
    QCOMPARE(w.property("WordWrap").toBool(), false);
    QCOMPARE(w.property("TabWidth").toInt(), 8);
    QCOMPARE(w.property("ForceWrap").toBool(), false);
    QCOMPARE(w.property("ToolTip").toString(), QString());
    QCOMPARE(w.property("BorderStyle").toInt(), 0);
    QCOMPARE(w.property("Enabled").toBool(), true);
    QCOMPARE(w.property("BackColor").toUInt(), 0x80000005u);
    QCOMPARE(w.property("ForeColor").toUInt(), 0x80000008u);
    QVERIFY(w.property("JumpIcon").value<QPixmap>().isNull());

    // Text, _Text and RawText.
    QVERIFY(w.setProperty("Text", QString("\\HTitle\\hText with \\J\\Kk1\\klink\\j.")));
    QCOMPARE(w.property("_Text").toString(), QString("\\HTitle\\hText with \\J\\Kk1\\klink\\j."));
    QCOMPARE(w.property("RawText").toString(), QString("Title\r\nText with link."));
    // Font attributes read and write the Font property.
    w.setProperty("FontBold", true);
    QVERIFY(w.property("Font").value<QFont>().bold());
    w.setProperty("HeadingSize", 14.0f);
    QCOMPARE(w.property("HeadingFont").value<QFont>().pointSizeF(), 14.0);
}

void TestKoruWidget::refusedValues() {
    CKoruTextCtrl w;
    w.setProperty("TabWidth", 0);
    QCOMPARE(w.lastError(), CKoruTextCtrl::kInvalidPropertyValue);
    QCOMPARE(w.property("TabWidth").toInt(), 8);
    w.setProperty("TabWidth", -4);
    QCOMPARE(w.property("TabWidth").toInt(), 8);
    w.setProperty("TabWidth", 4);
    QCOMPARE(w.lastError(), 0);
    QCOMPARE(w.property("TabWidth").toInt(), 4);

    w.setProperty("BackColor", 0x12345678u);
    QCOMPARE(w.lastError(), CKoruTextCtrl::kInvalidPropertyValue);
    QCOMPARE(w.property("BackColor").toUInt(), 0x80000005u);
    w.setProperty("ForeColor", 0x800000FFu); // no such system colour
    QCOMPARE(w.lastError(), CKoruTextCtrl::kInvalidPropertyValue);
    QCOMPARE(w.property("ForeColor").toUInt(), 0x80000008u);
    w.setProperty("ForeColor", 0x80000005u); // a system colour is fine
    QCOMPARE(w.lastError(), 0);
    QCOMPARE(w.property("ForeColor").toUInt(), 0x80000005u);
    w.setProperty("BackColor", 0x00FF0000u);
    QCOMPARE(w.property("BackColor").toUInt(), 0x00FF0000u);
    QCOMPARE(w.resolveColour(0x00FF0000u), QColor(0, 0, 255)); // blue is the highest byte
}

void TestKoruWidget::clickOnJumpAndPopup() {
    CKoruTextCtrl w;
    w.resize(300, 80);
    w.setProperty("Text", QString("Go \\J\\KTopic7\\kSee the list\\j and \\PNote\\p"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.grab();
    QCOMPARE(w.segments().size(), size_t(2));

    QSignalSpy jump(&w, &CKoruTextCtrl::Jump);
    QSignalSpy popup(&w, &CKoruTextCtrl::Popup);
    QSignalSpy down(&w, &CKoruTextCtrl::MouseDown);
    QTest::mouseClick(&w, Qt::LeftButton, {}, segmentRect(w, 0).center());
    QCOMPARE(jump.count(), 1);
    QCOMPARE(jump.at(0).at(0).toString(), QString("Topic7"));
    QCOMPARE(jump.at(0).at(1).toString(), QString("See the list"));
    QCOMPARE(down.count(), 0); // a press on a hot spot is not a MouseDown

    QTest::mouseClick(&w, Qt::LeftButton, {}, segmentRect(w, 1).center());
    QCOMPARE(popup.count(), 1);
    QCOMPARE(popup.at(0).at(0).toString(), QString());
    QCOMPARE(popup.at(0).at(1).toString(), QString("Note"));

    // Normal text and the right button give the standard MouseDown.
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(&w, Qt::RightButton, {}, segmentRect(w, 0).center());
    QCOMPARE(down.count(), 2);
    QCOMPARE(down.at(0).at(0).toInt(), 1);
    QCOMPARE(down.at(1).at(0).toInt(), 2);
    QCOMPARE(jump.count(), 1);
}

void TestKoruWidget::pointerOverHotspots() {
    CKoruTextCtrl w;
    w.resize(300, 80);
    w.setProperty("Text", QString("Go \\J\\KTopic7\\kSee the list\\j"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.grab();
    QSignalSpy overJump(&w, &CKoruTextCtrl::MouseOverJump);
    QSignalSpy overNormal(&w, &CKoruTextCtrl::MouseOverNormal);
    QTest::mouseMove(&w, segmentRect(w, 0).center());
    QTRY_COMPARE(overJump.count(), 1);
    QCOMPARE(overJump.at(0).at(0).toString(), QString("Topic7"));
    QCOMPARE(overJump.at(0).at(1).toString(), QString("See the list"));
    // The control draws its own hand pointer over hot spots.
    QCOMPARE(w.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(w.cursor().pixmap().toImage(), koruOwnCursor(13).pixmap().toImage());
    QTest::mouseMove(&w, segmentRect(w, 0).center() + QPoint(1, 0));
    QCOMPARE(overJump.count(), 1); // moving inside the same hot spot reports nothing
    QTest::mouseMove(&w, QPoint(1, 60));
    QTRY_COMPARE(overNormal.count(), 1);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.hoveredHotspot(), -1);

    // Leaving the control from a hot spot reports normal text by the leave timer.
    QTest::mouseMove(&w, segmentRect(w, 0).center());
    QTRY_COMPARE(w.hoveredHotspot(), 0);
    QCursor::setPos(w.mapToGlobal(QPoint(1000, 1000)));
    QTRY_COMPARE_WITH_TIMEOUT(overNormal.count(), 2, 2000);
    QCOMPARE(w.hoveredHotspot(), -1);
    QCOMPARE(overJump.count(), 2);

    w.setProperty("JumpCursor", 2);
    QTest::mouseMove(&w, QPoint(1, 60));
    QTest::mouseMove(&w, segmentRect(w, 0).center());
    QTRY_COMPARE(overJump.count(), 3);
    QCOMPARE(w.cursor().shape(), Qt::CrossCursor);
}

void TestKoruWidget::keyboardFocusAndEnter() {
    CKoruTextCtrl w;
    w.resize(300, 80);
    w.setProperty("Text", QString("\\JOne\\j \\J\\Kk2\\kTwo\\j"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.grab();
    QSignalSpy jump(&w, &CKoruTextCtrl::Jump);
    QList<int> keyCodes;
    connect(&w, &CKoruTextCtrl::KeyDown, this, [&](int& code, int) { keyCodes << code; });

    // Enter with no focused hot spot takes the first visible one.
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(w.focusedHotspot(), 0);
    QCOMPARE(jump.count(), 1);
    QCOMPARE(jump.at(0).at(1).toString(), QString("One"));
    QCOMPARE(keyCodes, QList<int>{13});

    QTest::keyClick(&w, Qt::Key_Tab);
    QCOMPARE(w.focusedHotspot(), 1);
    QTest::keyClick(&w, Qt::Key_Tab); // wraps to the first
    QCOMPARE(w.focusedHotspot(), 0);
    QTest::keyClick(&w, Qt::Key_Left); // wraps to the last
    QCOMPARE(w.focusedHotspot(), 1);
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(jump.count(), 2);
    QCOMPARE(jump.at(1).at(0).toString(), QString("k2"));
    QCOMPARE(jump.at(1).at(1).toString(), QString("Two"));

    // A new text forgets the focused hot spot.
    w.setProperty("Text", QString("\\JThree\\j"));
    QCOMPARE(w.focusedHotspot(), -1);
}

void TestKoruWidget::wrappedHotspotHasTwoSegments() {
    CKoruTextCtrl w;
    const QFontMetrics fm(w.normalFont());
    w.resize(fm.horizontalAdvance("alpha beta") + 8, 100);
    w.setProperty("BackColor", 0x00FFFFFFu);
    w.setProperty("Text", QString("\\J\\KKey\\kalpha beta gamma delta\\j"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QImage img = w.grab().toImage();
    std::vector<QRect> parts;
    for (const auto& seg : w.segments()) {
        QCOMPARE(seg.hotspot, 0);
        parts.emplace_back(seg.rect.left, seg.rect.top, seg.rect.right - seg.rect.left,
                           seg.rect.bottom - seg.rect.top);
    }
    QVERIFY(parts.size() >= 2);
    QVERIFY(parts[1].top() >= parts[0].bottom());
    // Both pieces answer the pointer.
    QSignalSpy jump(&w, &CKoruTextCtrl::Jump);
    QTest::mouseClick(&w, Qt::LeftButton, {}, parts[0].center());
    QTest::mouseClick(&w, Qt::LeftButton, {}, parts[1].center());
    QCOMPARE(jump.count(), 2);
    // The keyboard focus inverts every piece.
    const auto inverted = [](QColor c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); };
    const QPoint probe0(parts[0].left() + 1, parts[0].bottom());
    const QPoint probe1(parts[1].left() + 1, parts[1].bottom());
    const QColor before0 = img.pixelColor(probe0);
    const QColor before1 = img.pixelColor(probe1);
    QCOMPARE(before0, QColor(Qt::white));
    QTest::keyClick(&w, Qt::Key_Tab);
    QCOMPARE(w.focusedHotspot(), 0);
    img = w.grab().toImage();
    QCOMPARE(img.pixelColor(probe0), inverted(before0));
    QCOMPARE(img.pixelColor(probe1), inverted(before1));
}

void TestKoruWidget::autoSizeFollowsText() {
    CKoruTextCtrl w;
    w.resize(300, 200);
    const int line = lineHeightOf(w.normalFont());
    w.setProperty("Text", QString("Hello"));
    w.setProperty("AutoSize", true);
    QCOMPARE(w.height(), line);
    QCOMPARE(w.width(), 2 + QFontMetrics(w.normalFont()).horizontalAdvance("Hello") + 1);

    // A trailing line break adds no line; an empty line does.
    w.setProperty("Text", QString("a\r\nb\r\n"));
    QCOMPARE(w.height(), 2 * line);
    w.setProperty("Text", QString("a\r\n\r\nb"));
    QCOMPARE(w.height(), 3 * line);

    // With WordWrap the width stays and the text wraps inside it.
    w.setProperty("WordWrap", true);
    w.resize(60, 10);
    w.setProperty("Text", QString("one two three four five six seven"));
    QCOMPARE(w.width(), 60);
    QVERIFY(w.height() >= 3 * line);
    QCOMPARE(w.height() % line, 0);
    QVERIFY(!w.scrollBarShown());

    // A border adds a pixel on each side.
    w.setProperty("WordWrap", false);
    w.setProperty("Text", QString("Hello"));
    w.setProperty("BorderStyle", 1);
    QCOMPARE(w.height(), line + 2);
}

void TestKoruWidget::scrollRangeAndKeys() {
    CKoruTextCtrl w;
    const int line = lineHeightOf(w.normalFont());
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QString("Line %1").arg(i);
    w.resize(200, line * 5 + line / 2);
    w.setProperty("Text", lines.join("\r\n"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(w.layoutComplete());
    QVERIFY(w.scrollBarShown());
    QCOMPARE(w.scrollMaximum(), 40 - 5);

    QTest::keyClick(&w, Qt::Key_End);
    QCOMPARE(w.scrollPosition(), 35);
    QTest::keyClick(&w, Qt::Key_Down); // clamped at the bottom
    QCOMPARE(w.scrollPosition(), 35);
    QTest::keyClick(&w, Qt::Key_PageUp);
    QCOMPARE(w.scrollPosition(), 30);
    QTest::keyClick(&w, Qt::Key_Home);
    QCOMPARE(w.scrollPosition(), 0);
    QTest::keyClick(&w, Qt::Key_Down);
    QCOMPARE(w.scrollPosition(), 1);
    QTest::keyClick(&w, Qt::Key_Up);
    QTest::keyClick(&w, Qt::Key_Up);
    QCOMPARE(w.scrollPosition(), 0);

    // A short text needs no scroll bar.
    w.setProperty("Text", QString("short"));
    QVERIFY(!w.scrollBarShown());
    QCOMPARE(w.scrollMaximum(), 0);
}

void TestKoruWidget::scrolledHotspotFollowsPicture() {
    CKoruTextCtrl w;
    const int line = lineHeightOf(w.normalFont());
    w.setProperty("DrawFocusRect", false);
    w.resize(200, line * 4);
    w.setProperty("Text", QString("a\r\nb\r\n\\J\\KK3\\kthird\\j\r\nd\r\ne\r\nf\r\ng"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.grab();
    QTRY_VERIFY(w.layoutComplete());
    const QRect before = segmentRect(w, 0);
    QCOMPARE(before.top(), 2 * line);
    QTest::keyClick(&w, Qt::Key_Down);
    QCOMPARE(w.scrollPosition(), 1);
    // The segment moved up with the picture, before and after the strip is painted.
    QCOMPARE(segmentRect(w, 0).top(), line);
    QSignalSpy jump(&w, &CKoruTextCtrl::Jump);
    QTest::mouseClick(&w, Qt::LeftButton, {}, before.center() - QPoint(0, line));
    QCOMPARE(jump.count(), 1);
    QCOMPARE(jump.at(0).at(0).toString(), QString("K3"));
    w.grab();
    QCOMPARE(segmentRect(w, 0).top(), line);
    // Scrolling it out of view drops its segment.
    QTest::keyClick(&w, Qt::Key_PageDown);
    QVERIFY(w.scrollPosition() >= 3);
    QVERIFY(segmentRect(w, 0).isNull());
}

void TestKoruWidget::paintsHotspotColours() {
    CKoruTextCtrl w;
    w.resize(300, 60);
    w.setProperty("BackColor", 0x00FFFFFFu);
    w.setProperty("HotspotColors", 2);
    w.setProperty("JumpColor", 0x000000FFu);  // red
    w.setProperty("PopupColor", 0x00FF0000u); // blue
    w.setProperty("Text", QString("ab \\JLinkWWW\\j \\PNoteWWW\\p"));
    const QImage img = w.grab().toImage();
    const QFontMetrics fm(w.normalFont());

    const QRect jump = segmentRect(w, 0);
    QVERIFY(jump.isValid());
    const int uy = jump.top() + fm.ascent() + 1;
    for (int x = jump.left(); x <= jump.right(); ++x)
        QCOMPARE(img.pixelColor(x, uy), QColor(255, 0, 0));
    // The hot spot's text is drawn in the jump colour too.
    bool reddish = false;
    for (int y = jump.top(); y < uy && !reddish; ++y)
        for (int x = jump.left(); x <= jump.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 100 && c.blue() < 100) reddish = true;
        }
    QVERIFY(reddish);
    // Text outside the hot spot stays in the window-text colour: no red there.
    for (int y = 0; y < uy; ++y)
        for (int x = 0; x < jump.left() - 1; ++x) {
            const QColor c = img.pixelColor(x, y);
            QVERIFY(!(c.red() > 200 && c.green() < 100 && c.blue() < 100));
        }

    // The popup underline is dotted: 2 pixels of popup colour, 2 of the background.
    const QRect popup = segmentRect(w, 1);
    QVERIFY(popup.isValid());
    QCOMPARE(img.pixelColor(popup.left(), uy), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(popup.left() + 1, uy), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(popup.left() + 2, uy), QColor(255, 255, 255));
    QCOMPARE(img.pixelColor(popup.left() + 3, uy), QColor(255, 255, 255));
    QCOMPARE(img.pixelColor(popup.left() + 4, uy), QColor(0, 0, 255));
}

void TestKoruWidget::disabledPaintsGrey() {
    CKoruTextCtrl w;
    w.resize(300, 60);
    w.setProperty("BackColor", 0x00FFFFFFu);
    w.setProperty("HotspotColors", 2);
    w.setProperty("JumpColor", 0x000000FFu);
    w.setProperty("Text", QString("\\JLinkWWW\\j"));
    w.setProperty("Enabled", false);
    const QImage img = w.grab().toImage();
    const QRect jump = segmentRect(w, 0);
    const int uy = jump.top() + QFontMetrics(w.normalFont()).ascent() + 1;
    QCOMPARE(img.pixelColor(jump.left() + 1, uy), w.resolveColour(CKoruTextCtrl::kGrayText));
}

void TestKoruWidget::emptyText() {
    CKoruTextCtrl w;
    w.resize(100, 40);
    w.setProperty("BackColor", 0x0000FF00u);
    const QImage img = w.grab().toImage();
    QCOMPARE(w.property("RawText").toString(), QString());
    QVERIFY(w.segments().empty());
    QVERIFY(!w.scrollBarShown());
    QCOMPARE(img.pixelColor(50, 20), QColor(0, 255, 0));
}

QTEST_MAIN(TestKoruWidget)
#include "tst_koru_widget.moc"
