// xrshensi: the variable dialog of the X-Rs analysis. One variable, or "Xbar"
// for the mean of every variable of each sample; "OK" collects the values and
// opens the table window XRS1.
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QComboBox;

class xrshensi : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("解析に使用する変数の指定"); }
    static QString promptText() { return QStringLiteral("解析に使用する変数を指定してください。"); }

    explicit xrshensi(MainContext& context, QWidget* parent = nullptr);

    QComboBox* variableList() const { return m_combo; }

  private:
    void onOk();

    MainContext& m_context;
    QComboBox* m_combo = nullptr;
};
