// kgenin: the limits dialog ("管理限界"), run modally by the charts that draw
// against limits the user types in. It starts at 0 / 0, stores the typed upper
// and lower limit into the workspace's entered limits on "OK" and marks them
// cancelled on "ｷｬﾝｾﾙ" (or when it is closed any other way).
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QLineEdit;

class kgenin : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("管理限界"); }
    static QString upperText() { return QStringLiteral("上方規格"); }
    static QString lowerText() { return QStringLiteral("下方規格"); }

    explicit kgenin(MainContext& context, QWidget* parent = nullptr);

    QLineEdit* upperBox() const { return m_upper; }
    QLineEdit* lowerBox() const { return m_lower; }

    void reject() override;

  private:
    void onOk();

    MainContext& m_context;
    QLineEdit* m_upper = nullptr;
    QLineEdit* m_lower = nullptr;
};
