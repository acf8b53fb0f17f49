// Printing of any DataGrid: page planning, drawing of the pages, the abort
// dialog and the choice between the installed printer and a PDF file.
#include "presentation/GridPrinting.h"

#include "components/grid/DataGrid.h"
#include "components/grid/GridDelegate.h"
#include "components/grid/GridModel.h"
#include "components/print/SharedPrinter.h"
#include "presentation/PrintAbortDialog.h"
#include "presentation/PrintLayout.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace GridPrinting {

namespace {

const char* const kAbortMessage = "印刷をやめるときは、《ｷｬﾝｾﾙ》ボタンをクリックして下さい。";
const char* const kJobName = "ZEL DATA";
const char* const kHeaderStart = "/c ZEL_DATA /n file name《";
const char* const kHeaderEnd = "》/n";
const char* const kFooter = "/c Page _/P";
const char* const kPdfTitle = "PDF ファイルに印刷";
const char* const kPdfFilter = "PDF (*.pdf)";
const char* const kFailed = "印刷できませんでした。";
const char* const kFailedTitle = "印刷";

constexpr double kFontPoints = 9.0;
constexpr double kCellPaddingPoints = 3.0;
constexpr double kThinLinePoints = 0.3;
constexpr double kBorderPoints = 1.0;
// Above this many cells the columns keep the grid's widths without measuring
// every text (a full 32767 x 100 sheet is measured column heading only).
constexpr long long kMeasureCellLimit = 250000;
const QColor kHeadingBand(228, 228, 228);
const QColor kThinLine(120, 120, 120);

std::function<QString()>& pdfProvider() {
    static std::function<QString()> provider;
    return provider;
}

Outcome& lastOutcomeRef() {
    static Outcome outcome = Outcome::Printed;
    return outcome;
}

// Geometry of one print job in device pixels.
struct Metrics {
    double dpi = 72;
    QFont font;
    double lineHeight = 0;
    double padding = 0;
    double thinLine = 1;
    double borderLine = 1;
    QRectF content;               // the page inside the margins
    std::vector<double> colWidth; // data columns 1..K at [c - 1]
    std::vector<double> rowHeight;
    double headingColWidth = 0;
    double headingRowHeight = 0;
    std::vector<zel::MarkupLine> headerProbe;
    std::vector<zel::MarkupLine> footerProbe;
    QRectF table; // where the table may go on every page
};

double pointsToDevice(double points, double dpi) {
    return points * dpi / 72.0;
}

double twipsToDevice(int twips, double dpi) {
    return twips * dpi / 1440.0;
}

Metrics measure(DataGrid& grid, const QPaintDevice& device) {
    Metrics m;
    m.dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    m.font = QFont(QStringLiteral("IPAGothic"));
    m.font.setStyleHint(QFont::SansSerif);
    m.font.setPixelSize(std::max(1, int(std::lround(pointsToDevice(kFontPoints, m.dpi)))));
    const QFontMetricsF fm(m.font, &device);
    m.lineHeight = fm.height() * 1.25;
    m.padding = pointsToDevice(kCellPaddingPoints, m.dpi);
    m.thinLine = std::max(1.0, pointsToDevice(kThinLinePoints, m.dpi));
    m.borderLine = std::max(1.0, pointsToDevice(kBorderPoints, m.dpi));

    const DataGrid::PrintSettings& ps = grid.printSettings();
    const QRectF page(0, 0, device.width(), device.height());
    m.content = page.adjusted(twipsToDevice(std::max(0, ps.marginLeft), m.dpi),
                              twipsToDevice(std::max(0, ps.marginTop), m.dpi),
                              -twipsToDevice(std::max(0, ps.marginRight), m.dpi),
                              -twipsToDevice(std::max(0, ps.marginBottom), m.dpi));
    if (m.content.width() < page.width() * 0.1 || m.content.height() < page.height() * 0.1) {
        // Margins that leave (almost) nothing of the page: print on the whole page
        // rather than an unreadable sliver.
        m.content = page;
    }

    const double charWidth = fm.horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
    const double minRow = fm.height() + 2 * pointsToDevice(2.0, m.dpi);
    GridModel* model = grid.gridModel();
    const int cols = grid.columnCount();
    const int rows = grid.rowCount();
    const bool measureCells = static_cast<long long>(cols) * rows <= kMeasureCellLimit;

    m.colWidth.resize(static_cast<std::size_t>(std::max(0, cols)));
    for (int c = 1; c <= cols; ++c) {
        double w = grid.columnWidthAt(c) * charWidth + 2 * m.padding;
        w = std::max(w, fm.horizontalAdvance(model->cellText(c, 0)) + 2 * m.padding);
        if (measureCells) {
            for (int r = 1; r <= rows; ++r)
                w = std::max(w, fm.horizontalAdvance(model->displayText(c, r)) + 2 * m.padding);
        }
        m.colWidth[static_cast<std::size_t>(c - 1)] = std::ceil(w);
    }
    m.headingColWidth = grid.columnWidthAt(0) * charWidth + 2 * m.padding;
    m.headingColWidth =
        std::max(m.headingColWidth, fm.horizontalAdvance(model->cellText(0, 0)) + 2 * m.padding);
    for (int r = 1; r <= rows; ++r)
        m.headingColWidth =
            std::max(m.headingColWidth, fm.horizontalAdvance(model->cellText(0, r)) + 2 * m.padding);
    m.headingColWidth = std::ceil(m.headingColWidth);

    m.rowHeight.resize(static_cast<std::size_t>(std::max(0, rows)));
    for (int r = 1; r <= rows; ++r)
        m.rowHeight[static_cast<std::size_t>(r - 1)] =
            std::ceil(std::max(minRow, pointsToDevice(grid.rowHeightAt(r), m.dpi)));
    m.headingRowHeight = std::ceil(std::max(minRow, pointsToDevice(grid.rowHeightAt(0), m.dpi)));

    // Header and footer take the same number of lines on every page.
    m.headerProbe = zel::expandPrintMarkup(ps.header.toStdString(), 1);
    m.footerProbe = zel::expandPrintMarkup(ps.footer.toStdString(), 1);
    const double gap = m.lineHeight * 0.5;
    double top = m.content.top();
    if (!m.headerProbe.empty()) top += m.headerProbe.size() * m.lineHeight + gap;
    double bottom = m.content.bottom();
    if (!m.footerProbe.empty()) bottom -= m.footerProbe.size() * m.lineHeight + gap;
    if (bottom - top < m.headingRowHeight + minRow) bottom = top + m.headingRowHeight + minRow;
    m.table = QRectF(m.content.left(), top, m.content.width(), bottom - top);
    return m;
}

void drawMarkup(QPainter& p, const Metrics& m, const QString& markup, int page, double top) {
    const std::vector<zel::MarkupLine> lines = zel::expandPrintMarkup(markup.toStdString(), page);
    double y = top;
    for (const zel::MarkupLine& line : lines) {
        const QRectF band(m.content.left(), y, m.content.width(), m.lineHeight);
        if (!line.left.empty())
            p.drawText(band, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine,
                       QString::fromStdString(line.left));
        if (!line.centre.empty())
            p.drawText(band, int(Qt::AlignHCenter | Qt::AlignVCenter) | Qt::TextSingleLine,
                       QString::fromStdString(line.centre));
        y += m.lineHeight;
    }
}

void drawCheck(QPainter& p, const QRectF& cell, const Metrics& m, bool checked, const QString& caption) {
    const double side = std::min(cell.height() - 2 * m.padding, m.lineHeight * 0.7);
    const QRectF box(cell.left() + m.padding, cell.center().y() - side / 2, side, side);
    p.setPen(QPen(Qt::black, m.thinLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    if (checked) {
        QPen pen(Qt::black, m.thinLine * 2);
        p.setPen(pen);
        p.drawLine(QPointF(box.left() + side * 0.2, box.center().y()),
                   QPointF(box.left() + side * 0.42, box.bottom() - side * 0.2));
        p.drawLine(QPointF(box.left() + side * 0.42, box.bottom() - side * 0.2),
                   QPointF(box.right() - side * 0.15, box.top() + side * 0.2));
    }
    p.setPen(Qt::black);
    const QRectF textRect = cell.adjusted(m.padding * 2 + side, 0, -m.padding, 0);
    p.drawText(textRect, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine, caption);
}

void drawPage(QPainter& p, DataGrid& grid, const Metrics& m, const zel::PageCells& cells, int page) {
    GridModel* model = grid.gridModel();
    const DataGrid::PrintSettings& ps = grid.printSettings();
    p.setFont(m.font);
    p.setPen(Qt::black);

    drawMarkup(p, m, ps.header, page, m.content.top());
    if (!m.footerProbe.empty())
        drawMarkup(p, m, ps.footer, page, m.content.bottom() - m.footerProbe.size() * m.lineHeight);

    // Column and row edges of this page.
    std::vector<double> xs{m.table.left(), m.table.left() + m.headingColWidth};
    for (int c = cells.columns.first; c <= cells.columns.last; ++c)
        xs.push_back(xs.back() + m.colWidth[static_cast<std::size_t>(c - 1)]);
    std::vector<double> ys{m.table.top(), m.table.top() + m.headingRowHeight};
    for (int r = cells.rows.first; r <= cells.rows.last; ++r)
        ys.push_back(ys.back() + m.rowHeight[static_cast<std::size_t>(r - 1)]);
    const QRectF tableRect(QPointF(xs.front(), ys.front()), QPointF(xs.back(), ys.back()));

    // Heading band.
    p.fillRect(QRectF(QPointF(xs.front(), ys[0]), QPointF(xs.back(), ys[1])), kHeadingBand);
    p.fillRect(QRectF(QPointF(xs[0], ys[1]), QPointF(xs[1], ys.back())), kHeadingBand);

    const int centred = int(Qt::AlignCenter) | Qt::TextSingleLine;
    auto headingCell = [&](std::size_t xi, std::size_t yi, const QString& text) {
        const QRectF r(QPointF(xs[xi], ys[yi]), QPointF(xs[xi + 1], ys[yi + 1]));
        p.drawText(r.adjusted(m.padding, 0, -m.padding, 0), centred, text);
    };
    headingCell(0, 0, model->cellText(0, 0));
    for (int c = cells.columns.first; c <= cells.columns.last; ++c)
        headingCell(static_cast<std::size_t>(c - cells.columns.first + 1), 0, model->cellText(c, 0));
    for (int r = cells.rows.first; r <= cells.rows.last; ++r)
        headingCell(0, static_cast<std::size_t>(r - cells.rows.first + 1), model->cellText(0, r));

    // Data cells.
    for (int r = cells.rows.first; r <= cells.rows.last; ++r) {
        const std::size_t yi = static_cast<std::size_t>(r - cells.rows.first + 1);
        for (int c = cells.columns.first; c <= cells.columns.last; ++c) {
            const std::size_t xi = static_cast<std::size_t>(c - cells.columns.first + 1);
            const QRectF cell(QPointF(xs[xi], ys[yi]), QPointF(xs[xi + 1], ys[yi + 1]));
            const GridCellFormat f = model->format(c, r);
            if (f.back.isValid() && f.back != QColor(Qt::white)) p.fillRect(cell, f.back);
            p.setPen(Qt::black);
            switch (f.type) {
            case DataGrid::CellType::CheckBox:
                drawCheck(p, cell, m, GridDelegate::isChecked(model->cellText(c, r)), f.checkCaption);
                break;
            case DataGrid::CellType::Button:
                p.drawText(cell.adjusted(m.padding, 0, -m.padding, 0), centred, f.buttonCaption);
                break;
            default: {
                const int align = model->data(model->index(r - 1, c - 1), Qt::TextAlignmentRole).toInt();
                const int h = (align & Qt::AlignRight) ? int(Qt::AlignRight) : int(Qt::AlignLeft);
                p.drawText(cell.adjusted(m.padding, 0, -m.padding, 0),
                           h | int(Qt::AlignVCenter) | Qt::TextSingleLine, model->displayText(c, r));
                break;
            }
            }
        }
    }

    // Thin grid lines, then the border around the printed table.
    p.setPen(QPen(kThinLine, m.thinLine, Qt::SolidLine, Qt::FlatCap));
    for (double x : xs)
        p.drawLine(QPointF(x, tableRect.top()), QPointF(x, tableRect.bottom()));
    for (double y : ys)
        p.drawLine(QPointF(tableRect.left(), y), QPointF(tableRect.right(), y));
    p.setPen(QPen(Qt::black, m.thinLine * 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(tableRect.left(), ys[1]), QPointF(tableRect.right(), ys[1]));
    p.drawLine(QPointF(xs[1], tableRect.top()), QPointF(xs[1], tableRect.bottom()));
    if (ps.border) {
        QPen border(Qt::black, m.borderLine, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        p.setPen(border);
        p.setBrush(Qt::NoBrush);
        p.drawRect(tableRect);
    }
}

QString askPdfPath(QWidget* parent) {
    if (pdfProvider()) return pdfProvider()();
    const QByteArray env = qgetenv("ZEL_PRINT_PDF");
    if (!env.isEmpty()) return QString::fromLocal8Bit(env);
    QString path = QFileDialog::getSaveFileName(parent, QString::fromUtf8(kPdfTitle), QString(),
                                                QString::fromUtf8(kPdfFilter));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

bool printsToPdf() {
    if (pdfProvider() || !qEnvironmentVariableIsEmpty("ZEL_PRINT_PDF")) return true;
    return QPrinterInfo::availablePrinters().isEmpty();
}

} // namespace

void install(DataGrid& grid) {
    grid.setPrintHandler([](DataGrid& g) { print(g); });
}

void applyRecipe(DataGrid& grid, const QString& basePath, const zel::PrintMargins& margins,
                 double marginScale) {
    DataGrid::PrintSettings& ps = grid.printSettings();
    ps.abortMessage = QString::fromUtf8(kAbortMessage);
    ps.jobName = QString::fromUtf8(kJobName);
    // The path goes in escaped: a folder such as "/Plan" or "/new" must not turn
    // into a page number or a line break.
    ps.header = QString::fromUtf8(kHeaderStart) +
                QString::fromStdString(zel::escapePrintMarkup(basePath.toStdString())) +
                QString::fromUtf8(kHeaderEnd);
    ps.footer = QString::fromUtf8(kFooter);
    ps.border = true;
    auto scaled = [marginScale](std::int16_t v) { return int(std::lround(v * marginScale)); };
    ps.marginTop = scaled(margins.top);
    ps.marginBottom = scaled(margins.bottom);
    ps.marginLeft = scaled(margins.left);
    ps.marginRight = scaled(margins.right);
}

void printWithRecipe(DataGrid& grid, const QString& basePath, const zel::PrintMargins& margins,
                     double marginScale) {
    applyRecipe(grid, basePath, margins, marginScale);
    install(grid);
    grid.doAction(DataGrid::Action::Print);
}

namespace {

bool beginPainting(QPainter& painter, QPaintDevice& device) {
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

zel::PagePlan planOf(const Metrics& m) {
    return zel::planPages(m.colWidth, m.rowHeight, m.headingColWidth, m.headingRowHeight, m.table.width(),
                          m.table.height());
}

} // namespace

int renderPages(DataGrid& grid, QPagedPaintDevice& device, const std::function<bool(int, int)>& keepGoing) {
    QPainter painter;
    if (!beginPainting(painter, device)) return -1;
    const Metrics m = measure(grid, device);
    const zel::PagePlan plan = planOf(m);
    const int pages = plan.pageCount();
    int drawn = 0;
    for (int page = 1; page <= pages; ++page) {
        if (keepGoing && !keepGoing(page, pages)) {
            // A printer drops the job; other devices just end with the pages drawn.
            if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
            break;
        }
        if (page > 1) device.newPage();
        drawPage(painter, grid, m, plan.page(page), page);
        ++drawn;
    }
    if (painter.isActive()) painter.end();
    return drawn;
}

int renderPage(DataGrid& grid, QPaintDevice& device, int page) {
    QPainter painter;
    if (!beginPainting(painter, device)) return -1;
    const Metrics m = measure(grid, device);
    const zel::PagePlan plan = planOf(m);
    const int pages = plan.pageCount();
    if (page < 1 || page > pages) return -1;
    drawPage(painter, grid, m, plan.page(page), page);
    return pages;
}

Outcome print(DataGrid& grid) {
    const DataGrid::PrintSettings& ps = grid.printSettings();
    QWidget* parent = grid.window();
    QPrinter& shared = sharedPrinter();
    const bool pdf = printsToPdf();
    QString pdfPath;
    // A PDF print uses its own printer with the shared printer's page layout, so
    // that the shared printer keeps pointing at the installed printer.
    std::unique_ptr<QPrinter> pdfPrinter;
    QPrinter* printer = &shared;
    if (pdf) {
        pdfPath = askPdfPath(parent);
        if (pdfPath.isEmpty()) return lastOutcomeRef() = Outcome::Cancelled;
        pdfPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
        pdfPrinter->setPageLayout(shared.pageLayout());
        pdfPrinter->setOutputFileName(pdfPath);
        printer = pdfPrinter.get();
    }
    printer->setDocName(ps.jobName);
    printer->setCreator(QStringLiteral("ZEL"));

    PrintAbortDialog abortDialog(ps.abortMessage, ps.jobName, parent);
    abortDialog.show();
    QApplication::processEvents();

    bool cancelled = false;
    const int drawn = renderPages(grid, *printer, [&](int page, int pages) {
        abortDialog.setPage(page, pages);
        QApplication::processEvents();
        if (abortDialog.cancelled()) {
            cancelled = true;
            return false;
        }
        return true;
    });
    abortDialog.hide();

    if (drawn < 0) {
        MessageBox::refusal(parent,
                            QString::fromUtf8(kFailed) + (pdf ? QStringLiteral("\n") + pdfPath : QString()),
                            ps.jobName.isEmpty() ? QString::fromUtf8(kFailedTitle) : ps.jobName);
        return lastOutcomeRef() = Outcome::Failed;
    }
    if (cancelled) {
        // A stopped PDF is not a document: leave no half-written file behind.
        if (pdf) QFile::remove(pdfPath);
        return lastOutcomeRef() = Outcome::Cancelled;
    }
    return lastOutcomeRef() = Outcome::Printed;
}

void setPdfPathProvider(std::function<QString()> provider) {
    pdfProvider() = std::move(provider);
}

Outcome lastOutcome() {
    return lastOutcomeRef();
}

} // namespace GridPrinting
