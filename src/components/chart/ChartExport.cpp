// Chart pictures, SVG and PDF files, and printed pages.
#include "components/chart/ChartExport.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace chartexport {

namespace {

// The devices of the vector files, set up alike for measuring and for drawing.
void setUpSvg(QSvgGenerator& svg, const zel::ChartModel& model, QSize size) {
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QString::fromStdString(model.titleTop()));
}

// A one-page PDF exactly the chart's size (96 dots an inch, so 0.75 point a pixel).
void setUpPdf(QPdfWriter& writer, const zel::ChartModel& model, QSize size) {
    writer.setResolution(96);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(size) * 0.75, QPageSize::Point), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    writer.setCreator(QStringLiteral("ZEL"));
    writer.setTitle(QString::fromStdString(model.titleTop()));
}

QByteArray svgBytes(const zel::ChartModel& model, QSize size, const ChartRenderer::Options& options) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    setUpSvg(svg, model, size);
    QPainter p;
    if (!p.begin(&svg)) return {};
    ChartRenderer::render(model, &p, QRectF(QPointF(0, 0), QSizeF(size)), options);
    if (!p.end()) return {};
    return out;
}

QByteArray pdfBytes(const zel::ChartModel& model, QSize size, const ChartRenderer::Options& options) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setUpPdf(writer, model, size);
        QPainter p;
        if (!p.begin(&writer)) return {};
        ChartRenderer::render(model, &p, QRectF(0, 0, writer.width(), writer.height()), options);
        if (!p.end()) return {};
    }
    return out;
}

QByteArray pictureBytes(const zel::ChartModel& model, const char* format, QSize size,
                        const ChartRenderer::Options& options) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image(model, size, options).save(&buffer, format)) return {};
    return out;
}

} // namespace

Format formatOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("svg")) return Format::Svg;
    if (ext == QLatin1String("pdf")) return Format::Pdf;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return Format::Jpeg;
    return Format::Png;
}

QImage image(const zel::ChartModel& model, QSize size, const ChartRenderer::Options& options) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter p(&picture);
    ChartRenderer::render(model, &p, QRectF(QPointF(0, 0), QSizeF(size)), options);
    return picture;
}

QByteArray bytes(const zel::ChartModel& model, Format format, QSize size, const ChartRenderer::Options& options) {
    switch (format) {
    case Format::Svg:
        return svgBytes(model, size, options);
    case Format::Pdf:
        return pdfBytes(model, size, options);
    case Format::Jpeg:
        return pictureBytes(model, "JPG", size, options);
    case Format::Png:
        break;
    }
    return pictureBytes(model, "PNG", size, options);
}

bool save(const zel::ChartModel& model, const QString& path, QSize size, const ChartRenderer::Options& options) {
    const QByteArray data = bytes(model, formatOf(path), size, options);
    if (data.isEmpty()) return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size() &&
           file.flush();
}

PlotInsets FileInsets::forFormat(Format format) const {
    switch (format) {
    case Format::Svg:
        return svg;
    case Format::Pdf:
        return pdf;
    case Format::Png:
    case Format::Jpeg:
        break;
    }
    return picture;
}

FileInsets sharedFileInsets(const std::vector<const zel::ChartModel*>& models, QSize size) {
    FileInsets insets;
    if (models.size() < 2) return insets;
    const QRectF target(QPointF(0, 0), QSizeF(size));
    const ChartRenderer::Options options{false, 1.0};
    insets.picture = ChartRenderer::sharedInsets(models, target, options);
    QBuffer svgBuffer;
    svgBuffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&svgBuffer);
    setUpSvg(svg, *models.front(), size);
    insets.svg = ChartRenderer::sharedInsets(models, target, options, &svg);
    QBuffer pdfBuffer;
    pdfBuffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdfBuffer);
    setUpPdf(writer, *models.front(), size);
    insets.pdf =
        ChartRenderer::sharedInsets(models, QRectF(0, 0, writer.width(), writer.height()), options, &writer);
    return insets;
}

bool printPage(const std::vector<const zel::ChartModel*>& models, QPagedPaintDevice& device, bool monochrome) {
    QPainter p;
    if (!p.begin(&device)) return false;
    const double unit = device.logicalDpiX() / 96.0;
    const QRectF page(0, 0, device.width(), device.height());
    const double margin = 24 * unit;
    const QRectF area = page.adjusted(margin, margin, -margin, -margin);
    const double gap = models.size() > 1 ? 16 * unit : 0;
    const double n = static_cast<double>(std::max<std::size_t>(1, models.size()));
    const double height = (area.height() - gap * (n - 1)) / n;
    ChartRenderer::Options options{monochrome, unit};
    options.insets = ChartRenderer::sharedInsets(models, QRectF(0, 0, area.width(), height), options, &device);
    for (std::size_t i = 0; i < models.size(); ++i) {
        const QRectF target(area.left(), area.top() + static_cast<double>(i) * (height + gap), area.width(),
                            height);
        ChartRenderer::render(*models[i], &p, target, options);
    }
    return p.end();
}

} // namespace chartexport
