// Tests of printing: the data-printing window `inmode` (its controls, the shared
// margins, decimals and column width) and the printed PDF of the data sheet and
// of a result table (header, footer, values, pages, headings on every page), the
// abort dialog and the failures of a print.
#include "components/grid/DataGrid.h"
#include "components/grid/GridModel.h"
#include "dataset/DataPrintCommand.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/inmode.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::findByText;

namespace {

// The main window's services as the printing window needs them.
class FakeContext : public MainContext {
  public:
    FakeContext() : m_sheet(&m_grid, m_ws.dataset) {}
    zel::Workspace& workspace() override { return m_ws; }
    DataSheet& sheet() override { return m_sheet; }
    DataGrid& grid() override { return m_grid; }
    QWidget* mainWindow() override { return nullptr; }
    void setDatasetName(const QString&) override {}
    void setHint(const QString&) override {}
    int columnWidthChars() const override { return m_widthChars; }
    QString currentAnalysisName() const override { return QString(); }
    void openParetoVariables() override {}

    int m_widthChars = 9;

  private:
    zel::Workspace m_ws;
    DataGrid m_grid;
    DataSheet m_sheet;
};

// The spin box that a caption label names.
QSpinBox* spinFor(QWidget* window, const QString& caption) {
    QLabel* label = findByText<QLabel>(window, caption);
    return label ? qobject_cast<QSpinBox*>(label->buddy()) : nullptr;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& path, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), args);
}

int pdfPages(const QString& path) {
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

// Top left corner (points) of the first word of a PDF with this text.
QPointF wordPosition(const QString& path, const QString& word) {
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>") +
                                QRegularExpression::escape(word) + QStringLiteral("</word>"));
    const QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch()) return QPointF(-1, -1);
    return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeContext> m_ctx;
    QTemporaryDir m_dir;
    QString m_pdf;

    // A dataset of `samples` x `variables` whose value (i, j) is i + j / 4.
    void makeDataset(int samples, int variables) {
        zel::Dataset& d = m_ctx->workspace().dataset;
        d.resize(samples, variables);
        for (int j = 1; j <= variables; ++j)
            d.setName(j, std::string("V").append(std::to_string(j)));
        for (int i = 1; i <= samples; ++i)
            for (int j = 1; j <= variables; ++j)
                d.setValue(i, j, i + j / 4.0);
        d.setBase(m_dir.filePath(QStringLiteral("DATA1")).toStdString());
    }

    QPointer<inmode> openWindow() {
        DataPrintCommand::open(*m_ctx);
        inmode* w = ZelWindow::findOpen<inmode>();
        if (!w || !QTest::qWaitForWindowExposed(w)) return nullptr;
        return w;
    }

    // With ZEL_KEEP_PRINTS naming a folder, the printed PDF is kept there to be looked at.
    void keep(const QString& name) {
        const QString folder = qEnvironmentVariable("ZEL_KEEP_PRINTS");
        if (folder.isEmpty()) return;
        QFile::remove(folder + QLatin1Char('/') + name);
        QFile::copy(m_pdf, folder + QLatin1Char('/') + name);
    }

    QString printThroughWindow(inmode* w) {
        QFile::remove(m_pdf);
        QTest::mouseClick(findByText<QPushButton>(w, QStringLiteral("印刷")), Qt::LeftButton);
        return pdfText(m_pdf);
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_pdf = m_dir.filePath(QStringLiteral("out.pdf"));
        GridPrinting::setPdfPathProvider([this] { return m_pdf; });
    }

    void init() {
        m_ctx = std::make_unique<FakeContext>();
        makeDataset(3, 2);
        m_ctx->workspace().dataset.setValue(1, 1, 12.5);
        m_ctx->workspace().dataset.setValue(2, 1, 2.5);
        m_ctx->workspace().dataset.setValue(3, 2, 0.125);
    }

    void cleanup() {
        ZelWindow::closeAll();
        QTRY_VERIFY(ZelWindow::openWindows().isEmpty());
        m_ctx.reset();
    }

    void opensWithTheDatasetAndSettings() {
        m_ctx->workspace().printMargins = {5, 6, 7, 8};
        m_ctx->m_widthChars = 11;
        QPointer<inmode> w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("データの印刷"));
        QCOMPARE(w->objectName(), QStringLiteral("inmode"));
        DataGrid* g = w->grid();
        QCOMPARE(g->columnCount(), 2);
        QCOMPARE(g->rowCount(), 3);
        QCOMPARE(g->text(0, 1), QStringLiteral("NO.1"));
        QCOMPARE(g->text(0, 3), QStringLiteral("NO.3"));
        QCOMPARE(g->text(2, 0), QStringLiteral("V2"));
        QCOMPARE(g->columnWidthAt(0), 8.0);
        QCOMPARE(g->columnWidthAt(1), 11.0);
        QCOMPARE(g->columnWidthAt(2), 11.0);
        // Fixed decimals on, two decimals.
        auto* fixed = findByText<QCheckBox>(w, QStringLiteral("小数点固定"));
        QVERIFY(fixed && fixed->isChecked());
        QCOMPARE(spinFor(w, QStringLiteral("表示桁数："))->value(), 2);
        QCOMPARE(g->gridModel()->displayText(1, 1), QStringLiteral("12.50"));
        QCOMPARE(g->gridModel()->displayText(2, 3), QStringLiteral("0.13"));
        QCOMPARE(g->gridModel()->data(g->gridModel()->index(0, 0), Qt::TextAlignmentRole).toInt() &
                     Qt::AlignRight,
                 int(Qt::AlignRight));
        // The margins and the cell width as shared.
        QCOMPARE(spinFor(w, QStringLiteral("上端余白："))->value(), 5);
        QCOMPARE(spinFor(w, QStringLiteral("下端余白："))->value(), 6);
        QCOMPARE(spinFor(w, QStringLiteral("左端余白："))->value(), 7);
        QCOMPARE(spinFor(w, QStringLiteral("右端余白："))->value(), 8);
        QSpinBox* width = spinFor(w, QStringLiteral("セ ル 幅："));
        QCOMPARE(width->value(), 11);
        QCOMPARE(width->minimum(), 2);
        QCOMPARE(width->maximum(), 20);
        QCOMPARE(spinFor(w, QStringLiteral("上端余白："))->maximum(), 100);
        QCOMPARE(spinFor(w, QStringLiteral("表示桁数："))->maximum(), 100);
        // One window only.
        DataPrintCommand::open(*m_ctx);
        QCOMPARE(ZelWindow::openWindows().size(), 1);
        // "ｷｬﾝｾﾙ" closes it.
        QTest::mouseClick(findByText<QPushButton>(w, QStringLiteral("ｷｬﾝｾﾙ")), Qt::LeftButton);
        QTRY_VERIFY(w.isNull() || !w->isVisible());
    }

    void decimalsWidthAndMarginsFollowTheControls() {
        QPointer<inmode> w = openWindow();
        QVERIFY(w);
        DataGrid* g = w->grid();
        QSpinBox* decimals = spinFor(w, QStringLiteral("表示桁数："));
        QLabel* decimalsLabel = findByText<QLabel>(w, QStringLiteral("表示桁数："));
        decimals->setValue(0);
        QCOMPARE(g->gridModel()->displayText(1, 3), QStringLiteral("3")); // 3.25
        QCOMPARE(g->gridModel()->displayText(2, 2), QStringLiteral("3")); // 2.75
        decimals->setValue(3);
        QCOMPARE(g->gridModel()->displayText(2, 3), QStringLiteral("0.125"));

        auto* fixed = findByText<QCheckBox>(w, QStringLiteral("小数点固定"));
        QTest::mouseClick(fixed, Qt::LeftButton, {}, QPoint(6, fixed->height() / 2));
        QVERIFY(!fixed->isChecked());
        QCOMPARE(g->gridModel()->displayText(1, 2), QStringLiteral("2.5"));
        QCOMPARE(g->gridModel()->displayText(1, 1), QStringLiteral("12.5"));
        QCOMPARE(g->gridModel()->cellType(1, 1), DataGrid::CellType::Text);
        QVERIFY(!decimals->isEnabled());
        QVERIFY(!decimalsLabel->isEnabled());
        QTest::mouseClick(fixed, Qt::LeftButton, {}, QPoint(6, fixed->height() / 2));
        QVERIFY(decimals->isEnabled() && decimalsLabel->isEnabled());
        QCOMPARE(g->gridModel()->displayText(1, 2), QStringLiteral("2.500"));

        QSpinBox* width = spinFor(w, QStringLiteral("セ ル 幅："));
        width->setValue(15);
        QCOMPARE(g->columnWidthAt(1), 15.0);
        QCOMPARE(g->columnWidthAt(2), 15.0);
        QCOMPARE(g->columnWidthAt(0), 8.0);

        // The margins are the program's shared margins.
        QSpinBox* top = spinFor(w, QStringLiteral("上端余白："));
        top->setFocus();
        top->selectAll();
        QTest::keyClicks(top, QStringLiteral("25"));
        QCOMPARE(m_ctx->workspace().printMargins.top, std::int16_t(25));
        spinFor(w, QStringLiteral("下端余白："))->setValue(1);
        spinFor(w, QStringLiteral("左端余白："))->setValue(2);
        spinFor(w, QStringLiteral("右端余白："))->setValue(100);
        QCOMPARE(m_ctx->workspace().printMargins.bottom, std::int16_t(1));
        QCOMPARE(m_ctx->workspace().printMargins.left, std::int16_t(2));
        QCOMPARE(m_ctx->workspace().printMargins.right, std::int16_t(100));
    }

    void printsTheDataSheetToPdf() {
        m_ctx->workspace().printMargins = {10, 10, 15, 5};
        QPointer<inmode> w = openWindow();
        QVERIFY(w);
        const QString text = printThroughWindow(w);
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Printed);
        QVERIFY2(text.contains(QStringLiteral("ZEL_DATA")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("file name《") + m_dir.filePath(QStringLiteral("DATA1")) +
                               QStringLiteral("》")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("12.50")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("0.13")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("NO.3")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("V2")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Page _1")), qPrintable(text));
        QCOMPARE(pdfPages(m_pdf), 1);
        // The recipe: job name, abort message, margins in twips (mm x 56.7).
        const DataGrid::PrintSettings& ps = w->grid()->printSettings();
        QCOMPARE(ps.jobName, QStringLiteral("ZEL DATA"));
        QCOMPARE(ps.abortMessage,
                 QStringLiteral("印刷をやめるときは、《ｷｬﾝｾﾙ》ボタンをクリックして下さい。"));
        QCOMPARE(ps.marginTop, 567);
        QCOMPARE(ps.marginLeft, 851); // 15 x 56.7 = 850.5
        QCOMPARE(ps.marginRight, 284);
        QVERIFY(ps.border);
        // The window stays open after printing.
        QVERIFY(w && w->isVisible());

        // Without fixed decimals the general number text prints.
        auto* fixed = findByText<QCheckBox>(w, QStringLiteral("小数点固定"));
        QTest::mouseClick(fixed, Qt::LeftButton, {}, QPoint(6, fixed->height() / 2));
        const QString plain = printThroughWindow(w);
        QVERIFY2(plain.contains(QStringLiteral("2.5")) && !plain.contains(QStringLiteral("2.50")),
                 qPrintable(plain));
        QVERIFY2(plain.contains(QStringLiteral("0.125")), qPrintable(plain));
    }

    void manyRowsAndColumnsGivePagesWithTheirHeadings() {
        makeDataset(150, 24);
        QPointer<inmode> w = openWindow();
        QVERIFY(w);
        printThroughWindow(w);
        keep(QStringLiteral("data_pages.pdf"));
        const int pages = pdfPages(m_pdf);
        QVERIFY2(pages >= 6, qPrintable(QString::number(pages)));
        // Down the rows first: page 2 continues the rows of page 1 with the same
        // columns; the last page ends with the last row and column.
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(m_pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Page _%1").arg(page)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("ZEL_DATA")), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("NO.")), qPrintable(text));
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\bV\\d+\\b"))), qPrintable(text));
        }
        const QString first = pdfText(m_pdf, 1);
        QVERIFY(first.contains(QStringLiteral("NO.1 ")) && first.contains(QStringLiteral("V1 ")));
        QVERIFY(!first.contains(QStringLiteral("NO.150")) && !first.contains(QStringLiteral("V24")));
        const QString second = pdfText(m_pdf, 2);
        QVERIFY2(second.contains(QStringLiteral("V1 ")) && !second.contains(QStringLiteral("NO.1 ")),
                 qPrintable(second));
        const QString last = pdfText(m_pdf, pages);
        QVERIFY2(last.contains(QStringLiteral("NO.150")) && last.contains(QStringLiteral("V24")),
                 qPrintable(last));
        QVERIFY2(last.contains(QStringLiteral("156.00")), qPrintable(last)); // 150 + 24 / 4
    }

    void resultTablePrintsWithUnscaledMargins() {
        DataGrid table;
        table.setColumnCount(3);
        table.setRowCount(2);
        table.setText(1, 0, QStringLiteral("平均値"));
        table.setText(2, 0, QStringLiteral("範囲"));
        table.setText(3, 0, QStringLiteral("判定"));
        table.setText(0, 1, QStringLiteral("群1"));
        table.setText(0, 2, QStringLiteral("群2"));
        table.setBlockMode(true);
        table.setCurrentCol(1);
        table.setCurrentRow(1);
        table.setBlockCol2(2);
        table.setBlockRow2(-1);
        table.setCellType(DataGrid::CellType::Real);
        table.setDecimalPlaces(3);
        table.setBlockMode(false);
        table.setText(1, 1, QStringLiteral("10.5"));
        table.setText(2, 1, QStringLiteral("1.25"));
        table.setText(3, 1, QStringLiteral("管理外れ"));
        table.setText(1, 2, QStringLiteral("-0.0004"));
        QFile::remove(m_pdf);
        GridPrinting::printWithRecipe(table, QStringLiteral("/data/工程A"),
                                      zel::PrintMargins{720, 0, 1440, 0}, 1.0);
        QCOMPARE(table.printSettings().marginTop, 720);
        QCOMPARE(table.printSettings().marginLeft, 1440);
        keep(QStringLiteral("result_table.pdf"));
        const QString text = pdfText(m_pdf);
        QVERIFY2(text.contains(QStringLiteral("file name《/data/工程A》")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("10.500")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("1.250")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("-0.000")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("管理外れ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("平均値")) && text.contains(QStringLiteral("群2")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Page _1")), qPrintable(text));
        QCOMPARE(pdfPages(m_pdf), 1);
        // The table starts an inch (72 pt) further from the left edge than without
        // margins, and half an inch further down.
        const QPointF withMargins = wordPosition(m_pdf, QStringLiteral("群1"));
        GridPrinting::printWithRecipe(table, QStringLiteral("/data/工程A"), zel::PrintMargins{}, 1.0);
        const QPointF without = wordPosition(m_pdf, QStringLiteral("群1"));
        QVERIFY2(without.x() > 0 && without.y() > 0, "heading not found");
        QVERIFY2(qAbs(withMargins.x() - without.x() - 72) < 1.5,
                 qPrintable(QString::number(withMargins.x())));
        QVERIFY2(qAbs(withMargins.y() - without.y() - 36) < 1.5,
                 qPrintable(QString::number(withMargins.y())));

        // A folder named like a markup code prints as it is named.
        GridPrinting::printWithRecipe(table, QStringLiteral("/home/a/Plan/new/c/工程B"), zel::PrintMargins{},
                                      1.0);
        const QString path = pdfText(m_pdf);
        QVERIFY2(path.contains(QStringLiteral("file name《/home/a/Plan/new/c/工程B》")), qPrintable(path));
        QVERIFY2(path.contains(QStringLiteral("Page _1")), qPrintable(path));
    }

    void abortDialogStopsBetweenPages() {
        makeDataset(600, 30);
        QPointer<inmode> w = openWindow();
        QVERIFY(w);
        QString shownMessage;
        QString shownCaption;
        bool cancelled = false;
        QTimer watcher;
        watcher.setInterval(0);
        connect(&watcher, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QStringLiteral("printAbort")) return;
            auto* progress = modal->findChild<QLabel*>(QStringLiteral("progress"));
            if (!progress || !progress->text().startsWith(QStringLiteral("3 /"))) return;
            shownMessage = modal->findChild<QLabel*>(QStringLiteral("message"))->text();
            auto* cancel = findByText<QPushButton>(modal, QStringLiteral("ｷｬﾝｾﾙ"));
            shownCaption = modal->windowTitle();
            QTest::mouseClick(cancel, Qt::LeftButton);
            cancelled = true;
            watcher.stop();
        });
        watcher.start();
        QFile::remove(m_pdf);
        QTest::mouseClick(findByText<QPushButton>(w, QStringLiteral("印刷")), Qt::LeftButton);
        watcher.stop();
        QVERIFY(cancelled);
        QCOMPARE(shownMessage, QStringLiteral("印刷をやめるときは、《ｷｬﾝｾﾙ》ボタンをクリックして下さい。"));
        QCOMPARE(shownCaption, QStringLiteral("ZEL DATA"));
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Cancelled);
        QVERIFY(!QFile::exists(m_pdf));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // Nothing stops the next print.
        printThroughWindow(w);
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Printed);
        QVERIFY(pdfPages(m_pdf) > 3);
    }

    void emptyFileNameCancelsAndUnwritablePathFails() {
        QPointer<inmode> w = openWindow();
        QVERIFY(w);
        GridPrinting::setPdfPathProvider([] { return QString(); });
        QFile::remove(m_pdf);
        QTest::mouseClick(findByText<QPushButton>(w, QStringLiteral("印刷")), Qt::LeftButton);
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Cancelled);
        QVERIFY(!QFile::exists(m_pdf));

        const QString bad = m_dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
        GridPrinting::setPdfPathProvider([bad] { return bad; });
        const uitest::SeenBox box = uitest::answerBox(
            [&] { QTest::mouseClick(findByText<QPushButton>(w, QStringLiteral("印刷")), Qt::LeftButton); });
        GridPrinting::setPdfPathProvider([this] { return m_pdf; });
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Failed);
        const QString boxText = box.text;
        QVERIFY2(boxText.startsWith(QStringLiteral("印刷できませんでした。")), qPrintable(boxText));
        QVERIFY(boxText.contains(bad));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
