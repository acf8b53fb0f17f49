// One-file reports: the PDF laid out page by page, the HTML page with its
// charts inline.
#include "presentation/ReportDocument.h"

#include "components/chart/ChartExport.h"
#include "components/chart/ChartRenderer.h"
#include "components/grid/DataGrid.h"
#include "components/grid/GridModel.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace reportdoc {
namespace {

constexpr int kPdfDpi = 300;
constexpr double kMarginMm = 15;
constexpr double kTitlePt = 16;
constexpr double kHeadingPt = 11;
constexpr double kTextPt = 9;
constexpr double kFooterPt = 8;
// A table wider than the page is set in smaller type, down to this size.
constexpr double kSmallestTablePt = 5;
// Charts keep the shape of the files the report writes beside the document.
constexpr double kChartAspect = 600.0 / 960.0;
const QSize kSvgChartSize(960, 600);
const QString kContinued = QStringLiteral("（続き）");
const QString kDatasetCaption = QStringLiteral("データセット");
const QString kFileCaption = QStringLiteral("ファイル");
const QString kMadeCaption = QStringLiteral("作成日時");
const QString kSettingsCaption = QStringLiteral("設定");
const QString kChartsCaption = QStringLiteral("グラフ");

QString madeText(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString settingsText(const Document& d) {
    QStringList parts;
    for (const auto& [k, v] : d.settings)
        parts << k + QStringLiteral(" = ") + v;
    return parts.join(QStringLiteral("、"));
}

// The title block's rows: caption, value.
std::vector<std::pair<QString, QString>> facts(const Document& d) {
    std::vector<std::pair<QString, QString>> rows{
        {kDatasetCaption, d.datasetName}, {kFileCaption, d.datasetPath}, {kMadeCaption, madeText(d.made)}};
    if (!d.settings.empty()) rows.emplace_back(kSettingsCaption, settingsText(d));
    return rows;
}

// A cell that holds a number is set flush right.
bool isNumberText(const QString& s) {
    bool ok = false;
    s.trimmed().toDouble(&ok);
    return ok;
}

// Lays the document onto the pages of a paged device; painting on painter.
class PdfLayout {
  public:
    PdfLayout(QPdfWriter& writer, QPainter& painter, int totalPages)
        : m_writer(writer), m_p(painter), m_total(totalPages) {
        const QRect page = m_writer.pageLayout().paintRectPixels(kPdfDpi);
        m_area = QRectF(0, 0, page.width(), page.height());
        m_footerHeight = lineHeight(kFooterPt) * 2;
        m_bottom = m_area.bottom() - m_footerHeight;
        m_y = m_area.top();
    }

    int pages() const { return m_page; }

    void run(const Document& d) {
        // The title block.
        text(d.title, kTitlePt, true);
        m_y += lineHeight(kTextPt) * 0.5;
        // The values line up right of the widest caption.
        const QFontMetricsF fm(font(kTextPt), &m_writer);
        double captionWidth = 0;
        for (const auto& [caption, value] : facts(d))
            captionWidth = std::max(captionWidth, fm.horizontalAdvance(caption));
        captionWidth += 2 * fm.horizontalAdvance(QChar(0x3000));
        for (const auto& [caption, value] : facts(d))
            fact(caption, value, captionWidth);
        m_y += lineHeight(kTextPt) * 0.3;
        m_p.setPen(QPen(Qt::black, pt(0.8)));
        m_p.drawLine(QPointF(m_area.left(), m_y), QPointF(m_area.right(), m_y));
        m_y += lineHeight(kTextPt);

        for (const ShownTable& t : d.tables)
            table(t);
        if (!d.charts.empty()) charts(d.charts);
        footer();
    }

  private:
    double pt(double points) const { return points * kPdfDpi / 72.0; }
    QFont font(double points, bool bold = false) const {
        QFont f(QStringLiteral("Noto Sans CJK JP"));
        f.setPointSizeF(points);
        f.setBold(bold);
        // Unshaped text keeps one glyph per character, so the PDF's text can
        // be searched and copied as it reads (a ligature loses what follows it).
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }
    double lineHeight(double points) const { return QFontMetricsF(font(points), &m_writer).height() * 1.25; }

    void footer() {
        m_p.setFont(font(kFooterPt));
        m_p.setPen(Qt::black);
        const QRectF box(m_area.left(), m_area.bottom() - m_footerHeight * 0.6, m_area.width(),
                         m_footerHeight * 0.6);
        m_p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(m_page).arg(std::max(m_total, m_page)));
    }
    void newPage() {
        footer();
        m_writer.newPage();
        ++m_page;
        m_y = m_area.top();
    }
    // Room for height more on this page, or a new page.
    void need(double height) {
        if (m_y + height > m_bottom && m_y > m_area.top()) newPage();
    }

    void text(const QString& s, double points, bool bold) {
        const double h = lineHeight(points);
        need(h);
        m_p.setFont(font(points, bold));
        m_p.setPen(Qt::black);
        m_p.drawText(QRectF(m_area.left(), m_y, m_area.width(), h), Qt::AlignLeft | Qt::AlignVCenter, s);
        m_y += h;
    }
    void fact(const QString& caption, const QString& value, double captionWidth) {
        const QFont f = font(kTextPt);
        const QRectF valueBox(m_area.left() + captionWidth, m_y, m_area.width() - captionWidth, m_bottom);
        m_p.setFont(f);
        const QRectF used = m_p.boundingRect(valueBox, Qt::TextWrapAnywhere, value);
        const double h = std::max(lineHeight(kTextPt), used.height());
        need(h);
        m_p.setPen(QColor(80, 80, 80));
        m_p.drawText(QRectF(m_area.left(), m_y, captionWidth, h), Qt::AlignLeft | Qt::AlignTop, caption);
        m_p.setPen(Qt::black);
        m_p.drawText(QRectF(valueBox.left(), m_y, valueBox.width(), h), Qt::TextWrapAnywhere, value);
        m_y += h;
    }

    void table(const ShownTable& t) {
        if (t.rows.empty()) return;
        int columns = 0;
        for (const QStringList& r : t.rows)
            columns = std::max(columns, static_cast<int>(r.size()));
        // The widest text of each column, in type that lets the table fit the width.
        const double padding = pt(3);
        double points = kTextPt;
        std::vector<double> widths;
        for (;;) {
            const QFontMetricsF fm(font(points), &m_writer);
            const QFontMetricsF bold(font(points, true), &m_writer);
            widths.assign(static_cast<std::size_t>(columns), 0.0);
            for (std::size_t r = 0; r < t.rows.size(); ++r)
                for (int c = 0; c < t.rows[r].size(); ++c) {
                    const QFontMetricsF& m = r == 0 || c == 0 ? bold : fm;
                    widths[static_cast<std::size_t>(c)] = std::max(
                        widths[static_cast<std::size_t>(c)], m.horizontalAdvance(t.rows[r][c]) + 2 * padding);
                }
            double total = 0;
            for (double w : widths)
                total += w;
            if (total <= m_area.width() || points <= kSmallestTablePt) break;
            points = std::max(kSmallestTablePt, points * m_area.width() / total - 0.1);
        }
        const double rowHeight = QFontMetricsF(font(points), &m_writer).height() + 2 * pt(1.5);
        // Columns that do not fit even in the smallest type go on in further
        // bands below, each with the row headings again.
        std::vector<std::vector<std::size_t>> bands;
        double used = m_area.width();
        for (std::size_t c = 1; c < widths.size(); ++c) {
            if (bands.empty() || (used + widths[c] > m_area.width() && bands.back().size() > 1)) {
                bands.push_back({0});
                used = widths[0];
            }
            bands.back().push_back(c);
            used += widths[c];
        }
        if (bands.empty()) bands.push_back({0});
        bool continued = false;
        const auto heading = [&](const std::vector<std::size_t>& band) {
            // The heading with at least the column headings and one row under it.
            need(lineHeight(kHeadingPt) + 2 * rowHeight);
            text(continued ? t.heading + kContinued : t.heading, kHeadingPt, true);
            row(t.rows.front(), band, widths, rowHeight, points, true);
            continued = true;
        };
        for (const std::vector<std::size_t>& band : bands) {
            heading(band);
            for (std::size_t r = 1; r < t.rows.size(); ++r) {
                if (m_y + rowHeight > m_bottom) {
                    newPage();
                    heading(band);
                }
                row(t.rows[r], band, widths, rowHeight, points, false);
            }
            m_y += lineHeight(kTextPt);
        }
    }
    void row(const QStringList& cells, const std::vector<std::size_t>& band,
             const std::vector<double>& widths, double height, double points, bool headingRow) {
        double x = m_area.left();
        const double padding = pt(3);
        for (std::size_t c : band) {
            const QRectF cell(x, m_y, widths[c], height);
            const bool headingCell = headingRow || c == 0;
            if (headingCell) m_p.fillRect(cell, QColor(232, 236, 242));
            m_p.setPen(QPen(QColor(150, 150, 150), pt(0.4)));
            m_p.drawRect(cell);
            const QString s =
                c < static_cast<std::size_t>(cells.size()) ? cells[static_cast<int>(c)] : QString();
            m_p.setFont(font(points, headingCell));
            m_p.setPen(Qt::black);
            const Qt::Alignment align = !headingCell && isNumberText(s)
                                            ? Qt::AlignRight
                                            : (headingRow ? Qt::AlignHCenter : Qt::AlignLeft);
            m_p.drawText(cell.adjusted(padding, 0, -padding, 0), align | Qt::AlignVCenter, s);
            x += widths[c];
        }
        m_y += height;
    }

    void charts(const std::vector<const zel::ChartModel*>& models) {
        const double height = m_area.width() * kChartAspect;
        const QRectF target(0, 0, m_area.width(), height);
        const ChartRenderer::Options measure(false, 0);
        const PlotInsets insets = models.size() > 1
                                      ? ChartRenderer::sharedInsets(models, target, measure, &m_writer)
                                      : PlotInsets{};
        // The heading stays with the first chart.
        need(lineHeight(kHeadingPt) + height);
        text(kChartsCaption, kHeadingPt, true);
        for (const zel::ChartModel* m : models) {
            need(height);
            ChartRenderer::render(*m, &m_p, QRectF(m_area.left(), m_y, m_area.width(), height),
                                  ChartRenderer::Options(false, 0, insets));
            m_y += height + lineHeight(kTextPt);
        }
    }

    QPdfWriter& m_writer;
    QPainter& m_p;
    int m_total;
    int m_page = 1;
    QRectF m_area;
    double m_footerHeight = 0;
    double m_bottom = 0;
    double m_y = 0;
};

// Writes the PDF into out; the number of pages, 0 when it could not be painted.
int writePdf(const Document& d, QIODevice& out, int totalPages) {
    QPdfWriter writer(&out);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("ZEL"));
    writer.setTitle(d.title);
    QPainter painter;
    if (!painter.begin(&writer)) return 0;
    PdfLayout layout(writer, painter, totalPages);
    layout.run(d);
    painter.end();
    return layout.pages();
}

QString escaped(const QString& s) {
    return s.toHtmlEscaped();
}

// The chart's SVG for inline use: no XML prologue, and every id (and what
// refers to it) prefixed so that the charts of one page do not share one.
QString inlineSvg(const zel::ChartModel& model, const PlotInsets& insets, int index) {
    QString svg = QString::fromUtf8(chartexport::bytes(model, chartexport::Format::Svg, kSvgChartSize,
                                                       ChartRenderer::Options(false, 1.0, insets)));
    svg.remove(QRegularExpression(QStringLiteral("<\\?xml[^>]*\\?>\\s*")));
    svg.remove(QRegularExpression(QStringLiteral("<!DOCTYPE[^>]*>\\s*")));
    const QString prefix = QStringLiteral("chart%1-").arg(index);
    svg.replace(QRegularExpression(QStringLiteral("\\bid=\"([^\"]+)\"")),
                QStringLiteral("id=\"") + prefix + "\\1\"");
    svg.replace(QRegularExpression(QStringLiteral("url\\(#([^)]+)\\)")),
                QStringLiteral("url(#") + prefix + "\\1)");
    svg.replace(QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")),
                QStringLiteral("href=\"#") + prefix + "\\1\"");
    return svg;
}

} // namespace

int pdfPageCount(const Document& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return writePdf(document, buffer, 0);
}

QByteArray pdf(const Document& document) {
    const int pages = pdfPageCount(document);
    if (pages == 0) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (writePdf(document, buffer, pages) != pages) return {};
    buffer.close();
    return bytes;
}

QByteArray html(const Document& d) {
    QString h;
    h += QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>") +
         escaped(d.title) +
         QStringLiteral("</title>\n<style>\n"
                        "body{font-family:\"Noto Sans CJK JP\",sans-serif;margin:2em auto;"
                        "max-width:62em;color:#111;padding:0 1em}\n"
                        "h1{font-size:1.6em;margin-bottom:.3em}\n"
                        "h2{font-size:1.15em;margin:1.6em 0 .4em}\n"
                        "dl.facts{display:grid;grid-template-columns:auto 1fr;gap:.2em 1.2em;"
                        "border-bottom:1px solid #444;padding-bottom:.8em}\n"
                        "dl.facts dt{color:#555}dl.facts dd{margin:0;word-break:break-all}\n"
                        "table{border-collapse:collapse;font-size:.9em}\n"
                        "th,td{border:1px solid #999;padding:.2em .5em}\n"
                        "th{background:#e8ecf2;font-weight:bold}\n"
                        "td.num{text-align:right;font-variant-numeric:tabular-nums}\n"
                        "figure{margin:1em 0}figure svg{width:100%;height:auto}\n"
                        "@media print{h2{break-after:avoid}figure{break-inside:avoid}}\n"
                        "</style>\n</head>\n<body>\n");
    h += QStringLiteral("<h1>") + escaped(d.title) + QStringLiteral("</h1>\n<dl class=\"facts\">\n");
    for (const auto& [caption, value] : facts(d))
        h += QStringLiteral("<dt>") + escaped(caption) + QStringLiteral("</dt><dd>") + escaped(value) +
             QStringLiteral("</dd>\n");
    h += QStringLiteral("</dl>\n");
    for (const ShownTable& t : d.tables) {
        h += QStringLiteral("<h2>") + escaped(t.heading) + QStringLiteral("</h2>\n<table>\n");
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            h += r == 0 ? QStringLiteral("<thead><tr>") : QStringLiteral("<tr>");
            for (int c = 0; c < t.rows[r].size(); ++c) {
                const QString& s = t.rows[r][c];
                if (r == 0 || c == 0)
                    h += QStringLiteral("<th>") + escaped(s) + QStringLiteral("</th>");
                else
                    h += (isNumberText(s) ? QStringLiteral("<td class=\"num\">") : QStringLiteral("<td>")) +
                         escaped(s) + QStringLiteral("</td>");
            }
            h += r == 0 ? QStringLiteral("</tr></thead>\n<tbody>\n") : QStringLiteral("</tr>\n");
        }
        h += QStringLiteral("</tbody>\n</table>\n");
    }
    if (!d.charts.empty()) {
        h += QStringLiteral("<h2>") + kChartsCaption + QStringLiteral("</h2>\n");
        const chartexport::FileInsets insets = chartexport::sharedFileInsets(d.charts, kSvgChartSize);
        for (std::size_t i = 0; i < d.charts.size(); ++i)
            h +=
                QStringLiteral("<figure>\n") +
                inlineSvg(*d.charts[i], insets.forFormat(chartexport::Format::Svg), static_cast<int>(i) + 1) +
                QStringLiteral("</figure>\n");
    }
    h += QStringLiteral("</body>\n</html>\n");
    return h.toUtf8();
}

QByteArray bytes(const Document& document, Format format) {
    return format == Format::Pdf ? pdf(document) : html(document);
}

Document windowDocument(MainContext& context, const QString& caption) {
    Document d;
    const std::optional<zel::AnalysisId> analysis = currentAnalysis(context);
    d.title = analysis ? analysisListName(*analysis) : caption;
    const QString base = QString::fromStdString(context.workspace().datasetBasePath());
    d.datasetName = QFileInfo(base).fileName();
    d.datasetPath = base.isEmpty() ? QString() : base + QStringLiteral(".QCS");
    d.made = QDateTime::currentDateTime();
    return d;
}

ShownTable gridTable(const QString& heading, const DataGrid& grid) {
    ShownTable t{heading, {}};
    const GridModel* model = grid.gridModel();
    for (int r = 0; r <= grid.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c <= grid.columnCount(); ++c)
            row << model->displayText(c, r);
        t.rows.push_back(row);
    }
    return t;
}

QString proposedFileName(const Document& document) {
    QString name = document.datasetName.isEmpty() ? document.title
                                                  : document.datasetName + QLatin1Char('_') + document.title;
    // A folder separator or a character that file managers refuse would make
    // the name another place or no name at all.
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    name.replace(unsafe, QStringLiteral("_"));
    name = name.trimmed();
    return (name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf");
}

bool saveAsPdf(QWidget* parent, const Document& document) {
    QFileDialog dialog(parent, QStringLiteral("レポートの保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Proposed: "<dataset>_<analysis>.pdf" beside the dataset.
    if (!document.datasetPath.isEmpty()) dialog.setDirectory(QFileInfo(document.datasetPath).absolutePath());
    dialog.selectFile(proposedFileName(document));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString path = dialog.selectedFiles().constFirst();
    const QByteArray content = pdf(document);
    QSaveFile file(path);
    if (content.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        MessageBox::refusal(parent, QStringLiteral("レポートを保存できません: ") + path,
                            QStringLiteral("レポートの保存"));
        return false;
    }
    return true;
}

} // namespace reportdoc
