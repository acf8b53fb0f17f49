// oresen: the variable graph window. It draws the Analysis set as one of the
// kinds of its kind list, shows the statistics of the clicked series beside the
// chart, and offers the legend choice, the scale dialog MEMORIH, the
// statistics-line dialog toukei, the classification dialog okikaku, the limits
// dialog kgenin of "規格の入力" and the separation of single slices or points.
#pragma once

#include "analysis/vargraph/VariableGraphFill.h"
#include "presentation/GraphWindow.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;

class oresen : public GraphWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("グラフ"); }
    static QString scaleText() { return QStringLiteral("最大最小値指定(&M)"); }
    static QString legendMenuText() { return QStringLiteral("凡例(&H)"); }
    static QString showText() { return QStringLiteral("表示"); }
    static QString hideText() { return QStringLiteral("非表示"); }
    static QString statisticsText() { return QStringLiteral("統計情報線の設定(&S)"); }
    static QString separationMenuText() { return QStringLiteral("データの分離"); }
    static QString separateText() { return QStringLiteral("分離する"); }
    static QString joinText() { return QStringLiteral("分離しない"); }
    static QString classificationText() { return QStringLiteral("区分データの指定(&K)"); }
    static QString separateMissingText() { return QStringLiteral("分離するデータを指定してください"); }
    static QString joinMissingText() { return QStringLiteral("分離を取り消すデータを指定してください"); }
    static QString separationTitleText() { return separationMenuText(); }
    static QString limitsTitleText() { return QStringLiteral("管理限界"); }

    explicit oresen(MainContext& context, QWidget* parent = nullptr);
    ~oresen() override;

    QComboBox* kindList() const { return m_kinds; }
    QMenu* separationMenu() const { return m_separation; }
    // The point of the last clicked data element (0 = none yet).
    int lastPoint() const { return m_lastPoint; }
    // The largest and smallest value of the last drawing.
    zel::ValueBounds bounds() const { return m_bounds; }

    // "分離する" / "分離しない".
    void separate(bool apart);
    // "最大最小値指定(&M)", "統計情報線の設定(&S)" and "区分データの指定(&K)".
    void openScale();
    void openStatistics();
    void openClassification();

    zel::TitleContext titleContext() const override;

  protected:
    std::optional<ChartFill> chartFill(int index) override;

  private:
    // The kind "パレート図" of the Pareto analysis.
    ChartFill paretoFill();
    void buildPanel();
    void buildMenus();
    QAction* checkItem(QMenu* menu, const QString& text, const QString& name, bool checked);
    void choose(QAction* on, QAction* off);
    void showSeries(int series);
    void onHit(int series, int point);
    zel::VariableGraphInput input() const;

    QComboBox* m_kinds = nullptr;
    QLineEdit* m_set = nullptr;
    QLineEdit* m_point = nullptr;
    QLineEdit* m_stats[3] = {nullptr, nullptr, nullptr};
    QAction* m_scale = nullptr;
    QMenu* m_legend = nullptr;
    QAction* m_show = nullptr;
    QAction* m_hide = nullptr;
    QAction* m_statistics = nullptr;
    QMenu* m_separation = nullptr;
    QAction* m_classification = nullptr;

    int m_lastPoint = 0;
    zel::ValueBounds m_bounds;
    // The scale override (upper, lower); both 0 = none. Reset at every redraw.
    double m_scaleUpper = 0.0;
    double m_scaleLower = 0.0;
};

ZelWindow* openOresen(MainContext& context);
