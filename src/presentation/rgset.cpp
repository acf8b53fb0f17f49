// The 3-D view dialog.
#include "presentation/rgset.h"

#include "components/chart/ChartView.h"
#include "presentation/GraphSettings.h"
#include "presentation/GraphWindow.h"
#include "presentation/TitleTable.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

using zel::ChartType;
namespace styles = zel::chartstyles;

struct PreviewKind {
    const char* text;
    ChartType type;
    int style;
};

// The kind list in its order, with the chart type and style each one shows.
constexpr PreviewKind kKinds[] = {
    {"立体円グラフ", ChartType::Pie3D, styles::kPiePlain},
    {"立体棒グラフ", ChartType::Bar3D, styles::kBarVertical},
    {"Ｚ軸立体棒", ChartType::Bar3D, styles::kBarAlongZ},
    {"立体棒グラフ（横）", ChartType::Bar3D, styles::kBarHorizontal},
    {"Ｚ軸立体棒（横）", ChartType::Bar3D, styles::kBarAlongZHorizontal},
    {"立体エリアグラフ", ChartType::Area3D, styles::kAreaStacked},
    {"立体散布図", ChartType::Scatter3D, styles::kScatter3DMarkers},
    {"帯グラフ", ChartType::Band, styles::kBand},
};

// The list entry for the chart whose 3-D menu was used.
int kindIndexFor(int type, int style) {
    for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i) {
        const PreviewKind& k = kKinds[i];
        if (static_cast<int>(k.type) != type) continue;
        if (k.type == ChartType::Bar3D && k.style != style) continue;
        return i;
    }
    return 1; // "立体棒グラフ"
}

QScrollBar* makeScrollBar(Qt::Orientation orientation, const QString& name, int min, int max,
                          QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setRange(min, max);
    bar->setPageStep(10);
    bar->setSingleStep(1);
    return bar;
}

} // namespace

rgset::rgset(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::rgset, parent), m_context(context) {
    setWindowTitle(QStringLiteral("立体グラフの設定"));

    m_preview = new ChartView(this);
    m_preview->setObjectName(QStringLiteral("Graph1"));
    m_preview->setMinimumSize(320, 240);
    zel::ChartModel& model = m_preview->model();
    model.loadSampleData();
    model.setViewAngles(m_context.workspace().view3d);

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("graphsr"));
    for (const PreviewKind& k : kKinds)
        m_kind->addItem(QString::fromUtf8(k.text));
    auto* kindLabel = new QLabel(QStringLiteral("グラフ種類"), this);

    m_rotation = makeScrollBar(Qt::Horizontal, QStringLiteral("HScroll1"), -90, 90, this);
    m_perspective = makeScrollBar(Qt::Horizontal, QStringLiteral("HScroll2"), 0, 100, this);
    m_elevation = makeScrollBar(Qt::Vertical, QStringLiteral("VScroll1"), -30, 60, this);
    m_rotation->setValue(model.rotation3D());
    m_perspective->setValue(model.perspective3D());
    m_elevation->setValue(model.elevation3D());

    auto* note = new QLabel(QStringLiteral("この設定は今後の３Ｄグラフの作成に反映されます。"), this);
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    saveButton->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto* defaults = new QPushButton(QStringLiteral("デフォルト"), this);
    defaults->setObjectName(QStringLiteral("Command3"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_preview, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("視点角度（上下）"), this), 0, 1, Qt::AlignTop);
    grid->addWidget(m_elevation, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("視点角度（左右）"), this), 1, 0);
    grid->addWidget(m_rotation, 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("視点角度（遠近）"), this), 3, 0);
    grid->addWidget(m_perspective, 4, 0);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kindLabel);
    kindRow->addWidget(m_kind, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(kindRow);
    outer->addLayout(grid, 1);
    outer->addWidget(note);
    outer->addLayout(buttons);

    // The kind of the chart whose 3-D menu was used.
    const zel::Workspace& ws = m_context.workspace();
    m_kind->setCurrentIndex(kindIndexFor(ws.rememberedGraphType, ws.rememberedGraphStyle));
    chooseKind(m_kind->currentIndex());

    connect(m_kind, &QComboBox::currentIndexChanged, this, &rgset::chooseKind);
    connect(m_rotation, &QScrollBar::valueChanged, this, [this](int value) {
        m_preview->model().setRotation3D(value);
        m_preview->draw();
    });
    connect(m_perspective, &QScrollBar::valueChanged, this, [this](int value) {
        m_preview->model().setPerspective3D(value);
        m_preview->draw();
    });
    connect(m_elevation, &QScrollBar::valueChanged, this, [this](int value) {
        m_preview->model().setElevation3D(value);
        m_preview->draw();
    });
    connect(defaults, &QPushButton::clicked, this, &rgset::setDefaults);
    connect(saveButton, &QPushButton::clicked, this, &rgset::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(520, 460);
}

void rgset::chooseKind(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kKinds))) return;
    zel::ChartModel& model = m_preview->model();
    model.setChartType(static_cast<int>(kKinds[index].type));
    model.setChartStyle(kKinds[index].style);
    m_preview->draw();
}

void rgset::setDefaults() {
    // Through the scroll bars, which redraw the preview.
    const zel::ViewAngles defaults;
    m_rotation->setValue(defaults.rotation);
    m_perspective->setValue(defaults.perspective);
    m_elevation->setValue(defaults.elevation);
    zel::ChartModel& model = m_preview->model();
    model.setViewAngles(defaults);
    m_preview->draw();
}

void rgset::save() {
    const zel::ViewAngles angles = m_preview->model().viewAngles();
    m_context.workspace().view3d = angles;
    zel::writeViewAngles(zel::appSettings(), angles);

    const std::optional<zel::AnalysisId> analysis = currentAnalysis(m_context);
    const zel::AnalysisTitleRule* rule = zel::findTitleRule(analysis);
    if (rule && rule->viewCommand) {
        if (GraphWindow* window = GraphWindow::forAnalysis(analysis)) {
            window->applySettingsAndDraw();
        }
    }
    accept();
}

void ViewSettings::open(MainContext& context) {
    ZelWindow::open<rgset>(context);
}
