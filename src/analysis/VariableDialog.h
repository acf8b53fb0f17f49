// VariableDialog: the frame of the dialogs that choose the variables of an
// analysis (hensi1, hensi2, hensi3, ketten, xrshensi). The title "解析に使用する
// 変数の指定", the prompt Label1 "解析に使用する変数を指定してください。", one list
// (Combo1, maybe followed by an extra entry) or one captioned list per variable
// (Label2.., Combo1..), and "OK" / "ｷｬﾝｾﾙ". What "OK" leads to belongs to each
// dialog.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QSize>
#include <QString>

#include <vector>

class MainContext;
class QComboBox;

class VariableDialog : public ZelWindow {
    Q_OBJECT
  public:
    static QString titleText() { return QStringLiteral("解析に使用する変数の指定"); }
    static QString promptText() { return QStringLiteral("解析に使用する変数を指定してください。"); }

    // The list of row i (0-based), or nullptr.
    QComboBox* variableList(int i = 0) const;
    int listCount() const { return static_cast<int>(m_lists.size()); }
    // The chosen list positions + 1, one per list in row order: the variable's
    // column number, or one past the variables for the extra entry.
    std::vector<int> positions() const;

  protected:
    struct Design {
        zel::WindowId window{}; // hensi1, ketten ...
        // No captions: one list under the prompt, the first variable chosen.
        // Captions: one row per caption, list i on variable i + 1.
        std::vector<QString> captions{};
        QString extraEntry; // after the variables of the single list ("全データ", "Xbar")
        QSize size{};       // the first size; an invalid size keeps the layout's own
    };

    VariableDialog(MainContext& context, const Design& design, QWidget* parent = nullptr);

    MainContext& context() const { return m_context; }

    // "OK" (Command1).
    virtual void ok() = 0;

    // Two lists on the same variable: says which ones ("変数１と変数２が同じです｡"
    // ..., titled "変数の指定") and returns true; the dialog stays open.
    bool refuseSameVariables();
    // The "OK" of the dialogs that build the Analysis set: the same-variable
    // refusal, then the set from the chosen variables and the current
    // analysis's next window.
    void buildAnalysisSetAndContinue();

  private:
    MainContext& m_context;
    std::vector<QComboBox*> m_lists;
};
