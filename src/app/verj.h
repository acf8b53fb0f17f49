// verj: the version window. It shows the program's version and product name,
// starts a system-information program of the machine, and opens the dialog that
// deletes the recorded window positions.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QStringList>

class verj : public ZelWindow {
    Q_OBJECT
  public:
    explicit verj(QWidget* parent = nullptr);

    static QString programTitle() { return QStringLiteral("ZEL"); }
    static QString versionText();
    static QString unavailableText() { return QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"); }

    // The system-information programs looked for in PATH, first found first.
    static QStringList systemInfoPrograms();
    static void setSystemInfoPrograms(const QStringList& programs);

    // Starts the first system-information program found, detached. Returns
    // false (and starts nothing) when none is found or it cannot be started.
    static bool startSystemInfo();

  private:
    void onSystemInfo();
};
