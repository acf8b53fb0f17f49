// phensi2: the variable dialog of the P-Pn analysis. The sample-size and the
// defectives variable; "OK" checks every lot and opens the table window p1.
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QComboBox;

class phensi2 : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("解析に使用する変数の指定"); }
    static QString sizePromptText() {
        return QStringLiteral("サンプルサイズに対応する変数を指定してください。");
    }
    static QString defectPromptText() { return QStringLiteral("不良個数に対応する変数を指定してください。"); }
    static QString messageTitle() { return QStringLiteral("変数の指定"); }

    explicit phensi2(MainContext& context, QWidget* parent = nullptr);

    QComboBox* sizeList() const { return m_size; }
    QComboBox* defectList() const { return m_defects; }

  private:
    void onOk();

    MainContext& m_context;
    QComboBox* m_size = nullptr;
    QComboBox* m_defects = nullptr;
};
