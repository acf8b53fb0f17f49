// SeriesGraphWindow: the frame of the graph windows that draw series of values
// in a kind chosen from a list (the histogram youko, the variable graph
// oresen). Beside the chart a panel shows the clicked series and value with
// the series' mean, variance and standard deviation, and the kind list below
// them. The options menu gets the scale dialog MEMORIH, the legend choice and
// the separation of single slices or points; the windows add their own items.
#pragma once

#include "analysis/AnalysisSet.h"
#include "presentation/GraphWindow.h"

#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;

// The object names and captions that tell the windows' menus apart.
struct SeriesGraphNames {
    QString scale;      // "最大最小値指定(&M)"
    QString legendText; // caption of the legend submenu
    QString legend;
    QString show;
    QString hide;
    QString separation;
    QString separate;
    QString join;
    // The separation submenu stands before the grid-line item (else it ends the menu).
    bool separationBeforeGrid = false;
};

class SeriesGraphWindow : public GraphWindow {
    Q_OBJECT
  public:
    static QString scaleText() { return QStringLiteral("最大最小値指定(&M)"); }
    static QString showText() { return QStringLiteral("表示"); }
    static QString hideText() { return QStringLiteral("非表示"); }
    static QString separationMenuText() { return QStringLiteral("データの分離"); }
    static QString separateText() { return QStringLiteral("分離する"); }
    static QString joinText() { return QStringLiteral("分離しない"); }
    static QString classificationText() { return QStringLiteral("区分データの指定(&K)"); }
    static QString separateMissingText() { return QStringLiteral("分離するデータを指定してください"); }
    static QString joinMissingText() { return QStringLiteral("分離を取り消すデータを指定してください"); }
    static QString separationTitleText() { return separationMenuText(); }

    QComboBox* kindList() const { return m_kinds; }
    QMenu* separationMenu() const { return m_separation; }
    // The point of the last clicked data element (0 = none yet).
    int lastPoint() const { return m_lastPoint; }

    // "分離する" / "分離しない".
    void separate(bool apart);
    // "最大最小値指定(&M)".
    void openScale();

  protected:
    SeriesGraphWindow(MainContext& context, const GraphWindowSpec& design, const SeriesGraphNames& names,
                      QWidget* parent);

    // Fills the kind list (a new kind redraws), selects the first kind without
    // a redraw and shows series 1 in the panel. The windows call it last in
    // their constructors.
    void startPanel(const std::vector<std::string_view>& kinds, std::string_view first);
    // Every fill forgets the scale the dialog set.
    void resetScale();

    // The statistics per series, and how many series can be clicked.
    virtual const std::vector<zel::SeriesStatistics>& seriesStatistics() const = 0;
    virtual int seriesCount() const = 0;
    // What the scale dialog shows first: the largest and smallest value drawn.
    struct ScaleRange {
        double upper = 0.0;
        double lower = 0.0;
    };
    virtual ScaleRange scaleSeed() const = 0;

    // An item of a choice pair, and choosing one of the pair (then a redraw).
    QAction* checkItem(QMenu* menu, const QString& text, const QString& name, bool checked);
    void choose(QAction* on, QAction* off);
    QAction* scaleItem() const { return m_scale; }
    QMenu* legendMenu() const { return m_legend; }
    bool legendShown() const;

  private:
    void buildPanel();
    void buildMenus(const SeriesGraphNames& names);
    void showSeries(int series);
    void onHit(int series, int point);

    QComboBox* m_kinds = nullptr;
    QLineEdit* m_set = nullptr;
    QLineEdit* m_point = nullptr;
    QLineEdit* m_stats[3] = {nullptr, nullptr, nullptr};
    QAction* m_scale = nullptr;
    QMenu* m_legend = nullptr;
    QAction* m_show = nullptr;
    QAction* m_hide = nullptr;
    QMenu* m_separation = nullptr;

    int m_lastPoint = 0;
    // The scale override (upper, lower); both 0 = none. Reset at every fill.
    double m_scaleUpper = 0.0;
    double m_scaleLower = 0.0;
};
