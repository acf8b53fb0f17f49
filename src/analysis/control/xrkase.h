// xrkase: the confirmation window of the saved-limits flow ("管理線情報"). It
// shows the control lines read from a limits file; "OK" makes them the chart
// data set's lines, opens the analysis's chart window and closes its table
// window; "ｷｬﾝｾﾙ" leaves the table window as it was.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;
class QLabel;
class QPushButton;

class xrkase : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("管理線情報"); }
    static QString promptText() { return QStringLiteral("この管理線データを使用して管理図を作成します。"); }

    // analysis: the analysis whose table window asked for the limits
    // (Xbar-R, X-Rs or P-Pn).
    xrkase(MainContext& context, zel::AnalysisId analysis, QWidget* parent = nullptr);

    DataGrid& grid() const { return *m_grid; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    // The two column headings of an analysis's table.
    static QStringList columnHeadings(zel::AnalysisId analysis);

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void onOk();
    void layoutClient(double sw, double sh);

    MainContext& m_context;
    zel::AnalysisId m_analysis;
    QLabel* m_prompt = nullptr;
    DataGrid* m_grid = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
