// Whether a text is shown whole: grid headings, the grid's corner and list
// items, measured with the font the widget draws them in.
#pragma once

#include "components/grid/DataGrid.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QStringList>
#include <QtMath>

namespace textfit {

// What a heading leaves beside its text: 2 pixels of padding on each side and
// its 1-pixel line.
constexpr int kHeadingMargin = 5;

inline int advance(const QWidget* w, const QString& text) {
    return qCeil(QFontMetricsF(w->font()).horizontalAdvance(text));
}

// The row headings and the corner share the heading column.
inline bool headingColumnShows(const DataGrid* g, const QString& text) {
    return g->verticalHeader()->width() >= advance(g, text) + kHeadingMargin;
}

// Column col (1-based) shows its heading whole.
inline bool columnHeadingShows(const DataGrid* g, int col) {
    return g->horizontalHeader()->sectionSize(col - 1) >= advance(g, g->text(col, 0)) + kHeadingMargin;
}

// The heading text the grid shows over column col.
inline QString shownColumnHeading(const DataGrid* g, int col) {
    return g->model()->headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString();
}

// The items of a list that do not fit its visible width.
inline QStringList cutItems(const QListWidget* list) {
    QStringList cut;
    for (int i = 0; i < list->count(); ++i) {
        const int needed = list->sizeHintForIndex(list->model()->index(i, 0)).width();
        if (advance(list, list->item(i)->text()) > needed || needed > list->viewport()->width())
            cut << list->item(i)->text();
    }
    return cut;
}

// The list can be scrolled sideways to what it does not show.
inline bool scrollsSideways(const QListWidget* list) {
    return list->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
           list->horizontalScrollBar()->maximum() > 0;
}

} // namespace textfit
