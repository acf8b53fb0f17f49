// xrkanri: the window's names, captions and the input of its two charts.
#include "analysis/control/xrkanri.h"

#include "analysis/CapabilityDialog.h"
#include "analysis/CapabilityPanel.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XbarRCapability.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>

namespace {

// The window's names and captions.
const ControlChartDesign kDesign{
    .frame =
        {
            .window = zel::WindowId::xrkanri,
            .caption = xrkanri::captionText(),
            .chartCount = 2,
            .printColourName = QStringLiteral("gcolor"),
            .optionsName = QStringLiteral("xrbop"),
            .titlesName = QStringLiteral("xrbti"),
            .viewName = QStringLiteral("xrsitens"),
            .gridName = QStringLiteral("xrgriset"),
            .copyItemNames = {QStringLiteral("gx"), QStringLiteral("gr")},
            .monoCopyItemNames = {QStringLiteral("gxm"), QStringLiteral("grm")},
            .copyItemCaptions = {xrkanri::firstCopyText(), xrkanri::secondCopyText()},
            .controlChart = true,
        },
    .redrawOnClick = true,
};

} // namespace

xrkanri::xrkanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, kDesign, parent) {
    QAction* limits =
        MenuFrame::addItem(optionsMenu(), CapabilityDialog::menuText(), QStringLiteral("kikakuti"));
    connect(limits, &QAction::triggered, this, &xrkanri::openLimits);

    m_capabilityWindow = new QWidget(this, Qt::Tool);
    m_capabilityWindow->setObjectName(QStringLiteral("capabilityWindow"));
    m_capabilityWindow->setWindowTitle(capabilityCaptionText());
    auto* layout = new QVBoxLayout(m_capabilityWindow);
    layout->setContentsMargins(4, 4, 4, 4);
    m_capability = new CapabilityPanel(m_capabilityWindow);
    layout->addWidget(m_capability);
}

xrkanri::~xrkanri() = default;

void xrkanri::openLimits() {
    const std::optional<zel::SpecificationLimits> chosen = CapabilityDialog::ask(m_limits, this);
    if (!chosen) return;
    m_limits = *chosen;
    showCapability();
}

void xrkanri::showCapability() {
    if (!m_limits.hasLimit()) {
        m_capability->setRowCount(0);
        m_capabilityWindow->hide();
        return;
    }
    const zel::Result<zel::Capability> c = zel::xbarRCapability(chartData(), m_limits);
    m_capability->showRows(c ? zel::capabilityRows(c.value()) : std::vector<zel::CapabilityRow>{});
    // The tool window is as large as the rows, each whole on one line.
    m_capability->setFixedSize(m_capability->fittedSize());
    m_capabilityWindow->adjustSize();
    if (!m_capabilityWindow->isVisible()) {
        // Beside the window's right edge, level with its top (placed once
        // shown, when its frame is known).
        m_capabilityWindow->show();
        placeBeside(m_capabilityWindow, 0);
    }
}

zel::ControlChartInput xrkanri::inputFor(int chart) const {
    return zel::xbarRInput(chartData(), chart);
}

ZelWindow* openXrkanri(MainContext& context) {
    return ZelWindow::open<xrkanri>(context);
}
