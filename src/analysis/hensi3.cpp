// The three-variable dialog.
#include "analysis/hensi3.h"

#include "windowkit/MainContext.h"

namespace {

// The captions Label2..Label4 of the three lists for an analysis. Variables 1,
// 2 and 3 are preselected.
std::vector<QString> captionsFor(std::optional<zel::AnalysisId> analysis) {
    if (analysis == zel::AnalysisId::Scatter)
        return {QStringLiteral("Ｙ軸・・・"), QStringLiteral("Ｘ軸・・・"), QStringLiteral("Ｘ軸・・・")};
    if (analysis == zel::AnalysisId::Scatter3D)
        return {QStringLiteral("Ｙ軸・・・"), QStringLiteral("Ｘ軸・・・"), QStringLiteral("Ｚ軸・・・")};
    return {QStringLiteral("変数１・・・"), QStringLiteral("変数２・・・"), QStringLiteral("変数３・・・")};
}

} // namespace

hensi3::hensi3(MainContext& context, QWidget* parent)
    : VariableDialog(context, {zel::WindowId::hensi3, captionsFor(currentAnalysis(context)), {}, {}},
                     parent) {}

void hensi3::ok() {
    buildAnalysisSetAndContinue();
}
