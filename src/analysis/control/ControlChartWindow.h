// ControlChartWindow: the frame of the control-chart windows (xrkanri, xrskanri,
// pkanri with two charts; kanri1 with one). Beside each chart a panel shows the
// value of the last clicked point, the chart's CL, UCL and LCL, and the kind
// list; the window lays charts and panels out by its twips rules, fills each
// chart through the shared control-chart fill, and reports point clicks.
#pragma once

#include "analysis/control/ControlChartFill.h"
#include "analysis/control/RunRules.h"
#include "presentation/GraphWindow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// What tells one control-chart window from another besides the frame's names.
struct ControlChartDesign {
    GraphWindowSpec frame{};
    // xrkanri draws the clicked chart again; the others only show the value.
    bool redrawOnClick = false;
    // kanri1 offers "規格の入力" as an eleventh kind.
    bool enteredLimitsKind = false;
};

class ControlChartWindow : public GraphWindow {
    Q_OBJECT
  public:
    // Panel texts, the same in every control-chart window.
    static QString valueLabelText() { return QStringLiteral("データ値"); }
    static QString centreLabelText() { return QStringLiteral("CL"); }
    static QString upperLabelText() { return QStringLiteral("UCL"); }
    static QString lowerLabelText() { return QStringLiteral("LCL"); }
    static QString kindLabelText() { return QStringLiteral("グラフ種類"); }
    // The options menu's item that opens the run-rule dialog.
    static QString runRulesItemName() { return QStringLiteral("rulesset"); }

    ControlChartWindow(MainContext& context, const ControlChartDesign& design, QWidget* parent = nullptr);
    ~ControlChartWindow() override;

    // The panel of chart 0 or 1.
    QLineEdit* valueBox(int chart) const;
    QLineEdit* lineBox(int chart, int column) const; // 0 CL, 1 UCL, 2 LCL
    QComboBox* kindList(int chart) const;

    // The list "異常判定" beside the window: a line per flagged point of either
    // chart (chart, point, data label, rules, what they mean); a click on a line
    // selects the point as a click on the chart does. Shown while there is a line.
    static QString ruleListCaptionText() { return QStringLiteral("異常判定"); }
    static QStringList ruleListHeadingTexts() {
        return {QStringLiteral("グラフ"), QStringLiteral("点"), QStringLiteral("ラベル"),
                QStringLiteral("ルール"), QStringLiteral("内容")};
    }
    QWidget* ruleListWindow() const { return m_ruleWindow; }
    QTableWidget* ruleList() const { return m_ruleList; }

    // A point of either chart is a subgroup, one unmasked sample.
    zel::PointSamples pointSamples(int index) const override;
    int sampleSeries(int index) const override;

  protected:
    // The fill input of a chart from the current chart data set.
    virtual zel::ControlChartInput inputFor(int chart) const = 0;
    // Completes the input before the chart is reset; false keeps the chart's
    // drawing as it is.
    virtual bool prepareInput(int chart, zel::ControlChartInput& input);

    // The chart data set's input with the kind list's kind, filled by the
    // shared control-chart fill.
    std::optional<ChartFill> chartFill(int index) override;
    void layoutClient(QSizeF twips) override;

    const zel::ChartDataSet& chartData() const;

  private:
    struct Panel {
        QList<QLabel*> labels; // データ値, CL, UCL, LCL, グラフ種類
        QLineEdit* value = nullptr;
        QLineEdit* lines[3] = {nullptr, nullptr, nullptr};
        QComboBox* kinds = nullptr;
        QList<QWidget*> column; // the ten controls, top to bottom
    };

    void buildPanel(int chart, const QStringList& names);
    void showLines();
    void onHit(int chart, int series, int point);
    void onKindChanged(int chart);
    void buildRuleList();
    void showRuleList();
    void selectFlaggedPoint(int row);

    ControlChartDesign m_design;
    QList<Panel> m_panels;
    // What each chart was last filled with, for the list of flagged points.
    std::vector<std::optional<zel::ControlChartInput>> m_ruleInputs;
    std::vector<zel::FlaggedPoint> m_flagged;
    QWidget* m_ruleWindow = nullptr;
    QTableWidget* m_ruleList = nullptr;
};
