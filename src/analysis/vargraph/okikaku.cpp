// The classification dialog of the variable graphs.
#include "analysis/vargraph/okikaku.h"

#include "analysis/AnalysisSet.h"
#include "common/NumberText.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

ClassificationDialog::Layout sampleLayout() {
    return {.gridName = QStringLiteral("Spread1"),
            .headings = {QStringLiteral("データ"), QStringLiteral("区分データ"), QStringLiteral("ラベル"),
                         QStringLiteral("データ値")},
            .widths = {8, 16, 22, 14}};
}

} // namespace

okikaku::okikaku(MainContext& context, QWidget* parent)
    : ClassificationDialog(
          context, zel::WindowId::okikaku, sampleLayout(), context.workspace().analysisSet.n,
          [&set = context.workspace().analysisSet](int row) {
              const auto i = static_cast<std::size_t>(row - 1);
              return QStringList{i < set.labels.size() ? QString::fromStdString(set.labels[i]) : QString(),
                                 !set.values.empty() && i < set.values.front().size()
                                     ? QString::fromStdString(zel::generalNumberText(set.values.front()[i]))
                                     : QString()};
          },
          parent) {}
