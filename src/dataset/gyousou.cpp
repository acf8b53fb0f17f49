// gyousou: the insert-rows dialog.
#include "dataset/gyousou.h"

#include "dataset/Dataset.h"
#include "dataset/DatasetEdit.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {
const InsertDialog::Texts kTexts{"行の挿入", "挿入する行数 ・・・", "この行の下に挿入します ・・・", "最終行・・・",
                                 "行数が32767を超えるため挿入できません。", "lastRow"};
}

gyousou::gyousou(MainContext& ctx, QWidget* parent)
    : InsertDialog(QStringLiteral("gyousou"), kTexts, ctx.workspace().dataset.sampleCount(),
                   [](zel::Dataset& ds, int count, int position) { return zel::insertRows(ds, count, position); },
                   ctx, parent) {}
