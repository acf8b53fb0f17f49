// dobun: the frequency table window ("度数分布表"). It shows the workspace's
// Class table, one row per class: its boundaries and mid-value with the decimal
// places of the spin box "小数点以下表示桁数" and the count of every series.
// "OK" hands the boundary and mid-value texts as shown to the histogram (the
// Class label texts) and opens the histogram window youko; the table stays open.
#pragma once

#include "analysis/histogram/FrequencyTable.h"
#include "presentation/ResultTableWindow.h"

class dobun : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("度数分布表"); }
    static QString decimalsCaption() { return QStringLiteral("小数点以下表示桁数"); }
    static constexpr int kMaxDecimals = zel::kFrequencyMaxDecimals;

    explicit dobun(MainContext& context, QWidget* parent = nullptr);

    // Fills a grid as the window shows the table with the given decimal places
    // (for printing the table without the window).
    static void fillGrid(DataGrid& grid, const zel::ClassTable& table, int decimals);

  protected:
    void ok() override;
};
