// Reading charts back from their pictures: where the plot area's frame stands in a
// picture (a chart view's grab, a report's PNG, a printed page), and a PDF page as
// a picture. The tests compare what was drawn, not what the code meant to draw.
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace uitest {

// The left and right columns of the plot frame within rows [top, bottom): the outermost
// columns that are dark grey over at least `share` of those rows (the frame is the
// only upright grey line that long; axis texts, data and control lines are short or
// coloured). -1 when there is none.
struct PlotEdges {
    int left = -1;
    int right = -1;
};

inline PlotEdges plotEdges(const QImage& picture, int top, int bottom, double share = 0.4) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    PlotEdges edges;
    top = std::max(0, top);
    bottom = std::min(image.height(), bottom);
    const int needed = static_cast<int>((bottom - top) * share);
    for (int x = 0; x < image.width(); ++x) {
        int dark = 0;
        for (int y = top; y < bottom; ++y) {
            const QColor c = image.pixelColor(x, y);
            const int hi = std::max({c.red(), c.green(), c.blue()});
            const int lo = std::min({c.red(), c.green(), c.blue()});
            if (hi < 190 && hi - lo < 40) ++dark;
        }
        if (dark < needed) continue;
        if (edges.left < 0) edges.left = x;
        edges.right = x;
    }
    return edges;
}

inline PlotEdges plotEdges(const QImage& picture) {
    return plotEdges(picture, 0, picture.height());
}

// Page `page` (from 1) of a PDF file as a picture at `dpi`, by pdftoppm.
inline QImage pdfPage(const QString& pdf, int page = 1, int dpi = 60) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png"));
}

// The number of pages and the text of a PDF file, by pdfinfo and pdftotext.
inline int pdfPageCount(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000)) return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

inline QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace uitest
