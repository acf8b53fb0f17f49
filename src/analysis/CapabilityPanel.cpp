// The read-only name/value table of the process capability.
#include "analysis/CapabilityPanel.h"

#include <QHeaderView>

#include <algorithm>

CapabilityPanel::CapabilityPanel(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(objectNameText());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(false);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
}

void CapabilityPanel::showRows(const std::vector<zel::CapabilityRow>& rows) {
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const zel::CapabilityRow& row = rows[static_cast<std::size_t>(r)];
        auto* name = new QTableWidgetItem(QString::fromStdString(row.name));
        name->setToolTip(name->text());
        setItem(r, 0, name);
        auto* value = new QTableWidgetItem(QString::fromStdString(row.value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, 1, value);
    }
    resizeColumnToContents(1);
    setColumnWidth(0, std::max(1, width() - 2 * frameWidth() - columnWidth(1)));
    resizeRowsToContents();
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    resize(width(), height);
}

QString CapabilityPanel::rowsText() const {
    QStringList lines;
    for (int r = 0; r < rowCount(); ++r)
        lines << item(r, 0)->text() + QLatin1Char('=') + item(r, 1)->text();
    return lines.join(QLatin1Char('\n'));
}
