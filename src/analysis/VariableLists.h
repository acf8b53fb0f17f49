// The pick-only lists of variable names that every variable dialog shows, and
// the caption-and-list rows of the two- and three-variable dialogs.
#pragma once

#include <QString>

#include <span>
#include <vector>

class QComboBox;
class QGridLayout;
class QWidget;
namespace zel {
class Dataset;
}

// A pick-only list with the dataset's variable names in column order, the
// entry at `selected` (0-based, kept inside the list) chosen.
QComboBox* variableList(const zel::Dataset& data, const QString& objectName, QWidget* parent,
                        int selected = 0);

// One row per caption: the caption "Label<i+2>" and the list "Combo<i+1>" with
// variable i + 1 chosen. Returns the lists in row order.
std::vector<QComboBox*> addVariableRows(QGridLayout* grid, const zel::Dataset& data,
                                        std::span<const QString> captions, QWidget* parent);
