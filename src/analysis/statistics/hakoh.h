// hakoh: the table window "変数別統計量". Count, maximum, minimum, mean,
// variance, standard deviation and sum of every variable of the unmasked
// samples; "OK" hands the figures to the comparison graph hakohg.
#pragma once

#include "analysis/statistics/VariableStatistics.h"
#include "presentation/ResultTableWindow.h"

class DataGrid;
class MainContext;
class ZelWindow;

class hakoh : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("変数別統計量"); }

    explicit hakoh(MainContext& context, QWidget* parent = nullptr);

  protected:
    // Stores the figures for the graph, opens hakohg and closes.
    void ok() override;

  private:
    zel::VariableStatistics m_stats; // what the table shows
};

// The cell formats of the statistics tables hakoh and hakohso: the name a
// text, the count a whole number, the figures with four places.
void applyStatisticsColumnFormats(DataGrid& grid);

// The menu names and captions hakoh and hakohso share.
ResultTableSpec statisticsTableSpec(zel::WindowId window, const QString& caption);

// Opens hakoh (modeless; an open one comes forward).
ZelWindow* openHakoh(MainContext& context);
