// Window tests of the hypertext label's property pages and its own pointer
// pictures: the lists' entries, the cursor code mapping, the refused tab width,
// the text page, the colour, font and picture pages, and the defaults buttons.
#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruCursors.h"
#include "korutext/KoruDefaults.h"
#include "korutext/KoruPropertyPages.h"
#include "korutext/KoruRegistration.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs `handle` on the next modal window that opens (polling, as a user waits for it).
void whenModal(std::function<void(QWidget*)> handle, int triesLeft = 200) {
    QTimer::singleShot(10, [handle, triesLeft] {
        if (QWidget* w = QApplication::activeModalWidget()) return handle(w);
        if (triesLeft > 0) whenModal(handle, triesLeft - 1);
    });
}

// Closes the next message box with OK and records its title and text. Other
// modal windows (a file dialog still open before it) are waited out.
void answerMessageBox(QString* title, QString* text, int triesLeft = 500) {
    QTimer::singleShot(10, [title, text, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0) answerMessageBox(title, text, triesLeft - 1);
            return;
        }
        *title = box->windowTitle();
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

QStringList itemsOf(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

template <class T> T* child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("no child %s", name);
    return w;
}

void showPage(KoruPropertyPages& pages, const QString& title) {
    auto* tabs = pages.findChild<QTabWidget*>(QStringLiteral("pages"));
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == title) return tabs->setCurrentIndex(i);
    qFatal("no page %s", qPrintable(title));
}

void click(QWidget* parent, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

// Japanese text arrives through the input method, as a committed string.
void typeJapanese(QWidget* w, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(w, &commit);
}

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// Stands in for the desktop's file opener and records what it was asked to open.
class FileOpener : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestKoruPages : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void pagesAndListEntries();
    void customCursorEntry();
    void tabWidthRefused();
    void textPageRoundTrip();
    void onlyEditedValuesReachEveryControl();
    void cancelDiscards();
    void colourPage();
    void fontPage();
    void picturePage();
    void defaultsButtons();
    void aboutBoxOnEveryControl();
    void helpOnTheGeneralAndTextPages();
    void pointerPictures();

  private:
    QTemporaryDir m_config;
};

void TestKoruPages::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestKoruPages::pagesAndListEntries() {
    CKoruTextCtrl ctrl;
    KoruPropertyPages pages({&ctrl});
    pages.show();
    auto* tabs = child<QTabWidget>(&pages, "pages");
    QCOMPARE(tabs->count(), 6);
    QCOMPARE(tabs->tabText(0), QStringLiteral("全般"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("ﾃｷｽﾄ"));
    QCOMPARE(tabs->tabText(5), QStringLiteral("ﾃﾞﾌｫﾙﾄ"));

    QCOMPARE(child<QCheckBox>(&pages, "AutoSize")->text(), QStringLiteral("&AutoSize"));
    QCOMPARE(child<QCheckBox>(&pages, "DrawFocusRect")->text(), QStringLiteral("&DrawFocusRect"));
    QCOMPARE(child<QCheckBox>(&pages, "Enabled")->text(), QStringLiteral("&Enabled"));
    QCOMPARE(child<QCheckBox>(&pages, "WordWrap")->text(), QStringLiteral("&WordWrap"));
    // The labels of the lists and boxes, each naming its field.
    QStringList labels;
    for (QLabel* l : pages.findChildren<QLabel*>())
        if (l->buddy()) labels << l->text() + QLatin1Char('>') + l->buddy()->objectName();
    for (const char* name :
         {"BorderStyle", "HotspotColors", "JumpCursor", "NormalCursor", "PopupCursor", "TabWidth"})
        QVERIFY2(labels.contains(QStringLiteral("&%1>%1").arg(QLatin1String(name))), name);
    QVERIFY(labels.contains(QStringLiteral("ToolTip>ToolTip")));

    QCOMPARE(itemsOf(child<QComboBox>(&pages, "BorderStyle")),
             QStringList({QStringLiteral("0 - なし"), QStringLiteral("1 - 実線")}));
    QCOMPARE(itemsOf(child<QComboBox>(&pages, "HotspotColors")),
             QStringList({QStringLiteral("0 - Windows ﾍﾙﾌﾟ"), QStringLiteral("1 - ﾏﾙﾁﾒﾃﾞｨｱ ﾋﾞｭｱｰ"),
                          QStringLiteral("2 - ｶｽﾀﾑ")}));
    const QStringList cursors = {QStringLiteral("0 - 既定値"),
                                 QStringLiteral("1 - 矢印"),
                                 QStringLiteral("2 - ｸﾛｽ"),
                                 QStringLiteral("3 - Ｉ ﾋﾞｰﾑ"),
                                 QStringLiteral("4 - ｱｲｺﾝ"),
                                 QStringLiteral("5 - ｻｲｽﾞ(上下左右)"),
                                 QStringLiteral("6 - ｻｲｽﾞ(右上-左下)"),
                                 QStringLiteral("7 - ｻｲｽﾞ(上下)"),
                                 QStringLiteral("8 - ｻｲｽﾞ(左上-右下)"),
                                 QStringLiteral("9 - ｻｲｽﾞ(左右)"),
                                 QStringLiteral("10 - 上矢印"),
                                 QStringLiteral("11 - 砂時計"),
                                 QStringLiteral("12 - 禁止"),
                                 QStringLiteral("13 - ﾊﾝﾄﾞ"),
                                 QStringLiteral("14 - ｱｰﾑ"),
                                 QStringLiteral("15 - ﾀｰｹﾞｯﾄ"),
                                 QStringLiteral("16 - 棒"),
                                 QStringLiteral("17 - 男の子"),
                                 QStringLiteral("18 - 女の子"),
                                 QStringLiteral("19 - 鉛筆"),
                                 QStringLiteral("20 - 稲妻"),
                                 QStringLiteral("21 - 鍵"),
                                 QStringLiteral("22 - 電話"),
                                 QStringLiteral("23 - \"？\"ﾏｰｸ"),
                                 QStringLiteral("99 - ｶｽﾀﾑ")};
    QCOMPARE(cursors.size(), 25);
    for (const char* name : {"JumpCursor", "NormalCursor", "PopupCursor"})
        QCOMPARE(itemsOf(child<QComboBox>(&pages, name)), cursors);

    // The pages show the control's values.
    QCOMPARE(child<QLineEdit>(&pages, "TabWidth")->text(), QStringLiteral("8"));
    QVERIFY(child<QCheckBox>(&pages, "DrawFocusRect")->isChecked());
    QVERIFY(!child<QCheckBox>(&pages, "AutoSize")->isChecked());
    QCOMPARE(child<QComboBox>(&pages, "HotspotColors")->currentIndex(), 0);
    QVERIFY(!child<QPushButton>(&pages, "apply")->isEnabled());
}

void TestKoruPages::customCursorEntry() {
    QCOMPARE(KoruPropertyPages::cursorCodeAt(24), 99);
    QCOMPARE(KoruPropertyPages::cursorCodeAt(23), 23);
    QCOMPARE(KoruPropertyPages::cursorPositionOf(99), 24);
    QCOMPARE(KoruPropertyPages::cursorPositionOf(24), -1);
    QCOMPARE(KoruPropertyPages::cursorCodeAt(25), -1);

    CKoruTextCtrl ctrl;
    ctrl.setNormalCursor(99);
    ctrl.setPopupCursor(13);
    ctrl.setJumpCursor(50); // no entry of its own
    {
        KoruPropertyPages pages({&ctrl});
        pages.show();
        auto* normal = child<QComboBox>(&pages, "NormalCursor");
        QCOMPARE(normal->currentIndex(), 24);
        QCOMPARE(normal->currentText(), QStringLiteral("99 - ｶｽﾀﾑ"));
        QCOMPARE(child<QComboBox>(&pages, "PopupCursor")->currentText(), QStringLiteral("13 - ﾊﾝﾄﾞ"));
        QCOMPARE(child<QComboBox>(&pages, "JumpCursor")->currentIndex(), -1);

        // The user picks the last entry of the popup list with the keyboard.
        auto* popup = child<QComboBox>(&pages, "PopupCursor");
        popup->setFocus();
        QTest::keyClick(popup, Qt::Key_End);
        QCOMPARE(popup->currentText(), QStringLiteral("99 - ｶｽﾀﾑ"));
        click(&pages, "ok");
        QVERIFY(!pages.isVisible());
    }
    QCOMPARE(ctrl.popupCursor(), 99);
    QCOMPARE(ctrl.normalCursor(), 99);
    QCOMPARE(ctrl.jumpCursor(), 50); // untouched list, value kept

    KoruPropertyPages pages({&ctrl});
    pages.show();
    auto* normal = child<QComboBox>(&pages, "NormalCursor");
    normal->setFocus();
    QTest::keyClick(normal, Qt::Key_Home);
    QTest::keyClick(normal, Qt::Key_Down);
    click(&pages, "apply");
    QCOMPARE(ctrl.normalCursor(), 1);
}

void TestKoruPages::tabWidthRefused() {
    CKoruTextCtrl ctrl;
    ctrl.setTabWidth(6);
    KoruPropertyPages pages({&ctrl});
    pages.show();
    auto* box = child<QLineEdit>(&pages, "TabWidth");
    for (const char* typed : {"0", "-3", ""}) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromLatin1(typed));
        QString title, text;
        answerMessageBox(&title, &text);
        click(&pages, "ok");
        QCOMPARE(text, QStringLiteral("プロパティの値が不正です。"));
        QCOMPARE(title, QStringLiteral("KoruText Control プロパティ"));
        QVERIFY2(pages.isVisible(), typed); // OK does not close over a refused value
        QCOMPARE(ctrl.tabWidth(), 6);
        QCOMPARE(box->text(), QStringLiteral("6"));
    }
    // Letters cannot be typed into the whole-number box.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("a12"));
    QCOMPARE(box->text(), QStringLiteral("12"));
    click(&pages, "apply");
    QCOMPARE(ctrl.tabWidth(), 12);
}

void TestKoruPages::textPageRoundTrip() {
    CKoruTextCtrl ctrl;
    const QString original = QStringLiteral("\\H見出し\r\n\\h本文 \\J\\KTopic7\\kリンク\\j\r\n\r\n最後の行");
    ctrl.setText(original);
    KoruPropertyPages pages({&ctrl});
    pages.show();
    showPage(pages, QStringLiteral("ﾃｷｽﾄ"));
    auto* edit = child<QPlainTextEdit>(&pages, "Text");
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(edit->toPlainText(), QStringLiteral("\\H見出し\n\\h本文 \\J\\KTopic7\\kリンク\\j\n\n最後の行"));

    // Enter inserts a line break and leaves the dialog open.
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    typeJapanese(edit, QStringLiteral("追加"));
    QVERIFY(pages.isVisible());
    QCOMPARE(ctrl.text(), original); // nothing written before OK
    click(&pages, "ok");
    QCOMPARE(ctrl.text(), original + QStringLiteral("\r\n追加"));
    QCOMPARE(ctrl.rawText(), QStringLiteral("見出し\r\n\r\n本文 リンク\r\n\r\n最後の行\r\n追加"));

    // A text the page did not edit is written back byte for byte, whatever its breaks.
    ctrl.setText(QStringLiteral("a\n\nb\rc"));
    KoruPropertyPages again({&ctrl});
    again.show();
    child<QCheckBox>(&again, "WordWrap")->click();
    click(&again, "ok");
    QCOMPARE(ctrl.text(), QStringLiteral("a\n\nb\rc"));
    QVERIFY(ctrl.wordWrap());
}

void TestKoruPages::onlyEditedValuesReachEveryControl() {
    CKoruTextCtrl first, second;
    first.setTabWidth(4);
    second.setTabWidth(10);
    first.setText(QStringLiteral("one"));
    second.setText(QStringLiteral("two"));
    second.setHotspotColors(1);
    KoruPropertyPages pages({&first, &second});
    pages.show();
    child<QCheckBox>(&pages, "AutoSize")->click();
    auto* tip = child<QLineEdit>(&pages, "ToolTip");
    typeJapanese(tip, QStringLiteral("説明"));
    auto* border = child<QComboBox>(&pages, "BorderStyle");
    border->setFocus();
    QTest::keyClick(border, Qt::Key_Down);
    QVERIFY(child<QPushButton>(&pages, "apply")->isEnabled());
    click(&pages, "apply");
    QVERIFY(!child<QPushButton>(&pages, "apply")->isEnabled());
    for (CKoruTextCtrl* c : {&first, &second}) {
        QVERIFY(c->autoSize());
        QCOMPARE(c->toolTipText(), QStringLiteral("説明"));
        QCOMPARE(c->borderStyle(), 1);
    }
    QCOMPARE(first.tabWidth(), 4);
    QCOMPARE(second.tabWidth(), 10);
    QCOMPARE(second.text(), QStringLiteral("two"));
    QCOMPARE(second.hotspotColors(), 1);

    // A refused tab width is refused by every control, and each keeps its own.
    auto* box = child<QLineEdit>(&pages, "TabWidth");
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("0"));
    QString title, text;
    answerMessageBox(&title, &text);
    click(&pages, "apply");
    QCOMPARE(text, QStringLiteral("プロパティの値が不正です。"));
    QCOMPARE(first.tabWidth(), 4);
    QCOMPARE(second.tabWidth(), 10);
}

void TestKoruPages::cancelDiscards() {
    CKoruTextCtrl ctrl;
    KoruPropertyPages pages({&ctrl});
    pages.show();
    child<QCheckBox>(&pages, "Enabled")->click();
    auto* box = child<QLineEdit>(&pages, "TabWidth");
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("3"));
    click(&pages, "cancel");
    QVERIFY(!pages.isVisible());
    QVERIFY(ctrl.isEnabled());
    QCOMPARE(ctrl.tabWidth(), 8);
}

void TestKoruPages::colourPage() {
    CKoruTextCtrl ctrl;
    KoruPropertyPages pages({&ctrl});
    pages.show();
    showPage(pages, QStringLiteral("カラー"));
    auto* property = child<QComboBox>(&pages, "ColorProperty");
    QCOMPARE(itemsOf(property), QStringList({QStringLiteral("BackColor"), QStringLiteral("ForeColor"),
                                             QStringLiteral("HeadingColor"), QStringLiteral("JumpColor"),
                                             QStringLiteral("PopupColor")}));
    auto* system = child<QComboBox>(&pages, "SystemColor");
    QCOMPARE(system->currentText(), QStringLiteral("ウィンドウの背景")); // BackColor's default

    // BackColor becomes the window-text system colour.
    system->setFocus();
    QTest::keyClick(system, Qt::Key_End);
    QCOMPARE(system->currentText(), QStringLiteral("ウィンドウの文字"));
    // ForeColor from the basic colours (bright red).
    property->setCurrentIndex(1);
    click(&pages, "basic9");
    QCOMPARE(system->currentIndex(), 0);
    QCOMPARE(child<QLabel>(&pages, "ColorValue")->text(), QStringLiteral("R 255  G 0  B 0"));
    // HeadingColor from the colour dialog.
    property->setCurrentIndex(2);
    whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    click(&pages, "ChooseColor");
    click(&pages, "ok");
    QCOMPARE(ctrl.backColor(), CKoruTextCtrl::kWindowText);
    QCOMPARE(ctrl.foreColor(), 0x0000FFu);
    QCOMPARE(ctrl.headingColor(), 10u | (20u << 8) | (30u << 16));
    QCOMPARE(ctrl.jumpColor(), 0x008000u); // untouched
}

void TestKoruPages::fontPage() {
    CKoruTextCtrl ctrl;
    QFont normal(QStringLiteral("IPAGothic"));
    normal.setPointSizeF(9);
    ctrl.setNormalFont(normal);
    KoruPropertyPages pages({&ctrl});
    pages.show();
    showPage(pages, QStringLiteral("フォント"));
    QCOMPARE(child<QLabel>(&pages, "FontDescription")->text(), QStringLiteral("IPAGothic, 9 pt"));
    child<QComboBox>(&pages, "FontProperty")->setCurrentIndex(1);
    whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        QFont f(QStringLiteral("Noto Sans CJK JP"));
        f.setPointSize(15);
        f.setBold(true);
        dialog->setCurrentFont(f);
        dialog->accept();
    });
    click(&pages, "ChooseFont");
    QCOMPARE(child<QLabel>(&pages, "FontDescription")->text(), QStringLiteral("Noto Sans CJK JP, 15 pt, 太字"));
    click(&pages, "ok");
    QVERIFY(ctrl.headingBold());
    QCOMPARE(ctrl.headingSize(), 15.0f);
    QCOMPARE(ctrl.fontSize(), 9.0f); // the normal font is untouched
    QVERIFY(!ctrl.fontBold());
}

void TestKoruPages::picturePage() {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("jump.png"));
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(png));
    const QString junk = dir.filePath(QStringLiteral("broken.png"));
    {
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }

    CKoruTextCtrl ctrl;
    ctrl.setPopupIcon(koruPointerPicture(20));
    KoruPropertyPages pages({&ctrl});
    pages.show();
    showPage(pages, QStringLiteral("ピクチャ"));
    // Types the whole path into the file dialog's name box and presses its OK, as a
    // user would (the dialog's folder view fills in a thread and may lag behind).
    auto choose = [](const QString& path) {
        whenModal([path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) {
                w->close();
                return;
            }
            dialog->setDirectory(QFileInfo(path).absolutePath());
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(QFileInfo(path).absoluteFilePath());
            else
                dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
            // Should the dialog still be open (a message about the name), close it.
            QTimer::singleShot(200, dialog, [dialog] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->close();
                if (dialog->isVisible()) dialog->reject();
            });
        });
    };
    choose(png);
    click(&pages, "BrowsePicture");
    QCOMPARE(child<QLabel>(&pages, "PictureSize")->text(), QStringLiteral("16 x 16"));

    // A file that is not a picture is refused and changes nothing.
    child<QComboBox>(&pages, "PictureProperty")->setCurrentIndex(1);
    choose(junk);
    QString title, text;
    answerMessageBox(&title, &text);
    click(&pages, "BrowsePicture");
    QTRY_COMPARE(text, QStringLiteral("画像ファイルを読み込めません。"));

    child<QComboBox>(&pages, "PictureProperty")->setCurrentIndex(2);
    QCOMPARE(child<QLabel>(&pages, "PictureSize")->text(), QStringLiteral("32 x 32"));
    click(&pages, "ClearPicture");
    click(&pages, "ok");
    QCOMPARE(ctrl.jumpIcon().size(), QSize(16, 16));
    QVERIFY(ctrl.normalIcon().isNull());
    QVERIFY(ctrl.popupIcon().isNull());
}

void TestKoruPages::defaultsButtons() {
    const QString file = koruDefaultsFilePath();
    QVERIFY2(file.startsWith(m_config.path()), qPrintable(file));
    QFile::remove(file);

    CKoruTextCtrl ctrl;
    ctrl.loadPropertySet({}, QStringLiteral("Panel3D1")); // as the host creates it
    ctrl.setTabWidth(5);
    ctrl.setWordWrap(true);
    ctrl.setBackColor(CKoruTextCtrl::kWindowText);
    ctrl.setText(QStringLiteral("ﾂｰﾙﾊﾞｰの説明"));
    KoruPropertyPages pages({&ctrl});
    pages.show();
    showPage(pages, QStringLiteral("ﾃﾞﾌｫﾙﾄ"));
    QCOMPARE(child<QPushButton>(&pages, "SaveDefaults")->text(), QStringLiteral("保存"));
    QCOMPARE(child<QPushButton>(&pages, "ResetDefaults")->text(), QStringLiteral("リセット"));
    QCOMPARE(child<QPushButton>(&pages, "About")->text(), QStringLiteral("製品情報"));

    click(&pages, "SaveDefaults");
    QString saved = readFile(file);
    QVERIFY2(saved.contains(QStringLiteral("[KoruText Control]")), qPrintable(saved));
    QVERIFY(saved.contains(QStringLiteral("TabWidth=5")));
    QVERIFY(saved.contains(QStringLiteral("WordWrap=1")));
    QVERIFY(saved.contains(QStringLiteral("BackColor=-2147483640"))); // system colour 8, negative
    QCOMPARE(ctrl.tabWidth(), 5);                                     // the control is left as it was

    click(&pages, "ResetDefaults");
    const QString reset = readFile(file);
    QVERIFY2(reset.contains(QStringLiteral("TabWidth=8")), qPrintable(reset));
    QVERIFY(reset.contains(QStringLiteral("WordWrap=0")));
    // The built-in Text is the host's name for the control, not an empty text.
    QVERIFY2(reset.contains(QStringLiteral("\nText=Panel3D1\n")), qPrintable(reset));
    QCOMPARE(ctrl.tabWidth(), 5);
    QCOMPARE(ctrl.text(), QStringLiteral("ﾂｰﾙﾊﾞｰの説明"));

    // A file that cannot be written is reported.
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file)); // a folder in the file's place
    QString title, text;
    answerMessageBox(&title, &text);
    click(&pages, "SaveDefaults");
    QCOMPARE(text, QStringLiteral("既定値ファイルに書き込めませんでした。"));
    QVERIFY(QDir(file).removeRecursively());
}

void TestKoruPages::aboutBoxOnEveryControl() {
    CKoruTextCtrl first, second;
    KoruPropertyPages pages({&first, &second});
    pages.show();
    showPage(pages, QStringLiteral("ﾃﾞﾌｫﾙﾄ"));
    QStringList titles;
    std::function<void(QWidget*)> closeBox = [&titles, &closeBox](QWidget* w) {
        titles << w->windowTitle();
        if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
        if (titles.size() < 2) whenModal(closeBox);
    };
    whenModal(closeBox);
    click(&pages, "About");
    QCOMPARE(titles, QStringList({QStringLiteral("About KoruText Control"),
                                  QStringLiteral("About KoruText Control")}));
}

void TestKoruPages::pointerPictures() {
    QVERIFY(!isKoruOwnCursor(12));
    QVERIFY(!isKoruOwnCursor(24));
    QVERIFY(!isKoruOwnCursor(99));
    QVERIFY(koruPointerPicture(5).isNull());
    QCOMPARE(koruOwnCursor(2).shape(), Qt::ArrowCursor);

    QList<QImage> seen;
    for (int code = 13; code <= 23; ++code) {
        QVERIFY(isKoruOwnCursor(code));
        const QImage img = koruPointerPicture(code).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(32, 32));
        int black = 0, white = 0, clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.alpha() < 20)
                    ++clear;
                else if (c.alpha() > 200 && c.value() < 60)
                    ++black;
                else if (c.alpha() > 200 && c.value() > 230)
                    ++white;
            }
        QVERIFY2(black > 20 && white > 20, qPrintable(QString::number(code))); // outline and fill
        QVERIFY2(clear > 100, qPrintable(QString::number(code)));              // a shape, not a tile
        // The hot spot lies on or right beside the drawn shape.
        const QPoint hot = koruPointerHotSpot(code);
        QVERIFY(QRect(0, 0, 32, 32).contains(hot));
        bool near = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint p = hot + QPoint(dx, dy);
                if (QRect(0, 0, 32, 32).contains(p) && img.pixelColor(p).alpha() > 100) near = true;
            }
        QVERIFY2(near, qPrintable(QString::number(code)));
        for (const QImage& other : seen)
            QVERIFY2(other != img, qPrintable(QString::number(code)));
        seen << img;
        const QCursor cursor = koruOwnCursor(code);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hot);
    }
}

void TestKoruPages::helpOnTheGeneralAndTextPages() {
    // The help directory that the registry names.
    QTemporaryDir helpDir;
    QVERIFY(helpDir.isValid());
    using zel::koru::KoruRegistration;
    zel::koru::KoruIniFile registry;
    registry.setValue(KoruRegistration::kHelpDirectorySection, KoruRegistration::kDefaultValueKey,
                      helpDir.path().toStdString());
    QVERIFY(KoruRegistration::saveAtomically(KoruRegistration::defaultRegistryPath(), registry.text()).isOk());
    QCOMPARE(CKoruTextCtrl::helpDirectory(), helpDir.path());

    QCOMPARE(KoruPropertyPages::pageHelp(0).file, QStringLiteral("TDL32CTRL.HLP"));
    QCOMPARE(KoruPropertyPages::pageHelp(0).context, 134001);
    QCOMPARE(KoruPropertyPages::pageHelp(1).file, QStringLiteral("VLCHT.HLP"));
    QCOMPARE(KoruPropertyPages::pageHelp(1).context, 134002);

    CKoruTextCtrl ctrl;
    KoruPropertyPages pages({&ctrl});
    pages.show();
    pages.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&pages));
    auto* tabs = child<QTabWidget>(&pages, "pages");
    QCOMPARE(tabs->tabText(0), QStringLiteral("全般"));
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Customize KoruText properties"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("ﾃｷｽﾄ"));
    QCOMPARE(tabs->tabToolTip(1), QStringLiteral("Customize KoruText properties"));
    auto* help = child<QPushButton>(&pages, "help");
    QCOMPARE(help->text(), QStringLiteral("ﾍﾙﾌﾟ"));
    showPage(pages, QStringLiteral("ﾃﾞﾌｫﾙﾄ"));
    QVERIFY(!help->isEnabled());

    // No help file in the directory: a message naming the file looked for.
    showPage(pages, QStringLiteral("全般"));
    QVERIFY(help->isEnabled());
    FileOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    QString title, text;
    answerMessageBox(&title, &text);
    click(&pages, "help");
    QCOMPARE(title, QStringLiteral("KoruText Control プロパティ"));
    QCOMPARE(text, QStringLiteral("ヘルプファイル %1/TDL32CTRL.HLP が見つかりません。").arg(helpDir.path()));
    QVERIFY(opener.opened.isEmpty());

    // The help file is there: it opens, from the button and from F1.
    for (const char* name : {"TDL32CTRL.HLP", "VLCHT.HLP"}) {
        QFile f(helpDir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    click(&pages, "help");
    showPage(pages, QStringLiteral("ﾃｷｽﾄ"));
    pages.activateWindow(); // back from the message box
    QVERIFY(QTest::qWaitForWindowActive(&pages));
    QTest::keyClick(child<QPlainTextEdit>(&pages, "Text"), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opener.opened, (QList<QUrl>{QUrl::fromLocalFile(helpDir.filePath("TDL32CTRL.HLP")),
                                         QUrl::fromLocalFile(helpDir.filePath("VLCHT.HLP"))}));
    QVERIFY(QFile::remove(KoruRegistration::defaultRegistryPath().c_str()));
}

QTEST_MAIN(TestKoruPages)
#include "tst_koru_pages.moc"
