// The main window's menus, toolbar and command states driven as a user drives
// them: captions, names and shortcuts, the states before and after a dataset
// exists, the windows each menu's opening closes, the toolbar buttons and their
// pop-up caption, the toolbar toggle, the help, version and terms windows and
// the printer set-up.
#include "app/HelpWindow.h"
#include "app/PopupCaption.h"
#include "app/SIYOU.h"
#include "app/ToolbarPictures.h"
#include "app/dsf.h"
#include "app/endform.h"
#include "app/form1.h"
#include "app/verj.h"
#include "components/grid/DataGrid.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "MainWindowSupport.h"
#include "UiTestSupport.h"

#include <functional>
#include <memory>

namespace {

class PlainWindow : public ZelWindow {
  public:
    explicit PlainWindow(const QString& name) : ZelWindow(name) {
        setDesignGeometry({1500, 1200, 3000, 2000});
    }
};

// Opens a window of the given kind (each name is a kind of its own).
ZelWindow* openNamed(const QString& name) {
    if (ZelWindow* w = ZelWindow::find(name)) return w;
    auto* w = new PlainWindow(name);
    w->show();
    return w;
}

using uitest::flushDeletes;
using uitest::whenModal;

struct Item {
    const char* caption;
    const char* name;
    QKeySequence shortcut;
};

// Opens a menu the way the menu bar does, and closes it again.
void openAndClose(QMenu* menu) {
    menu->popup(QPoint(10, 10));
    menu->hide();
    flushDeletes();
}

QPoint centre(DataGrid* b) {
    return b->viewport()->rect().center();
}

void hover(DataGrid* b) {
    const QPointF p = centre(b);
    QMouseEvent move(QEvent::MouseMove, p, b->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(b->viewport(), &move);
}

void click(DataGrid* b) {
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, centre(b));
}

const QStringList kDatasetCommands = {"BUNSAN",   "masuku_m", "HOZON", "DATAIN", "COPPY",
                                      "HARITUKE", "KIRITORI", "datal", "gyoui",  "gyoud",
                                      "retui",    "retud",    "henhen", "EXPORT"};
const QStringList kAlwaysCommands = {"SINKI",   "YOMIKOMI", "PRINSET", "SYUURYOU", "msubes",
                                     "TOLLBAR", "sitens",   "N_MODE",  "verjyo",   "siyouj", "IMPORT"};

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;

    form1& f() { return m_main.window(); }
    QAction* action(const QString& name) { return f().findChild<QAction*>(name); }
    QAction* helpItem(int index) {
        for (QAction* a : f().helpMenu()->actions())
            if (a->objectName() == QStringLiteral("HELP_M") && a->property("index").toInt() == index)
                return a;
        return nullptr;
    }
    void checkItems(QMenu* menu, const QList<Item>& items) {
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), QString::fromLatin1(items[i].name));
            if (items[i].caption)
                QCOMPARE(actions[i]->text(), QString::fromUtf8(items[i].caption));
            else
                QVERIFY(actions[i]->isSeparator());
            QCOMPARE(actions[i]->shortcut(), items[i].shortcut);
        }
    }
    // Every control below the toolbar, with its geometry and visibility.
    QList<QPair<QRect, bool>> layoutSnapshot() {
        QList<QPair<QRect, bool>> out;
        for (const char* name :
             {"leftPanel", "rightPanel", "HScroll1", "Label3", "Label2", "Panel3D1", "grid1"}) {
            auto* w = f().findChild<QWidget*>(QString::fromLatin1(name));
            out.append({w->geometry(), w->isVisible()});
        }
        for (int i = 0; i < form1::kToolbarButtons; ++i)
            out.append({f().toolbarButton(i)->geometry(), f().toolbarButton(i)->isVisible()});
        return out;
    }

  private slots:
    void initTestCase() {
        m_main.useOwnHome();
        m_main.installStore(uitest::MainWindowFixture::Store::File);
    }
    void init() { m_main.start(); }
    void cleanup() {
        m_main.stop();
        QVERIFY(ZelWindow::openWindows().isEmpty());
    }

    void menuTree() {
        const QList<QAction*> top = f().menuBar()->actions();
        QStringList titles;
        for (QAction* a : top)
            titles << a->text();
        QCOMPARE(titles, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "解析(&A)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"}));
        checkItems(f().fileMenu(), {{"新規作成(&N)...", "SINKI", QKeySequence(Qt::Key_F2)},
                                    {"開く(&L)...", "YOMIKOMI", QKeySequence(Qt::Key_F3)},
                                    {"保存(&S)...", "HOZON", QKeySequence(Qt::Key_F4)},
                                    {"印刷(&P)...", "DATAIN", {}},
                                    {"ﾌﾟﾘﾝﾀｰの設定(&R)...", "PRINSET", {}},
                                    {"インポート(&I)...", "IMPORT", {}},
                                    {"エクスポート(&X)...", "EXPORT", {}},
                                    {nullptr, "SEPARATER", {}},
                                    {"終了(&E)", "SYUURYOU", {}}});
        checkItems(f().editMenu(), {{"コピー(&C)", "COPPY", QKeySequence(Qt::CTRL | Qt::Key_C)},
                                    {"貼り付け(&P)", "HARITUKE", QKeySequence(Qt::CTRL | Qt::Key_V)},
                                    {"切り取り(&T)", "KIRITORI", {}},
                                    {"すべて選択(&A)", "msubes", {}},
                                    {nullptr, "SEPAH", {}},
                                    {"行の挿入(&I)", "gyoui", {}},
                                    {"行の削除(&D)", "gyoud", {}},
                                    {"列の挿入(&U)", "retui", {}},
                                    {"列の削除(&S)", "retud", {}},
                                    {nullptr, "esepa", {}},
                                    {"グラフの作成(&G)", "tugi", {}}});
        QVERIFY(!action("esepa")->isVisible());
        QVERIFY(!action("tugi")->isVisible());
        checkItems(f().analysisMenu(), {{"グラフの作成(&G)...", "BUNSAN", QKeySequence(Qt::Key_F6)}});
        checkItems(f().optionMenu(), {{"ﾂｰﾙﾊﾞｰ(&T)", "TOLLBAR", {}},
                                      {"データのマスク(&M)", "masuku_m", {}},
                                      {"データラベルの設定(&L)", "datal", {}},
                                      {"変数名の変更(&V)", "henhen", {}},
                                      {"３Ｄグラフの視点設定(&R)", "sitens", {}},
                                      {"入力モードの設定(&M)", "N_MODE", {}}});
        QVERIFY(action("TOLLBAR")->isCheckable());
        QVERIFY(action("TOLLBAR")->isChecked());
        checkItems(f().helpMenu(), {{"ZELﾍﾙﾌﾟ(&C)", "HELP_M", {}},
                                    {"ﾍﾙﾌﾟの使い方(&H)", "HELP_M", {}},
                                    {nullptr, "HELP_M", {}},
                                    {"ﾊﾞｰｼﾞｮﾝ情報(&A)", "verjyo", {}},
                                    {"ｿﾌﾄｳｴｱの使用条件", "siyouj", {}}});
        QCOMPARE(helpItem(0)->text(), QStringLiteral("ZELﾍﾙﾌﾟ(&C)"));
        QCOMPARE(helpItem(2)->text(), QStringLiteral("ﾍﾙﾌﾟの使い方(&H)"));
        QVERIFY(helpItem(3)->isSeparator());
    }

    void commandStatesFollowTheDatasetName() {
        for (const QString& name : kDatasetCommands)
            QVERIFY2(!action(name)->isEnabled(), qPrintable(name));
        for (const QString& name : kAlwaysCommands)
            QVERIFY2(action(name)->isEnabled(), qPrintable(name));
        QVERIFY(helpItem(0)->isEnabled());
        QVERIFY(helpItem(2)->isEnabled());
        for (int i = 0; i < form1::kToolbarButtons; ++i)
            QCOMPARE(f().toolbarButton(i)->isEnabled(), i < 2 || i == 9);
        QVERIFY(!f().grid().isEnabled());
        // A disabled button shows its picture greyed.
        const QImage greyed = f().toolbarButton(2)->grab().toImage();

        // Disabled commands cannot be invoked: the F6 shortcut and button 7 do nothing.
        QSignalSpy graph(&f(), &form1::graphCommandRequested);
        f().activateWindow();
        QTest::keyClick(&f(), Qt::Key_F6);
        click(f().toolbarButton(7));
        f().runToolbarButton(7);
        QCOMPARE(graph.count(), 0);

        f().setDatasetName(QString());
        QVERIFY(!action("BUNSAN")->isEnabled());
        f().setDatasetName(QStringLiteral("/data/lot"));
        for (const QString& name : kDatasetCommands + kAlwaysCommands)
            QVERIFY2(action(name)->isEnabled(), qPrintable(name));
        for (int i = 0; i < form1::kToolbarButtons; ++i)
            QVERIFY(f().toolbarButton(i)->isEnabled());
        QVERIFY(f().grid().isEnabled());
        QCOMPARE(f().hintText(), QStringLiteral("※　データの解析を行います。"));
        QCOMPARE(f().windowTitle(), QStringLiteral("[ZEL] /data/lot"));
        QVERIFY(f().toolbarButton(2)->grab().toImage() != greyed);
        // Nothing disables them again.
        f().setDatasetName(QString());
        QVERIFY(action("BUNSAN")->isEnabled());
        QVERIFY(f().toolbarButton(8)->isEnabled());

        action("BUNSAN")->trigger();
        QCOMPARE(graph.count(), 1);
    }

    void eachMenuOpeningClosesItsWindows() {
        f().setAnalysisWindowNames({"XR1", "xrkanri", "pare1"});
        QCOMPARE(f().analysisWindowNames(), (QStringList{"XR1", "xrkanri", "pare1"}));
        const QList<QPair<QMenu*, QStringList>> lists = {
            {f().fileMenu(), {"LoadForm", "saveform", "sinkform", "tydata", "rot", "inmode"}},
            {f().editMenu(), {"gyousou", "gyoudel", "retusou", "retudel"}},
            {f().analysisMenu(), {"XR1", "xrkanri", "pare1"}},
            {f().optionMenu(), {"masukuf", "nymode", "henhenf", "parekos", "rgset"}},
            {f().helpMenu(), {"SIYOU"}}};
        QStringList all;
        for (const auto& l : lists)
            all += l.second;
        for (const auto& [menu, names] : lists) {
            QCOMPARE(f().windowsClosedBy(menu), names);
            for (const QString& n : all)
                openNamed(n);
            openAndClose(menu);
            for (const QString& n : all)
                QVERIFY2(bool(ZelWindow::find(n)) != names.contains(n), qPrintable(menu->title() + " " + n));
        }
        // The windows of one menu are not closed by the other menus.
        QVERIFY(f().windowsClosedBy(f().helpMenu()) == QStringList{"SIYOU"});
    }

    void toolbarLayout() {
        for (int i = 0; i < form1::kToolbarButtons; ++i) {
            DataGrid* b = f().toolbarButton(i);
            QCOMPARE(b->objectName(), QStringLiteral("ToolButton%1").arg(i));
            QCOMPARE(b->columnCount(), 1);
            QCOMPARE(b->rowCount(), 1);
            QCOMPARE(b->columnWidthAt(1), 4.0);
            QCOMPARE(b->rowHeightAt(1), 23.0);
            QCOMPARE(b->height(), qRound(23 * 96 / 72.0));
            QVERIFY(b->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
            QVERIFY(!b->showGrid());
            QCOMPARE(b->text(1, 1), QString());
            QCOMPARE(b->y(), zel::Twips::toPixels(10));
        }
        QCOMPARE(f().toolbarButton(0)->x(), zel::Twips::toPixels(10));
        // Each button 10 twips after the right edge of the one before it.
        double left = 10;
        for (int i = 1; i < form1::kToolbarButtons; ++i) {
            left += zel::Twips::fromPixels(f().toolbarButton(i - 1)->width()) + 10;
            QCOMPARE(f().toolbarButton(i)->x(), zel::Twips::toPixels(left));
            QVERIFY(f().toolbarButton(i)->x() > f().toolbarButton(i - 1)->geometry().right());
        }
        // Ten distinct pictures, each with something drawn on it.
        QList<QImage> pictures;
        for (int i = 0; i < ToolbarPictures::kCount; ++i) {
            const QImage img = ToolbarPictures::picture(i, 20).toImage();
            QCOMPARE(img.size(), QSize(20, 20));
            int opaque = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    opaque += qAlpha(img.pixel(x, y)) > 128;
            QVERIFY2(opaque > 40, qPrintable(QString::number(i)));
            QVERIFY(!pictures.contains(img));
            pictures << img;
        }
        QVERIFY(ToolbarPictures::picture(10).isNull());
    }

    void toolbarButtonsRunTheirMenusThenTheirCommands() {
        f().setDatasetName(QStringLiteral("/data/lot"));
        f().setAnalysisWindowNames({"XR1", "xrkanri"});
        openNamed(QStringLiteral("XR1"));
        openNamed(QStringLiteral("xrkanri"));
        openNamed(QStringLiteral("gyousou"));
        QSignalSpy graph(&f(), &form1::graphCommandRequested);
        // The analysis windows are gone when the graph command comes.
        bool closedFirst = false;
        connect(&f(), &form1::graphCommandRequested, this,
                [&] { closedFirst = !ZelWindow::find("XR1") && !ZelWindow::find("xrkanri"); });
        click(f().toolbarButton(7));
        QCOMPARE(graph.count(), 1);
        QVERIFY(closedFirst);
        QVERIFY(ZelWindow::find("gyousou"));

        // Button 4 closes the Edit menu's windows, then copies the sheet's selection.
        f().grid().setText(1, 1, QStringLiteral("12.5"));
        f().grid().setCurrentCol(1);
        f().grid().setCurrentRow(1);
        QApplication::clipboard()->clear();
        click(f().toolbarButton(4));
        flushDeletes();
        QVERIFY(!ZelWindow::find("gyousou"));
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("12.5")));

        // Button 9: the help contents.
        click(f().toolbarButton(9));
        auto* help = ZelWindow::findOpen<HelpWindow>();
        QVERIFY(help);
        QCOMPARE(help->browser()->source(), HelpWindow::contentsUrl());
    }

    void hoverShowsTheCaptionOnlyWhenTheMainWindowIsAlone() {
        PopupCaption& caption = f().popupCaption();
        QCOMPARE(caption.widget()->objectName(), QStringLiteral("Panel3D1"));
        QVERIFY(!caption.isShown());
        QCOMPARE(caption.text(), QStringLiteral("  "));
        QCOMPARE(f().rememberedButtonIndex(), -1);
        const QStringList texts = {"データの新規作成",       "データの呼び出し",
                                   "データの保存",           "データの印刷",
                                   "クリップボードへコピー", "データの貼り付け",
                                   "データの切り取り",       "データの解析",
                                   "データのマスク",         "ヘルプ"};
        // Enabled buttons react; every caption text as given.
        for (int i : {0, 1, 9}) {
            hover(f().toolbarButton(i));
            QVERIFY(caption.isShown());
            QCOMPARE(caption.text(), texts[i]);
            QCOMPARE(caption.widget()->x(), f().toolbarButton(i)->x());
            QVERIFY(caption.widget()->y() > f().toolbarButton(i)->geometry().bottom());
            QCOMPARE(f().rememberedButtonIndex(), i);
        }
        f().setDatasetName(QStringLiteral("/data/lot"));
        for (int i = 0; i < form1::kToolbarButtons; ++i)
            QCOMPARE(form1::toolbarCaption(i), texts[i]);
        hover(f().toolbarButton(5));
        QCOMPARE(caption.text(), texts[5]);
        // The same button again changes nothing, even after the caption was hidden
        // over the sheet (the index is kept there).
        emit f().grid().mouseMoved(QPoint(3, 3));
        QVERIFY(!caption.isShown());
        QCOMPARE(f().rememberedButtonIndex(), 5);
        hover(f().toolbarButton(5));
        QVERIFY(!caption.isShown());
        // The background hides it and forgets the index.
        hover(f().toolbarButton(3));
        QVERIFY(caption.isShown());
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 300), QPointF(5, 300), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f().centralWidget(), &move);
        QVERIFY(!caption.isShown());
        QCOMPARE(f().rememberedButtonIndex(), -1);

        // A second window: no caption.
        openNamed(QStringLiteral("XR1"));
        hover(f().toolbarButton(2));
        QVERIFY(!caption.isShown());
        QCOMPARE(f().rememberedButtonIndex(), -1);
        ZelWindow::closeAll();
        flushDeletes();

        // The title window is closed first; when it was the only other window,
        // the caption then shows.
        QPointer<ZelWindow> titles = openNamed(QStringLiteral("titlef"));
        hover(f().toolbarButton(8));
        flushDeletes();
        QVERIFY(!titles);
        QVERIFY(caption.isShown());
        QCOMPARE(caption.text(), texts[8]);
        QCOMPARE(caption.widget()->x(), f().toolbarButton(8)->x());
    }

    void toolbarToggleRestoresEveryControl() {
        f().resize(800, 600);
        QCoreApplication::processEvents();
        hover(f().toolbarButton(1));
        const auto before = layoutSnapshot();
        const int shift = zel::Twips::toPixels(495);
        auto* sheet = &f().grid();
        auto* slider = f().findChild<QWidget*>(QStringLiteral("HScroll1"));
        auto* caption = f().popupCaption().widget();
        const QRect sheetBefore = sheet->geometry();
        const QPoint captionBefore = caption->pos();

        for (int round = 0; round < 2; ++round) {
            action("TOLLBAR")->trigger();
            QVERIFY(!action("TOLLBAR")->isChecked());
            QVERIFY(!f().toolbarShown());
            for (int i = 0; i < form1::kToolbarButtons; ++i)
                QVERIFY(f().toolbarButton(i)->isHidden());
            QCOMPARE(slider->y(), zel::Twips::toPixels(1080) - shift);
            QCOMPARE(sheet->y(), sheetBefore.y() - shift);
            QCOMPARE(caption->y(), captionBefore.y() - shift);
            const int innerH = f().centralWidget()->height();
            QCOMPARE(sheet->height(), zel::Twips::toPixels(innerH * 15 - 255 - 510 - 110));

            action("TOLLBAR")->trigger();
            QVERIFY(action("TOLLBAR")->isChecked());
            QCOMPARE(layoutSnapshot(), before);
        }
    }

    void versionWindow() {
        action("verjyo")->trigger();
        QPointer<verj> v = ZelWindow::findOpen<verj>();
        QVERIFY(v);
        QCOMPARE(v->windowTitle(), QStringLiteral("ZELのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(v->geometrySuffix(), QStringLiteral("vj"));
        QCOMPARE(v->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.0.0"));
        QCOMPARE(v->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("ZEL for Windows"));
        auto* ok = v->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        auto* sysInfo = v->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
        auto* deleteGeometry = v->findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(sysInfo->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
        QCOMPARE(deleteGeometry->text(), QStringLiteral("位置情報の削除"));

        // No system-information program: the fixed notice (OK only, no icon).
        const QStringList programs = verj::systemInfoPrograms();
        verj::setSystemInfoPrograms({QStringLiteral("zel-no-such-program-xyz")});
        const uitest::SeenBox box = uitest::answerBox([&] { QTest::mouseClick(sysInfo, Qt::LeftButton); });
        QCOMPARE(box.text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QCOMPARE(box.kind, MessageBox::Kind::Info);
        // A program that is there starts, without a message.
        verj::setSystemInfoPrograms({QStringLiteral("zel-no-such-program-xyz"), QStringLiteral("true")});
        QVERIFY(verj::startSystemInfo());
        verj::setSystemInfoPrograms(programs);

        QTest::mouseClick(deleteGeometry, Qt::LeftButton);
        QVERIFY(ZelWindow::findOpen<dsf>());
        QTest::mouseClick(ok, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!v);
    }

    void termsWindow() {
        action("siyouj")->trigger();
        QPointer<SIYOU> s = ZelWindow::findOpen<SIYOU>();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("ソフトウエアの使用条件"));
        QCOMPARE(s->geometrySuffix(), QStringLiteral("sj"));
        auto* text = s->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(text->isReadOnly());
        QVERIFY(text->toPlainText().contains(QStringLiteral("使用の許諾")));
        QTest::mouseClick(s->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!s);
        // Opening the Help menu closes it.
        action("siyouj")->trigger();
        s = ZelWindow::findOpen<SIYOU>();
        openAndClose(f().helpMenu());
        QVERIFY(!s);
    }

    void helpWindowShowsTheContentsAndFollowsLinks() {
        helpItem(0)->trigger();
        HelpWindow* h = ZelWindow::findOpen<HelpWindow>();
        QVERIFY(h);
        QTextBrowser* b = h->browser();
        QCOMPARE(b->source(), HelpWindow::contentsUrl());
        QVERIFY(b->toPlainText().contains(QStringLiteral("目次")));
        auto* back = h->findChild<QPushButton*>(QStringLiteral("cmdBack"));
        auto* forward = h->findChild<QPushButton*>(QStringLiteral("cmdForward"));
        QVERIFY(!back->isEnabled());

        // "ﾍﾙﾌﾟの使い方(&H)" goes to the page on using help, in the same window.
        helpItem(2)->trigger();
        QCOMPARE(ZelWindow::findOpen<HelpWindow>(), h);
        QCOMPARE(b->source(), HelpWindow::usageUrl());
        QVERIFY(b->toPlainText().contains(QStringLiteral("ヘルプの使い方")));
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(b->source(), HelpWindow::contentsUrl());
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(b->source(), HelpWindow::usageUrl());
        QTest::mouseClick(h->findChild<QPushButton*>(QStringLiteral("cmdContents")), Qt::LeftButton);
        QCOMPARE(b->source(), HelpWindow::contentsUrl());

        // Every page linked from any page is there, and has a title.
        QStringList pending{QStringLiteral("index.html")}, seen;
        const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
        while (!pending.isEmpty()) {
            const QString page = pending.takeFirst();
            if (seen.contains(page)) continue;
            seen << page;
            QFile file(QStringLiteral(":/help/") + page);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
            for (auto it = link.globalMatch(html); it.hasNext();)
                pending << it.next().captured(1);
        }
        QVERIFY(seen.size() >= 8);
    }

    void printerSetUp() {
        QString title;
        whenModal<QPrintDialog>([&](QPrintDialog* d) {
            title = d->windowTitle();
            d->reject();
        });
        action("PRINSET")->trigger();
        QCOMPARE(title, QStringLiteral("ﾌﾟﾘﾝﾀｰの設定"));
    }

    void optionItems() {
        f().setDatasetName(QStringLiteral("/data/lot"));
        f().workspace().rememberedGraphType = 4;
        action("sitens")->trigger();
        QVERIFY(ZelWindow::find(QStringLiteral("rgset")));
        QCOMPARE(f().workspace().rememberedGraphType, 0);

        f().workspace().dataLabelFlag = 0;
        action("datal")->trigger();
        QCOMPARE(f().workspace().dataLabelFlag, 1);
        QVERIFY(ZelWindow::find(QStringLiteral("parekos")));
        action("masuku_m")->trigger();
        QVERIFY(ZelWindow::find(QStringLiteral("masukuf")));
        // Button 8 closes the Option menu's windows, then opens the mask dialog.
        QPointer<ZelWindow> labels = ZelWindow::find(QStringLiteral("parekos"));
        click(f().toolbarButton(8));
        flushDeletes();
        QVERIFY(!labels);
        QVERIFY(ZelWindow::find(QStringLiteral("masukuf")));
    }

    void mainWindowServices() {
        MainContext& ctx = f();
        QCOMPARE(ctx.mainWindow(), static_cast<QWidget*>(&f()));
        QCOMPARE(&ctx.grid(), f().findChild<DataGrid*>(QStringLiteral("grid1")));
        QCOMPARE(&ctx.workspace(), &f().workspace());
        auto* slider = f().findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        QCOMPARE(ctx.columnWidthChars(), 8);
        slider->setValue(13);
        QCOMPARE(ctx.columnWidthChars(), 13);
        auto* combo = f().findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->addItem(QStringLiteral("ヒストグラム"));
        combo->setCurrentIndex(combo->count() - 1);
        QCOMPARE(ctx.currentAnalysisName(), QStringLiteral("ヒストグラム"));
        ctx.setHint(QStringLiteral("※　テスト"));
        QCOMPARE(f().hintText(), QStringLiteral("※　テスト"));
        QSignalSpy pareto(&f(), &form1::paretoVariablesRequested);
        ctx.openParetoVariables();
        QCOMPARE(pareto.count(), 1);
        ctx.setDatasetName(QStringLiteral("/d/x"));
        QCOMPARE(f().datasetName(), QStringLiteral("/d/x"));
        QVERIFY(action("HOZON")->isEnabled());
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
