// GraphWindow: the frame every graph window shares. It holds the window's
// chart(s) and the common menus (print in colour or monochrome, copy in colour
// or monochrome, titles, 3-D view, grid lines, "メニュー画面へ"), applies the
// "graph" settings, the shared 3-D angles and the titles at every redraw, and
// lays a single chart out by the resize rule. It also finds the window of an
// analysis, so that the title, grid-line and 3-D view dialogs reach the window
// of the current analysis.
#pragma once

#include "common/SamplePoints.h"
#include "components/chart/ChartModel.h"
#include "presentation/GraphSettings.h"
#include "presentation/TitleTable.h"
#include "windowkit/ZelWindow.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class ChartView;
class MainContext;
class QComboBox;
class QMenu;
class QLineEdit;
class QMenuBar;

// The names and options that tell one graph window from another.
struct GraphWindowSpec {
    zel::WindowId window{}; // youko, xrkanri ...
    QString caption{};      // window title
    int chartCount = 1;
    QString printColourName = QStringLiteral("fcolor"); // "gcolor" in xrkanri and xrskanri
    QString optionsName{};                              // "gore", "oreop" ...
    QString titlesName{};                               // "titles", "santai" ...
    QString viewName;                                   // "" = the window has no 3-D view item
    QString gridName{};                                 // "pagriset" ...
    // Two-chart windows: the per-chart items of the copy submenus (gx, gr / gxm, grm)
    // with their captions.
    QStringList copyItemNames{};
    QStringList monoCopyItemNames{};
    QStringList copyItemCaptions{};
    // The windows "メニュー画面へ" closes with this one.
    std::vector<zel::WindowId> alsoCloses{};
    // Control charts keep their Y scale and overlay through the redraw reset.
    bool controlChart = false;
};

class GraphWindow : public ZelWindow {
    Q_OBJECT
  public:
    // Menu captions, the same in every graph window.
    static QString printMenuText() { return QStringLiteral("印刷(&P)"); }
    static QString colourText() { return QStringLiteral("カラー(&C)"); }
    static QString monochromeText() { return QStringLiteral("モノクロ(&M)"); }
    static QString editMenuText() { return QStringLiteral("編集(&E)"); }
    static QString copyText() { return QStringLiteral("コピー(&C)"); }
    static QString monoCopyText() { return QStringLiteral("モノクロコピー(&M)"); }
    static QString optionsMenuText() { return QStringLiteral("オプション(&O)"); }
    static QString titlesText() { return QStringLiteral("タイトルの設定(&T)"); }
    static QString viewText() { return QStringLiteral("３Ｄグラフの視点設定(&R)"); }
    static QString gridText() { return QStringLiteral("グリッド線の設定(&G)"); }
    static QString endMenuText() { return QStringLiteral("終了(&E)"); }
    static QString menuScreenText() { return QStringLiteral("メニュー画面へ(&M)"); }

    GraphWindow(MainContext& context, const GraphWindowSpec& design, QWidget* parent = nullptr);
    ~GraphWindow() override;

    MainContext& context() const { return m_context; }
    // The names and options the window was made with.
    const GraphWindowSpec& design() const { return m_spec; }
    int chartCount() const { return static_cast<int>(m_charts.size()); }
    ChartView* chart(int index = 0) const;
    QList<zel::ChartModel*> models() const;

    // The analysis this window shows (the current analysis when it was made).
    std::optional<zel::AnalysisId> analysis() const { return m_analysis; }

    // The full redraw: each chart the window agrees to redraw is reset and
    // filled with the window's data; then the "graph" settings, the shared 3-D
    // angles and the titles go onto every chart, and every chart is drawn.
    void redraw();
    // The same for chart `index` alone (a new kind, a clicked point). False when
    // the window refused it; the chart then keeps its drawing.
    bool redrawChart(int index);
    // The "graph" settings, the shared 3-D angles and the titles of now onto
    // every chart without a new fill, then draw (the grid-line and 3-D view
    // dialogs, once they have stored their settings).
    void applySettingsAndDraw();
    // Action 2 on every chart, after aligning their plot areas.
    void drawCharts();
    // Gives the charts of a window with two charts the same plot-area left and
    // right edges, so that the points of one sample stand one above the other.
    void alignCharts();

    // What the default titles depend on; windows with variable names override.
    virtual zel::TitleContext titleContext() const { return {}; }

    // The menu commands. Printing makes one print job (one PDF) with every chart.
    void printCharts(bool colour);
    void copyChart(int index, bool monochrome);
    void openTitles();
    void openGridLines();
    void openViewSettings();
    void returnToMenu();

    QMenuBar* menuBar() const { return m_menuBar; }
    QMenu* optionsMenu() const { return m_optionsMenu; }
    // The area below the menu bar that holds the charts and the panel controls.
    QWidget* client() const { return m_client; }
    // A panel control (label, value box, kind list) that the layout moves with
    // the right edge.
    void addPanelControl(QWidget* control);
    // A read-only value box of the panel, named name. A number longer than the
    // box stays readable from its start, and its whole text is the box's tool tip.
    QLineEdit* addReadout(const QString& name);

    // The panel column right of the charts, in twips as designed (the layout
    // then moves it with the right edge): a control every kPanelStep from
    // kPanelTop, kPanelWidth wide, kPanelLeft from the client's left.
    static constexpr double kPanelLeft = 6345;
    static constexpr double kPanelTop = 120;
    static constexpr double kPanelStep = 270;
    static constexpr double kPanelWidth = 2000;
    static constexpr double kCaptionHeight = 255;
    static constexpr double kReadoutHeight = 285;
    static constexpr double kKindListHeight = 330;
    // The kind list is taller than a value box: the read-out fields start below it.
    static constexpr double kFieldsTop = kPanelTop + 2 * kPanelStep + 120;
    // Puts a panel control into the column, top twips down, height high.
    void placePanelControl(QWidget* control, double top, double height);
    // The kind list `graphs` with its caption (object name captionName) at the
    // top of the panel, filled with kinds, `current` chosen.
    QComboBox* addKindList(const QString& caption, const QString& captionName, const QStringList& kinds,
                           const QString& current);
    // Read-out field `row` (0 the first) below the kind list: the caption
    // "Label<row + 1>" and under it the read-out box `name`.
    QLineEdit* addReadoutField(int row, const QString& caption, const QString& name);
    // A single chart's design place: left of the panel, 4000 twips high.
    void placeSingleChart();

    // The open graph window of an analysis (by the analysis's title rule), or nullptr.
    static GraphWindow* forAnalysis(std::optional<zel::AnalysisId> analysis);
    // The title dialog's "変更": applies input to the current analysis's window
    // (or only stores it when that window is not open) and redraws it unless its
    // rule says otherwise.
    static void applyTitlesToCurrent(MainContext& context, const zel::TitleInput& input);

    // The link between the charts and the main window's data sheet. A click on
    // a point that stands for a sample selects the sample's row in the sheet
    // (MainContext::selectSampleRow); the sheet asks the other way round.
    // The sample of each point of chart `index` (point 1 first); empty when its
    // points are no samples (classes, items), the default.
    virtual zel::PointSamples pointSamples(int index) const;
    // The series whose point showSample() selects (the data series).
    virtual int sampleSeries(int index) const;
    // Whether a chart of the window has a point for the sample.
    bool showsSample(int sample) const;
    // Brings the window forward and selects the sample's point as a click on it
    // would (the panel shows it); false, and nothing done, when no chart has it.
    bool showSample(int sample);
    // The open graph window the user activated last, or nullptr.
    static GraphWindow* lastActive();

  protected:
    // What fills one chart with the window's data, after the frame has reset it.
    using ChartFill = std::function<void(zel::ChartModel&)>;
    // The fill of chart `index`, asked before the chart is touched: nothing
    // (std::nullopt) when the window refuses to redraw it now, say because the
    // user cancelled a question the fill needs answered; an empty ChartFill
    // leaves the reset chart empty. The default fills nothing.
    virtual std::optional<ChartFill> chartFill(int index);
    // Lays the client out; the default is the single-chart rule (twips).
    virtual void layoutClient(QSizeF twips);
    void showEvent(QShowEvent* e) override;
    // Escape closes nothing: a graph window has no "ｷｬﾝｾﾙ" and lives until its
    // close box or "メニュー画面へ" (a dialog would close on it).
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildMenus();
    bool refill(int index);
    void applySettings();
    // Chart index's point was clicked: its sample's row is selected in the sheet.
    void selectSampleOf(int index, int point);
    // This window becomes the last active one.
    void markActive();

    MainContext& m_context;
    GraphWindowSpec m_spec;
    std::optional<zel::AnalysisId> m_analysis;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_optionsMenu = nullptr;
    QWidget* m_client = nullptr;
    QList<ChartView*> m_charts;
    QList<QWidget*> m_panel;
    bool m_titlesApplied = false;
    bool m_inRedraw = false;
};
