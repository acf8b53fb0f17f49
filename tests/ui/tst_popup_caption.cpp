// The main window's pop-up caption: with the KORU32 control registered, form1
// shows it as a CKoruTextCtrl named Panel3D1 with the caption's look; with no
// record or a broken one it falls back to the plain label and still starts.
#include "app/PopupCaption.h"
#include "app/form1.h"
#include "components/grid/DataGrid.h"
#include "korutext/KoruRegistration.h"
#include "windowkit/ZelWindow.h"

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QTest>

#include "MainWindowSupport.h"

#include <dlfcn.h>

#include <memory>

using zel::koru::KoruIniFile;
using zel::koru::KoruRegistration;

namespace {

void hover(DataGrid* b) {
    const QPointF p(b->viewport()->width() / 2.0, b->viewport()->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, p, b->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(b->viewport(), &move);
}

} // namespace

class TestPopupCaption : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        m_main.useOwnHome();
        m_main.installStore(uitest::MainWindowFixture::Store::File);
    }
    void cleanup() {
        ZelWindow::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(QString::fromStdString(KoruRegistration::defaultRegistryPath()));
    }

    void registeredControlIsTheCaption() {
        registerLibrary();
        form1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QWidget* caption = f.popupCaption().widget();
        QVERIFY(caption);
        QCOMPARE(caption->objectName(), QStringLiteral("Panel3D1"));
        QCOMPARE(QString::fromLatin1(caption->metaObject()->className()), QStringLiteral("CKoruTextCtrl"));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("Panel3D1")), caption);
        // The look comes from the stored set.
        QCOMPARE(caption->property("BackColor").toUInt(), 0x0000FFFFu);
        QCOMPARE(caption->property("ForeColor").toUInt(), 0x00808000u);
        QCOMPARE(caption->property("BorderStyle").toInt(), 1);
        QCOMPARE(caption->property("AutoSize").toBool(), true);
        QCOMPARE(caption->property("WordWrap").toBool(), false);
        QCOMPARE(caption->property("FontSize").toFloat(), 9.0f);
        QCOMPARE(caption->property("Font").value<QFont>().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(caption->property("Text").toString(), QStringLiteral("  "));
        QVERIFY(caption->isHidden());
        const int blankWidth = caption->width();

        // The main window sets text, position and visibility.
        hover(f.toolbarButton(1));
        QVERIFY(f.popupCaption().isShown());
        QCOMPARE(caption->property("Text").toString(), QStringLiteral("データの呼び出し"));
        QCOMPARE(f.popupCaption().text(), QStringLiteral("データの呼び出し"));
        QCOMPARE(caption->x(), f.toolbarButton(1)->x());
        QVERIFY(caption->y() > f.toolbarButton(1)->geometry().bottom());
        // It sized itself to the longer text.
        QVERIFY(caption->width() > blankWidth);
        // What it paints: the yellow box inside a black border.
        const QImage shot = caption->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(1, shot.height() / 2), QColor(255, 255, 0));
        emit f.grid().mouseMoved(QPoint(3, 3));
        QVERIFY(!f.popupCaption().isShown());
    }

    void brokenRecordFallsBackToTheLabel() {
        registerLibrary();
        KoruIniFile r = *KoruRegistration::load(KoruRegistration::defaultRegistryPath());
        r.setValue(KoruRegistration::kControlProgId, "Library", "/nonexistent/libKORU32.so");
        QVERIFY(KoruRegistration::saveAtomically(KoruRegistration::defaultRegistryPath(), r.text()).isOk());
        checkLabelCaption();
        // A record naming a factory the library does not have.
        r.setValue(KoruRegistration::kControlProgId, "Library", ZEL_KORU32_LIBRARY);
        r.setValue(KoruRegistration::kControlProgId, "Factory", "noSuchFactory");
        QVERIFY(KoruRegistration::saveAtomically(KoruRegistration::defaultRegistryPath(), r.text()).isOk());
        checkLabelCaption();
    }

    void unregisteredFallsBackToTheLabel() { checkLabelCaption(); }

    // The caption goes with its reason: the pointer leaving the button, the
    // button's command, another window taking the focus. Hovering afterwards
    // shows it again.
    void captionHidesWhenItsReasonIsGone() {
        form1 f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        DataGrid* open = f.toolbarButton(1);
        hover(open);
        QVERIFY(f.popupCaption().isShown());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(open, &leave);
        QVERIFY(!f.popupCaption().isShown());
        QCOMPARE(f.rememberedButtonIndex(), -1);

        hover(open);
        QVERIFY(f.popupCaption().isShown());
        QTest::mouseClick(open->viewport(), Qt::LeftButton, {}, open->viewport()->rect().center());
        QVERIFY(ZelWindow::find(QStringLiteral("LoadForm")));
        QVERIFY(!f.popupCaption().isShown());
        ZelWindow::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.popupCaption().isShown());

        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        hover(open);
        QVERIFY(f.popupCaption().isShown());
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!f.popupCaption().isShown());
    }

  private:
    void registerLibrary() {
        void* lib = dlopen(ZEL_KORU32_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(lib, dlerror());
        auto reg = reinterpret_cast<int (*)()>(dlsym(lib, "DllRegisterServer"));
        QVERIFY(reg);
        QCOMPARE(reg(), 0);
    }

    void checkLabelCaption() {
        form1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QWidget* caption = f.popupCaption().widget();
        QCOMPARE(caption->objectName(), QStringLiteral("Panel3D1"));
        QCOMPARE(QString::fromLatin1(caption->metaObject()->className()), QStringLiteral("QLabel"));
        QCOMPARE(f.popupCaption().text(), QStringLiteral("  "));
        hover(f.toolbarButton(0));
        QVERIFY(f.popupCaption().isShown());
        QCOMPARE(f.popupCaption().text(), QStringLiteral("データの新規作成"));
    }

    uitest::MainWindowFixture m_main;
};

QTEST_MAIN(TestPopupCaption)
#include "tst_popup_caption.moc"
