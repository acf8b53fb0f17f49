// youko: the histogram window. It draws the Class table as one of eighteen
// kinds on the frame of the kind-list graph windows, and adds the label choice
// and the classification dialog kikaku.
#pragma once

#include "analysis/SeriesGraphWindow.h"
#include "analysis/histogram/HistogramFill.h"

class youko : public SeriesGraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ヒストグラム"); }
    static QString legendMenuText() { return QStringLiteral("凡例"); }
    static QString labelMenuText() { return QStringLiteral("ラベル表示(&L)"); }
    static QString midLabelText() { return QStringLiteral("区間の平均値"); }
    static QString rangeLabelText() { return QStringLiteral("区間の上限値と下限値"); }

    explicit youko(MainContext& context, QWidget* parent = nullptr);
    ~youko() override;

    // The largest and smallest count drawn while the window is open.
    const zel::CountExtremes& countExtremes() const { return m_extremes; }

    // "区分データの指定(&K)".
    void openClassification();

    zel::TitleContext titleContext() const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;
    const std::vector<zel::SeriesStatistics>& seriesStatistics() const override;
    int seriesCount() const override;
    ScaleRange scaleSeed() const override;

  private:
    void buildMenus();
    zel::HistogramInput input() const;

    QMenu* m_labels = nullptr;
    QAction* m_mid = nullptr;
    QAction* m_range = nullptr;
    QAction* m_classification = nullptr;

    zel::CountExtremes m_extremes;
};

ZelWindow* openYouko(MainContext& context);
