// The read-only name/value table of the process capability.
#include "analysis/CapabilityPanel.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

CapabilityPanel::CapabilityPanel(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(objectNameText());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
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
        name->setToolTip(QString::fromStdString(row.longName.empty() ? row.name : row.longName));
        setItem(r, 0, name);
        auto* value = new QTableWidgetItem(QString::fromStdString(row.value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, 1, value);
    }
    fitColumns();
    resizeRowsToContents();
    resize(width(), fittedSize().height());
}

QSize CapabilityPanel::fittedSize() const {
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    const int width = 2 * frameWidth() + sizeHintForColumn(0) + sizeHintForColumn(1);
    return {width, height};
}

void CapabilityPanel::fitColumns() {
    const QScrollBar* bar = verticalScrollBar();
    const int room = width() - 2 * frameWidth() - (bar->isVisibleTo(this) ? bar->width() : 0);
    const int values = std::max(0, sizeHintForColumn(1));
    setColumnWidth(1, values);
    setColumnWidth(0, std::max(1, room - values));
}

void CapabilityPanel::resizeEvent(QResizeEvent* e) {
    QTableWidget::resizeEvent(e);
    fitColumns();
}

QString CapabilityPanel::rowsText() const {
    QStringList lines;
    for (int r = 0; r < rowCount(); ++r)
        lines << item(r, 0)->text() + QLatin1Char('=') + item(r, 1)->text();
    return lines.join(QLatin1Char('\n'));
}
