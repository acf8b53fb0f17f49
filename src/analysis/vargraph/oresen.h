// oresen: the variable graph window. It draws the Analysis set as one of the
// kinds of its kind list on the frame of the kind-list graph windows, and adds
// the statistics-line dialog toukei, the classification dialog okikaku and the
// limits dialog kgenin of "規格の入力". The Pareto analysis draws its items here
// as the kind "パレート図".
#pragma once

#include "analysis/SeriesGraphWindow.h"
#include "analysis/vargraph/VariableGraphFill.h"

class oresen : public SeriesGraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("グラフ"); }
    static QString legendMenuText() { return QStringLiteral("凡例(&H)"); }
    static QString statisticsText() { return QStringLiteral("統計情報線の設定(&S)"); }
    static QString limitsTitleText() { return QStringLiteral("管理限界"); }

    explicit oresen(MainContext& context, QWidget* parent = nullptr);
    ~oresen() override;

    // The largest and smallest value of the last drawing.
    zel::ValueBounds bounds() const { return m_bounds; }

    // "統計情報線の設定(&S)" and "区分データの指定(&K)".
    void openStatistics();
    void openClassification();

    zel::TitleContext titleContext() const override;


    // A point is a sample (its value of each series).
    zel::PointSamples pointSamples(int index) const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;
    const std::vector<zel::SeriesStatistics>& seriesStatistics() const override;
    int seriesCount() const override;
    ScaleRange scaleSeed() const override;

  private:
    // The kind "パレート図" of the Pareto analysis.
    ChartFill paretoFill();
    void buildMenus();
    zel::VariableGraphInput input() const;

    QAction* m_statistics = nullptr;
    QAction* m_classification = nullptr;

    zel::ValueBounds m_bounds;
};

ZelWindow* openOresen(MainContext& context);
