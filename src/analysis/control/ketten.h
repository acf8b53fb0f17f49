// ketten: the variable dialog of the defect-count analysis. "OK" computes the
// mean count and the control lines and opens the chart window kanri1.
#pragma once

#include "analysis/VariableDialog.h"
#include "windowkit/MainContext.h"

class ketten : public VariableDialog {
    Q_OBJECT
  public:
    static QString messageTitle() { return QStringLiteral("変数の指定"); }
    static QString analysisText() { return analysisListName(zel::AnalysisId::DefectCount); }

    explicit ketten(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok() override;
};
