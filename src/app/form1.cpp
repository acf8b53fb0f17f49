// The main window: layout, load and close sequences, the data sheet, menus,
// toolbar and command states.
#include "app/form1.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/Launch.h"
#include "app/HelpWindow.h"
#include "app/PopupCaption.h"
#include "app/RecentFiles.h"
#include "app/Recovery.h"
#include "app/SIYOU.h"
#include "app/ToolbarPictures.h"
#include "app/endform.h"
#include "app/verj.h"
#include "components/grid/DataGrid.h"
#include "components/print/SharedPrinter.h"
#include "dataset/DataPrintCommand.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/EditCommands.h"
#include "dataset/FileCommands.h"
#include "dataset/FileDialogRules.h"
#include "dataset/SheetCommands.h"
#include "dataset/StartupPath.h"
#include "dataset/nymode.h"
#include "presentation/GraphSettings.h"
#include "presentation/GraphWindow.h"
#include "presentation/rgset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/WindowGeometry.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>

namespace {

const QString kNoDatasetHint = QStringLiteral("※　ファイルの新規作成　または　呼び出しを行います。");
const QString kDatasetHint = QStringLiteral("※　データの解析を行います。");
const QString kFileCaption = QStringLiteral("ファイル名 …");
const QString kDesignCaption = QStringLiteral("ZEL");
const QString kUnsavedQuestion =
    QStringLiteral("このファイルは保存されていません。終了してもよろしいですか？");
const QString kUnsavedTitle = QStringLiteral("ファイルの保存");
const QString kReadTitle = QStringLiteral("データの呼出し");
const QString kRecentMissing = QStringLiteral("ファイルが見つかりません。履歴から削除しました。");

// Places a child in twips.
void place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(zel::Twips::toPixels(left), zel::Twips::toPixels(top), zel::Twips::toPixels(width),
                   zel::Twips::toPixels(height));
}

using zel::px;

using MenuFrame::addItem;

} // namespace

form1::form1(const QString& startupArgument, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(kDesignCaption);
    buildLayout();
    buildMenus();
    connect(this, &form1::graphCommandRequested, this, [this] { AnalysisLaunch::runGraphCommand(*this); });
    // The data-label dialog's OK goes on to the Pareto item value dialog.
    connect(this, &form1::paretoVariablesRequested, this, [this] {
        if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::pare1)) open(*this);
    });
    runLoadSequence(startupArgument);
    // Unsaved work goes to the recovery file while the window lives.
    m_recovery = new Recovery(*this, this);
}

form1::~form1() = default;

void form1::buildLayout() {
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    m_leftPanel = new QFrame(m_client);
    m_leftPanel->setObjectName(QStringLiteral("leftPanel"));
    m_leftPanel->setFrameShape(QFrame::Panel);
    m_leftPanel->setFrameShadow(QFrame::Raised);
    place(m_leftPanel, 0, kPanelTop, kLeftPanelWidth, kPanelHeight);
    m_analysisList = new QComboBox(m_leftPanel);
    m_analysisList->setObjectName(QStringLiteral("Combo1"));
    m_analysisList->setEditable(false);
    place(m_analysisList, 60, 90, kLeftPanelWidth - 120, 330);

    m_rightPanel = new QFrame(m_client);
    m_rightPanel->setObjectName(QStringLiteral("rightPanel"));
    m_rightPanel->setFrameShape(QFrame::Panel);
    m_rightPanel->setFrameShadow(QFrame::Raised);
    place(m_rightPanel, kRightPanelLeft, kPanelTop, 6000, kPanelHeight);
    m_fileCaption = new QLabel(kFileCaption, m_rightPanel);
    m_fileCaption->setObjectName(QStringLiteral("Label1"));
    place(m_fileCaption, 120, 105, kNameDisplayOffset - 180, 300);
    m_nameDisplay = new QLabel(m_rightPanel);
    m_nameDisplay->setObjectName(QStringLiteral("Label2"));
    m_nameDisplay->setFrameShape(QFrame::Panel);
    m_nameDisplay->setFrameShadow(QFrame::Sunken);
    place(m_nameDisplay, kNameDisplayOffset, 105, 3000, 300);

    m_slider = new QScrollBar(Qt::Horizontal, m_client);
    m_slider->setObjectName(QStringLiteral("HScroll1"));
    m_slider->setRange(2, 20);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setValue(8);
    place(m_slider, 0, kSliderTop, kSliderWidth, kSliderHeight);
    connect(m_slider, &QScrollBar::valueChanged, this, &form1::onColumnWidthChanged);

    m_hint = new QLabel(kNoDatasetHint, m_client);
    m_hint->setObjectName(QStringLiteral("Label3"));
    place(m_hint, kSliderWidth, kSliderTop, 6000, kSliderHeight);

    m_grid = new DataGrid(m_client);
    m_grid->setObjectName(QStringLiteral("grid1"));
    place(m_grid, 0, kSliderTop + kSliderHeight + 20, 6000, 3000);
    m_sheet = new DataSheet(m_grid, m_workspace.dataset, this);
    connect(m_grid, &DataGrid::mouseUp, this, &form1::onSheetMouseUp);
    connect(m_grid, &DataGrid::mouseMoved, this, [this] { emit popupCaptionHideRequested(); });

    // The pop-up caption sits just below the toolbar.
    m_caption = makePopupCaption(m_client);
    m_caption->widget()->move(px(10), px(10 + 23 * 20 + 20));
    connect(this, &form1::popupCaptionHideRequested, this, [this] { m_caption->hide(); });
}

void form1::buildMenus() {
    QMenuBar* bar = menuBar();

    m_fileMenu = MenuFrame::addMenu(bar, QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("FILE_M"));
    QAction* newItem = addItem(m_fileMenu, QStringLiteral("新規作成(&N)..."), QStringLiteral("SINKI"),
                               QKeySequence(Qt::Key_F2));
    QAction* openItem = addItem(m_fileMenu, QStringLiteral("開く(&L)..."), QStringLiteral("YOMIKOMI"),
                                QKeySequence(Qt::Key_F3));
    QAction* saveItem =
        addItem(m_fileMenu, QStringLiteral("保存(&S)..."), QStringLiteral("HOZON"), QKeySequence(Qt::Key_F4));
    QAction* printItem = addItem(m_fileMenu, QStringLiteral("印刷(&P)..."), QStringLiteral("DATAIN"));
    QAction* printerItem =
        addItem(m_fileMenu, QStringLiteral("ﾌﾟﾘﾝﾀｰの設定(&R)..."), QStringLiteral("PRINSET"));
    // Spreadsheet files in and out, after the dataset's own files.
    QAction* importItem = addItem(m_fileMenu, QStringLiteral("インポート(&I)..."), QStringLiteral("IMPORT"));
    QAction* exportItem =
        addItem(m_fileMenu, QStringLiteral("エクスポート(&X)..."), QStringLiteral("EXPORT"));
    connect(importItem, &QAction::triggered, this, [this] { SheetCommands::importSheet(*this); });
    connect(exportItem, &QAction::triggered, this, [this] { SheetCommands::exportSheet(*this); });
    addDatasetCommand(exportItem);
    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("SEPARATER"));
    m_exit = addItem(m_fileMenu, QStringLiteral("終了(&E)"), QStringLiteral("SYUURYOU"));
    connect(newItem, &QAction::triggered, this, [this] { FileCommands::newDataset(*this); });
    connect(openItem, &QAction::triggered, this, [this] { FileCommands::openDataset(*this); });
    connect(saveItem, &QAction::triggered, this, [this] { FileCommands::saveDataset(*this); });
    connect(printItem, &QAction::triggered, this, [this] { DataPrintCommand::open(*this); });
    connect(printerItem, &QAction::triggered, this, &form1::openPrinterSetup);
    connect(m_exit, &QAction::triggered, this, &QWidget::close);
    // The recent datasets go between the separator and "終了(&E)", with a
    // separator of their own below them; without any the menu is as before.
    m_recentSeparator = new QAction(m_fileMenu);
    m_recentSeparator->setSeparator(true);
    m_recentSeparator->setObjectName(QStringLiteral("recentSeparator"));
    m_fileMenu->setToolTipsVisible(true);
    updateRecentFileItems();
    addDatasetCommand(saveItem);
    addDatasetCommand(printItem);
    closeOnOpening(m_fileMenu, {zel::WindowId::LoadForm, zel::WindowId::saveform, zel::WindowId::sinkform,
                                zel::WindowId::tydata, zel::WindowId::rot, zel::WindowId::inmode});

    m_editMenu = MenuFrame::addMenu(bar, QStringLiteral("編集(&E)"), QStringLiteral("EDIT_M"));
    m_copy = addItem(m_editMenu, QStringLiteral("コピー(&C)"), QStringLiteral("COPPY"),
                     QKeySequence(Qt::CTRL | Qt::Key_C));
    m_paste = addItem(m_editMenu, QStringLiteral("貼り付け(&P)"), QStringLiteral("HARITUKE"),
                      QKeySequence(Qt::CTRL | Qt::Key_V));
    m_cut = addItem(m_editMenu, QStringLiteral("切り取り(&T)"), QStringLiteral("KIRITORI"));
    m_selectAll = addItem(m_editMenu, QStringLiteral("すべて選択(&A)"), QStringLiteral("msubes"));
    m_popupSeparator = m_editMenu->addSeparator();
    m_popupSeparator->setObjectName(QStringLiteral("esepa"));
    m_popupGraph = addItem(m_editMenu, QStringLiteral("グラフの作成(&G)"), QStringLiteral("tugi"));
    setPopupItemsVisible(false);
    connect(m_copy, &QAction::triggered, m_sheet, &DataSheet::copy);
    connect(m_paste, &QAction::triggered, m_sheet, &DataSheet::paste);
    connect(m_cut, &QAction::triggered, m_sheet, &DataSheet::cut);
    connect(m_selectAll, &QAction::triggered, m_sheet, &DataSheet::selectAll);
    m_editMenu->insertSeparator(m_popupSeparator)->setObjectName(QStringLiteral("SEPAH"));
    QAction* insertRowsItem = addItem(m_editMenu, QStringLiteral("行の挿入(&I)"), QStringLiteral("gyoui"));
    QAction* deleteRowsItem = addItem(m_editMenu, QStringLiteral("行の削除(&D)"), QStringLiteral("gyoud"));
    QAction* insertColsItem = addItem(m_editMenu, QStringLiteral("列の挿入(&U)"), QStringLiteral("retui"));
    QAction* deleteColsItem = addItem(m_editMenu, QStringLiteral("列の削除(&S)"), QStringLiteral("retud"));
    // The pop-up's own items come last.
    m_editMenu->removeAction(m_popupSeparator);
    m_editMenu->removeAction(m_popupGraph);
    m_editMenu->addAction(m_popupSeparator);
    m_editMenu->addAction(m_popupGraph);
    connect(m_popupGraph, &QAction::triggered, this, &form1::graphCommandRequested);
    // The chart <-> sheet link's pop-up item: in the Edit menu only while it
    // shows as the sheet's pop-up (after its own items), so the menu bar's
    // Edit menu stays as it is.
    m_showInChart = new QAction(showInChartText(), this);
    m_showInChart->setObjectName(QStringLiteral("showInChart"));
    connect(m_showInChart, &QAction::triggered, this, &form1::showSelectionInChart);
    // Any other choice lets the kept chart window close as the pop-up closes
    // every analysis window, before that choice runs.
    connect(m_editMenu, &QMenu::aboutToHide, this, [this] {
        if (m_editMenu->activeAction() != m_showInChart) closeKeptChart();
    });
    connect(insertRowsItem, &QAction::triggered, this, [this] { EditCommands::insertRows(*this); });
    connect(deleteRowsItem, &QAction::triggered, this, [this] { EditCommands::deleteRows(*this); });
    connect(insertColsItem, &QAction::triggered, this, [this] { EditCommands::insertColumns(*this); });
    connect(deleteColsItem, &QAction::triggered, this, [this] { EditCommands::deleteColumns(*this); });
    closeOnOpening(m_editMenu, {zel::WindowId::gyousou, zel::WindowId::gyoudel, zel::WindowId::retusou,
                                zel::WindowId::retudel});
    addDatasetCommand(m_copy);
    addDatasetCommand(m_paste);
    addDatasetCommand(m_cut);
    addDatasetCommand(insertRowsItem);
    addDatasetCommand(deleteRowsItem);
    addDatasetCommand(insertColsItem);
    addDatasetCommand(deleteColsItem);

    m_analysisMenu = MenuFrame::addMenu(bar, QStringLiteral("解析(&A)"), QStringLiteral("KAISEKI_M"));
    QAction* graphItem = addItem(m_analysisMenu, QStringLiteral("グラフの作成(&G)..."),
                                 QStringLiteral("BUNSAN"), QKeySequence(Qt::Key_F6));
    connect(graphItem, &QAction::triggered, this, &form1::graphCommandRequested);
    addDatasetCommand(graphItem);
    QStringList analysisWindows;
    for (const std::string& name : zel::analysisWindowNames())
        analysisWindows.append(QString::fromStdString(name));
    closeOnOpening(m_analysisMenu, analysisWindows);

    m_optionMenu = MenuFrame::addMenu(bar, QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"), QStringLiteral("OPTION_M"));
    m_toolbarAction = addItem(m_optionMenu, QStringLiteral("ﾂｰﾙﾊﾞｰ(&T)"), QStringLiteral("TOLLBAR"));
    m_toolbarAction->setCheckable(true);
    m_toolbarAction->setChecked(true);
    QAction* maskItem =
        addItem(m_optionMenu, QStringLiteral("データのマスク(&M)"), QStringLiteral("masuku_m"));
    QAction* labelItem =
        addItem(m_optionMenu, QStringLiteral("データラベルの設定(&L)"), QStringLiteral("datal"));
    QAction* renameItem = addItem(m_optionMenu, QStringLiteral("変数名の変更(&V)"), QStringLiteral("henhen"));
    QAction* viewItem =
        addItem(m_optionMenu, QStringLiteral("３Ｄグラフの視点設定(&R)"), QStringLiteral("sitens"));
    m_inputMode = addItem(m_optionMenu, QStringLiteral("入力モードの設定(&M)"), QStringLiteral("N_MODE"));
    // The check mark follows the toolbar; the toggle itself sets it.
    connect(m_toolbarAction, &QAction::triggered, this, &form1::toggleToolbar);
    connect(maskItem, &QAction::triggered, this, [this] { EditCommands::maskData(*this); });
    connect(labelItem, &QAction::triggered, this, [this] {
        m_workspace.dataLabelFlag = 1;
        EditCommands::dataLabels(*this, true);
    });
    connect(renameItem, &QAction::triggered, this, [this] { EditCommands::renameVariables(*this); });
    connect(viewItem, &QAction::triggered, this, [this] {
        m_workspace.rememberedGraphType = 0;
        ViewSettings::open(*this);
    });
    connect(m_inputMode, &QAction::triggered, this, &form1::openInputMode);
    addDatasetCommand(maskItem);
    addDatasetCommand(labelItem);
    addDatasetCommand(renameItem);
    closeOnOpening(m_optionMenu, {zel::WindowId::masukuf, zel::WindowId::nymode, zel::WindowId::henhenf,
                                  zel::WindowId::parekos, zel::WindowId::rgset});

    m_helpMenu = MenuFrame::addMenu(bar, QStringLiteral("ﾍﾙﾌﾟ(&H)"), QStringLiteral("HELP_MENU"));
    QAction* contentsItem = addItem(m_helpMenu, QStringLiteral("ZELﾍﾙﾌﾟ(&C)"), QStringLiteral("HELP_M"));
    contentsItem->setProperty("index", 0);
    QAction* usageItem = addItem(m_helpMenu, QStringLiteral("ﾍﾙﾌﾟの使い方(&H)"), QStringLiteral("HELP_M"));
    usageItem->setProperty("index", 2);
    QAction* helpSeparator = m_helpMenu->addSeparator();
    helpSeparator->setObjectName(QStringLiteral("HELP_M"));
    helpSeparator->setProperty("index", 3);
    QAction* versionItem = addItem(m_helpMenu, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), QStringLiteral("verjyo"));
    QAction* termsItem = addItem(m_helpMenu, QStringLiteral("ｿﾌﾄｳｴｱの使用条件"), QStringLiteral("siyouj"));
    connect(contentsItem, &QAction::triggered, this, [this] { HelpWindow::showContents(this); });
    connect(usageItem, &QAction::triggered, this, [this] { HelpWindow::showUsage(this); });
    connect(versionItem, &QAction::triggered, this, [this] { ZelWindow::open<verj>(this); });
    connect(termsItem, &QAction::triggered, this, [this] { ZelWindow::open<SIYOU>(this); });
    closeOnOpening(m_helpMenu, {zel::WindowId::SIYOU});
}

void form1::updateRecentFileItems() {
    for (QAction* a : std::as_const(m_recentItems)) {
        m_fileMenu->removeAction(a);
        a->deleteLater();
    }
    m_recentItems.clear();
    m_fileMenu->removeAction(m_recentSeparator);
    const zel::RecentFiles list = zel::RecentFiles::read(zel::appSettings());
    const std::vector<std::string>& paths = list.paths();
    if (paths.empty()) return;
    m_fileMenu->insertAction(m_exit, m_recentSeparator);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdString(paths[i]);
        auto* item = new QAction(
            QString::fromStdString(zel::recentFileMenuText(static_cast<int>(i), paths[i])), m_fileMenu);
        item->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
        m_fileMenu->insertAction(m_recentSeparator, item);
        m_recentItems.append(item);
    }
}

QStringList form1::recentFiles() const {
    const zel::RecentFiles list = zel::RecentFiles::read(zel::appSettings());
    QStringList paths;
    for (const std::string& path : list.paths())
        paths.append(QString::fromStdString(path));
    return paths;
}

void form1::datasetFileUsed(const std::string& valuesPath) {
    const QString absolute = QFileInfo(QString::fromStdString(valuesPath)).absoluteFilePath();
    zel::RecentFiles list = zel::RecentFiles::read(zel::appSettings());
    list.add(absolute.toStdString());
    list.write(zel::appSettings());
    updateRecentFileItems();
    // Saved (or freshly read): nothing unsaved is left to recover.
    if (m_recovery) m_recovery->removeOwnFile();
}

void form1::openRecentFile(const QString& valuesPath) {
    const QFileInfo file(valuesPath);
    if (!file.isFile()) {
        zel::RecentFiles list = zel::RecentFiles::read(zel::appSettings());
        list.remove(valuesPath.toStdString());
        list.write(zel::appSettings());
        updateRecentFileItems();
        MessageBox::refusal(this, kRecentMissing + QLatin1Char('\n') + valuesPath, kReadTitle);
        return;
    }
    // As "開く(&L)...": the unsaved question first, then the open dialog's read.
    m_sheet->commitEdit();
    if (!FileCommands::askUnsaved(*this)) return;
    const QString folder = file.absolutePath();
    const QString base = QDir(folder).filePath(file.completeBaseName());
    FileCommands::openFiles(*this, base, zel::datasetName(file.fileName().toStdString()),
                            zel::driveText(folder.toStdString()), folder.toStdString(), this);
}

void form1::openMenu(QMenu* menu) {
    ZelWindow::closeWindows(m_closedOnOpening.value(menu));
}

void form1::setAnalysisWindowNames(const QStringList& names) {
    m_closedOnOpening[m_analysisMenu] = names;
}

QStringList form1::analysisWindowNames() const {
    return m_closedOnOpening.value(m_analysisMenu);
}

void form1::openPrinterSetup() {
    QPrintDialog dialog(&sharedPrinter(), this);
    dialog.setWindowTitle(QStringLiteral("ﾌﾟﾘﾝﾀｰの設定"));
    // Only the choice of printer, paper and orientation: nothing prints here.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(MessageBox::okText());
        if (QPushButton* cancel = box->button(QDialogButtonBox::Cancel))
            cancel->setText(MessageBox::cancelText());
    }
    dialog.exec();
}

void form1::closeOnOpening(QMenu* menu, std::initializer_list<zel::WindowId> windows) {
    QStringList names;
    for (zel::WindowId w : windows)
        names.append(windowName(w));
    closeOnOpening(menu, names);
}

void form1::closeOnOpening(QMenu* menu, const QStringList& windowNames) {
    if (!m_closedOnOpening.contains(menu)) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { openMenu(menu); });
    }
    m_closedOnOpening[menu] += windowNames;
}

QStringList form1::windowsClosedBy(QMenu* menu) const {
    return m_closedOnOpening.value(menu);
}

void form1::closeAnalysisWindows() {
    openMenu(m_analysisMenu);
}

void form1::addDatasetCommand(QAction* action) {
    m_datasetActions.append(action);
    action->setEnabled(m_workspace.dataset.exists());
}

void form1::addDatasetWidget(QWidget* widget) {
    m_datasetWidgets.append(widget);
    widget->setEnabled(m_workspace.dataset.exists());
}

void form1::runLoadSequence(const QString& startupArgument) {
    zel::SettingsStore& store = zel::appSettings();
    // 1-2. The version text and the version rule.
    m_version = zel::versionText();
    zel::applyVersionRule(store, m_version);
    // 3. Position, size and state.
    restoreMainGeometry();
    // 4. The 3-D view angles and the shared start values.
    m_workspace.view3d = zel::readViewAngles(store);
    m_workspace.statLineSwitches = {1, 1, 0, 0};
    m_workspace.rememberedGraphType = 0;
    m_workspace.rememberedGraphStyle = 0;
    m_workspace.dataLabelFlag = 0;
    m_workspace.dataset.resize(zel::Dataset::kInitialSamples, zel::Dataset::kInitialVariables);
    m_workspace.dataset.unsaved = 0;
    // 5. The data sheet before any dataset: its empty design grid.
    m_grid->setColumnCount(zel::Dataset::kInitialVariables);
    m_grid->setRowCount(zel::Dataset::kInitialSamples);
    m_sheet->setUp();
    m_slider->setValue(8);
    m_sheet->setColumnWidthChars(m_slider->value());
    // 6. The help file in the program's folder.
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    m_helpFilePath = folder + QStringLiteral("ZEL32.hlp");
    // 7.
    buildToolbar();
    // 8.
    setStartCommandStates();
    // 9.
    fillAnalysisList();
    applyResizeRule();
    // 10.
    if (!startupArgument.isEmpty()) openStartupDataset(startupArgument);
}

void form1::restoreMainGeometry() {
    zel::SettingsStore& store = zel::appSettings();
    const QSizeF screen = ZelWindow::screenTwips();
    const zel::TwipsRect r =
        zel::readGeometry(store, "", zel::mainWindowDefaults(screen.width(), screen.height()));
    ZelWindow::setTwipsGeometryOf(this, r);
    switch (zel::readWindowState(store)) {
    case zel::WindowState::Minimized:
        setWindowState(Qt::WindowMinimized);
        break;
    case zel::WindowState::Maximized:
        setWindowState(Qt::WindowMaximized);
        break;
    case zel::WindowState::Normal:
        break;
    }
}

void form1::buildToolbar() {
    double left = 10;
    for (int i = 0; i < kToolbarButtons; ++i) {
        auto* b = new DataGrid(m_client);
        b->setObjectName(QStringLiteral("ToolButton%1").arg(i));
        b->setFrameShape(QFrame::NoFrame);
        b->setColumnCount(1);
        b->setRowCount(1);
        b->setHeadingsVisible(false);
        b->setScrollBarsVisible(false);
        b->setGridLinesVisible(false);
        b->setGridBackground(QColor(192, 192, 192));
        b->setColumnWidthAt(1, kToolbarButtonChars);
        b->setRowHeightAt(1, kToolbarButtonPoints);
        b->setCurrentCol(1);
        b->setCurrentRow(1);
        b->setCellType(DataGrid::CellType::Button);
        b->setButtonCaption(QString());
        b->setButtonColors(QColor(192, 192, 192), QColor(128, 128, 128), QColor(255, 255, 255),
                           QColor(0, 0, 0));
        b->setFocusPolicy(Qt::NoFocus);
        b->viewport()->setMouseTracking(true);
        b->setMouseTracking(true);
        b->resize(b->sizeHint());
        b->move(px(left), px(10));
        left += zel::Twips::fromPixels(b->width()) + 10;
        b->installEventFilter(this);
        m_buttons[i] = b;
        updateToolbarPicture(i);
        connect(b, &DataGrid::buttonClicked, this, [this, i] { runToolbarButton(i); });
        connect(b, &DataGrid::mouseMoved, this, [this, i] { toolbarHover(i); });
        if (i >= 2 && i <= 8) addDatasetWidget(b);
    }
    // The caption's row is just below the buttons.
    m_caption->widget()->move(m_buttons[0]->x(), m_buttons[0]->geometry().bottom() + 3);
}

void form1::updateToolbarPicture(int index) {
    DataGrid* b = m_buttons[index];
    if (!b) return;
    b->setCurrentCol(1);
    b->setCurrentRow(1);
    b->setButtonPicture(b->isEnabled() ? ToolbarPictures::picture(index)
                                       : ToolbarPictures::disabledPicture(index));
}

DataGrid* form1::toolbarButton(int index) const {
    return index >= 0 && index < kToolbarButtons ? m_buttons[index] : nullptr;
}

double form1::toolbarButtonHeightTwips() const {
    return m_buttons[0] ? zel::Twips::fromPixels(m_buttons[0]->height()) : kToolbarButtonPoints * 20;
}

QString form1::toolbarCaption(int index) {
    static const char* const captions[kToolbarButtons] = {
        "データの新規作成", "データの呼び出し", "データの保存", "データの印刷",   "クリップボードへコピー",
        "データの貼り付け", "データの切り取り", "データの解析", "データのマスク", "ヘルプ"};
    return index >= 0 && index < kToolbarButtons ? QString::fromUtf8(captions[index]) : QString();
}

void form1::runToolbarButton(int index) {
    if (!m_buttons[index] || !m_buttons[index]->isEnabled()) return;
    hidePopupCaption();
    switch (index) {
    case 0:
        openMenu(m_fileMenu);
        FileCommands::newDataset(*this);
        break;
    case 1:
        openMenu(m_fileMenu);
        FileCommands::openDataset(*this);
        break;
    case 2:
        openMenu(m_fileMenu);
        FileCommands::saveDataset(*this);
        break;
    case 3:
        openMenu(m_fileMenu);
        DataPrintCommand::open(*this);
        break;
    case 4:
        openMenu(m_editMenu);
        m_sheet->copy();
        break;
    case 5:
        openMenu(m_editMenu);
        m_sheet->paste();
        break;
    case 6:
        openMenu(m_editMenu);
        m_sheet->cut();
        break;
    case 7:
        openMenu(m_analysisMenu);
        emit graphCommandRequested();
        break;
    case 8:
        openMenu(m_optionMenu);
        EditCommands::maskData(*this);
        break;
    default:
        HelpWindow::showContents(this);
        break;
    }
}

void form1::toolbarHover(int index) {
    ZelWindow::closeWindows({zel::WindowId::titlef});
    if (!ZelWindow::openWindows().isEmpty() || index == m_rememberedButton) return;
    m_rememberedButton = index;
    m_caption->moveLeft(m_buttons[index]->x());
    m_caption->show();
    m_caption->setText(toolbarCaption(index));
}

void form1::moveRowsBelowToolbar(int dyTwips) {
    const int dy = px(dyTwips);
    for (QWidget* w : {static_cast<QWidget*>(m_leftPanel), static_cast<QWidget*>(m_rightPanel),
                       static_cast<QWidget*>(m_slider), static_cast<QWidget*>(m_hint), m_caption->widget(),
                       static_cast<QWidget*>(m_grid)})
        w->move(w->x(), w->y() + dy);
}

void form1::toggleToolbar() {
    m_toolbarShown = !m_toolbarShown;
    m_toolbarAction->setChecked(m_toolbarShown);
    for (DataGrid* b : m_buttons)
        b->setVisible(m_toolbarShown);
    moveRowsBelowToolbar(m_toolbarShown ? kToolbarShift : -kToolbarShift);
    applyResizeRule();
}

void form1::fillAnalysisList() {
    // Every analysis is listed; one whose windows the program does not have yet
    // is shown but cannot be chosen.
    m_analysisList->clear();
    for (const std::string& name : zel::analysisNames())
        m_analysisList->addItem(QString::fromStdString(name));
    if (auto* model = qobject_cast<QStandardItemModel*>(m_analysisList->model())) {
        for (int i = 0; i < model->rowCount(); ++i) {
            QStandardItem* item = model->item(i);
            if (!AnalysisLaunch::isAvailable(item->text()))
                item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        }
    }
    m_analysisList->setCurrentIndex(0);
}

void form1::setStartCommandStates() {
    for (QAction* a : std::as_const(m_datasetActions))
        a->setEnabled(false);
    for (QWidget* w : std::as_const(m_datasetWidgets))
        w->setEnabled(false);
    m_grid->setEnabled(false);
}

void form1::setHint(const QString& text) {
    m_hint->setText(text);
}

int form1::columnWidthChars() const {
    return m_slider->value();
}

QString form1::currentAnalysisName() const {
    return m_analysisList->currentText();
}

void form1::setDatasetName(const QString& text) {
    m_nameDisplay->setText(text);
    if (text.isEmpty()) return;
    for (QAction* a : std::as_const(m_datasetActions))
        a->setEnabled(true);
    for (QWidget* w : std::as_const(m_datasetWidgets))
        w->setEnabled(true);
    m_grid->setEnabled(true);
    m_hint->setText(kDatasetHint);
    setWindowTitle(QStringLiteral("[ZEL] ") + text);
}

QString form1::datasetName() const {
    return m_nameDisplay->text();
}
QString form1::hintText() const {
    return m_hint->text();
}

void form1::openStartupDataset(const QString& argument) {
    // A relative path is taken from the current folder, before the open moves
    // the current folder to the dataset's.
    const QString absolute =
        QDir::isAbsolutePath(argument) ? argument : QDir::current().absoluteFilePath(argument);
    const auto path = zel::parseStartupPath(QDir::cleanPath(absolute).toStdString());
    // Without a folder, or too short to name the files, nothing is opened.
    if (!path || path->basePath.empty()) return;
    zel::Dataset& ds = m_workspace.dataset;
    QDir::setCurrent(QString::fromStdString(path->folder));
    ds.valuesPath = path->valuesPath;
    ds.namesPath = path->namesPath;
    ds.limitsPath = path->limitsPath;
    ds.basePath = path->basePath;
    setDatasetName(QString::fromStdString(ds.basePath));
    const zel::Status status = m_sheet->load(ds.namesPath, ds.valuesPath);
    if (status)
        datasetFileUsed(ds.valuesPath);
    else
        MessageBox::refusal(this, QString::fromStdString(status.message()), kReadTitle);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);
    ds.saveInPlace = 0;
    ds.drive = path->drive;
    ds.folder = path->folder;
    ds.fileName = path->fileName;
}

double form1::innerWidthTwips() const {
    return zel::Twips::fromPixels(m_client->width());
}

double form1::innerHeightTwips() const {
    return zel::Twips::fromPixels(m_client->height());
}

void form1::applyResizeRule() {
    // The client area follows the window only once it is laid out.
    if (!m_client->isVisible()) {
        const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
        m_client->resize(width(), std::max(0, height() - menu));
    }
    const double outerWidth = ZelWindow::twipsGeometryOf(this).width;
    const double innerWidth = innerWidthTwips();
    const double innerHeight = innerHeightTwips();
    const double toolbar = m_toolbarShown ? toolbarButtonHeightTwips() + 130 : 110;

    const double sheetWidth = outerWidth - 150;
    if (sheetWidth > 0) m_grid->resize(px(sheetWidth), m_grid->height());
    const double sheetHeight = innerHeight - kSliderHeight - kPanelHeight - toolbar;
    if (sheetHeight > 0) m_grid->resize(m_grid->width(), px(sheetHeight));
    const double rightWidth = innerWidth - kLeftPanelWidth;
    if (rightWidth > 0) m_rightPanel->resize(px(rightWidth), m_rightPanel->height());
    const double hintWidth = innerWidth - kSliderWidth;
    if (hintWidth > 0) m_hint->resize(px(hintWidth), m_hint->height());
    const double nameWidth = zel::Twips::fromPixels(m_rightPanel->width()) - kNameDisplayOffset;
    if (nameWidth > 0) m_nameDisplay->resize(px(nameWidth), m_nameDisplay->height());
}

void form1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    applyResizeRule();
}

void form1::onColumnWidthChanged(int chars) {
    m_sheet->setColumnWidthChars(chars);
    if (m_workspace.dataset.exists()) m_grid->setFocus();
}

void form1::hidePopupCaption() {
    emit popupCaptionHideRequested();
    m_rememberedButton = -1;
}

void form1::changeEvent(QEvent* e) {
    // A dialog or another window took the focus: the caption's reason is gone.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) hidePopupCaption();
    QMainWindow::changeEvent(e);
}

bool form1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_client && e->type() == QEvent::MouseMove) hidePopupCaption();
    if (e->type() == QEvent::Leave &&
        std::find(m_buttons.begin(), m_buttons.end(), watched) != m_buttons.end())
        hidePopupCaption();
    // The client area is laid out after the window's own resize event: follow it.
    if (watched == m_client && e->type() == QEvent::Resize) applyResizeRule();
    // A button's picture greys out with the button.
    if (e->type() == QEvent::EnabledChange)
        for (int i = 0; i < kToolbarButtons; ++i)
            if (watched == m_buttons[i]) updateToolbarPicture(i);
    return QMainWindow::eventFilter(watched, e);
}

void form1::setPopupItemsVisible(bool visible) {
    m_popupSeparator->setVisible(visible);
    m_popupGraph->setVisible(visible);
}

void form1::onSheetMouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::RightButton) {
        setPopupItemsVisible(false);
        return;
    }
    showEditPopup(globalPos);
}

void form1::showEditPopup(const QPoint& globalPos) {
    // The pop-up closes every analysis window, but the chart window that
    // "グラフで表示" would show stays open while the pop-up is shown; it closes
    // as well unless "グラフで表示" is chosen.
    GraphWindow* chart = chartForSelection();
    QStringList closing = analysisWindowNames();
    m_popupChartKept = chart && closing.removeAll(chart->objectName()) > 0;
    ZelWindow::closeWindows(closing);
    ZelWindow::closeWindows(m_closedOnOpening.value(m_editMenu));
    setPopupItemsVisible(true);
    prepareShowInChart(chart);
    if (chart) m_editMenu->addAction(m_showInChart);
    QAction* chosen = m_editMenu->exec(globalPos);
    m_editMenu->removeAction(m_showInChart);
    setPopupItemsVisible(false);
    if (chosen != m_showInChart) closeKeptChart();
    prepareShowInChart(nullptr);
    m_popupChartKept = false;
}

void form1::closeKeptChart() {
    if (m_popupChart && m_popupChartKept) m_popupChart->close();
}

void form1::selectSampleRow(int sample) {
    m_sheet->selectSampleRow(sample);
}

GraphWindow* form1::chartForSelection() const {
    return m_sheet->selectedSample() ? GraphWindow::lastActive() : nullptr;
}

void form1::prepareShowInChart(GraphWindow* chart) {
    m_popupChart = chart;
    const std::optional<int> sample = m_sheet->selectedSample();
    m_showInChart->setEnabled(chart && sample && chart->showsSample(*sample));
}

void form1::showSelectionInChart() {
    const std::optional<int> sample = m_sheet->selectedSample();
    if (m_popupChart && sample) m_popupChart->showSample(*sample);
}

void form1::openInputMode() {
    ZelWindow::open<nymode>(m_grid, this);
}

void form1::closeEvent(QCloseEvent* e) {
    m_sheet->commitEdit();
    zel::Dataset& ds = m_workspace.dataset;
    // 1. The close question.
    if (ds.exists() && ds.unsaved == 1 && !MessageBox::confirm(this, kUnsavedQuestion, kUnsavedTitle)) {
        e->ignore();
        return;
    }
    // 2-4.
    ds.unsaved = 0;
    m_recovery->removeOwnFile();
    zel::recordMainWindowClose(zel::appSettings(), ZelWindow::twipsGeometryOf(this), ZelWindow::stateOf(this),
                               m_version);
    // 5. Every other window closes, one after the other.
    ZelWindow::closeAll();
    // 6. The closing window ends the program.
    ZelWindow::open<endform>();
    e->accept();
}
