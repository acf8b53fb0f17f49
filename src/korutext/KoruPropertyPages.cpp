// The hypertext label's property pages: the general page with its switches and
// lists, the text page, the colour, font and picture pages, and the defaults page.
// Only the values the user edits are written, so that several controls can be
// edited together without copying the first one's other values onto the rest.
#include "korutext/KoruPropertyPages.h"

#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruCursors.h"

#include "korutext/KoruDefaults.h"
#include "korutext/KoruRegistration.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

const char* const kTitle = "KoruText Control プロパティ";
const char* const kInvalidValue = "プロパティの値が不正です。";
const char* const kPictureUnreadable = "画像ファイルを読み込めません。";
const char* const kDefaultsNotWritten = "既定値ファイルに書き込めませんでした。";
const char* const kHelpMissing = "ヘルプファイル %1 が見つかりません。";
const char* const kHelpNotOpened = "ヘルプファイル %1 を開けませんでした。";

// The pages in the order of their tabs.
enum Page { GeneralPage, TextPage, ColourPage, FontPage, PicturePage, DefaultsPage };
const char* const kHelpCaption = "Customize KoruText properties";
constexpr int kGeneralHelpContext = 134001;
constexpr int kTextHelpContext = 134002;
const char* const kTextHelpFile = "VLCHT.HLP";

const char* const kBorderStyles[] = {"0 - なし", "1 - 実線"};
const char* const kHotspotColorSets[] = {"0 - Windows ﾍﾙﾌﾟ", "1 - ﾏﾙﾁﾒﾃﾞｨｱ ﾋﾞｭｱｰ", "2 - ｶｽﾀﾑ"};
const char* const kCursors[] = {"0 - 既定値",
                                "1 - 矢印",
                                "2 - ｸﾛｽ",
                                "3 - Ｉ ﾋﾞｰﾑ",
                                "4 - ｱｲｺﾝ",
                                "5 - ｻｲｽﾞ(上下左右)",
                                "6 - ｻｲｽﾞ(右上-左下)",
                                "7 - ｻｲｽﾞ(上下)",
                                "8 - ｻｲｽﾞ(左上-右下)",
                                "9 - ｻｲｽﾞ(左右)",
                                "10 - 上矢印",
                                "11 - 砂時計",
                                "12 - 禁止",
                                "13 - ﾊﾝﾄﾞ",
                                "14 - ｱｰﾑ",
                                "15 - ﾀｰｹﾞｯﾄ",
                                "16 - 棒",
                                "17 - 男の子",
                                "18 - 女の子",
                                "19 - 鉛筆",
                                "20 - 稲妻",
                                "21 - 鍵",
                                "22 - 電話",
                                "23 - \"？\"ﾏｰｸ",
                                "99 - ｶｽﾀﾑ"};
constexpr int kCursorEntries = static_cast<int>(std::size(kCursors));
constexpr int kCustomCursor = 99;

const char* const kColourProperties[] = {"BackColor", "ForeColor", "HeadingColor", "JumpColor", "PopupColor"};
const char* const kFontProperties[] = {"Font", "HeadingFont"};
const char* const kPictureProperties[] = {"JumpIcon", "NormalIcon", "PopupIcon"};

// The system colours offered besides the 24-bit ones.
const char* const kSystemColourNames[] = {"(なし)", "ウィンドウの背景", "ウィンドウの文字"};
const quint32 kSystemColourValues[] = {0, CKoruTextCtrl::kWindowBackground, CKoruTextCtrl::kWindowText};

// The sixteen basic colours of the colour page, as red, green, blue.
const int kBasicColours[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                  {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                  {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                  {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

quint32 packColour(const QColor& c) {
    return static_cast<quint32>(c.red()) | (static_cast<quint32>(c.green()) << 8) |
           (static_cast<quint32>(c.blue()) << 16);
}

QStringList entries(const char* const* list, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::fromUtf8(list[i]);
    return out;
}

QComboBox* makeList(const QString& name, const QStringList& items) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    box->setMaxVisibleItems(items.size() > 10 ? 13 : items.size());
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QCheckBox* makeCheck(const QString& name, const char* text) {
    auto* box = new QCheckBox(QString::fromUtf8(text));
    box->setObjectName(name);
    return box;
}

// The text page shows one line per line break; the control keeps CR LF.
QString toEditorText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString fromEditorText(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString describeFont(const QFont& f) {
    QString d = f.family();
    d += QStringLiteral(", %1 pt").arg(f.pointSizeF());
    if (f.bold()) d += QStringLiteral(", 太字");
    if (f.italic()) d += QStringLiteral(", 斜体");
    if (f.underline()) d += QStringLiteral(", 下線");
    if (f.strikeOut()) d += QStringLiteral(", 取り消し線");
    return d;
}

} // namespace

KoruPropertyPages::PageHelp KoruPropertyPages::pageHelp(int page) {
    const QString caption = QString::fromLatin1(kHelpCaption);
    switch (page) {
    case GeneralPage: {
        const std::string_view file = zel::koru::KoruRegistration::kHelpFileName;
        return {QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size())), kGeneralHelpContext,
                caption};
    }
    case TextPage:
        return {QString::fromLatin1(kTextHelpFile), kTextHelpContext, caption};
    default:
        return {};
    }
}

void KoruPropertyPages::showHelp() {
    const PageHelp help = pageHelp(m_tabs->currentIndex());
    if (help.file.isEmpty()) return;
    const QString path = QDir::toNativeSeparators(CKoruTextCtrl::helpDirectory() + QLatin1Char('/') + help.file);
    if (!QFileInfo(path).isFile()) return refusal(QString::fromUtf8(kHelpMissing).arg(path));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        refusal(QString::fromUtf8(kHelpNotOpened).arg(path));
}

int KoruPropertyPages::cursorCodeAt(int position) {
    if (position < 0 || position >= kCursorEntries) return -1;
    return position == kCursorEntries - 1 ? kCustomCursor : position;
}

int KoruPropertyPages::cursorPositionOf(int code) {
    if (code == kCustomCursor) return kCursorEntries - 1;
    if (code < 0 || code >= kCursorEntries - 1) return -1;
    return code;
}

KoruPropertyPages::KoruPropertyPages(const QList<CKoruTextCtrl*>& controls, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("KoruPropertyPages"));
    setWindowTitle(QString::fromUtf8(kTitle));
    for (CKoruTextCtrl* c : controls)
        if (c) m_controls << QPointer<CKoruTextCtrl>(c);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_tabs->addTab(makeGeneralPage(), QStringLiteral("全般"));
    m_tabs->addTab(makeTextPage(), QStringLiteral("ﾃｷｽﾄ"));
    m_tabs->addTab(makeColourPage(), QStringLiteral("カラー"));
    m_tabs->addTab(makeFontPage(), QStringLiteral("フォント"));
    m_tabs->addTab(makePicturePage(), QStringLiteral("ピクチャ"));
    m_tabs->addTab(makeDefaultsPage(), QStringLiteral("ﾃﾞﾌｫﾙﾄ"));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    m_applyButton = buttons->addButton(QStringLiteral("適用"), QDialogButtonBox::ApplyRole);
    m_applyButton->setObjectName(QStringLiteral("apply"));
    m_applyButton->setEnabled(false);
    m_helpButton = buttons->addButton(QStringLiteral("ﾍﾙﾌﾟ"), QDialogButtonBox::HelpRole);
    m_helpButton->setObjectName(QStringLiteral("help"));
    // The general and text pages have help; the caption shows over their tabs.
    for (int page = 0; page < m_tabs->count(); ++page)
        m_tabs->setTabToolTip(page, pageHelp(page).caption);
    const auto followPage = [this](int page) {
        m_helpButton->setEnabled(!pageHelp(page).file.isEmpty());
        m_helpButton->setToolTip(pageHelp(page).caption);
    };
    followPage(m_tabs->currentIndex());
    connect(m_tabs, &QTabWidget::currentChanged, this, followPage);
    connect(m_helpButton, &QPushButton::clicked, this, [this] { showHelp(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { showHelp(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (apply()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_applyButton, &QPushButton::clicked, this, [this] { apply(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    load();
}

// ---- pages ---------------------------------------------------------------------------

QWidget* KoruPropertyPages::makeGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("general"));
    m_autoSize = makeCheck(QStringLiteral("AutoSize"), "&AutoSize");
    m_drawFocusRect = makeCheck(QStringLiteral("DrawFocusRect"), "&DrawFocusRect");
    m_enabled = makeCheck(QStringLiteral("Enabled"), "&Enabled");
    m_wordWrap = makeCheck(QStringLiteral("WordWrap"), "&WordWrap");
    m_borderStyle = makeList(QStringLiteral("BorderStyle"), entries(kBorderStyles, 2));
    m_hotspotColors = makeList(QStringLiteral("HotspotColors"), entries(kHotspotColorSets, 3));
    const QStringList cursors = entries(kCursors, kCursorEntries);
    m_jumpCursor = makeList(QStringLiteral("JumpCursor"), cursors);
    m_normalCursor = makeList(QStringLiteral("NormalCursor"), cursors);
    m_popupCursor = makeList(QStringLiteral("PopupCursor"), cursors);
    // The control's own pointers show their pictures beside their entries.
    for (QComboBox* box : {m_jumpCursor, m_normalCursor, m_popupCursor}) {
        box->setIconSize(QSize(16, 16));
        for (int code = 0; code < kCursorEntries; ++code)
            if (isKoruOwnCursor(code)) box->setItemIcon(code, QIcon(koruPointerPicture(code)));
    }
    // All lists as wide as the widest, so that they line up in one column.
    int listWidth = 0;
    for (QComboBox* box : {m_borderStyle, m_hotspotColors, m_jumpCursor, m_normalCursor, m_popupCursor})
        listWidth = std::max(listWidth, box->sizeHint().width());
    for (QComboBox* box : {m_borderStyle, m_hotspotColors, m_jumpCursor, m_normalCursor, m_popupCursor})
        box->setMinimumWidth(listWidth);
    m_tabWidth = new QLineEdit;
    m_tabWidth->setObjectName(QStringLiteral("TabWidth"));
    m_tabWidth->setValidator(new QIntValidator(-32768, 32767, m_tabWidth));
    m_tabWidth->setAlignment(Qt::AlignRight);
    m_tabWidth->setMaximumWidth(80);
    m_toolTip = new QLineEdit;
    m_toolTip->setObjectName(QStringLiteral("ToolTip"));

    // Lists and boxes on the left with their labels, switches on the right.
    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* label, QWidget* field) {
        auto* l = new QLabel(QString::fromUtf8(label));
        l->setBuddy(field);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row, 1, Qt::AlignLeft);
        ++row;
    };
    addRow("&BorderStyle", m_borderStyle);
    addRow("&HotspotColors", m_hotspotColors);
    addRow("&JumpCursor", m_jumpCursor);
    addRow("&NormalCursor", m_normalCursor);
    addRow("&PopupCursor", m_popupCursor);
    addRow("&TabWidth", m_tabWidth);
    auto* tipLabel = new QLabel(QStringLiteral("ToolTip"));
    tipLabel->setBuddy(m_toolTip);
    grid->addWidget(tipLabel, row, 0);
    grid->addWidget(m_toolTip, row, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* switches = new QVBoxLayout;
    switches->addWidget(m_autoSize);
    switches->addWidget(m_drawFocusRect);
    switches->addWidget(m_enabled);
    switches->addWidget(m_wordWrap);
    switches->addStretch();
    grid->addLayout(switches, 0, 2, row, 1);
    grid->setHorizontalSpacing(12);

    auto* outer = new QVBoxLayout(page);
    outer->addLayout(grid);
    outer->addStretch();

    for (auto [box, name] : {std::pair{m_autoSize, "AutoSize"}, std::pair{m_drawFocusRect, "DrawFocusRect"},
                             std::pair{m_enabled, "Enabled"}, std::pair{m_wordWrap, "WordWrap"}})
        connect(box, &QCheckBox::toggled, this, [this, n = QString::fromLatin1(name)] { markDirty(n); });
    for (auto [box, name] :
         {std::pair{m_borderStyle, "BorderStyle"}, std::pair{m_hotspotColors, "HotspotColors"},
          std::pair{m_jumpCursor, "JumpCursor"}, std::pair{m_normalCursor, "NormalCursor"},
          std::pair{m_popupCursor, "PopupCursor"}})
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, n = QString::fromLatin1(name)] { markDirty(n); });
    connect(m_tabWidth, &QLineEdit::textEdited, this, [this] { markDirty(QStringLiteral("TabWidth")); });
    connect(m_toolTip, &QLineEdit::textEdited, this, [this] { markDirty(QStringLiteral("ToolTip")); });
    return page;
}

QWidget* KoruPropertyPages::makeTextPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("text"));
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("Text"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A face that shows the backslash of the codes as a backslash.
    QFont mono(QStringLiteral("Noto Sans Mono CJK JP"));
    mono.setStyleHint(QFont::TypeWriter);
    m_text->setFont(mono);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_text);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { markDirty(QStringLiteral("Text")); });
    return page;
}

QWidget* KoruPropertyPages::makeColourPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("colour"));
    m_colourProperty = makeList(QStringLiteral("ColorProperty"), entries(kColourProperties, 5));
    m_systemColour = makeList(QStringLiteral("SystemColor"), entries(kSystemColourNames, 3));
    m_colourSwatch = new QLabel;
    m_colourSwatch->setObjectName(QStringLiteral("ColorSwatch"));
    m_colourSwatch->setFixedSize(64, 40);
    m_colourSwatch->setFrameShape(QFrame::Box);
    m_colourSwatch->setAutoFillBackground(true);
    m_colourValue = new QLabel;
    m_colourValue->setObjectName(QStringLiteral("ColorValue"));
    auto* edit = new QPushButton(QStringLiteral("色の編集(&E)..."));
    edit->setObjectName(QStringLiteral("ChooseColor"));

    auto* form = new QGridLayout;
    auto* propLabel = new QLabel(QStringLiteral("プロパティ名(&N):"));
    propLabel->setBuddy(m_colourProperty);
    form->addWidget(propLabel, 0, 0);
    form->addWidget(m_colourProperty, 0, 1, Qt::AlignLeft);
    auto* sysLabel = new QLabel(QStringLiteral("システム カラー(&S):"));
    sysLabel->setBuddy(m_systemColour);
    form->addWidget(sysLabel, 1, 0);
    form->addWidget(m_systemColour, 1, 1, Qt::AlignLeft);

    auto* basic = new QGroupBox(QStringLiteral("基本色"));
    auto* basicGrid = new QGridLayout(basic);
    basicGrid->setSpacing(4);
    for (int i = 0; i < 16; ++i) {
        const QColor c(kBasicColours[i][0], kBasicColours[i][1], kBasicColours[i][2]);
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("basic%1").arg(i));
        b->setFixedSize(24, 20);
        QPixmap chip(18, 14);
        chip.fill(c);
        QPainter(&chip).drawRect(0, 0, 17, 13);
        b->setIcon(QIcon(chip));
        b->setIconSize(chip.size());
        b->setToolTip(c.name());
        connect(b, &QToolButton::clicked, this, [this, c] { setColour(packColour(c)); });
        basicGrid->addWidget(b, i / 8, i % 8);
    }

    auto* preview = new QHBoxLayout;
    preview->addWidget(m_colourSwatch);
    preview->addWidget(m_colourValue);
    preview->addStretch();
    preview->addWidget(edit);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(basic);
    layout->addLayout(preview);
    layout->addStretch();

    connect(m_colourProperty, &QComboBox::currentIndexChanged, this, [this] { showColour(); });
    connect(m_systemColour, &QComboBox::activated, this, [this](int i) {
        if (i > 0) setColour(kSystemColourValues[i]);
    });
    connect(edit, &QPushButton::clicked, this, [this] { chooseColour(); });
    return page;
}

QWidget* KoruPropertyPages::makeFontPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("font"));
    m_fontProperty = makeList(QStringLiteral("FontProperty"), entries(kFontProperties, 2));
    m_fontSample = new QLabel(QStringLiteral("AaBbYyZz あア亜"));
    m_fontSample->setObjectName(QStringLiteral("FontSample"));
    m_fontSample->setFrameShape(QFrame::StyledPanel);
    m_fontSample->setAlignment(Qt::AlignCenter);
    m_fontSample->setMinimumHeight(64);
    m_fontDescription = new QLabel;
    m_fontDescription->setObjectName(QStringLiteral("FontDescription"));
    auto* choose = new QPushButton(QStringLiteral("フォントの選択(&F)..."));
    choose->setObjectName(QStringLiteral("ChooseFont"));

    auto* top = new QHBoxLayout;
    auto* propLabel = new QLabel(QStringLiteral("プロパティ名(&N):"));
    propLabel->setBuddy(m_fontProperty);
    top->addWidget(propLabel);
    top->addWidget(m_fontProperty);
    top->addStretch();
    top->addWidget(choose);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_fontSample);
    layout->addWidget(m_fontDescription);
    layout->addStretch();

    connect(m_fontProperty, &QComboBox::currentIndexChanged, this, [this] { showFont(); });
    connect(choose, &QPushButton::clicked, this, [this] { chooseFont(); });
    return page;
}

QWidget* KoruPropertyPages::makePicturePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("picture"));
    m_pictureProperty = makeList(QStringLiteral("PictureProperty"), entries(kPictureProperties, 3));
    m_picturePreview = new QLabel;
    m_picturePreview->setObjectName(QStringLiteral("PicturePreview"));
    m_picturePreview->setFixedSize(72, 72);
    m_picturePreview->setFrameShape(QFrame::StyledPanel);
    m_picturePreview->setAlignment(Qt::AlignCenter);
    m_pictureSize = new QLabel;
    m_pictureSize->setObjectName(QStringLiteral("PictureSize"));
    auto* browse = new QPushButton(QStringLiteral("参照(&B)..."));
    browse->setObjectName(QStringLiteral("BrowsePicture"));
    auto* clear = new QPushButton(QStringLiteral("クリア(&C)"));
    clear->setObjectName(QStringLiteral("ClearPicture"));

    auto* top = new QHBoxLayout;
    auto* propLabel = new QLabel(QStringLiteral("プロパティ名(&N):"));
    propLabel->setBuddy(m_pictureProperty);
    top->addWidget(propLabel);
    top->addWidget(m_pictureProperty);
    top->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(browse);
    buttons->addWidget(clear);
    buttons->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_picturePreview);
    middle->addWidget(m_pictureSize, 1, Qt::AlignTop);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addStretch();

    connect(m_pictureProperty, &QComboBox::currentIndexChanged, this, [this] { showPicture(); });
    connect(browse, &QPushButton::clicked, this, [this] { browsePicture(); });
    connect(clear, &QPushButton::clicked, this, [this] {
        const QString name = m_pictureProperty->currentText();
        m_pictures[name] = QPixmap();
        markDirty(name);
        showPicture();
    });
    return page;
}

QWidget* KoruPropertyPages::makeDefaultsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("defaults"));
    auto* grid = new QGridLayout(page);
    struct Row {
        const char* name;
        const char* text;
        const char* note;
    };
    const Row rows[] = {
        {"SaveDefaults", "保存", "現在の値を新しいコントロールの既定値として保存します。"},
        {"ResetDefaults", "リセット", "既定値を出荷時の値に戻します。"},
        {"About", "製品情報", "バージョン情報を表示します。"},
    };
    int r = 0;
    for (const Row& row : rows) {
        auto* b = new QPushButton(QString::fromUtf8(row.text));
        b->setObjectName(QString::fromLatin1(row.name));
        b->setMinimumWidth(96);
        grid->addWidget(b, r, 0);
        grid->addWidget(new QLabel(QString::fromUtf8(row.note)), r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(r, 1);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    connect(page->findChild<QPushButton*>(QStringLiteral("SaveDefaults")), &QPushButton::clicked, this,
            [this] { saveDefaults(); });
    connect(page->findChild<QPushButton*>(QStringLiteral("ResetDefaults")), &QPushButton::clicked, this,
            [this] { resetDefaults(); });
    connect(page->findChild<QPushButton*>(QStringLiteral("About")), &QPushButton::clicked, this,
            [this] { aboutBox(); });
    return page;
}

// ---- values --------------------------------------------------------------------------

void KoruPropertyPages::load() {
    m_loading = true;
    const CKoruTextCtrl* c = m_controls.isEmpty() ? nullptr : m_controls.first().data();
    if (c) {
        m_autoSize->setChecked(c->autoSize());
        m_drawFocusRect->setChecked(c->drawFocusRect());
        m_enabled->setChecked(c->isEnabled());
        m_wordWrap->setChecked(c->wordWrap());
        // A value without an entry of its own shows an empty list box.
        m_borderStyle->setCurrentIndex(c->borderStyle() >= 0 && c->borderStyle() < 2 ? c->borderStyle() : -1);
        m_hotspotColors->setCurrentIndex(
            c->hotspotColors() >= 0 && c->hotspotColors() < 3 ? c->hotspotColors() : -1);
        m_jumpCursor->setCurrentIndex(cursorPositionOf(c->jumpCursor()));
        m_normalCursor->setCurrentIndex(cursorPositionOf(c->normalCursor()));
        m_popupCursor->setCurrentIndex(cursorPositionOf(c->popupCursor()));
        m_tabWidth->setText(QString::number(c->tabWidth()));
        m_toolTip->setText(c->toolTipText());
        m_text->setPlainText(toEditorText(c->text()));
        m_colours = {{QStringLiteral("BackColor"), c->backColor()},
                     {QStringLiteral("ForeColor"), c->foreColor()},
                     {QStringLiteral("HeadingColor"), c->headingColor()},
                     {QStringLiteral("JumpColor"), c->jumpColor()},
                     {QStringLiteral("PopupColor"), c->popupColor()}};
        m_fonts = {{QStringLiteral("Font"), c->normalFont()},
                   {QStringLiteral("HeadingFont"), c->headingFont()}};
        m_pictures = {{QStringLiteral("JumpIcon"), c->jumpIcon()},
                      {QStringLiteral("NormalIcon"), c->normalIcon()},
                      {QStringLiteral("PopupIcon"), c->popupIcon()}};
    }
    showColour();
    showFont();
    showPicture();
    m_dirty.clear();
    m_applyButton->setEnabled(false);
    m_loading = false;
}

void KoruPropertyPages::markDirty(const QString& property) {
    if (m_loading) return;
    m_dirty.insert(property);
    m_applyButton->setEnabled(true);
}

void KoruPropertyPages::refusal(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kTitle), text, QMessageBox::Ok, this);
    box.exec();
}

bool KoruPropertyPages::apply() {
    bool ok = true;
    for (const QPointer<CKoruTextCtrl>& p : m_controls) {
        CKoruTextCtrl* c = p.data();
        if (!c) continue;
        auto is = [this](const char* name) { return m_dirty.contains(QString::fromLatin1(name)); };
        if (is("AutoSize")) c->setAutoSize(m_autoSize->isChecked());
        if (is("DrawFocusRect")) c->setDrawFocusRect(m_drawFocusRect->isChecked());
        if (is("Enabled")) c->setEnabledProperty(m_enabled->isChecked());
        if (is("WordWrap")) c->setWordWrap(m_wordWrap->isChecked());
        if (is("BorderStyle") && m_borderStyle->currentIndex() >= 0)
            c->setBorderStyle(m_borderStyle->currentIndex());
        if (is("HotspotColors") && m_hotspotColors->currentIndex() >= 0)
            c->setHotspotColors(m_hotspotColors->currentIndex());
        if (is("JumpCursor") && m_jumpCursor->currentIndex() >= 0)
            c->setJumpCursor(cursorCodeAt(m_jumpCursor->currentIndex()));
        if (is("NormalCursor") && m_normalCursor->currentIndex() >= 0)
            c->setNormalCursor(cursorCodeAt(m_normalCursor->currentIndex()));
        if (is("PopupCursor") && m_popupCursor->currentIndex() >= 0)
            c->setPopupCursor(cursorCodeAt(m_popupCursor->currentIndex()));
        if (is("TabWidth")) {
            // A whole number; an empty box counts as 0, which the control refuses.
            c->setTabWidth(m_tabWidth->text().trimmed().toInt());
            if (c->lastError() != 0) ok = false;
        }
        if (is("ToolTip")) c->setToolTipText(m_toolTip->text());
        if (is("Text")) c->setText(fromEditorText(m_text->toPlainText()));
        if (is("BackColor")) c->setBackColor(m_colours[QStringLiteral("BackColor")]);
        if (is("ForeColor")) c->setForeColor(m_colours[QStringLiteral("ForeColor")]);
        if (is("HeadingColor")) c->setHeadingColor(m_colours[QStringLiteral("HeadingColor")]);
        if (is("JumpColor")) c->setJumpColor(m_colours[QStringLiteral("JumpColor")]);
        if (is("PopupColor")) c->setPopupColor(m_colours[QStringLiteral("PopupColor")]);
        if (is("Font")) c->setNormalFont(m_fonts[QStringLiteral("Font")]);
        if (is("HeadingFont")) c->setHeadingFont(m_fonts[QStringLiteral("HeadingFont")]);
        if (is("JumpIcon")) c->setJumpIcon(m_pictures[QStringLiteral("JumpIcon")]);
        if (is("NormalIcon")) c->setNormalIcon(m_pictures[QStringLiteral("NormalIcon")]);
        if (is("PopupIcon")) c->setPopupIcon(m_pictures[QStringLiteral("PopupIcon")]);
    }
    m_dirty.clear();
    m_applyButton->setEnabled(false);
    if (!ok) {
        // The controls kept their tab width: show it again and let the user retype it.
        m_tabs->setCurrentIndex(0);
        refusal(QString::fromUtf8(kInvalidValue));
        if (!m_controls.isEmpty() && m_controls.first())
            m_tabWidth->setText(QString::number(m_controls.first()->tabWidth()));
        m_tabWidth->setFocus();
        m_tabWidth->selectAll();
    }
    return ok;
}

// ---- colour page ----------------------------------------------------------------------

void KoruPropertyPages::showColour() {
    const QString name = m_colourProperty->currentText();
    const quint32 v = m_colours.count(name) ? m_colours[name] : 0;
    int sys = 0;
    for (int i = 1; i < 3; ++i)
        if (v == kSystemColourValues[i]) sys = i;
    m_systemColour->setCurrentIndex(sys);
    const CKoruTextCtrl* c = m_controls.isEmpty() ? nullptr : m_controls.first().data();
    const QColor shown = c ? c->resolveColour(v)
                           : QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                                    static_cast<int>((v >> 16) & 0xFF));
    QPalette pal = m_colourSwatch->palette();
    pal.setColor(QPalette::Window, shown);
    m_colourSwatch->setPalette(pal);
    m_colourValue->setText(
        sys > 0 ? m_systemColour->currentText()
                : QStringLiteral("R %1  G %2  B %3").arg(shown.red()).arg(shown.green()).arg(shown.blue()));
}

void KoruPropertyPages::setColour(quint32 value) {
    const QString name = m_colourProperty->currentText();
    m_colours[name] = value;
    markDirty(name);
    showColour();
}

void KoruPropertyPages::chooseColour() {
    const QString name = m_colourProperty->currentText();
    const CKoruTextCtrl* c = m_controls.isEmpty() ? nullptr : m_controls.first().data();
    QColorDialog dialog(c ? c->resolveColour(m_colours[name]) : QColor(Qt::black), this);
    dialog.setObjectName(QStringLiteral("colorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("色の設定 - %1").arg(name));
    if (dialog.exec() != QDialog::Accepted) return;
    setColour(packColour(dialog.currentColor()));
}

// ---- font page ------------------------------------------------------------------------

void KoruPropertyPages::showFont() {
    const QString name = m_fontProperty->currentText();
    if (!m_fonts.count(name)) return;
    const QFont f = m_fonts[name];
    m_fontSample->setFont(f);
    m_fontDescription->setText(describeFont(f));
}

void KoruPropertyPages::chooseFont() {
    const QString name = m_fontProperty->currentText();
    QFontDialog dialog(m_fonts[name], this);
    dialog.setObjectName(QStringLiteral("fontDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("フォントの設定 - %1").arg(name));
    if (dialog.exec() != QDialog::Accepted) return;
    m_fonts[name] = dialog.currentFont();
    markDirty(name);
    showFont();
}

// ---- picture page ---------------------------------------------------------------------

void KoruPropertyPages::showPicture() {
    const QString name = m_pictureProperty->currentText();
    const QPixmap pm = m_pictures.count(name) ? m_pictures[name] : QPixmap();
    if (pm.isNull()) {
        m_picturePreview->setPixmap(QPixmap());
        m_picturePreview->setText(QStringLiteral("(なし)"));
        m_pictureSize->setText(QString());
        return;
    }
    m_picturePreview->setPixmap(pm.width() > 64 || pm.height() > 64
                                    ? pm.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                    : pm);
    m_pictureSize->setText(QStringLiteral("%1 x %2").arg(pm.width()).arg(pm.height()));
}

void KoruPropertyPages::browsePicture() {
    QFileDialog dialog(this, QStringLiteral("ピクチャの選択"));
    dialog.setObjectName(QStringLiteral("pictureDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("画像ファイル (*.png *.bmp *.ico *.cur *.xpm *.jpg *.gif)"),
                           QStringLiteral("すべてのファイル (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QPixmap pm;
    if (!pm.load(dialog.selectedFiles().first()) || pm.isNull())
        return refusal(QString::fromUtf8(kPictureUnreadable));
    const QString name = m_pictureProperty->currentText();
    m_pictures[name] = pm;
    markDirty(name);
    showPicture();
}

// ---- defaults page --------------------------------------------------------------------

void KoruPropertyPages::saveDefaults() {
    bool ok = !m_controls.isEmpty();
    for (const QPointer<CKoruTextCtrl>& p : m_controls)
        if (p && !koruWriteCurrentDefaults(*p)) ok = false;
    if (!ok) refusal(QString::fromUtf8(kDefaultsNotWritten));
}

void KoruPropertyPages::resetDefaults() {
    bool ok = !m_controls.isEmpty();
    for (const QPointer<CKoruTextCtrl>& p : m_controls)
        if (p && !koruWriteBuiltInDefaults(*p)) ok = false;
    if (!ok) refusal(QString::fromUtf8(kDefaultsNotWritten));
}

void KoruPropertyPages::aboutBox() {
    for (const QPointer<CKoruTextCtrl>& p : m_controls)
        if (p) p->AboutBox();
}
