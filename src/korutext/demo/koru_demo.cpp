// koru_demo: a small host program for the hypertext label control. It shows the
// control with a Japanese sample text, logs every event the control fires with its
// parameters, and opens the control's property pages.
#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruPropertyPages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWidget>

namespace {

constexpr int kMaxLogLines = 1000;

// The sample text. Lines are joined with CR LF, as the control's texts are kept.
QString sampleText() {
    // A heading ends with the start of the next line's "\h", so that it takes no
    // empty line of its own.
    const QStringList lines = {
        QStringLiteral(R"(\HKoruText コントロールのデモ)"),
        QStringLiteral(R"(\hこのコントロールは、\B太字\b、\I斜体\i、\U下線\u、\S取り消し線\s、)"
                       R"(\C0000FF赤い文字\c、\CFF0000青い文字\c を混ぜた文章を表示します。)"
                       R"(長い行はコントロールの幅で折り返されます。)"),
        QString(),
        QStringLiteral(R"(\H管理図)"),
        QStringLiteral(
            R"(\h\J\KXbarR\kXbar-R 管理図\j は、群ごとの平均と範囲を打点して工程の変化を見る図です。)"
            R"(管理限界の求め方は \P\KLimits\k管理限界\p を、)"
            R"(群の大きさについては \P群の大きさ\p を見てください。)"),
        QStringLiteral(R"(\B注意：\b\LX-Rs 管理図、P-Pn 管理図、欠点数管理図もあります。)"
                       R"(この段落の折り返した行は「注意：」の後ろにそろいます。\l)"),
        QString(),
        QStringLiteral(R"(\H関連項目)"),
        QStringLiteral("\\h\t・\\J\\KHistogram\\kヒストグラム\\j\t度数分布の形を見る"),
        QStringLiteral("\t・\\J\\KPareto\\kパレート図\\j\t不良の原因を大きい順に並べる"),
        QStringLiteral("\t・\\J\\KScatter\\k散布図と回帰\\j\t二つの変数の関係を見る"),
        QString(),
        QStringLiteral(R"(\C008000Tab キーと矢印キーでホットスポットを選び、Enter キーで実行できます。\c)"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

class DemoWindow : public QWidget {
  public:
    DemoWindow() {
        setObjectName(QStringLiteral("koru_demo"));
        setWindowTitle(QStringLiteral("KoruText Control デモ"));

        m_ctrl = new CKoruTextCtrl;
        m_ctrl->setObjectName(QStringLiteral("KoruText1"));
        QFont normal(QStringLiteral("Noto Sans CJK JP"));
        normal.setPointSizeF(10);
        QFont heading(normal);
        heading.setPointSizeF(13);
        heading.setBold(true);
        m_ctrl->setNormalFont(normal);
        m_ctrl->setHeadingFont(heading);
        m_ctrl->setBorderStyle(1);
        m_ctrl->setWordWrap(true);
        m_ctrl->setHeadingColor(0x800000); // dark blue
        m_ctrl->setToolTipText(QStringLiteral("ハイパーテキストコントロール"));
        m_ctrl->setText(sampleText());
        m_ctrl->setMinimumSize(320, 160);

        m_log = new QListWidget;
        m_log->setObjectName(QStringLiteral("log"));
        m_log->setUniformItemSizes(true);

        auto* properties = new QPushButton(QStringLiteral("プロパティ..."));
        properties->setObjectName(QStringLiteral("properties"));
        auto* clear = new QPushButton(QStringLiteral("ログの消去"));
        clear->setObjectName(QStringLiteral("clearLog"));
        m_logMoves = new QCheckBox(QStringLiteral("MouseMove も記録する"));
        m_logMoves->setObjectName(QStringLiteral("logMouseMove"));

        auto* splitter = new QSplitter(Qt::Vertical);
        splitter->addWidget(m_ctrl);
        auto* logBox = new QWidget;
        auto* logLayout = new QVBoxLayout(logBox);
        logLayout->setContentsMargins(0, 0, 0, 0);
        logLayout->addWidget(new QLabel(QStringLiteral("イベント:")));
        logLayout->addWidget(m_log);
        splitter->addWidget(logBox);
        splitter->setStretchFactor(0, 3);
        splitter->setStretchFactor(1, 2);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(properties);
        buttons->addWidget(clear);
        buttons->addWidget(m_logMoves);
        buttons->addStretch();

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(splitter, 1);
        layout->addLayout(buttons);

        connect(properties, &QPushButton::clicked, this, [this] {
            KoruPropertyPages pages({m_ctrl}, this);
            pages.exec();
        });
        connect(clear, &QPushButton::clicked, m_log, &QListWidget::clear);
        connectEvents();
        resize(640, 560);
    }

  private:
    static QString quoted(const QString& s) {
        QString shown = s;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n"));
        return QLatin1Char('"') + shown + QLatin1Char('"');
    }

    void log(const QString& line) {
        const QString stamp = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
        m_log->addItem(stamp + QStringLiteral("  ") + line);
        while (m_log->count() > kMaxLogLines)
            delete m_log->takeItem(0);
        m_log->scrollToBottom();
    }

    void logHotspot(const char* event, const QString& key, const QString& text) {
        log(QStringLiteral("%1  Key=%2  HotspotText=%3")
                .arg(QLatin1String(event), quoted(key), quoted(text)));
    }

    void logMouse(const char* event, int button, int shift, int x, int y) {
        log(QStringLiteral("%1  Button=%2  Shift=%3  X=%4  Y=%5")
                .arg(QLatin1String(event))
                .arg(button)
                .arg(shift)
                .arg(x)
                .arg(y));
    }

    void connectEvents() {
        CKoruTextCtrl* c = m_ctrl;
        connect(c, &CKoruTextCtrl::Jump, this,
                [this](const QString& k, const QString& t) { logHotspot("Jump", k, t); });
        connect(c, &CKoruTextCtrl::Popup, this,
                [this](const QString& k, const QString& t) { logHotspot("Popup", k, t); });
        connect(c, &CKoruTextCtrl::MouseOverJump, this,
                [this](const QString& k, const QString& t) { logHotspot("MouseOverJump", k, t); });
        connect(c, &CKoruTextCtrl::MouseOverPopup, this,
                [this](const QString& k, const QString& t) { logHotspot("MouseOverPopup", k, t); });
        connect(c, &CKoruTextCtrl::MouseOverNormal, this, [this] { log(QStringLiteral("MouseOverNormal")); });
        connect(c, &CKoruTextCtrl::Click, this, [this] { log(QStringLiteral("Click")); });
        connect(c, &CKoruTextCtrl::DblClick, this, [this] { log(QStringLiteral("DblClick")); });
        connect(c, &CKoruTextCtrl::KeyDown, this, [this](int& code, int shift) {
            log(QStringLiteral("KeyDown  KeyCode=%1  Shift=%2").arg(code).arg(shift));
        });
        connect(c, &CKoruTextCtrl::KeyUp, this, [this](int& code, int shift) {
            log(QStringLiteral("KeyUp  KeyCode=%1  Shift=%2").arg(code).arg(shift));
        });
        connect(c, &CKoruTextCtrl::KeyPress, this,
                [this](int& ascii) { log(QStringLiteral("KeyPress  KeyAscii=%1").arg(ascii)); });
        connect(c, &CKoruTextCtrl::MouseDown, this,
                [this](int b, int s, int x, int y) { logMouse("MouseDown", b, s, x, y); });
        connect(c, &CKoruTextCtrl::MouseUp, this,
                [this](int b, int s, int x, int y) { logMouse("MouseUp", b, s, x, y); });
        connect(c, &CKoruTextCtrl::MouseMove, this, [this](int b, int s, int x, int y) {
            if (m_logMoves->isChecked()) logMouse("MouseMove", b, s, x, y);
        });
    }

    CKoruTextCtrl* m_ctrl = nullptr;
    QListWidget* m_log = nullptr;
    QCheckBox* m_logMoves = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt's own dialogs (colour, font, file) in Japanese, as in the host program.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtJapanese);
    DemoWindow window;
    window.show();
    return QApplication::exec();
}
