// retusou: the insert-columns dialog.
#include "dataset/retusou.h"

#include "dataset/Dataset.h"
#include "dataset/DatasetEdit.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {
const InsertDialog::Texts kTexts{"列の挿入", "挿入する列数 ・・・", "この列の右に挿入します ・・・", "最終列・・・",
                                 "列数が32767を超えるため挿入できません。", "lastColumn"};
}

retusou::retusou(MainContext& ctx, QWidget* parent)
    : InsertDialog(QStringLiteral("retusou"), kTexts, ctx.workspace().dataset.variableCount(),
                   [](zel::Dataset& ds, int count, int position) {
                       return zel::insertColumns(ds, count, position);
                   },
                   ctx, parent) {}
