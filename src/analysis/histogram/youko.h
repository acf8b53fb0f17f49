// youko: the histogram window. It draws the Class table as one of eighteen
// kinds, shows the statistics of the clicked series beside the chart, and
// offers the legend and label choices, the scale dialog MEMORIH, the
// classification dialog kikaku and the separation of single slices or points.
#pragma once

#include "analysis/histogram/HistogramFill.h"
#include "presentation/GraphWindow.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;

class youko : public GraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("ヒストグラム"); }
    static QString scaleText() { return QStringLiteral("最大最小値指定(&M)"); }
    static QString legendMenuText() { return QStringLiteral("凡例"); }
    static QString showText() { return QStringLiteral("表示"); }
    static QString hideText() { return QStringLiteral("非表示"); }
    static QString labelMenuText() { return QStringLiteral("ラベル表示(&L)"); }
    static QString midLabelText() { return QStringLiteral("区間の平均値"); }
    static QString rangeLabelText() { return QStringLiteral("区間の上限値と下限値"); }
    static QString separationMenuText() { return QStringLiteral("データの分離"); }
    static QString separateText() { return QStringLiteral("分離する"); }
    static QString joinText() { return QStringLiteral("分離しない"); }
    static QString classificationText() { return QStringLiteral("区分データの指定(&K)"); }
    static QString separateMissingText() { return QStringLiteral("分離するデータを指定してください"); }
    static QString joinMissingText() { return QStringLiteral("分離を取り消すデータを指定してください"); }
    static QString separationTitleText() { return separationMenuText(); }

    explicit youko(MainContext& context, QWidget* parent = nullptr);
    ~youko() override;

    QComboBox* kindList() const { return m_kinds; }
    QMenu* separationMenu() const { return m_separation; }
    // The point of the last clicked data element (0 = none yet).
    int lastPoint() const { return m_lastPoint; }
    // The largest and smallest count drawn while the window is open.
    const zel::CountExtremes& countExtremes() const { return m_extremes; }

    // "分離する" / "分離しない".
    void separate(bool apart);
    // "最大最小値指定(&M)" and "区分データの指定(&K)".
    void openScale();
    void openClassification();

    zel::TitleContext titleContext() const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;

  private:
    void buildPanel();
    void buildMenus();
    QAction* checkItem(QMenu* menu, const QString& text, const QString& name, bool checked);
    void choose(QAction* on, QAction* off);
    void showSeries(int series);
    void onHit(int series, int point);
    zel::HistogramInput input() const;

    QComboBox* m_kinds = nullptr;
    QLineEdit* m_set = nullptr;
    QLineEdit* m_point = nullptr;
    QLineEdit* m_stats[3] = {nullptr, nullptr, nullptr};
    QAction* m_scale = nullptr;
    QMenu* m_legend = nullptr;
    QAction* m_show = nullptr;
    QAction* m_hide = nullptr;
    QMenu* m_labels = nullptr;
    QAction* m_mid = nullptr;
    QAction* m_range = nullptr;
    QMenu* m_separation = nullptr;
    QAction* m_classification = nullptr;

    int m_lastPoint = 0;
    zel::CountExtremes m_extremes;
    // The scale override (upper, lower); both 0 = none. Reset at every redraw.
    double m_scaleUpper = 0.0;
    double m_scaleLower = 0.0;
};

ZelWindow* openYouko(MainContext& context);
