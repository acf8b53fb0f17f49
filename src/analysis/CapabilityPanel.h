// The capability panel of the histogram and Xbar-R windows: a name and its
// value a row, the values right-aligned and whole, the names wrapped in the
// width left; as tall as its rows. Read-only.
#pragma once

#include "analysis/histogram/CapabilityOverlay.h"

#include <QTableWidget>

#include <vector>

class CapabilityPanel : public QTableWidget {
    Q_OBJECT
  public:
    static QString objectNameText() { return QStringLiteral("capability"); }

    explicit CapabilityPanel(QWidget* parent = nullptr);

    // Shows the rows (and fits the height to them).
    void showRows(const std::vector<zel::CapabilityRow>& rows);
    // The rows as read, "name=value" a line.
    QString rowsText() const;
};
