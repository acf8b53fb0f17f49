// sanpuset: the X-count dialog of the scatter diagram ("従属変数の指定"): one X
// variable (hensi2) or two (hensi3); "OK" opens the chosen dialog and closes.
#pragma once

#include "analysis/VariableCountDialog.h"

class sanpuset : public VariableCountDialog {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("従属変数の指定"); }
    // The options, in order: one X variable, two X variables.
    static QStringList optionTexts() {
        return {QStringLiteral("Ｙ軸（変数１）－Ｘ軸（変数１）"), QStringLiteral("Ｙ軸（変数１）－Ｘ軸（変数２）")};
    }

    explicit sanpuset(MainContext& context, QWidget* parent = nullptr);
};
