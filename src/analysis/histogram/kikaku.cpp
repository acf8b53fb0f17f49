// The classification dialog of the histogram.
#include "analysis/histogram/kikaku.h"

#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "common/NumberText.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

ClassificationDialog::Layout classLayout() {
    return {.gridName = QStringLiteral("grid1"),
            .headings = {QStringLiteral("クラス"), QStringLiteral("区分データ"), QStringLiteral("区　間"),
                         QStringLiteral("中心値"), QStringLiteral("度　数")},
            .widths = {8, 16, 22, 14, 8}};
}

} // namespace

kikaku::kikaku(MainContext& context, QWidget* parent)
    : ClassificationDialog(
          context, zel::WindowId::kikaku, classLayout(), context.workspace().classTable.classes,
          [&ws = context.workspace()](int row) {
              const zel::ClassLabelTexts& labels = ws.classLabels;
              const auto i = static_cast<std::size_t>(row - 1);
              const bool labelled =
                  static_cast<std::size_t>(row) < labels.bounds.size() && i < labels.mids.size();
              return QStringList{labelled ? QString::fromStdString(labels.rangeLabel(row)) : QString(),
                                 labelled ? QString::fromStdString(labels.midLabel(row)) : QString(),
                                 QString::fromStdString(zel::generalNumberText(
                                     static_cast<double>(ws.classTable.count(row, 1))))};
          },
          parent) {}
