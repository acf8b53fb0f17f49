// ControlTableWindow: what the three control-chart table windows (XR1, XRS1,
// p1) share on top of the result-table frame, which shows their table with the
// decimal-places spin box: the choice between this data's control lines and
// those of an earlier analysis, the "OK" flow into the chart window or the
// saved-limits file dialog, and the limits file written when the window opens.
#pragma once

#include "common/Analyses.h"
#include "common/ResultTable.h"
#include "common/Status.h"
#include "presentation/ResultTableWindow.h"

class QRadioButton;

class ControlTableWindow : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString option1Text() { return QStringLiteral("このデータの管理線情報を使用する"); }
    static QString option2Text() { return QStringLiteral("以前解析したデータの管理線情報を使用する"); }

    // analysis: the analysis of the table; it goes with the saved-limits
    // dialogs. The design gets the decimal-places spin box.
    ControlTableWindow(MainContext& context, const ResultTableSpec& design, zel::AnalysisId analysis,
                       QWidget* parent = nullptr);
    ~ControlTableWindow() override;

    zel::AnalysisId analysis() const { return m_analysis; }
    QRadioButton* option1() const { return m_option1; }
    QRadioButton* option2() const { return m_option2; }
    // How writing the limits file went when the window opened.
    const zel::Status& limitsWriteStatus() const { return m_writeStatus; }

    // The message shown when the limits file cannot be written.
    static QString limitsWriteFailureText(const QString& path, const QString& reason);

  protected:
    // Shows the table, then writes the limits file from the workspace's chart
    // data set. Derived windows call it once they computed.
    void showTableAndWriteLimits(const zel::ResultTable& table);

    // "OK" and "終了(&E)": prepare(), then the saved-limits file dialog when
    // Option2 is chosen (this window stays open), else the chart window and
    // this window closes.
    void ok() override;
    virtual void prepareForChart() {}
    virtual void openChartWindow() = 0;

    void showEvent(QShowEvent* e) override;

  private:
    void writeLimits();
    void reportWriteFailure();

    zel::AnalysisId m_analysis;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    zel::Status m_writeStatus;
    bool m_failureReported = false;
};
