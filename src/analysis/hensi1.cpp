// The one-variable dialog.
#include "analysis/hensi1.h"

#include "analysis/AnalysisSet.h"

// List position K + 1 is "全データ".
hensi1::hensi1(MainContext& context, QWidget* parent)
    : VariableDialog(context, {zel::WindowId::hensi1, {}, QString::fromUtf8(zel::kAllDataEntry), {}},
                     parent) {}

void hensi1::ok() {
    buildAnalysisSetAndContinue();
}
