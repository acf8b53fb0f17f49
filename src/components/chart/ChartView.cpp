// The chart widget: draws the model, performs its actions (draw, copy, print, time
// labels), reports clicks on points, and writes PNG, SVG and PDF files.
#include "components/chart/ChartView.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/ChartRenderer.h"
#include "presentation/GridPrinting.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>

namespace {

std::function<QString()>& pdfProvider() {
    static std::function<QString()> provider;
    return provider;
}

QImage renderImage(const zel::ChartModel& model, QSize size, bool mono) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    ChartRenderer::render(model, &p, QRectF(QPointF(0, 0), QSizeF(size)), {mono, 1.0});
    return image;
}

QByteArray renderSvg(const zel::ChartModel& model, QSize size, bool mono) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QString::fromStdString(model.titleTop()));
    {
        QPainter p(&svg);
        ChartRenderer::render(model, &p, QRectF(QPointF(0, 0), QSizeF(size)), {mono, 1.0});
    }
    return buffer.data();
}

// Draws the chart on a paged device, the page's printable area less a margin.
bool renderPage(const zel::ChartModel& model, QPagedPaintDevice& device, bool mono) {
    QPainter p;
    if (!p.begin(&device)) return false;
    const double unit = device.logicalDpiX() / 96.0;
    const QRectF page(0, 0, device.width(), device.height());
    const double margin = 24 * unit;
    ChartRenderer::render(model, &p, page.adjusted(margin, margin, -margin, -margin), {mono, unit});
    return p.end();
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
        m_preparedImage = renderImage(m_model, exportSize(), !a.screenColor);
        m_preparedSvg = renderSvg(m_model, exportSize(), !a.screenColor);
        break;
    case zel::ChartActionCode::Copy: {
        if (m_preparedImage.isNull()) {
            m_preparedImage = renderImage(m_model, exportSize(), !a.screenColor);
            m_preparedSvg = renderSvg(m_model, exportSize(), !a.screenColor);
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

void ChartView::draw() {
    m_pictureStale = true;
    if (m_model.resetSwitchOne() == 0) {
        // Remember this draw's automatic value axis for a later draw that holds it.
        const auto a = ChartRenderer::layoutFor(m_model, QRectF(rect()), {m_model.screenColor() == 0, 1.0}).valueAxis();
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
    m_lastPrintOk = false;
    const QByteArray env = qgetenv("ZEL_PRINT_PDF");
    const bool toPdf = pdfProvider() || !env.isEmpty() || QPrinterInfo::availablePrinters().isEmpty();
    if (toPdf) {
        QString path;
        if (pdfProvider())
            path = pdfProvider()();
        else if (!env.isEmpty())
            path = QString::fromLocal8Bit(env);
        else
            path = QFileDialog::getSaveFileName(this, QStringLiteral("PDFファイルに印刷"), QString(),
                                                QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty()) return;
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("ZEL"));
        writer.setTitle(QString::fromStdString(m_model.titleTop()));
        m_lastPrintOk = renderPage(m_model, writer, monochrome);
        return;
    }
    QPrinter& printer = GridPrinting::sharedPrinter();
    printer.setDocName(QStringLiteral("ZEL GRAPH"));
    m_lastPrintOk = renderPage(m_model, printer, monochrome);
}

bool ChartView::saveTo(const QString& path, QSize size, bool monochrome) {
    if (size.isEmpty()) size = exportSize();
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(QString::fromStdString(m_model.titleTop()));
        QPainter p;
        if (!p.begin(&svg)) return false;
        ChartRenderer::render(m_model, &p, QRectF(QPointF(0, 0), QSizeF(size)), {monochrome, 1.0});
        return p.end() && QFileInfo(path).size() > 0;
    }
    if (ext == QLatin1String("pdf")) {
        QPdfWriter writer(path);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(size) * 0.75, QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        writer.setCreator(QStringLiteral("ZEL"));
        writer.setTitle(QString::fromStdString(m_model.titleTop()));
        QPainter p;
        if (!p.begin(&writer)) return false;
        ChartRenderer::render(m_model, &p, QRectF(0, 0, writer.width(), writer.height()), {monochrome, 1.0});
        return p.end() && QFileInfo(path).size() > 0;
    }
    return renderImage(m_model, size, monochrome).save(path, ext == QLatin1String("jpg") ? "JPG" : "PNG");
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ChartRenderer::Options options{m_model.screenColor() == 0, 1.0};
    if (m_model.resetSwitchTwo() == 1) {
        m_picture = QImage();
        ChartRenderer::render(m_model, &p, QRectF(rect()), options);
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
}

void ChartView::mousePressEvent(QMouseEvent* e) {
    if (m_model.hitReporting() != 1 || (e->button() != Qt::LeftButton && e->button() != Qt::RightButton))
        return QWidget::mousePressEvent(e);
    const auto hit =
        ChartRenderer::hitTest(m_model, QRectF(rect()), e->position(), {m_model.screenColor() == 0, 1.0});
    if (!hit) return;
    m_model.setHitKind(e->button() == Qt::RightButton ? 3 : 1);
    emit HotHit(hit->series, hit->point);
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (m_model.hitReporting() != 1 || e->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(e);
    const auto hit =
        ChartRenderer::hitTest(m_model, QRectF(rect()), e->position(), {m_model.screenColor() == 0, 1.0});
    if (!hit) return;
    m_model.setHitKind(2);
    emit HotHit(hit->series, hit->point);
}
