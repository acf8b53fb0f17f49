// The hypertext label's stored property set and defaults file as a host and
// the defaults page use them: "保存" and "リセット" followed by new instances,
// stream round trips through the widget, the tooltip, the information box and
// the control's own pointers.
#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruCursors.h"
#include "korutext/KoruDefaults.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

class TestKoruPersist : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void saveThenNewInstance();
    void resetThenNewInstance();
    void storedSetWinsOverDefaultsFile();
    void streamRoundTripThroughTheWidget();
    void corruptStreamChangesNothing();
    void everyAcceptedValueSavesAndLoads();
    void tooltipFollowsTheProperty();
    void aboutBoxTexts();
    void ownPointersOverHotspots();

  private:
    QString defaultsText() const {
        QFile f(koruDefaultsFilePath());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll());
    }
    QTemporaryDir m_config;
};

void TestKoruPersist::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    QCOMPARE(koruDefaultsFilePath(), m_config.path() + "/TDL4WIN.INI");
}

void TestKoruPersist::init() {
    QFile::remove(koruDefaultsFilePath());
}

void TestKoruPersist::saveThenNewInstance() {
    {
        CKoruTextCtrl a;
        a.setProperty("TabWidth", 3);
        a.setProperty("BackColor", 0x8000000Fu); // a system colour
        a.setProperty("ForeColor", 0x00808000u);
        a.setProperty("HeadingColor", 0x000000FFu);
        a.setProperty("JumpColor", 0x00FF0000u);
        a.setProperty("PopupColor", 0x0000FF00u);
        a.setProperty("HotspotColors", 2);
        a.setProperty("JumpCursor", 99);
        a.setProperty("PopupCursor", 14);
        a.setProperty("NormalCursor", 3);
        a.setProperty("AutoSize", true);
        a.setProperty("WordWrap", true);
        a.setProperty("DrawFocusRect", false);
        a.setProperty("Text", QStringLiteral("保存した\\Hテキスト"));
        a.setProperty("ToolTip", QStringLiteral("ヒント"));
        a.setProperty("FontBold", true);
        a.setProperty("HeadingSize", 20.0f);
        QVERIFY(koruWriteCurrentDefaults(a));
        // Writing never changes the control.
        QCOMPARE(a.property("TabWidth").toInt(), 3);
        QCOMPARE(a.property("Text").toString(), QStringLiteral("保存した\\Hテキスト"));
    }
    const QString file = defaultsText();
    QVERIFY(file.startsWith("[KoruText Control]\n"));
    QVERIFY(file.contains("\nBackColor=-2147483633\n"));
    QVERIFY(file.contains("\nForeColor=8421376\n"));
    QVERIFY(file.contains("\nTabWidth=3\n"));
    QVERIFY(file.contains("\nAutoSize=1\n"));
    QVERIFY(file.contains("\nDrawFocusRect=0\n"));
    QVERIFY(file.contains("\nJumpCursor=99\n"));
    QVERIFY(file.contains(QStringLiteral("\nToolTip=ヒント\n")));
    QVERIFY(!file.contains("Font"));

    CKoruTextCtrl b;
    QCOMPARE(b.property("TabWidth").toInt(), 3);
    QCOMPARE(b.property("BackColor").toUInt(), 0x8000000Fu);
    QCOMPARE(b.property("ForeColor").toUInt(), 0x00808000u);
    QCOMPARE(b.property("HeadingColor").toUInt(), 0x000000FFu);
    QCOMPARE(b.property("JumpColor").toUInt(), 0x00FF0000u);
    QCOMPARE(b.property("PopupColor").toUInt(), 0x0000FF00u);
    QCOMPARE(b.property("HotspotColors").toInt(), 2);
    QCOMPARE(b.property("JumpCursor").toInt(), 99);
    QCOMPARE(b.property("PopupCursor").toInt(), 14);
    QCOMPARE(b.property("NormalCursor").toInt(), 3);
    QCOMPARE(b.property("AutoSize").toBool(), true);
    QCOMPARE(b.property("WordWrap").toBool(), true);
    QCOMPARE(b.property("DrawFocusRect").toBool(), false);
    // Text, ToolTip and the fonts keep their built-in defaults.
    QCOMPARE(b.property("Text").toString(), QString());
    QCOMPARE(b.property("ToolTip").toString(), QString());
    QCOMPARE(b.property("FontBold").toBool(), false);
    QCOMPARE(b.property("Font").value<QFont>().family(), QApplication::font().family());
    QCOMPARE(b.property("HeadingSize").toFloat(), static_cast<float>(QApplication::font().pointSizeF()));

    // A host's new instance takes the host's name as its text.
    CKoruTextCtrl c;
    c.loadPropertySet({}, QStringLiteral("KoruText1"));
    QCOMPARE(c.property("Text").toString(), QStringLiteral("KoruText1"));
    QCOMPARE(c.property("TabWidth").toInt(), 3);
}

void TestKoruPersist::resetThenNewInstance() {
    {
        CKoruTextCtrl a;
        a.setProperty("TabWidth", 5);
        a.setProperty("AutoSize", true);
        QVERIFY(koruWriteCurrentDefaults(a));
    }
    QCOMPARE(CKoruTextCtrl().property("TabWidth").toInt(), 5);
    // The built-in Text is the name the host gave the control, whatever it shows now.
    CKoruTextCtrl host;
    host.loadPropertySet({}, QStringLiteral("KoruText1"));
    host.setText(QStringLiteral("変えたテキスト"));
    QVERIFY(koruWriteBuiltInDefaults(host));
    const QString file = defaultsText();
    QVERIFY2(file.contains(QStringLiteral("\nText=KoruText1\n")), qPrintable(file));
    QVERIFY(file.contains("\nTabWidth=8\n"));
    QVERIFY(file.contains("\nBackColor=-2147483643\n"));
    QVERIFY(file.contains("\nForeColor=-2147483640\n"));
    QVERIFY(file.contains("\nJumpColor=32768\n"));
    CKoruTextCtrl b;
    QCOMPARE(b.property("TabWidth").toInt(), 8);
    QCOMPARE(b.property("AutoSize").toBool(), false);
    QCOMPARE(b.property("DrawFocusRect").toBool(), true);
    QCOMPARE(b.property("BackColor").toUInt(), 0x80000005u);
    QCOMPARE(b.property("ForeColor").toUInt(), 0x80000008u);
    QCOMPARE(b.property("HeadingColor").toUInt(), 0x80000008u);
    QCOMPARE(b.property("JumpColor").toUInt(), 0x00008000u);
    QCOMPARE(b.property("PopupColor").toUInt(), 0x00008000u);
    QCOMPARE(b.property("HotspotColors").toInt(), 0);

    // Other sections and keys of the file survive a write.
    QFile f(koruDefaultsFilePath());
    QVERIFY(f.open(QIODevice::Append));
    f.write("[Other]\nKeep=1\n");
    f.close();
    QVERIFY(koruWriteBuiltInDefaults(host));
    QVERIFY(defaultsText().contains("[Other]\nKeep=1\n"));
}

void TestKoruPersist::storedSetWinsOverDefaultsFile() {
    QFile f(koruDefaultsFilePath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[KoruText Control]\nTabWidth=0x10\nBackColor=0xFF\nWordWrap=1\n");
    f.close();
    zel::koru::KoruPropertySet s;
    s.tabWidth = 4;
    CKoruTextCtrl w;
    QCOMPARE(w.property("TabWidth").toInt(), 16);
    w.loadPropertySet(s, QStringLiteral("x"));
    QCOMPARE(w.property("TabWidth").toInt(), 4);       // from the set
    QCOMPARE(w.property("BackColor").toUInt(), 0xFFu); // from the defaults file
    QCOMPARE(w.property("WordWrap").toBool(), true);
    QCOMPARE(w.property("ForeColor").toUInt(), 0x80000008u); // built in
}

void TestKoruPersist::streamRoundTripThroughTheWidget() {
    CKoruTextCtrl a;
    a.resize(140, 40);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPointSizeF(11);
    font.setItalic(true);
    a.setProperty("Font", font);
    a.setProperty("HeadingBold", true);
    a.setProperty("BorderStyle", 1);
    a.setProperty("Enabled", false);
    a.setProperty("Text", QStringLiteral("\\JJump\\j と \\PPopup\\p"));
    a.setProperty("ToolTip", QStringLiteral("tip"));
    a.setProperty("TabWidth", 6);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    a.setProperty("PopupIcon", icon);
    const QByteArray stream = a.savePropertyStream();

    CKoruTextCtrl b;
    QVERIFY(b.loadPropertyStream(stream, QStringLiteral("ignored")).isOk());
    QCOMPARE(b.size(), QSize(140, 40));
    QCOMPARE(b.property("Text").toString(), a.property("Text").toString());
    QCOMPARE(b.property("ToolTip").toString(), QStringLiteral("tip"));
    QCOMPARE(b.property("TabWidth").toInt(), 6);
    QCOMPARE(b.property("BorderStyle").toInt(), 1);
    QCOMPARE(b.property("Enabled").toBool(), false);
    QCOMPARE(b.property("FontName").toString(), font.family());
    QCOMPARE(b.property("FontSize").toFloat(), 11.0f);
    QCOMPARE(b.property("FontItalic").toBool(), true);
    QCOMPARE(b.property("HeadingBold").toBool(), true);
    QCOMPARE(b.property("PopupIcon").value<QPixmap>().toImage().pixelColor(3, 3), QColor(Qt::red));
    QVERIFY(b.property("JumpIcon").value<QPixmap>().isNull());
    QCOMPARE(b.savePropertyStream(), stream);
}

void TestKoruPersist::corruptStreamChangesNothing() {
    CKoruTextCtrl w;
    w.setProperty("Text", QStringLiteral("kept"));
    QByteArray stream = w.savePropertyStream();
    stream.truncate(stream.size() / 2);
    const zel::Status st = w.loadPropertyStream(stream);
    QVERIFY(!st.isOk());
    QCOMPARE(st.code(), zel::StatusCode::CorruptInput);
    QCOMPARE(w.property("Text").toString(), QStringLiteral("kept"));
    QVERIFY(!w.loadPropertyStream(QByteArray("\x01\x00\x09\x00", 4)).isOk());
}

// Every value the control takes comes back from its stored set; a value beyond a
// property's range is refused with error 380 and the property keeps its value.
void TestKoruPersist::everyAcceptedValueSavesAndLoads() {
    const auto reload = [](const CKoruTextCtrl& a, CKoruTextCtrl& b) {
        const zel::Status st = b.loadPropertyStream(a.savePropertyStream(), QStringLiteral("Panel3D1"));
        if (!st.isOk()) qWarning("%s", st.message().c_str());
        return st.isOk();
    };
    struct Range {
        const char* property;
        int low;
        int high;
    };
    const Range ranges[] = {{"TabWidth", 1, 32767},          {"HotspotColors", -32768, 32767},
                            {"JumpCursor", -32768, 32767},   {"PopupCursor", -32768, 32767},
                            {"NormalCursor", -32768, 32767}, {"BorderStyle", -32768, 32767}};
    for (const Range& r : ranges) {
        for (const int v : {r.low, r.high}) {
            CKoruTextCtrl a, b;
            a.setProperty(r.property, v);
            QCOMPARE(a.lastError(), 0);
            QVERIFY2(reload(a, b), r.property);
            QCOMPARE(b.property(r.property).toInt(), v);
        }
        for (const int v : {r.low - 1, r.high + 1}) {
            CKoruTextCtrl a;
            const int before = a.property(r.property).toInt();
            a.setProperty(r.property, v);
            QCOMPARE(a.lastError(), CKoruTextCtrl::kInvalidPropertyValue);
            QCOMPARE(a.property(r.property).toInt(), before);
        }
    }
    {
        CKoruTextCtrl a;
        a.setProperty("TabWidth", 40000);
        QCOMPARE(a.lastError(), 380);
        QCOMPARE(a.tabWidth(), 8);
    }
    // Font sizes up to 2048 points; above, or 0, refused for both fonts.
    for (const char* size : {"FontSize", "HeadingSize"}) {
        CKoruTextCtrl a, b;
        a.setProperty(size, 2048.0f);
        QCOMPARE(a.lastError(), 0);
        QVERIFY(reload(a, b));
        QCOMPARE(b.property(size).toFloat(), 2048.0f);
        for (const float bad : {3000.0f, 0.0f}) {
            a.setProperty(size, bad);
            QCOMPARE(a.lastError(), 380);
            QCOMPARE(a.property(size).toFloat(), 2048.0f);
        }
    }
    {
        CKoruTextCtrl a;
        QFont huge = a.normalFont();
        huge.setPointSizeF(3000);
        a.setNormalFont(huge);
        QCOMPARE(a.lastError(), 380);
        a.setHeadingFont(huge);
        QCOMPARE(a.lastError(), 380);
        QVERIFY(a.fontSize() < 2048.0f && a.headingSize() < 2048.0f);
    }
    // The colours at their ends: white and the last system colour.
    for (const char* colour : {"BackColor", "ForeColor", "HeadingColor", "JumpColor", "PopupColor"}) {
        for (const quint32 v : {0x00FFFFFFu, 0x8000001Eu}) {
            CKoruTextCtrl a, b;
            a.setProperty(colour, v);
            QCOMPARE(a.lastError(), 0);
            QVERIFY(reload(a, b));
            QCOMPARE(b.property(colour).toUInt(), v);
        }
    }
    // A control that has grown wider than 100000 pixels to fit its text.
    CKoruTextCtrl wide, back;
    wide.setText(QString(20000, QLatin1Char('x')));
    wide.setAutoSize(true);
    QVERIFY2(wide.width() > 100000, qPrintable(QString::number(wide.width())));
    QVERIFY(reload(wide, back));
    QCOMPARE(back.size(), wide.size());
    QCOMPARE(back.text(), wide.text());
}

void TestKoruPersist::tooltipFollowsTheProperty() {
    QWidget host;
    host.resize(300, 100);
    auto* w = new CKoruTextCtrl(&host);
    w->setGeometry(10, 10, 200, 50);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto hover = [w] {
        QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &e);
    };
    // Empty: no tooltip.
    hover();
    QVERIFY(!QToolTip::isVisible());
    w->setProperty("ToolTip", QStringLiteral("ヒント"));
    hover();
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("ヒント"));
    // A different text changes the tip on screen.
    w->setProperty("ToolTip", QStringLiteral("別のヒント"));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("別のヒント"));
    // A button press closes it.
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(!QToolTip::isVisible());
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
    // An empty text removes it.
    hover();
    QTRY_VERIFY(QToolTip::isVisible());
    w->setProperty("ToolTip", QString());
    QTRY_VERIFY(!QToolTip::isVisible());
    hover();
    QVERIFY(!QToolTip::isVisible());
}

void TestKoruPersist::aboutBoxTexts() {
    CKoruTextCtrl w;
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("About KoruText Control"));
        QStringList texts;
        int icons = 0;
        for (QLabel* l : box->findChildren<QLabel*>()) {
            if (l->pixmap().isNull())
                texts << l->text();
            else
                ++icons;
        }
        QCOMPARE(icons, 2);
        QVERIFY(texts.contains(QStringLiteral("ハイパーテキストコントロール")));
        QVERIFY(texts.contains(QStringLiteral("KORU16/32.OCX")));
        QVERIFY(texts.contains(QStringLiteral("Version: 4.10.000.14")));
        int lines = 0;
        for (QFrame* f : box->findChildren<QFrame*>())
            if (f->frameShape() == QFrame::HLine) ++lines;
        QCOMPARE(lines, 2);
        QPushButton* ok = nullptr;
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("OK")) ok = b;
        QVERIFY(ok);
        seen = true;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QVERIFY(QMetaObject::invokeMethod(&w, "AboutBox"));
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestKoruPersist::ownPointersOverHotspots() {
    CKoruTextCtrl w;
    w.resize(200, 60);
    w.setProperty("Text", QStringLiteral("\\JJump here\\j"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(!w.segments().empty());
    const auto& r = w.segments().front().rect;
    const QPoint over((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const auto pictureOf = [](const QCursor& c) { return c.pixmap().toImage(); };
    // Code 0 over a hot spot: the control's own hand.
    QTest::mouseMove(&w, over);
    QTRY_COMPARE(w.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(pictureOf(w.cursor()), pictureOf(koruOwnCursor(13)));
    // 13 and 14..23: the own pointers.
    for (int code : {13, 14, 18, 23}) {
        w.setProperty("JumpCursor", code);
        QTest::mouseMove(&w, over + QPoint(code % 2, 0));
        QCOMPARE(pictureOf(w.cursor()), pictureOf(koruOwnCursor(code)));
    }
    // Normal text with code 0: the arrow.
    QTest::mouseMove(&w, QPoint(190, 55));
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestKoruPersist)
#include "tst_koru_persist.moc"
