// The chart widget: draws the model, performs its actions (draw, copy, print, time
// labels), reports clicks on points, and writes PNG, SVG and PDF files.
#include "components/chart/ChartView.h"

#include "components/chart/ChartExport.h"
#include "components/chart/ChartLayout.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/SeriesStyle.h"
#include "components/print/SharedPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

std::function<QString()>& pdfProvider() {
    static std::function<QString()> provider;
    return provider;
}

ChartRenderer::Options optionsOf(bool mono, PlotInsets insets) {
    return {mono, 1.0, insets};
}

QImage renderImage(const zel::ChartModel& model, QSize size, bool mono, PlotInsets insets) {
    return chartexport::image(model, size, optionsOf(mono, insets));
}

QByteArray renderSvg(const zel::ChartModel& model, QSize size, bool mono, PlotInsets insets) {
    return chartexport::bytes(model, chartexport::Format::Svg, size, optionsOf(mono, insets));
}

} // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 30);
    m_model.setActionHandler([this](const zel::ChartAction& a) { perform(a); });
}

void ChartView::setPdfPathProvider(std::function<QString()> provider) {
    pdfProvider() = std::move(provider);
}

void ChartView::perform(const zel::ChartAction& a) {
    switch (a.code) {
    case zel::ChartActionCode::Draw:
        draw();
        break;
    case zel::ChartActionCode::PrepareCopy:
        m_preparedImage = renderImage(m_model, exportSize(), !a.screenColor, m_insets);
        m_preparedSvg = renderSvg(m_model, exportSize(), !a.screenColor, m_insets);
        break;
    case zel::ChartActionCode::Copy: {
        if (m_preparedImage.isNull()) {
            m_preparedImage = renderImage(m_model, exportSize(), !a.screenColor, m_insets);
            m_preparedSvg = renderSvg(m_model, exportSize(), !a.screenColor, m_insets);
        }
        auto* mime = new QMimeData;
        mime->setImageData(m_preparedImage);
        mime->setData(QStringLiteral("image/svg+xml"), m_preparedSvg);
        QApplication::clipboard()->setMimeData(mime);
        m_preparedImage = QImage();
        m_preparedSvg.clear();
        break;
    }
    case zel::ChartActionCode::Print:
        print(!a.printColor);
        break;
    case zel::ChartActionCode::TimeLabel:
        // The label of the current point goes onto the time axis.
        if (a.point >= 1) m_model.setPointLabelAt(a.point, a.label);
        update();
        break;
    }
}

QSize ChartView::exportSize() const {
    const QSize s = size();
    return QSize(std::max(s.width(), 320), std::max(s.height(), 240));
}

ChartRenderer::Options ChartView::renderOptions() const {
    return optionsOf(m_model.screenColor() == 0, m_insets);
}

void ChartView::setPlotInsets(PlotInsets insets) {
    if (insets.left == m_insets.left && insets.right == m_insets.right) return;
    m_insets = insets;
    m_pictureStale = true;
    update();
}

void ChartView::draw() {
    m_pictureStale = true;
    if (m_model.resetSwitchOne() == 0) {
        // Remember this draw's automatic value axis for a later draw that holds it.
        const auto a = ChartRenderer::layoutFor(m_model, QRectF(rect()), renderOptions()).valueAxis();
        if (!a.logarithmic && m_model.leftAxis().scale != 2) m_model.holdValueRange(a.min, a.max);
    }
    update();
}

void ChartView::copyToClipboard(bool monochrome) {
    const int screen = m_model.screenColor();
    m_model.setScreenColor(monochrome ? 0 : 1);
    m_model.setAction(static_cast<int>(zel::ChartActionCode::PrepareCopy));
    m_model.setAction(static_cast<int>(zel::ChartActionCode::Copy));
    m_model.setScreenColor(screen);
}

void ChartView::print(bool monochrome) {
    printCharts({this}, monochrome);
}

bool ChartView::printCharts(const QList<ChartView*>& views, bool monochrome) {
    if (views.isEmpty()) return false;
    for (ChartView* v : views)
        v->m_lastPrintOk = false;
    std::vector<const zel::ChartModel*> models;
    for (ChartView* v : views)
        models.push_back(&v->m_model);
    const zel::ChartModel& first = views.first()->m_model;
    bool ok = false;
    const QByteArray env = qgetenv("ZEL_PRINT_PDF");
    const bool toPdf = pdfProvider() || !env.isEmpty() || QPrinterInfo::availablePrinters().isEmpty();
    if (toPdf) {
        QString path;
        if (pdfProvider())
            path = pdfProvider()();
        else if (!env.isEmpty())
            path = QString::fromLocal8Bit(env);
        else
            path = QFileDialog::getSaveFileName(views.first()->window(), QStringLiteral("PDFファイルに印刷"),
                                                QString(), QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty()) return false;
        QPdfWriter writer(path);
        writer.setResolution(300);
        // One chart across a landscape page; charts one above the other on an upright one.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         models.size() > 1 ? QPageLayout::Portrait : QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("ZEL"));
        writer.setTitle(QString::fromStdString(first.titleTop()));
        ok = chartexport::printPage(models, writer, monochrome);
    } else {
        QPrinter& printer = sharedPrinter();
        printer.setDocName(QStringLiteral("ZEL GRAPH"));
        ok = chartexport::printPage(models, printer, monochrome);
    }
    for (ChartView* v : views)
        v->m_lastPrintOk = ok;
    return ok;
}

bool ChartView::saveTo(const QString& path, QSize size, bool monochrome) {
    if (size.isEmpty()) size = exportSize();
    return chartexport::save(m_model, path, size, optionsOf(monochrome, m_insets));
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ChartRenderer::Options options = renderOptions();
    if (m_model.resetSwitchTwo() == 1) {
        m_picture = QImage();
        ChartRenderer::render(m_model, &p, QRectF(rect()), options);
        paintHighlight(p);
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (m_pictureStale || m_picture.size() != pixels) {
        m_picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_picture.setDevicePixelRatio(dpr);
        m_picture.fill(Qt::white);
        QPainter ip(&m_picture);
        ChartRenderer::render(m_model, &ip, QRectF(rect()), options);
        m_pictureStale = false;
    }
    p.drawImage(QPointF(0, 0), m_picture);
    paintHighlight(p);
}

void ChartView::highlightPoint(int series, int point) {
    m_highlight = std::make_pair(series, point);
    update();
}

void ChartView::clearHighlight() {
    if (!m_highlight) return;
    m_highlight.reset();
    update();
}

void ChartView::paintHighlight(QPainter& p) const {
    if (!m_highlight) return;
    const std::optional<QPointF> centre = ChartRenderer::pointCentre(
        m_model, QRectF(rect()), m_highlight->first, m_highlight->second, renderOptions());
    if (!centre) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    constexpr double kRadius = 11.0;
    p.setPen(QPen(Qt::white, 5.0));
    p.drawEllipse(*centre, kRadius, kRadius);
    p.setPen(QPen(SeriesStyle::highlightInk(), 2.5));
    p.drawEllipse(*centre, kRadius, kRadius);
    p.restore();
}

void ChartView::mousePressEvent(QMouseEvent* e) {
    clearHighlight();
    if (m_model.hitReporting() != 1 || (e->button() != Qt::LeftButton && e->button() != Qt::RightButton))
        return QWidget::mousePressEvent(e);
    const auto hit = ChartRenderer::hitTest(m_model, QRectF(rect()), e->position(), renderOptions());
    if (!hit) return;
    m_model.setHitKind(e->button() == Qt::RightButton ? 3 : 1);
    emit HotHit(hit->series, hit->point);
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (m_model.hitReporting() != 1 || e->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(e);
    const auto hit = ChartRenderer::hitTest(m_model, QRectF(rect()), e->position(), renderOptions());
    if (!hit) return;
    m_model.setHitKind(2);
    emit HotHit(hit->series, hit->point);
}
