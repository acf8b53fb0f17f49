// The capability panel of the histogram and Xbar-R windows: a name and its
// value a row, each row one line, the values right-aligned and whole, the
// names in the width left (cut short with "…" only when a font leaves too
// little room; the tool tip names the row in full); as tall as its rows.
// Read-only.
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
    // The size that shows every row whole on one line: the widest name
    // beside the widest value, over all rows.
    QSize fittedSize() const;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    // The values their whole width, the names the rest.
    void fitColumns();
};
