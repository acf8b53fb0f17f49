// The window base class: one instance per kind, geometry in the settings store.
#include "windowkit/ZelWindow.h"

#include "windowkit/AppSettings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {
// Every ZelWindow alive, oldest first.
QList<ZelWindow*>& registry() {
    static QList<ZelWindow*> windows;
    return windows;
}
} // namespace

ZelWindow::ZelWindow(const QString& name, QWidget* parent) : QDialog(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    if (auto row = zel::findWindowSuffix(name.toStdString())) {
        m_suffix = QString::fromUtf8(row->suffix.data(), static_cast<qsizetype>(row->suffix.size()));
        m_graph = row->graph;
    }
    registry().append(this);
}

ZelWindow::~ZelWindow() {
    registry().removeAll(this);
}

QString windowName(zel::WindowId id) {
    const std::string_view name = zel::window(id).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

ZelWindow::ZelWindow(zel::WindowId id, QWidget* parent) : ZelWindow(windowName(id), parent) {}

ZelWindow* ZelWindow::find(zel::WindowId id) {
    return find(windowName(id));
}

ZelWindow* ZelWindow::find(const QString& name) {
    for (ZelWindow* w : openWindows())
        if (w->objectName() == name) return w;
    return nullptr;
}

QList<ZelWindow*> ZelWindow::openWindows() {
    QList<ZelWindow*> open;
    for (ZelWindow* w : registry())
        if (!w->m_closed) open.append(w);
    return open;
}

void ZelWindow::closeWindows(const QStringList& names) {
    for (const QString& name : names)
        if (ZelWindow* w = find(name)) w->close();
}

void ZelWindow::closeWindows(std::initializer_list<zel::WindowId> ids) {
    closeWindows(std::span<const zel::WindowId>(ids.begin(), ids.size()));
}

void ZelWindow::closeWindows(std::span<const zel::WindowId> ids) {
    for (zel::WindowId id : ids)
        if (ZelWindow* w = find(id)) w->close();
}

void ZelWindow::closeAll() {
    // One after the other; a window may refuse, so each is tried once.
    const QList<ZelWindow*> open = openWindows();
    for (const QPointer<ZelWindow> w : open)
        if (w && !w->m_closed) w->close();
}

void ZelWindow::placeBeside(QWidget* tool, int down) const {
    const QRect frame = frameGeometry();
    QPoint at = frame.topRight() + QPoint(8, down);
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        const QSize size = tool->frameGeometry().size();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    }
    tool->move(at);
}

void ZelWindow::bringForward() {
    if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!isVisible()) show();
    raise();
    activateWindow();
}

void ZelWindow::setDesignGeometry(const zel::TwipsRect& rect) {
    m_design = rect;
    m_hasDesign = true;
}

QSizeF ZelWindow::screenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->geometry().size() : QSize(1024, 768);
    return {zel::Twips::fromPixels(px.width()), zel::Twips::fromPixels(px.height())};
}

zel::TwipsRect ZelWindow::twipsGeometryOf(const QWidget* w) {
    const QRect frame = w->frameGeometry();
    return {zel::Twips::fromPixels(frame.x()), zel::Twips::fromPixels(frame.y()),
            zel::Twips::fromPixels(frame.width()), zel::Twips::fromPixels(frame.height())};
}

void ZelWindow::setTwipsGeometryOf(QWidget* w, const zel::TwipsRect& rect) {
    // Position and size are the outer frame's; the frame's own extent is taken
    // off the size handed to the client area.
    const QSize extra = w->frameGeometry().size() - w->geometry().size();
    w->move(zel::Twips::toPixels(rect.left), zel::Twips::toPixels(rect.top));
    const int width = std::max(1, zel::Twips::toPixels(rect.width) - extra.width());
    const int height = std::max(1, zel::Twips::toPixels(rect.height) - extra.height());
    w->resize(width, height);
}

zel::WindowState ZelWindow::stateOf(const QWidget* w) {
    const Qt::WindowStates s = w->windowState();
    if (s & Qt::WindowMinimized) return zel::WindowState::Minimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return zel::WindowState::Maximized;
    return zel::WindowState::Normal;
}

zel::TwipsRect ZelWindow::twipsGeometry() const {
    return twipsGeometryOf(this);
}
void ZelWindow::setTwipsGeometry(const zel::TwipsRect& rect) {
    setTwipsGeometryOf(this, rect);
}
zel::WindowState ZelWindow::state() const {
    return stateOf(this);
}

void ZelWindow::centreOnScreen() {
    if (state() != zel::WindowState::Normal) return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void ZelWindow::restoreGeometryFromStore() {
    m_restored = true;
    if (m_suffix.isEmpty()) return;
    zel::TwipsRect defaults;
    if (m_graph) {
        const QSizeF screen = screenTwips();
        defaults = zel::graphWindowDefaults(screen.width(), screen.height());
    } else if (m_hasDesign) {
        defaults = m_design;
    } else {
        // Its own size, over the middle of the window it was opened from (or of
        // the screen), until the user has placed it once.
        defaults = twipsGeometry();
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = owner && owner->isVisible() ? owner->frameGeometry()
                           : screen                    ? screen->availableGeometry()
                                                       : QRect();
        if (area.isValid()) {
            QRect frame(QPoint(0, 0), frameGeometry().size());
            frame.moveCenter(area.center());
            defaults.left = zel::Twips::fromPixels(std::max(0, frame.x()));
            defaults.top = zel::Twips::fromPixels(std::max(0, frame.y()));
        }
    }
    setTwipsGeometry(zel::readGeometry(zel::appSettings(), m_suffix.toStdString(), defaults));
}

void ZelWindow::recordGeometryToStore() {
    if (m_recorded || m_suffix.isEmpty() || !m_restored) return;
    m_recorded = true;
    zel::recordGeometry(zel::appSettings(), m_suffix.toStdString(), twipsGeometry(), state());
}

void ZelWindow::markClosed() {
    recordGeometryToStore();
    m_closed = true;
}

void ZelWindow::showEvent(QShowEvent* e) {
    if (!m_restored) restoreGeometryFromStore();
    if (m_centreOnShow) centreOnScreen();
    m_recorded = false;
    m_closed = false;
    QDialog::showEvent(e);
}

void ZelWindow::done(int r) {
    // accept(), reject() and the close box all end here or in the close event;
    // either way the window records its geometry and goes away for good.
    markClosed();
    QDialog::done(r);
    close();
}

bool ZelWindow::event(QEvent* e) {
    if (e->type() != QEvent::Close) return QDialog::event(e);
    const bool handled = QDialog::event(e);
    if (e->isAccepted()) markClosed();
    return handled;
}

QHBoxLayout* ZelWindow::okCancelRow(const std::function<void()>& onOk) {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QVBoxLayout* ZelWindow::layOutGridDialog(QWidget* prompt, QWidget* grid, const std::function<void()>& onOk) {
    QHBoxLayout* buttons = okCancelRow(onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    return layout;
}
