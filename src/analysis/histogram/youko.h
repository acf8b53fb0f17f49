// youko: the histogram window. It draws the Class table as one of eighteen
// kinds on the frame of the kind-list graph windows, and adds the label choice
// and the classification dialog kikaku.
#pragma once

#include "analysis/Capability.h"
#include "analysis/SeriesGraphWindow.h"
#include "analysis/histogram/HistogramFill.h"

class CapabilityPanel;

class youko : public SeriesGraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ヒストグラム"); }
    static QString legendMenuText() { return QStringLiteral("凡例"); }
    static QString labelMenuText() { return QStringLiteral("ラベル表示(&L)"); }
    static QString midLabelText() { return QStringLiteral("区間の平均値"); }
    static QString rangeLabelText() { return QStringLiteral("区間の上限値と下限値"); }
    static QString curveText() { return QStringLiteral("正規分布曲線の表示(&N)"); }

    explicit youko(MainContext& context, QWidget* parent = nullptr);
    ~youko() override;

    // The largest and smallest count drawn while the window is open.
    const zel::CountExtremes& countExtremes() const { return m_extremes; }

    // "区分データの指定(&K)".
    void openClassification();
    // "規格値の設定(&S)": the limits dialog on the limits in use; chosen limits are
    // kept for the window and redraw it.
    void openLimits();
    const zel::SpecificationLimits& limits() const { return m_limits; }
    // The capability panel, a name and a value a row (hidden while no limit is set).
    CapabilityPanel* capabilityBox() const { return m_capability; }

    zel::TitleContext titleContext() const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;
    const std::vector<zel::SeriesStatistics>& seriesStatistics() const override;
    int seriesCount() const override;
    ScaleRange scaleSeed() const override;

  private:
    void buildMenus();
    void buildCapabilityBox();
    void showCapability();
    // While the capability panel shows, the window cannot be made so low that
    // it cuts the panel off: the client area is at least clientHeight high
    // (0 = no such bound).
    void keepInSight(int clientHeight);
    zel::HistogramInput input() const;

    QMenu* m_labels = nullptr;
    QAction* m_mid = nullptr;
    QAction* m_range = nullptr;
    QAction* m_classification = nullptr;
    QAction* m_limitsItem = nullptr;
    QAction* m_curve = nullptr;
    CapabilityPanel* m_capability = nullptr;

    // The limits of this window only, kept in no file; none on opening.
    zel::SpecificationLimits m_limits;

    zel::CountExtremes m_extremes;
};

ZelWindow* openYouko(MainContext& context);
