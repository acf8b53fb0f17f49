// hensi1: the one-variable dialog of the histogram and the variable graphs. Its
// list holds the variables and "全データ"; "OK" builds the Analysis set of the
// chosen variable (or of every value) and opens the current analysis's next window.
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QComboBox;
class QLabel;

class hensi1 : public ZelWindow {
    Q_OBJECT
  public:
    static QString titleText() { return QStringLiteral("解析に使用する変数の指定"); }
    static QString promptText() { return QStringLiteral("解析に使用する変数を指定してください。"); }

    explicit hensi1(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok();

    MainContext& m_context;
    QLabel* m_prompt = nullptr;
    QComboBox* m_list = nullptr;
};
