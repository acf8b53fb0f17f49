// gantog: the Gantt chart window "グラフ". One row of task bars per unmasked
// project, "ガントチャート" or "（間隔あり）"; a click on a bar shows its task
// number, start, end, duration and project in the panel, and the panel lists
// every task whose end lies before its start. "凡例" shows or hides the
// variable names.
#pragma once

#include "analysis/gantt/GanttChart.h"
#include "presentation/GraphWindow.h"

class QAction;
class QComboBox;
class QLineEdit;

class gantog : public GraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("グラフ"); }
    static QString kindLabelText() { return QStringLiteral("グラフ種類"); }
    static QString taskLabelText() { return QStringLiteral("作業ナンバー"); }
    static QString startLabelText() { return QStringLiteral("開始位置データ"); }
    static QString endLabelText() { return QStringLiteral("終了位置データ"); }
    static QString durationLabelText() { return QStringLiteral("期間データ"); }
    static QString projectLabelText() { return QStringLiteral("プロジェクト名"); }
    static QString backwardsLabelText() { return QStringLiteral("期間が負の作業"); }
    static QString scaleText() { return QStringLiteral("最大最小値指定(&M)"); }
    static QString legendMenuText() { return QStringLiteral("凡例(&H)"); }
    static QString showText() { return QStringLiteral("表示"); }
    static QString hideText() { return QStringLiteral("非表示"); }

    explicit gantog(MainContext& context, QWidget* parent = nullptr);

    QComboBox* kindList() const { return m_kinds; }
    // The kind the list names now.
    zel::GanttKind kind() const;
    // A click on a data element, as the chart reports it.
    void onHit(int series, int point);


    // A point is a sample (its value of each series).
    zel::PointSamples pointSamples(int index) const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;

  private:
    void buildMenus();
    void choose(QAction* on, QAction* off);

    QComboBox* m_kinds = nullptr;
    QLineEdit* m_task = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_end = nullptr;
    QLineEdit* m_duration = nullptr;
    QLineEdit* m_project = nullptr;
    QLineEdit* m_backwards = nullptr;
    QAction* m_show = nullptr;
    QAction* m_hide = nullptr;
};

ZelWindow* openGantog(MainContext& context);
