// hensuub: the variable graph kind dialog ("変数別グラフ"), a one-, two- or three-variable kind dialog.
#pragma once

#include "analysis/VariableCountDialog.h"

class hensuub : public VariableCountDialog {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("変数別グラフ"); }
    // The options, in order: one, two and three variables.
    static QStringList optionTexts() {
        return {QStringLiteral("１変数グラフ"), QStringLiteral("２変数グラフ"),
                QStringLiteral("３変数グラフ")};
    }

    explicit hensuub(MainContext& context, QWidget* parent = nullptr)
        : VariableCountDialog(context, zel::WindowId::hensuub, captionText(), optionTexts(),
                              oneToThreeVariables(), parent) {}
};
