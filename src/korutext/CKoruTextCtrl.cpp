// The hypertext label control: properties, painting, scrolling, pointer and keys.
#include "korutext/CKoruTextCtrl.h"

#include "korutext/KoruAboutBox.h"
#include "korutext/KoruCursors.h"
#include "korutext/KoruDefaults.h"
#include "korutext/KoruRegistration.h"

#include <QApplication>
#include <QBuffer>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cmath>

using zel::koru::Colour;
using zel::koru::DrawList;
using zel::koru::HotspotKind;
using zel::koru::QtTextMetrics;

namespace {

// The jump and popup colours of the "Windows Help" and "Multimedia Viewer" sets.
// There is no system profile to read them from on this platform, so both sets hold
// the profile's default, red 0, green 128, blue 0.
constexpr Colour kHelpJump = zel::koru::rgb(0, 128, 0);
constexpr Colour kHelpPopup = zel::koru::rgb(0, 128, 0);
constexpr Colour kViewerJump = zel::koru::rgb(0, 128, 0);
constexpr Colour kViewerPopup = zel::koru::rgb(0, 128, 0);

constexpr int kLeaveTimerMs = 500;

std::atomic<int> g_instances{0};

// A font's size in points; a font sized in pixels counts 96 pixels to the inch.
double fontPoints(const QFont& f) {
    const double points = f.pointSizeF();
    return points > 0 ? points : f.pixelSize() * 72.0 / 96.0;
}

zel::koru::KoruFont toKoruFont(const QFont& f) {
    zel::koru::KoruFont k;
    k.face = f.family().toStdString();
    const double points = fontPoints(f);
    k.points = points > 0 ? static_cast<float>(points) : 8.25f;
    k.weight = static_cast<std::int16_t>(f.weight());
    k.italic = f.italic();
    k.underline = f.underline();
    k.strikeOut = f.strikeOut();
    return k;
}

QFont fromKoruFont(const zel::koru::KoruFont& k, const QFont& ambient) {
    QFont f = ambient;
    if (!k.face.empty()) f.setFamily(QString::fromStdString(k.face));
    f.setPointSizeF(k.points);
    f.setWeight(static_cast<QFont::Weight>(k.weight > 0 ? k.weight : 400));
    f.setItalic(k.italic);
    f.setUnderline(k.underline);
    f.setStrikeOut(k.strikeOut);
    return f;
}

QPixmap pictureFrom(const std::vector<std::uint8_t>& bytes) {
    QPixmap p;
    if (!bytes.empty() && !p.loadFromData(bytes.data(), static_cast<uint>(bytes.size()), "PNG")) return {};
    return p;
}

std::vector<std::uint8_t> pictureBytes(const QPixmap& p) {
    if (p.isNull()) return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!p.save(&buffer, "PNG")) return {};
    return std::vector<std::uint8_t>(png.begin(), png.end());
}

// The path of this library file, found through one of its own addresses.
std::string libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryPath), &info) == 0 || !info.dli_fname) return {};
    return info.dli_fname;
}

QColor toQColor(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

Colour fromQColor(const QColor& c) {
    return zel::koru::rgb(c.red(), c.green(), c.blue());
}

// Shift state as the control's events report it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

// Button code: 1 left, 2 right, 4 middle.
int buttonCode(Qt::MouseButtons b) {
    int c = 0;
    if (b & Qt::LeftButton) c |= 1;
    if (b & Qt::RightButton) c |= 2;
    if (b & Qt::MiddleButton) c |= 4;
    return c;
}

// The key code that KeyDown and KeyUp carry (the classic virtual-key numbers).
int keyCode(const QKeyEvent* e) {
    const int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return static_cast<int>(e->nativeVirtualKey());
    }
}

// The keys the control takes before the host's keyboard handling: the page,
// Home, End and arrow keys, and Tab, Enter and Space for the hot spots. With Ctrl
// or Alt held they are the host's.
bool isNavigationKey(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (e->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

} // namespace

CKoruTextCtrl::CKoruTextCtrl(QWidget* parent) : QWidget(parent), m_layout(m_metrics) {
    setObjectName(QStringLiteral("CKoruTextCtrl"));
    // The keyboard focus comes by Tab only: a click does not activate the control.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_font = font();
    m_headingFont = font();
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setTracking(false); // dragging the thumb does not scroll until release
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &CKoruTextCtrl::onScrollBar);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &CKoruTextCtrl::scrollToLine);
    m_leaveTimer = new QTimer(this);
    m_leaveTimer->setInterval(kLeaveTimerMs);
    connect(m_leaveTimer, &QTimer::timeout, this, &CKoruTextCtrl::onLeaveTimer);
    setCursor(cursorFor(2));
    ++g_instances;
    // A new instance is a load with every value missing.
    loadPropertySet(zel::koru::KoruPropertySet{});
}

CKoruTextCtrl::~CKoruTextCtrl() {
    m_leaveTimer->stop();
    if (QToolTip::isVisible() && QToolTip::text() == m_toolTip && !m_toolTip.isEmpty()) QToolTip::hideText();
    --g_instances;
}

int CKoruTextCtrl::instanceCount() {
    return g_instances.load();
}

// ---- stored property set -------------------------------------------------------

zel::koru::KoruPropertySet CKoruTextCtrl::propertySet() const {
    zel::koru::KoruPropertySet s;
    s.width = width();
    s.height = height();
    s.font = toKoruFont(m_font);
    s.borderStyle = static_cast<std::int16_t>(m_borderStyle);
    s.enabled = isEnabled();
    s.toolTip = m_toolTip.toStdString();
    s.backColor = m_backColor;
    s.foreColor = m_foreColor;
    s.autoSize = m_autoSize;
    s.drawFocusRect = m_drawFocusRect;
    s.headingColor = m_headingColor;
    s.headingFont = toKoruFont(m_headingFont);
    s.hotspotColors = static_cast<std::int16_t>(m_hotspotColors);
    s.jumpColor = m_jumpColor;
    s.jumpCursor = static_cast<std::int16_t>(m_cursorCode[0]);
    s.popupColor = m_popupColor;
    s.popupCursor = static_cast<std::int16_t>(m_cursorCode[1]);
    s.normalCursor = static_cast<std::int16_t>(m_cursorCode[2]);
    s.tabWidth = static_cast<std::int16_t>(m_tabWidth);
    s.text = m_text.text();
    s.wordWrap = m_wordWrap;
    s.jumpIcon = pictureBytes(m_icon[0]);
    s.popupIcon = pictureBytes(m_icon[1]);
    s.normalIcon = pictureBytes(m_icon[2]);
    return s;
}

QByteArray CKoruTextCtrl::savePropertyStream() const {
    const std::vector<std::uint8_t> bytes = propertySet().write();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

zel::koru::KoruExchangeValues CKoruTextCtrl::exchangeValues() const {
    const zel::koru::KoruPropertySet s = propertySet();
    zel::koru::KoruExchangeValues x;
    x.borderStyle = *s.borderStyle;
    x.enabled = *s.enabled;
    x.toolTip = *s.toolTip;
    x.values = s.resolve({});
    x.text = *s.text;
    return x;
}

void CKoruTextCtrl::loadPropertySet(const zel::koru::KoruPropertySet& set, const QString& hostName) {
    const zel::koru::KoruDefaultValues v = set.resolve(koruReadDefaults());
    const QFont ambient = parentWidget() ? parentWidget()->font() : QApplication::font();
    m_inLayout = true; // one layout at the end
    m_hostName = hostName;
    if (set.width > 0 && set.height > 0) resize(set.width, set.height);
    m_font = set.font ? fromKoruFont(*set.font, ambient) : ambient;
    m_borderStyle = set.borderStyle.value_or(0);
    setEnabled(set.enabled.value_or(true));
    m_backColor = v.backColor;
    m_foreColor = v.foreColor;
    m_autoSize = v.autoSize;
    m_drawFocusRect = v.drawFocusRect;
    m_headingColor = v.headingColor;
    m_headingFont = set.headingFont ? fromKoruFont(*set.headingFont, ambient) : ambient;
    m_hotspotColors = v.hotspotColors;
    m_jumpColor = v.jumpColor;
    m_cursorCode[0] = v.jumpCursor;
    m_popupColor = v.popupColor;
    m_cursorCode[1] = v.popupCursor;
    m_cursorCode[2] = v.normalCursor;
    m_tabWidth = v.tabWidth > 0 ? v.tabWidth : 8;
    m_wordWrap = v.wordWrap;
    m_icon[0] = pictureFrom(set.jumpIcon);
    m_icon[1] = pictureFrom(set.popupIcon);
    m_icon[2] = pictureFrom(set.normalIcon);
    m_inLayout = false;
    setToolTipText(QString::fromStdString(set.toolTip.value_or(std::string())));
    const QString text = set.text ? QString::fromStdString(*set.text) : hostName;
    m_text.setText(text.toStdString());
    m_layout.setText(m_text.bytes());
    m_focused = -1;
    m_hovered = -2;
    m_lastError = 0;
    updatePointer(-1);
    relayout();
}

zel::Status CKoruTextCtrl::loadPropertyStream(const QByteArray& bytes, const QString& hostName) {
    const auto set = zel::koru::KoruPropertySet::read(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    if (!set) return set.status();
    loadPropertySet(*set, hostName);
    return zel::Status::ok();
}

// ---- information box and help ----------------------------------------------------

void CKoruTextCtrl::AboutBox() {
    KoruAboutBox box(this);
    box.exec();
}

QString CKoruTextCtrl::helpDirectory() {
    using zel::koru::KoruRegistration;
    const auto registry = KoruRegistration::load(KoruRegistration::defaultRegistryPath());
    const zel::koru::KoruIniFile empty;
    return QString::fromStdString(
        KoruRegistration::helpDirectory(registry ? *registry : empty, libraryPath()));
}

QString CKoruTextCtrl::helpFile() {
    return QString::fromStdString(zel::koru::KoruRegistration::helpFile(helpDirectory().toStdString()));
}

// ---- properties ---------------------------------------------------------------

bool CKoruTextCtrl::isValidColour(quint32 c) {
    return zel::koru::isValidKoruColour(c);
}

QColor CKoruTextCtrl::resolveColour(quint32 c) const {
    if ((c & kSystemColour) == 0) return toQColor(c & 0xFFFFFFu);
    const QPalette& pal = QWidget::palette();
    switch (c & 0xFFu) {
    case 5:
        return pal.color(QPalette::Active, QPalette::Base);
    case 8:
        return pal.color(QPalette::Active, QPalette::Text);
    case 13:
        return pal.color(QPalette::Active, QPalette::Highlight);
    case 14:
        return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 15:
        return pal.color(QPalette::Active, QPalette::Button);
    case 17:
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return pal.color(QPalette::Active, QPalette::ButtonText);
    case 23:
        return pal.color(QPalette::Active, QPalette::ToolTipText);
    case 24:
        return pal.color(QPalette::Active, QPalette::ToolTipBase);
    default:
        return pal.color(QPalette::Active, QPalette::Window);
    }
}

bool CKoruTextCtrl::refuse() {
    m_lastError = kInvalidPropertyValue;
    return false;
}

bool CKoruTextCtrl::accepts(zel::koru::KoruNumber number, double value) {
    if (zel::koru::koruAccepts(number, value)) return true;
    return refuse();
}

void CKoruTextCtrl::changed() {
    m_lastError = 0;
    update();
}

void CKoruTextCtrl::setColour(quint32& member, quint32 c) {
    if (!isValidColour(c)) return void(refuse());
    member = c;
    changed();
}

void CKoruTextCtrl::setAutoSize(bool on) {
    m_lastError = 0;
    if (on == m_autoSize) return;
    m_autoSize = on;
    relayout();
}

void CKoruTextCtrl::setDrawFocusRect(bool on) {
    m_drawFocusRect = on;
    changed();
}

void CKoruTextCtrl::setHeadingColor(quint32 c) {
    setColour(m_headingColor, c);
}

void CKoruTextCtrl::setHotspotColors(int set) {
    if (!accepts(zel::koru::KoruNumber::HotspotColors, set)) return;
    m_hotspotColors = set;
    changed();
}

void CKoruTextCtrl::setJumpColor(quint32 c) {
    setColour(m_jumpColor, c);
}

void CKoruTextCtrl::setPopupColor(quint32 c) {
    setColour(m_popupColor, c);
}

void CKoruTextCtrl::setBackColor(quint32 c) {
    setColour(m_backColor, c);
}

void CKoruTextCtrl::setForeColor(quint32 c) {
    setColour(m_foreColor, c);
}

void CKoruTextCtrl::setJumpCursor(int code) {
    if (!accepts(zel::koru::KoruNumber::JumpCursor, code)) return;
    m_cursorCode[0] = code;
    updatePointer(m_hovered);
    changed();
}

void CKoruTextCtrl::setPopupCursor(int code) {
    if (!accepts(zel::koru::KoruNumber::PopupCursor, code)) return;
    m_cursorCode[1] = code;
    updatePointer(m_hovered);
    changed();
}

void CKoruTextCtrl::setNormalCursor(int code) {
    if (!accepts(zel::koru::KoruNumber::NormalCursor, code)) return;
    m_cursorCode[2] = code;
    updatePointer(m_hovered);
    changed();
}

void CKoruTextCtrl::setJumpIcon(const QPixmap& p) {
    m_icon[0] = p;
    updatePointer(m_hovered);
    changed();
}

void CKoruTextCtrl::setPopupIcon(const QPixmap& p) {
    m_icon[1] = p;
    updatePointer(m_hovered);
    changed();
}

void CKoruTextCtrl::setNormalIcon(const QPixmap& p) {
    m_icon[2] = p;
    updatePointer(m_hovered);
    changed();
}

void CKoruTextCtrl::setWordWrap(bool on) {
    m_lastError = 0;
    if (on == m_wordWrap) return;
    m_wordWrap = on;
    if (m_autoSize)
        relayout();
    else
        update();
}

void CKoruTextCtrl::setNormalFont(const QFont& f) {
    if (!accepts(zel::koru::KoruNumber::FontPoints, fontPoints(f))) return;
    m_lastError = 0;
    m_font = f;
    repaintInPlace();
}

void CKoruTextCtrl::setHeadingFont(const QFont& f) {
    if (!accepts(zel::koru::KoruNumber::FontPoints, fontPoints(f))) return;
    m_lastError = 0;
    m_headingFont = f;
    relayout();
}

void CKoruTextCtrl::setFontName(const QString& name) {
    QFont f = m_font;
    f.setFamily(name);
    setNormalFont(f);
}

void CKoruTextCtrl::setFontBold(bool on) {
    QFont f = m_font;
    f.setBold(on);
    setNormalFont(f);
}

void CKoruTextCtrl::setFontItalic(bool on) {
    QFont f = m_font;
    f.setItalic(on);
    setNormalFont(f);
}

void CKoruTextCtrl::setFontUnderline(bool on) {
    QFont f = m_font;
    f.setUnderline(on);
    setNormalFont(f);
}

void CKoruTextCtrl::setFontStrikethru(bool on) {
    QFont f = m_font;
    f.setStrikeOut(on);
    setNormalFont(f);
}

void CKoruTextCtrl::setFontSize(float points) {
    if (!accepts(zel::koru::KoruNumber::FontPoints, points)) return;
    QFont f = m_font;
    f.setPointSizeF(points);
    setNormalFont(f);
}

void CKoruTextCtrl::setHeadingBold(bool on) {
    QFont f = m_headingFont;
    f.setBold(on);
    setHeadingFont(f);
}

void CKoruTextCtrl::setHeadingItalic(bool on) {
    QFont f = m_headingFont;
    f.setItalic(on);
    setHeadingFont(f);
}

void CKoruTextCtrl::setHeadingUnderline(bool on) {
    QFont f = m_headingFont;
    f.setUnderline(on);
    setHeadingFont(f);
}

void CKoruTextCtrl::setHeadingStrikethru(bool on) {
    QFont f = m_headingFont;
    f.setStrikeOut(on);
    setHeadingFont(f);
}

void CKoruTextCtrl::setHeadingSize(float points) {
    if (!accepts(zel::koru::KoruNumber::FontPoints, points)) return;
    QFont f = m_headingFont;
    f.setPointSizeF(points);
    setHeadingFont(f);
}

QString CKoruTextCtrl::rawText() const {
    return QString::fromStdString(m_text.rawText());
}

void CKoruTextCtrl::setTabWidth(int width) {
    if (!accepts(zel::koru::KoruNumber::TabWidth, width)) return;
    m_lastError = 0;
    if (width == m_tabWidth) return;
    m_tabWidth = width;
    relayout();
}

void CKoruTextCtrl::setUpdateWindow(bool) {
    m_lastError = 0;
    repaint();
}

void CKoruTextCtrl::setForceWrap(bool on) {
    m_lastError = 0;
    if (on == m_forceWrap) return;
    m_forceWrap = on;
    repaintInPlace();
}

void CKoruTextCtrl::setToolTipText(const QString& tip) {
    m_lastError = 0;
    if (tip == m_toolTip) return;
    const bool shown = QToolTip::isVisible() && !m_toolTip.isEmpty() && QToolTip::text() == m_toolTip;
    m_toolTip = tip;
    if (!shown) return;
    // A tip on screen changes its text, or goes away with an empty text.
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        showToolTipAt(QCursor::pos());
}

void CKoruTextCtrl::showToolTipAt(const QPoint& globalPos) {
    if (m_toolTip.isEmpty()) return QToolTip::hideText();
    QToolTip::showText(globalPos, m_toolTip, this, rect());
}

void CKoruTextCtrl::setEnabledProperty(bool on) {
    m_lastError = 0;
    setEnabled(on);
}

void CKoruTextCtrl::setBorderStyle(int style) {
    if (!accepts(zel::koru::KoruNumber::BorderStyle, style)) return;
    m_lastError = 0;
    if (style == m_borderStyle) return;
    m_borderStyle = style;
    relayout();
}

QString CKoruTextCtrl::text() const {
    return QString::fromStdString(m_text.text());
}

void CKoruTextCtrl::setText(const QString& markup) {
    m_lastError = 0;
    if (!m_text.setText(markup.toStdString())) return;
    m_layout.setText(m_text.bytes());
    m_focused = -1;
    m_hovered = -2;
    relayout();
}

// ---- layout ---------------------------------------------------------------------

QRect CKoruTextCtrl::clientRect() const {
    const int b = border();
    QRect r = rect().adjusted(b, b, -b, -b);
    if (m_scrollBarShown) r.setRight(r.right() - m_scrollBar->sizeHint().width());
    return r;
}

QPoint CKoruTextCtrl::toClient(const QPoint& p) const {
    return p - clientRect().topLeft();
}

zel::koru::LayoutOptions CKoruTextCtrl::layoutOptions() const {
    zel::koru::LayoutOptions o;
    const QRect c = clientRect();
    o.clientWidth = c.width();
    o.clientHeight = c.height();
    o.autoSize = m_autoSize;
    o.wordWrap = m_wordWrap;
    o.forceWrap = m_forceWrap;
    o.tabWidth = m_tabWidth;
    o.normalFont = QtTextMetrics::fromQFont(m_font);
    o.headingFont = QtTextMetrics::fromQFont(m_headingFont);
    return o;
}

zel::koru::Palette CKoruTextCtrl::drawPalette() const {
    zel::koru::Palette p;
    p.fore = fromQColor(resolveColour(m_foreColor));
    p.heading = fromQColor(resolveColour(m_headingColor));
    p.back = fromQColor(resolveColour(m_backColor));
    p.grey = fromQColor(resolveColour(kGrayText));
    switch (m_hotspotColors) {
    case 0:
        p.jump = kHelpJump;
        p.popup = kHelpPopup;
        break;
    case 1:
        p.jump = kViewerJump;
        p.popup = kViewerPopup;
        break;
    default:
        p.jump = fromQColor(resolveColour(m_jumpColor));
        p.popup = fromQColor(resolveColour(m_popupColor));
        break;
    }
    p.enabled = isEnabled();
    return p;
}

void CKoruTextCtrl::setScrollBarShown(bool shown) {
    m_scrollBarShown = shown;
    const int b = border();
    const int w = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(width() - b - w, b, w, std::max(0, height() - 2 * b));
    m_scrollBar->setVisible(shown);
    m_scrollBar->blockSignals(true);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->setValue(0);
    m_scrollBar->blockSignals(false);
}

// Discards the layout and starts it again from the top: decides the scroll bar,
// sizes the control when AutoSize is on, and continues in the background.
void CKoruTextCtrl::relayout() {
    if (m_inLayout) return;
    m_inLayout = true;
    m_segments.clear();
    m_scrollPos = 0;
    setScrollBarShown(false);
    m_layout.setOptions(layoutOptions());
    m_layout.discard();
    if (m_autoSize) {
        m_layout.layoutToEnd();
        const int b = border();
        const int w = m_wordWrap ? clientRect().width() : m_layout.contentWidth();
        const QSize target(w + 2 * b, m_layout.contentHeight() + 2 * b);
        if (target != size()) {
            resize(target);
            m_layout.setOptions(layoutOptions());
            m_layout.discard();
            m_layout.layoutToEnd();
        }
    } else {
        const DrawList top = m_layout.draw(0, drawPalette());
        if (m_layout.needsScrollBar(top)) {
            setScrollBarShown(true);
            m_layout.setOptions(layoutOptions());
            m_layout.discard();
            m_layout.draw(0, drawPalette());
        }
        if (m_layout.isComplete())
            finishLayout();
        else
            scheduleLayout();
    }
    m_inLayout = false;
    update();
}

// Repaints with the current fonts and switches where the view is: the scroll
// position and the scroll bar stay; the lines are laid out again up to the view
// and the rest in the background.
void CKoruTextCtrl::repaintInPlace() {
    if (m_inLayout) return;
    m_segments.clear();
    m_layout.setOptions(layoutOptions());
    if (!m_layout.isComplete() && !m_autoSize) scheduleLayout();
    update();
}

void CKoruTextCtrl::scheduleLayout() {
    if (m_layoutPending) return;
    m_layoutPending = true;
    QMetaObject::invokeMethod(this, &CKoruTextCtrl::layoutStep, Qt::QueuedConnection);
}

void CKoruTextCtrl::layoutStep() {
    m_layoutPending = false;
    if (m_layout.isComplete()) return finishLayout();
    // Slices until about 8 ms have passed, then back to the event loop.
    QElapsedTimer clock;
    clock.start();
    do {
        if (m_layout.layoutChunk()) return finishLayout();
    } while (clock.elapsed() < 8);
    scheduleLayout();
}

void CKoruTextCtrl::finishLayout() {
    // A view below the end of a text laid out anew comes up to its last page.
    if (m_scrollBarShown && m_scrollPos > m_layout.scrollMax()) {
        m_scrollPos = m_layout.scrollMax();
        m_segments.clear();
        update();
    }
    m_scrollBar->blockSignals(true);
    m_scrollBar->setRange(0, m_scrollBarShown ? m_layout.scrollMax() : 0);
    m_scrollBar->setPageStep(std::max(1, m_layout.pageLines(m_scrollPos, true)));
    m_scrollBar->setValue(m_scrollPos);
    m_scrollBar->blockSignals(false);
}

void CKoruTextCtrl::completeLayout() {
    if (!m_layout.isComplete()) m_layout.layoutToEnd();
    finishLayout();
}

int CKoruTextCtrl::scrollMaximum() const {
    return m_scrollBarShown ? m_layout.scrollMax() : 0;
}

void CKoruTextCtrl::scrollToLine(int line) {
    if (!m_scrollBarShown) return;
    if (m_layout.isComplete()) {
        line = m_layout.clampScroll(line);
    } else {
        // While the background layout runs, lay out only as far as the target
        // page needs and scroll within the lines laid out so far.
        const int wanted = std::max(line, 0) + std::max(1, m_layout.pageLines(std::max(line, 0), true)) + 1;
        while (!m_layout.isComplete() && m_layout.lineCount() <= wanted)
            m_layout.layoutChunk();
        if (m_layout.isComplete()) {
            finishLayout();
            line = m_layout.clampScroll(line);
        } else {
            line = std::clamp(line, 0, std::max(0, m_layout.lineCount() - 2));
        }
    }
    if (line == m_scrollPos) {
        m_scrollBar->blockSignals(true);
        m_scrollBar->setValue(m_scrollPos);
        m_scrollBar->blockSignals(false);
        return;
    }
    const int old = m_scrollPos;
    m_scrollPos = line;
    m_scrollBar->blockSignals(true);
    m_scrollBar->setValue(line);
    m_scrollBar->blockSignals(false);
    const QRect client = clientRect();
    const int shift = m_layout.pixelShift(old, line);
    if (shift >= client.height() || (m_drawFocusRect && hasFocus())) {
        m_segments.clear();
        repaint();
        return;
    }
    // Move the picture and its segments; only the uncovered strip is painted.
    const int dy = line > old ? -shift : shift;
    std::vector<zel::koru::Segment> kept;
    for (zel::koru::Segment s : m_segments) {
        s.rect.top += dy;
        s.rect.bottom += dy;
        if (s.rect.top >= 0 && s.rect.top < client.height()) kept.push_back(s);
    }
    m_segments = std::move(kept);
    scroll(0, dy, client);
}

void CKoruTextCtrl::onScrollBar(int action) {
    switch (action) {
    case QAbstractSlider::SliderPageStepAdd:
        m_scrollBar->setSliderPosition(m_scrollPos + m_layout.pageLines(m_scrollPos, true));
        break;
    case QAbstractSlider::SliderPageStepSub:
        m_scrollBar->setSliderPosition(m_scrollPos - m_layout.pageLines(m_scrollPos, false));
        break;
    default:
        break;
    }
}

// ---- painting ---------------------------------------------------------------------

void CKoruTextCtrl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const zel::koru::Palette pal = drawPalette();
    const QColor back = toQColor(pal.back);
    p.fillRect(rect(), back);
    if (m_borderStyle == 1) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect client = clientRect();
    p.setClipRect(client);
    p.translate(client.topLeft());

    const DrawList list = m_layout.draw(m_scrollPos, pal, m_focused);
    m_segments = list.segments;
    for (const zel::koru::TextRun& run : list.runs) {
        const QFont f = QtTextMetrics::toQFont(run.font);
        p.setFont(f);
        p.setPen(toQColor(run.colour));
        p.drawText(QPoint(run.x, run.y + QFontMetrics(f).ascent()), QtTextMetrics::decode(run.bytes));
    }
    for (const zel::koru::Underline& u : list.underlines) {
        const QRect r(u.rect.left, u.rect.top, u.rect.right - u.rect.left, u.rect.bottom - u.rect.top);
        if (!u.dotted) {
            p.fillRect(r, toQColor(u.colour));
            continue;
        }
        for (int x = r.left(); x <= r.right(); x += 2) {
            const bool ink = ((x - r.left()) / 2) % 2 == 0;
            p.fillRect(QRect(x, r.top(), std::min(2, r.right() - x + 1), r.height()),
                       ink ? toQColor(u.colour) : back);
        }
    }
    if (!list.inverted.empty()) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        for (const zel::koru::Rect& r : list.inverted)
            p.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), Qt::white);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (m_drawFocusRect && hasFocus()) {
        QPen pen(toQColor(pal.fore));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, 1, client.width() - 3, client.height() - 3));
    }
}

void CKoruTextCtrl::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    relayout();
}

void CKoruTextCtrl::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange) update();
}

// ---- pointer ----------------------------------------------------------------------

QCursor CKoruTextCtrl::cursorFor(int which) const {
    int code = m_cursorCode[which];
    if (code > 23) {
        if (!m_icon[which].isNull()) return QCursor(m_icon[which]);
        code = 0;
    }
    if (code == 0 && which != 2) code = 13; // hot spots: the control's own hand
    if (isKoruOwnCursor(code)) return koruOwnCursor(code);
    switch (code) {
    case 0:
        return Qt::ArrowCursor;
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 4:
        return Qt::ArrowCursor;
    case 5:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void CKoruTextCtrl::updatePointer(int hotspot) {
    if (hotspot < 0) return setCursor(cursorFor(2));
    setCursor(cursorFor(m_text.hotspotKind(hotspot) == HotspotKind::Popup ? 1 : 0));
}

void CKoruTextCtrl::mouseMoveEvent(QMouseEvent* e) {
    const QPoint c = toClient(e->position().toPoint());
    const int hit = zel::koru::KoruLayout::hitTest(m_segments, c.x(), c.y());
    updatePointer(hit);
    if (hit != m_hovered) {
        m_hovered = hit;
        if (hit < 0) {
            m_leaveTimer->stop();
            emit MouseOverNormal();
        } else {
            const QString key = QString::fromStdString(m_text.hotspotKey(hit));
            const QString text = QString::fromStdString(m_text.hotspotText(hit));
            if (m_text.hotspotKind(hit) == HotspotKind::Popup)
                emit MouseOverPopup(key, text);
            else
                emit MouseOverJump(key, text);
            if (!m_leaveTimer->isActive()) m_leaveTimer->start();
        }
    }
    const QPoint p = e->position().toPoint();
    emit MouseMove(buttonCode(e->buttons()), shiftState(e->modifiers()), p.x(), p.y());
}

void CKoruTextCtrl::onLeaveTimer() {
    QWidget* under = QApplication::widgetAt(QCursor::pos());
    if (under == this || (under && isAncestorOf(under))) return;
    m_leaveTimer->stop();
    m_hovered = -1;
    emit MouseOverNormal();
}

void CKoruTextCtrl::fireHotspot(int n) {
    const QString key = QString::fromStdString(m_text.hotspotKey(n));
    const QString text = QString::fromStdString(m_text.hotspotText(n));
    if (m_text.hotspotKind(n) == HotspotKind::Popup)
        emit Popup(key, text);
    else
        emit Jump(key, text);
}

void CKoruTextCtrl::mousePressEvent(QMouseEvent* e) {
    // A click does not take the keyboard focus.
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        const QPoint c = toClient(p);
        const int hit = zel::koru::KoruLayout::hitTest(m_segments, c.x(), c.y());
        if (hit >= 0) return fireHotspot(hit);
    }
    emit MouseDown(buttonCode(e->button()), shiftState(e->modifiers()), p.x(), p.y());
}

void CKoruTextCtrl::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MouseUp(buttonCode(e->button()), shiftState(e->modifiers()), p.x(), p.y());
    if (rect().contains(p)) emit Click();
}

void CKoruTextCtrl::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MouseDown(buttonCode(e->button()), shiftState(e->modifiers()), p.x(), p.y());
    emit DblClick();
}

// ---- keyboard ---------------------------------------------------------------------

bool CKoruTextCtrl::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::ToolTip:
        // The standard tooltip with the ToolTip text; none while it is empty.
        showToolTipAt(static_cast<QHelpEvent*>(e)->globalPos());
        return true;
    case QEvent::MouseButtonPress:
        // A button press over the control closes its tooltip (a double click does not).
        if (!m_toolTip.isEmpty() && QToolTip::isVisible() && QToolTip::text() == m_toolTip)
            QToolTip::hideText();
        break;
    default:
        break;
    }
    // The navigation keys are the control's own while it has the focus: the host's
    // shortcuts do not see them.
    if (e->type() == QEvent::ShortcutOverride && isNavigationKey(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    // Tab and Shift+Tab move between hot spots instead of between controls.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QWidget::event(e);
}

void CKoruTextCtrl::moveFocus(bool next) {
    if (m_segments.empty()) return;
    const int first = m_segments.front().hotspot;
    const int last = m_segments.back().hotspot;
    if (m_focused < 0)
        m_focused = next ? first : last;
    else if (next)
        m_focused = m_focused + 1 > last ? first : m_focused + 1;
    else
        m_focused = m_focused - 1 < first ? last : m_focused - 1;
    update();
}

void CKoruTextCtrl::keyPressEvent(QKeyEvent* e) {
    int code = keyCode(e);
    const int shift = shiftState(e->modifiers());
    emit KeyDown(code, shift);
    if (!e->text().isEmpty() && e->text().at(0).unicode() < 0x80) {
        int ascii = e->text().at(0).unicode();
        emit KeyPress(ascii);
    }
    switch (e->key()) {
    case Qt::Key_Tab:
        moveFocus(!(e->modifiers() & Qt::ShiftModifier));
        break;
    case Qt::Key_Backtab:
        moveFocus(false);
        break;
    case Qt::Key_Right:
        moveFocus(true);
        break;
    case Qt::Key_Left:
        moveFocus(false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_focused < 0) {
            if (m_segments.empty()) break;
            m_focused = m_segments.front().hotspot;
        }
        fireHotspot(m_focused);
        break;
    case Qt::Key_PageUp:
        scrollToLine(m_scrollPos - m_layout.pageLines(m_scrollPos, false));
        break;
    case Qt::Key_PageDown:
        scrollToLine(m_scrollPos + m_layout.pageLines(m_scrollPos, true));
        break;
    case Qt::Key_Home:
        scrollToLine(0);
        break;
    case Qt::Key_End:
        completeLayout();
        scrollToLine(m_layout.scrollMax());
        break;
    case Qt::Key_Up:
        scrollToLine(m_scrollPos - 1);
        break;
    case Qt::Key_Down:
        scrollToLine(m_scrollPos + 1);
        break;
    default:
        break;
    }
    e->accept();
}

void CKoruTextCtrl::keyReleaseEvent(QKeyEvent* e) {
    int code = keyCode(e);
    emit KeyUp(code, shiftState(e->modifiers()));
    e->accept();
}

void CKoruTextCtrl::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void CKoruTextCtrl::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    m_focused = -1;
    update();
}
