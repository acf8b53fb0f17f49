// ZelWindow: the base class of every window of the program except the main
// window. A window exists at most once per kind (its objectName); opening it
// again brings the open one forward. A window listed in the window-suffix table
// restores its geometry from the settings store when it is shown and records it
// when it closes in the normal state. Closing deletes the window and everything
// it computed.
#pragma once

#include "common/Analyses.h"
#include "windowkit/WindowGeometry.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QList>
#include <QStringList>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>
#include <span>
#include <utility>

// The object name of a window of the window table.
QString windowName(zel::WindowId id);

class ZelWindow : public QDialog {
    Q_OBJECT
  public:
    // name: the window's kind, used as objectName and to find its geometry keys.
    explicit ZelWindow(const QString& name, QWidget* parent = nullptr);
    // A window of the window table, by its enumerator.
    explicit ZelWindow(zel::WindowId id, QWidget* parent = nullptr);
    ~ZelWindow() override;

    // Opens the one window of kind T: an open one (not yet closing) is brought
    // forward and returned as it is; otherwise a new T(args...) is created and
    // shown (modeless).
    template <class T, class... Args> static T* open(Args&&... args) {
        if (T* existing = findOpen<T>()) {
            existing->bringForward();
            return existing;
        }
        T* w = new T(std::forward<Args>(args)...);
        w->show();
        return w;
    }

    // Creates a new T(args...) unless one is open, and runs it modally. Returns
    // QDialog::Rejected without running anything when one is open already (it is
    // brought forward instead).
    template <class T, class... Args> static int openModal(Args&&... args) {
        if (T* existing = findOpen<T>()) {
            existing->bringForward();
            return QDialog::Rejected;
        }
        T* w = new T(std::forward<Args>(args)...);
        return w->exec(); // deletes the window when it closes
    }

    template <class T> static T* findOpen() {
        for (ZelWindow* w : openWindows())
            if (T* t = dynamic_cast<T*>(w)) return t;
        return nullptr;
    }

    // The open window of this kind (objectName), or nullptr.
    static ZelWindow* find(const QString& name);
    static ZelWindow* find(zel::WindowId id);
    // Every open window, oldest first (windows that are closing are left out).
    static QList<ZelWindow*> openWindows();
    // Closes the named windows that are open, one after the other.
    static void closeWindows(const QStringList& names);
    static void closeWindows(std::initializer_list<zel::WindowId> ids);
    static void closeWindows(std::span<const zel::WindowId> ids);
    // Closes every open window, one after the other.
    static void closeAll();

    // Shows a minimised window normally again, raises and activates it.
    void bringForward();

    // Moves a tool window of this window (a list or a panel of its own) beside
    // its right edge, `down` pixels below its top, kept on the screen: where the
    // window leaves no room, over the window's right part.
    void placeBeside(QWidget* tool, int down) const;

    // The suffix of the geometry keys ("" = records nothing).
    QString geometrySuffix() const { return m_suffix; }
    // Geometry defaults of a window that is not a graph window: its design
    // position and size. Without it, the window's own size and position when it
    // is first shown serve.
    void setDesignGeometry(const zel::TwipsRect& rect);

    // Current position and outer size in twips, and the state.
    zel::TwipsRect twipsGeometry() const;
    void setTwipsGeometry(const zel::TwipsRect& rect);
    zel::WindowState state() const;

    // Centres the window on the screen (when in the normal state).
    void centreOnScreen();
    // Centres it each time it is shown, once its size is final.
    void setCentredOnShow(bool on) { m_centreOnShow = on; }

    // The screen size in twips.
    static QSizeF screenTwips();
    // The same for any top-level widget (the main window uses them too).
    static zel::TwipsRect twipsGeometryOf(const QWidget* w);
    static void setTwipsGeometryOf(QWidget* w, const zel::TwipsRect& rect);
    static zel::WindowState stateOf(const QWidget* w);

    void done(int r) override;

  protected:
    // The button row at the bottom right of a dialog: "OK" (Command1, the default
    // button) runs onOk, "ｷｬﾝｾﾙ" (Command2) closes without change.
    QHBoxLayout* okCancelRow(const std::function<void()>& onOk);
    // The layout of a dialog around a grid: the prompt above, the grid taking
    // the height that is left, the okCancelRow below.
    QVBoxLayout* layOutGridDialog(QWidget* prompt, QWidget* grid, const std::function<void()>& onOk);

    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void restoreGeometryFromStore();
    void recordGeometryToStore();
    void markClosed();

    QString m_suffix;
    bool m_graph = false;
    bool m_hasDesign = false;
    zel::TwipsRect m_design;
    bool m_restored = false;
    bool m_recorded = false;
    bool m_closed = false;
    bool m_centreOnShow = false;
};
