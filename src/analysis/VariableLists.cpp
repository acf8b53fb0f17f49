// The variable lists of the variable dialogs.
#include "analysis/VariableLists.h"

#include "dataset/Dataset.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

QComboBox* variableList(const zel::Dataset& data, const QString& objectName, QWidget* parent, int selected) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(false);
    for (int j = 1; j <= data.variableCount(); ++j)
        list->addItem(QString::fromStdString(data.name(j)));
    list->setCurrentIndex(std::clamp(selected, 0, std::max(0, list->count() - 1)));
    return list;
}

std::vector<QComboBox*> addVariableRows(QGridLayout* grid, const zel::Dataset& data,
                                        std::span<const QString> captions, QWidget* parent) {
    std::vector<QComboBox*> lists;
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        auto* caption = new QLabel(captions[static_cast<std::size_t>(i)], parent);
        caption->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        QComboBox* list = ::variableList(data, QStringLiteral("Combo%1").arg(i + 1), parent, i);
        caption->setBuddy(list);
        grid->addWidget(caption, i, 0);
        grid->addWidget(list, i, 1);
        lists.push_back(list);
    }
    return lists;
}
