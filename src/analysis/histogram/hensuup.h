// hensuup: the histogram kind dialog ("ヒストグラム"), a one-, two- or three-variable kind dialog.
#pragma once

#include "analysis/VariableCountDialog.h"

class hensuup : public VariableCountDialog {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ヒストグラム"); }
    // The options, in order: one, two and three variables.
    static QStringList optionTexts() {
        return {QStringLiteral("ヒストグラム"), QStringLiteral("２変数ヒストグラム"),
                QStringLiteral("３変数ヒストグラム")};
    }

    explicit hensuup(MainContext& context, QWidget* parent = nullptr)
        : VariableCountDialog(context, zel::WindowId::hensuup, captionText(), optionTexts(),
                              oneToThreeVariables(), parent) {}
};
