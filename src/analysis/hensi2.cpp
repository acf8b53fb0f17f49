// The two-variable dialog.
#include "analysis/hensi2.h"

#include "windowkit/MainContext.h"

namespace {

// The captions Label2 and Label3 of the two lists for an analysis. Variables 1
// and 2 are preselected (the launch guarantees two of them).
std::vector<QString> captionsFor(std::optional<zel::AnalysisId> analysis) {
    if (analysis == zel::AnalysisId::Scatter)
        return {QStringLiteral("Ｙ軸・・・"), QStringLiteral("Ｘ軸・・・")};
    return {QStringLiteral("変数１・・・"), QStringLiteral("変数２・・・")};
}

} // namespace

hensi2::hensi2(MainContext& context, QWidget* parent)
    : VariableDialog(context, {zel::WindowId::hensi2, captionsFor(currentAnalysis(context)), {}, {}},
                     parent) {}

void hensi2::ok() {
    buildAnalysisSetAndContinue();
}
