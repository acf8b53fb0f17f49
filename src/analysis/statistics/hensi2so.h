// hensi2so: the stratification dialog of "層別統計量グラフ" and "層別ヒストグラム".
// The user picks the factor, whose values are the stratum codes 1 to 5, and
// the analysis variable; "OK" builds the Stratified set and opens hakohso or
// the graph settings dialog bunform.
#pragma once

#include "windowkit/ZelWindow.h"

class MainContext;
class QComboBox;

class hensi2so : public ZelWindow {
    Q_OBJECT
  public:
    static QString titleText() { return QStringLiteral("解析に使用する変数の指定"); }
    static QString factorPromptText() { return QStringLiteral("層別因子として使用する変数を指定してください。"); }
    static QString factorCaptionText() { return QStringLiteral("層別因子・・・"); }
    static QString analysisPromptText() { return QStringLiteral("解析に使用する変数を指定してください。"); }
    static QString analysisCaptionText() { return QStringLiteral("解析変数・・・"); }
    static QString codeNoteText() { return QStringLiteral("※　層別因子として使用できるデータは、１～５の整数です。"); }
    static QString splitNoteText() { return QStringLiteral("※　この解析変数を層別因子の番号により層別して"); }
    static QString splitNoteSecondText() { return QStringLiteral("解析に使用します。"); }
    static QString nameNoteText() { return QStringLiteral("※　層別された最初のデータラベルを変数名として使用します。"); }

    explicit hensi2so(MainContext& context, QWidget* parent = nullptr);

    QComboBox* factorList() const { return m_factor; }
    QComboBox* analysisList() const { return m_variable; }

  private:
    // "OK": the checks in order, each refusal leaving the dialog open; then the
    // set goes to the workspace and the analysis's next window opens.
    void ok();

    MainContext& m_context;
    QComboBox* m_factor = nullptr;
    QComboBox* m_variable = nullptr;
};

ZelWindow* openHensi2so(MainContext& context);
