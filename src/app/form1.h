// form1: the main window. It owns the workspace (the one dataset and the shared
// records), shows the dataset in the data sheet grid1, carries the menus, the
// toolbar with its pop-up caption and the command states, and runs the
// program's load and close sequences.
#pragma once

#include "common/Analyses.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>

class DataGrid;
class DataSheet;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;
class PopupCaption;
class GraphWindow;
class Recovery;

class form1 : public QMainWindow, public MainContext {
    Q_OBJECT
  public:
    // Runs the load sequence; a non-empty startupArgument names the dataset to
    // open (taken unchanged).
    explicit form1(const QString& startupArgument = QString(), QWidget* parent = nullptr);
    ~form1() override;

    // The main window's services.
    zel::Workspace& workspace() override { return m_workspace; }
    DataSheet& sheet() override { return *m_sheet; }
    DataGrid& grid() override { return *m_grid; }
    QWidget* mainWindow() override { return this; }
    void setHint(const QString& text) override;
    int columnWidthChars() const override;
    QString currentAnalysisName() const override;
    void openParetoVariables() override { emit paretoVariablesRequested(); }
    void datasetFileUsed(const std::string& valuesPath) override;

    // The chart <-> sheet link: a chart point's click selects its sample's row
    // in the sheet; the sheet's pop-up item "グラフで表示" (shown while a chart
    // window is open and the selection is one row; disabled when that chart
    // has no point for the row's sample) brings the chart window the user
    // activated last forward and selects the sample's point as a click would.
    void selectSampleRow(int sample) override;
    static QString showInChartText() { return QStringLiteral("グラフで表示"); }
    QAction* showInChartItem() const { return m_showInChart; }

    // The version text V of this run ("100").
    const std::string& versionText() const { return m_version; }
    QString helpFilePath() const { return m_helpFilePath; }

    // The dataset-name display. A non-empty text switches to the state with a
    // dataset: the dataset commands and the sheet enabled, the hint line and
    // the caption "[ZEL] " + text.
    void setDatasetName(const QString& text) override;
    QString datasetName() const;
    QString hintText() const;

    // Commands that need a dataset. Later menus add theirs here.
    void addDatasetCommand(QAction* action);
    void addDatasetWidget(QWidget* widget);

    // Opening this menu first closes the named windows. Calling it again for
    // the same menu adds to its list.
    void closeOnOpening(QMenu* menu, const QStringList& windowNames);
    void closeOnOpening(QMenu* menu, std::initializer_list<zel::WindowId> windows);
    QStringList windowsClosedBy(QMenu* menu) const;
    // The analysis windows that the Analysis menu, toolbar button 7 and the
    // sheet's pop-up close (the Analysis menu's list; replaces it).
    void setAnalysisWindowNames(const QStringList& names);
    QStringList analysisWindowNames() const;
    void closeAnalysisWindows();

    // The File menu's recent datasets, newest first (full paths of the ".QCS" files).
    QStringList recentFiles() const;
    // Opens a recent dataset as the open dialog does, after the unsaved
    // question; a file that is gone leaves the list with a message.
    void openRecentFile(const QString& valuesPath);

    // The recovery of unsaved work (its file and the start-up offer).
    Recovery& recovery() const { return *m_recovery; }

    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* editMenu() const { return m_editMenu; }
    QMenu* analysisMenu() const { return m_analysisMenu; }
    QMenu* optionMenu() const { return m_optionMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }

    // The toolbar: ten one-cell grids, 0 to 9.
    static constexpr int kToolbarButtons = 10;
    DataGrid* toolbarButton(int index) const;
    // The pop-up caption's text for button index.
    static QString toolbarCaption(int index);
    PopupCaption& popupCaption() const { return *m_caption; }
    // Runs what toolbar button index runs (its menu's opening, then its command).
    void runToolbarButton(int index);
    // The mouse is over toolbar button index.
    void toolbarHover(int index);
    // "ﾂｰﾙﾊﾞｰ(&T)": hides or shows the toolbar.
    void toggleToolbar();

    // The toolbar button whose pop-up caption shows (-1 = none).
    int rememberedButtonIndex() const { return m_rememberedButton; }
    void setRememberedButtonIndex(int index) { m_rememberedButton = index; }
    bool toolbarShown() const { return m_toolbarShown; }
    // A toolbar button's design size: 4 characters wide, 23 points high.
    static constexpr double kToolbarButtonChars = 4;
    static constexpr double kToolbarButtonPoints = 23;
    // How far the rows below the toolbar move when it hides (twips).
    static constexpr int kToolbarShift = 495;

    // The layout's twips (relative to the window's client area below the menu bar).
    static constexpr int kPanelTop = 540;
    static constexpr int kPanelHeight = 510;
    static constexpr int kLeftPanelWidth = 2625;
    static constexpr int kRightPanelLeft = 2610;
    static constexpr int kNameDisplayOffset = 1890;
    static constexpr int kSliderTop = 1080;
    static constexpr int kSliderWidth = 1170;
    static constexpr int kSliderHeight = 255;

    // Inner (client) size in twips.
    double innerWidthTwips() const;
    double innerHeightTwips() const;

  signals:
    // The graph command ("グラフの作成(&G)..." F6, toolbar button 7 and the
    // sheet's pop-up menu).
    void graphCommandRequested();
    // The data-label dialog continues into the Pareto analysis.
    void paretoVariablesRequested();
    // The pop-up caption is to be hidden (the mouse left the toolbar).
    void popupCaptionHideRequested();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildLayout();
    void buildMenus();
    void runLoadSequence(const QString& startupArgument);
    void restoreMainGeometry();
    void buildToolbar();
    void updateToolbarPicture(int index);
    double toolbarButtonHeightTwips() const;
    void moveRowsBelowToolbar(int dyTwips);
    void openPrinterSetup();
    void openMenu(QMenu* menu);
    void setStartCommandStates();
    void fillAnalysisList();
    void openStartupDataset(const QString& argument);
    void applyResizeRule();
    void onSheetMouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void onColumnWidthChanged(int chars);
    // Hides the toolbar's pop-up caption and forgets its button: the pointer
    // left the button, the button was pressed, or the window lost the focus.
    void hidePopupCaption();
    void showEditPopup(const QPoint& globalPos);
    void setPopupItemsVisible(bool visible);
    // The chart window "グラフで表示" acts on for the sheet's selection (the
    // pop-up keeps it open while it shows), and the item's state for it.
    GraphWindow* chartForSelection() const;
    void prepareShowInChart(GraphWindow* chart);
    void showSelectionInChart();
    // Closes the chart window the pop-up kept open, when the pop-up would have closed it.
    void closeKeptChart();
    void openInputMode();
    // Rebuilds the File menu's recent entries from the stored list.
    void updateRecentFileItems();

    zel::Workspace m_workspace;
    std::string m_version;
    QString m_helpFilePath;
    int m_rememberedButton = -1;
    bool m_toolbarShown = true;

    QWidget* m_client = nullptr;
    std::array<DataGrid*, kToolbarButtons> m_buttons{};
    std::unique_ptr<PopupCaption> m_caption;
    QFrame* m_leftPanel = nullptr;
    QComboBox* m_analysisList = nullptr;
    QFrame* m_rightPanel = nullptr;
    QLabel* m_fileCaption = nullptr;
    QLabel* m_nameDisplay = nullptr;
    QScrollBar* m_slider = nullptr;
    QLabel* m_hint = nullptr;
    DataGrid* m_grid = nullptr;
    DataSheet* m_sheet = nullptr;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_analysisMenu = nullptr;
    QMenu* m_optionMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_toolbarAction = nullptr;
    QAction* m_exit = nullptr;
    // The recent entries and the separator below them, just above "終了(&E)".
    QList<QAction*> m_recentItems;
    QAction* m_recentSeparator = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_selectAll = nullptr;
    QAction* m_popupSeparator = nullptr;
    QAction* m_popupGraph = nullptr;
    QAction* m_showInChart = nullptr;
    QPointer<GraphWindow> m_popupChart; // the chart window "グラフで表示" acts on
    bool m_popupChartKept = false;      // an analysis window the pop-up closes afterwards
    QAction* m_inputMode = nullptr;

    QList<QAction*> m_datasetActions;
    QList<QWidget*> m_datasetWidgets;
    QHash<QMenu*, QStringList> m_closedOnOpening;
    bool m_closing = false;
    Recovery* m_recovery = nullptr;
};
