// HelpWindow: the program's help viewer. It shows the Japanese help pages that
// are built into the program, with contents, back and forward buttons.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QUrl>

class QTextBrowser;
class QPushButton;

class HelpWindow : public ZelWindow {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    static QUrl contentsUrl() { return QUrl(QStringLiteral("qrc:/help/index.html")); }
    static QUrl usageUrl() { return QUrl(QStringLiteral("qrc:/help/usage.html")); }

    // Opens (or brings forward) the help window on the contents, or on the page
    // about using the help window.
    static HelpWindow* showContents(QWidget* parent);
    static HelpWindow* showUsage(QWidget* parent);

    void showPage(const QUrl& url);
    QTextBrowser* browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
};
