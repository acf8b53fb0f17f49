// sanpuzu: the scatter window ("散布図"). It runs the regression of Y on each
// X of the Analysis set, keeps the result in the workspace for the analysis
// of variance and regression line tables (kaibun, kaityo) and opens them
// beside itself; it draws Y against the X variables as one of five kinds,
// shows the clicked point with its series' r, a, b and sigma in the panel,
// and asks the fitted curve's degree (TAKOJI) at every drawing of "回帰曲線".
// Closing it closes the two tables.
#pragma once

#include "analysis/scatter/ScatterFill.h"
#include "presentation/GraphWindow.h"

class QAction;
class QCloseEvent;
class QComboBox;
class QLineEdit;

class sanpuzu : public GraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("散布図"); }
    static QString anovaText() { return QStringLiteral("分散分析表(&A)"); }
    static QString lineInfoText() { return QStringLiteral("回帰直線情報(&K)"); }
    static QString yTitleMenuText() { return QStringLiteral("Ｙ軸タイトル"); }
    static QString legendMenuText() { return QStringLiteral("凡例"); }
    static QString showText() { return QStringLiteral("表示"); }
    static QString hideText() { return QStringLiteral("非表示"); }
    static QString equationText() { return QStringLiteral("回帰方程式 Ｙ＝ａ＋ｂＸ"); }

    explicit sanpuzu(MainContext& context, QWidget* parent = nullptr);
    ~sanpuzu() override;

    QComboBox* kindList() const { return m_kinds; }

    // The regression of Y on each X into the workspace; a refusal shows its
    // message and leaves the results without series. True when computed.
    bool computeRegressions();
    // "分散分析表(&A)": a new computation, the regression line table refilled
    // when it is open, then the analysis of variance table opened.
    void openAnalysisOfVariance();
    // "回帰直線情報(&K)": the same the other way round.
    void openLineInformation();

    zel::TitleContext titleContext() const override;


    // A point is a sample (its value of each series).
    zel::PointSamples pointSamples(int index) const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildPanel();
    void buildMenus();
    QAction* checkItem(QMenu* menu, const QString& text, const QString& name, bool checked);
    void choose(QAction* on, QAction* off);
    zel::ScatterKind currentKind() const;
    void showSeries(int series);
    void onHit(int series, int point);
    // Reruns the computation, refills `refilled` when open, then opens `opened`.
    void rerunAndOpen(zel::WindowId refilled, zel::WindowId opened);

    QComboBox* m_kinds = nullptr;
    QLineEdit* m_set = nullptr;
    QLineEdit* m_pointY = nullptr;
    QLineEdit* m_pointX = nullptr;
    QLineEdit* m_r = nullptr;
    QLineEdit* m_a = nullptr;
    QLineEdit* m_b = nullptr;
    QLineEdit* m_sigma = nullptr;
    QAction* m_yShow = nullptr;
    QAction* m_yHide = nullptr;
    QAction* m_legendShow = nullptr;
    QAction* m_legendHide = nullptr;
};

// Opens the scatter window over the Analysis set, with the two tables; a set
// of fewer than two samples is refused with kRegressionTooFewSamples.
ZelWindow* openSanpuzu(MainContext& context);
