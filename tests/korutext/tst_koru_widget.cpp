// Drives the KORU32 hypertext label control as a host and a user would: properties,
// clicks and keys on hot spots, automatic sizing, scrolling and what it paints.
#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruCursors.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

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

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Counts the key releases that reach a widget's window and the button releases that
// reach the widget, so that a test knows when an event sent through the X server
// has arrived.
class ArrivalCounter : public QObject {
  public:
    explicit ArrivalCounter(QWidget* w) : m_w(w) { qApp->installEventFilter(this); }
    ~ArrivalCounter() override { qApp->removeEventFilter(this); }
    int keys = 0;
    int buttons = 0;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* target = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::KeyRelease && target && target->window() == m_w->window()) ++keys;
        if (e->type() == QEvent::MouseButtonRelease && (o == m_w || o == m_w->window()->windowHandle())) ++buttons;
        return false;
    }

  private:
    QWidget* m_w;
};

// Presses and releases a key as the user does: on X11 through the X server to the
// window that has the input focus, elsewhere as a simulated key event.
bool pressKey(QWidget* focus, Qt::Key key, const char* xName, Qt::KeyboardModifiers mods = {}) {
    if (!onX11()) {
        QTest::keyClick(focus, key, mods);
        return true;
    }
    ArrivalCounter arrived(focus);
    QString keys = QString::fromLatin1(xName);
    if (mods & Qt::ShiftModifier) keys.prepend(QStringLiteral("shift+"));
    if (QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) != 0) return false;
    return QTest::qWaitFor([&] { return arrived.keys > 0; }, 3000);
}

// Clicks the left button at a point of a widget: on X11 by moving the real pointer
// and pressing its button.
bool clickAt(QWidget* w, const QPoint& p) {
    if (!onX11()) {
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
        return true;
    }
    ArrivalCounter arrived(w);
    const QPoint g = w->mapToGlobal(p);
    if (QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(g.x()),
                           QString::number(g.y()), QStringLiteral("click"), QStringLiteral("1")}) != 0)
        return false;
    return QTest::qWaitFor([&] { return arrived.buttons > 0; }, 3000);
}

// A host window: a text box that has the focus, and the control under it.
struct Host {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    CKoruTextCtrl* ctrl = new CKoruTextCtrl(&window);
    explicit Host(const QString& text, int lines = 3) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(ctrl);
        ctrl->setText(text);
        ctrl->setFixedSize(300, lineHeightOf(ctrl->normalFont()) * lines + 2);
        window.move(40, 40);
    }
    bool showActive() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        edit->setFocus();
        return QTest::qWaitFor([&] { return edit->hasFocus(); }, 2000);
    }
};

} // namespace

class TestKoruWidget : public QObject {
    Q_OBJECT

  private slots:
    void propertyDefaults();
    void refusedValues();
    void clickOnJumpAndPopup();
    void pointerOverHotspots();
    void keyboardFocusAndEnter();
    void clickDoesNotTakeTheFocus();
    void navigationKeysBeforeHostShortcuts();
    void repaintOnlyPropertiesKeepTheScrollPosition();
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
    // The moves below are simulated; on X11 the real pointer must stand clear of
    // the control, or its own crossing events would count as well.
    if (onX11()) {
        QCursor::setPos(1200, 1000);
        QTest::qWait(50);
    }
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
    // The pointer comes back from outside: wait for the server's enter before the
    // move onto the hot spot, or that move can arrive first and be taken as the entry.
    QTRY_VERIFY(w.underMouse());
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

void TestKoruWidget::clickDoesNotTakeTheFocus() {
    Host host(QStringLiteral("Go \\J\\KTopic7\\kSee the list\\j\r\n\r\nmore text"));
    QVERIFY(host.showActive());
    host.ctrl->grab();
    QSignalSpy jump(host.ctrl, &CKoruTextCtrl::Jump);
    QSignalSpy down(host.ctrl, &CKoruTextCtrl::MouseDown);

    // Normal text: the standard MouseDown, and the focus stays in the text box.
    QVERIFY(clickAt(host.ctrl, QPoint(20, host.ctrl->height() - 4)));
    QCOMPARE(down.count(), 1);
    QVERIFY(host.edit->hasFocus());
    QVERIFY(!host.ctrl->hasFocus());
    // A hot spot: its event, and still no focus (so no focus rectangle either).
    QVERIFY(clickAt(host.ctrl, segmentRect(*host.ctrl, 0).center()));
    QCOMPARE(jump.count(), 1);
    QCOMPARE(jump.at(0).at(0).toString(), QStringLiteral("Topic7"));
    QVERIFY(host.edit->hasFocus());
    QVERIFY(!host.ctrl->hasFocus());
    QCOMPARE(host.ctrl->focusedHotspot(), -1);

    // Tab brings the focus in.
    QVERIFY(pressKey(host.edit, Qt::Key_Tab, "Tab"));
    QTRY_VERIFY(host.ctrl->hasFocus());
}

void TestKoruWidget::navigationKeysBeforeHostShortcuts() {
    QStringList lines;
    for (int i = 0; i < 30; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    lines[2] = QStringLiteral("\\JOne\\j \\J\\Kk2\\kTwo\\j");
    Host host(lines.join(QStringLiteral("\r\n")), 5);
    // The host's own shortcuts on the same keys, as a main window has them.
    int hostShortcuts = 0;
    struct Key {
        Qt::Key key;
        const char* xName;
    };
    const Key keys[] = {{Qt::Key_PageDown, "Next"}, {Qt::Key_PageUp, "Prior"},  {Qt::Key_End, "End"},
                        {Qt::Key_Home, "Home"},     {Qt::Key_Down, "Down"},     {Qt::Key_Up, "Up"},
                        {Qt::Key_Right, "Right"},   {Qt::Key_Left, "Left"},     {Qt::Key_Tab, "Tab"},
                        {Qt::Key_Return, "Return"}, {Qt::Key_Space, "space"}};
    for (const Key& k : keys) {
        auto* sc = new QShortcut(QKeySequence(k.key), &host.window);
        connect(sc, &QShortcut::activated, this, [&hostShortcuts] { ++hostShortcuts; });
    }
    QVERIFY(host.showActive());
    host.ctrl->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(host.ctrl->hasFocus());
    QTRY_VERIFY(host.ctrl->layoutComplete());
    host.ctrl->grab();
    QSignalSpy jump(host.ctrl, &CKoruTextCtrl::Jump);
    CKoruTextCtrl* c = host.ctrl;

    QVERIFY(pressKey(c, Qt::Key_PageDown, "Next"));
    QVERIFY(c->scrollPosition() > 0);
    QVERIFY(pressKey(c, Qt::Key_End, "End"));
    QCOMPARE(c->scrollPosition(), c->scrollMaximum());
    QVERIFY(pressKey(c, Qt::Key_Up, "Up"));
    QCOMPARE(c->scrollPosition(), c->scrollMaximum() - 1);
    QVERIFY(pressKey(c, Qt::Key_PageUp, "Prior"));
    QVERIFY(pressKey(c, Qt::Key_Home, "Home"));
    QCOMPARE(c->scrollPosition(), 0);
    QVERIFY(pressKey(c, Qt::Key_Down, "Down"));
    QCOMPARE(c->scrollPosition(), 1);
    QVERIFY(pressKey(c, Qt::Key_Up, "Up"));
    QCOMPARE(c->scrollPosition(), 0);
    c->grab();
    QVERIFY(pressKey(c, Qt::Key_Right, "Right"));
    QCOMPARE(c->focusedHotspot(), 0);
    QVERIFY(pressKey(c, Qt::Key_Tab, "Tab"));
    QCOMPARE(c->focusedHotspot(), 1);
    QVERIFY(pressKey(c, Qt::Key_Left, "Left"));
    QCOMPARE(c->focusedHotspot(), 0);
    QVERIFY(pressKey(c, Qt::Key_Return, "Return"));
    QVERIFY(pressKey(c, Qt::Key_Space, "space"));
    QCOMPARE(jump.count(), 2);
    QCOMPARE(jump.at(0).at(1).toString(), QStringLiteral("One"));
    QCOMPARE(hostShortcuts, 0);
    QVERIFY(c->hasFocus());
}

// ForceWrap and the normal font only repaint: the view stays where it was scrolled.
void TestKoruWidget::repaintOnlyPropertiesKeepTheScrollPosition() {
    CKoruTextCtrl w;
    const int line = lineHeightOf(w.normalFont());
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("Line%1_with_a_long_word_that_does_not_fit_the_control").arg(i);
    w.resize(200, line * 5 + line / 2);
    w.setProperty("Text", lines.join(QStringLiteral("\r\n")));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(w.layoutComplete());
    w.scrollToLine(12);
    QCOMPARE(w.scrollPosition(), 12);

    w.setProperty("ForceWrap", true);
    QCOMPARE(w.scrollPosition(), 12);
    QVERIFY(w.scrollBarShown());
    // The long words now break at the right edge: more lines, drawn from line 12 on.
    QTRY_VERIFY(w.layoutComplete());
    QVERIFY(w.scrollMaximum() > 40);
    QCOMPARE(w.scrollPosition(), 12);
    w.grab();

    w.setProperty("FontBold", true);
    QCOMPARE(w.scrollPosition(), 12);
    QFont bigger = w.normalFont();
    bigger.setPointSizeF(bigger.pointSizeF() + 2);
    w.setProperty("Font", bigger);
    QCOMPARE(w.scrollPosition(), 12);
    QVERIFY(w.scrollBarShown());
    QTRY_VERIFY(w.layoutComplete());
    QCOMPARE(w.scrollPosition(), 12);
    QCOMPARE(w.normalFont().pointSizeF(), bigger.pointSizeF());

    // A new text still starts at the top.
    w.setProperty("Text", QStringLiteral("short"));
    QCOMPARE(w.scrollPosition(), 0);
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
