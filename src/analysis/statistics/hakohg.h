// hakohg: the comparison graph "変数の比較". One mean-and-spread figure per
// variable (after hakoh) or per stratum (after hakohso), every raw value per
// variable, or the values of each stratum at its position; a click on a figure
// shows that series' figures in the panel.
#pragma once

#include "analysis/statistics/ComparisonGraph.h"
#include "presentation/GraphWindow.h"

class QComboBox;
class QLineEdit;

class hakohg : public GraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("変数の比較"); }
    static QString kindLabelText() { return QStringLiteral("グラフ種類"); }
    static QString setLabelText() { return QStringLiteral("変数ナンバー"); }
    static QString maxLabelText() { return QStringLiteral("ＭＡＸデータ"); }
    static QString minLabelText() { return QStringLiteral("ＭＩＮデータ"); }
    static QString meanLabelText() { return QStringLiteral("平均"); }
    static QString varianceLabelText() { return QStringLiteral("分散"); }
    static QString sdLabelText() { return QStringLiteral("標準偏差"); }
    static QString countLabelText() { return QStringLiteral("データ数"); }

    explicit hakohg(MainContext& context, QWidget* parent = nullptr);

    // True when the window shows the strata of "層別統計量グラフ".
    bool stratified() const { return m_stratified; }
    QComboBox* kindList() const { return m_kinds; }
    // The kind the list names now.
    zel::ComparisonKind kind() const;
    // A click on chart point `point` (1-based), as the chart reports it.
    void pointClicked(int point);

  protected:
    std::optional<ChartFill> chartFill(int index) override;

  private:
    zel::ComparisonSource readSource() const;
    void showReadout(int series);

    bool m_stratified = false;
    zel::ComparisonSource m_source; // as of the last fill
    QComboBox* m_kinds = nullptr;
    QLineEdit* m_set = nullptr;
    QLineEdit* m_max = nullptr;
    QLineEdit* m_min = nullptr;
    QLineEdit* m_mean = nullptr;
    QLineEdit* m_variance = nullptr;
    QLineEdit* m_sd = nullptr;
    QLineEdit* m_count = nullptr;
};

// Opens hakohg for the current analysis: by variable from the workspace's
// variable statistics, by stratum from its stratified set.
ZelWindow* openHakohg(MainContext& context);
