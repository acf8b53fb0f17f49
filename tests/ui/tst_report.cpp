// The headless report command, run from its command line as a user types it:
// each analysis's files, the CSV's headings and full-precision numbers, the
// control lines in summary.txt, the limits file it leaves beside the dataset,
// the refusals that write nothing, saved and entered limits.
#include "analysis/control/LimitsFile.h"
#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "common/NumberText.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ReportSupport.h"

#include <sstream>

#include "ChartPictureSupport.h"

using namespace uitest;

class TestReport : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;

    // Three subgroups of two: means 2, 4, 4 and ranges 2, 4, 0.
    QString xbarRDataset() {
        return m_folder.writeDataset(QStringLiteral("shaft"), {"外径1", "外径2"}, {{1, 3}, {2, 6}, {4, 4}});
    }

    QStringList entries(const QString& dir) {
        return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                   QDir::Name);
    }

  private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void xbarRWritesTableChartsLinesAndTheLimitsFile() {
        const QString dataset = xbarRDataset();
        const QString out = m_folder.path(QStringLiteral("out-xr"));
        const ReportRun run =
            runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, std::string());
        QCOMPARE(entries(out),
                 (QStringList{"XR1.csv", "XR1.txt", "summary.txt", "xrkanri-Graph1.pdf", "xrkanri-Graph1.png",
                              "xrkanri-Graph1.svg", "xrkanri-Graph2.pdf", "xrkanri-Graph2.png",
                              "xrkanri-Graph2.svg", "xrkanri-rules.csv"}));

        // The table with its headings and numbers at full precision.
        const QStringList csv = csvLines(out + QStringLiteral("/XR1.csv"));
        QCOMPARE(csv.size(), 1 + 3 + 4);
        QCOMPARE(csv[0], QStringLiteral(",ﾃﾞｰﾀNO.1,ﾃﾞｰﾀNO.2,標本平均,標本範囲"));
        QCOMPARE(csv[1], QStringLiteral("a,1,3,2,2"));
        QCOMPARE(csv[3], QStringLiteral("c,4,4,4,0"));
        QCOMPARE(csv[4], QStringLiteral("計,,,10,6"));
        QCOMPARE(csv[5], QStringLiteral("平均,,,3.33333333333333,2"));
        QCOMPARE(csv[6], QStringLiteral("UCL,,,7.09333333333333,6.534"));
        QCOMPARE(csv[7].left(6), QStringLiteral("LCL,,,"));
        QVERIFY(csv[7].endsWith(QStringLiteral(",0")));

        // The table as the window shows it, with two decimals.
        const QStringList shown = shownLines(out + QStringLiteral("/XR1.txt"));
        QCOMPARE(shown[5], QStringLiteral("平均\t\t\t3.33\t2.00"));

        const QString lcl = QString::fromStdString(zel::generalNumberText(10.0 / 3 - 1.88 * 2));
        QCOMPARE(summaryIn(out),
                 QStringLiteral("Graph1 CL 3.33333333333333\nGraph1 UCL 7.09333333333333\nGraph1 LCL ") +
                     lcl + QStringLiteral("\nGraph2 CL 2\nGraph2 UCL 6.534\nGraph2 LCL 0\n"));

        // The charts: pictures of the set size, titled as the chart window titles them.
        const QImage png(out + QStringLiteral("/xrkanri-Graph1.png"));
        QCOMPARE(png.size(), QSize(960, 600));
        int drawn = 0;
        for (int y = 0; y < png.height(); y += 3)
            for (int x = 0; x < png.width(); x += 3)
                if (png.pixel(x, y) != png.pixel(0, 0)) ++drawn;
        QVERIFY2(drawn > 500, qPrintable(QString::number(drawn)));
        QVERIFY(readAll(out + QStringLiteral("/xrkanri-Graph1.svg")).contains("平均値　Ｘbar"));
        QVERIFY(readAll(out + QStringLiteral("/xrkanri-Graph2.svg")).contains("範囲　Ｒ"));
        QVERIFY(readAll(out + QStringLiteral("/xrkanri-Graph2.pdf")).startsWith("%PDF"));

        // The limits file beside the dataset, as XR1 writes it.
        const QByteArray qck = readAll(m_folder.path(QStringLiteral("shaft.QCK")));
        QVERIFY(qck.startsWith(m_folder.path(QStringLiteral("shaft")).toUtf8() + "\r\n"));
        QCOMPARE(qck.count("\r\n"), 7);
        const auto lines = zel::readLimitsFile(m_folder.path(QStringLiteral("shaft.QCK")).toStdString());
        QVERIFY(lines.isOk());
        QCOMPARE(lines.value()[0][0], 10.0 / 3);
        QCOMPARE(lines.value()[1][1], 3.267 * 2);
    }

    void xRsTakesAVariableByNameNumberOrXbar() {
        const QString dataset =
            m_folder.writeDataset(QStringLiteral("xrs"), {"温度", "時間"}, {{5, 1}, {7, 3}, {4, 2}, {4, 6}});
        const QString out = m_folder.path(QStringLiteral("out-xrs"));
        ReportRun run = runReport({QStringLiteral("--report=x-rs"), QStringLiteral("--var=温度"),
                                   QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QStringList csv = csvLines(out + QStringLiteral("/XRS1.csv"));
        QCOMPARE(csv[0], QStringLiteral(",測定値Ｘ,移動範囲　Ｒs"));
        QCOMPARE(csv[1], QStringLiteral("a,5,0"));
        QCOMPARE(csv[2], QStringLiteral("b,7,2"));
        QCOMPARE(csv[3], QStringLiteral("c,4,3"));
        QCOMPARE(csv[4], QStringLiteral("d,4,0"));
        QCOMPARE(csv[5], QStringLiteral("計,20,5"));
        // The moving ranges are averaged over m - 1 = 3 values.
        QCOMPARE(csv[6], QStringLiteral("平均,5,1.66666666666667"));
        QVERIFY(QFile::exists(out + QStringLiteral("/xrskanri-Graph2.svg")));
        const QString summary = summaryIn(out);
        QVERIFY(summary.contains(QStringLiteral("Graph2 LCL 0\n")));
        QVERIFY(summary.startsWith(QStringLiteral("Graph1 CL 5\n")));

        // By number and by "Xbar" (the mean of every variable of a sample).
        run = runReport({QStringLiteral("--report=X-Rs 管理図"), QStringLiteral("--var=2"),
                         QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(csvLines(out + QStringLiteral("/XRS1.csv"))[1], QStringLiteral("a,1,0"));
        run = runReport({QStringLiteral("--report=x-rs"), QStringLiteral("--var=Xbar"),
                         QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(csvLines(out + QStringLiteral("/XRS1.csv"))[1], QStringLiteral("a,3,0"));

        // A variable that is not there.
        run = runReport({QStringLiteral("--report=x-rs"), QStringLiteral("--var=3"),
                         QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(QString::fromStdString(run.err).contains(QStringLiteral("変数が見つかりません")));
    }

    void pPnAndItsLotChecks() {
        const QString dataset = m_folder.writeDataset(QStringLiteral("lots"), {"検査数", "不良数"},
                                                      {{100, 4}, {80, 2}, {120, 6}, {100, 0}});
        const QString out = m_folder.path(QStringLiteral("out-p"));
        ReportRun run =
            runReport({QStringLiteral("--report=p-pn"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        const QStringList csv = csvLines(out + QStringLiteral("/p1.csv"));
        QCOMPARE(csv[0], QStringLiteral(",ﾃﾞｰﾀNO.1,ﾃﾞｰﾀNO.2,不良率,P-UCL,P-LCL,Pn-UCL,Pn-LCL"));
        QVERIFY(csv[1].startsWith(QStringLiteral("a,100,4,0.04,")));
        QVERIFY(csv[5].startsWith(QStringLiteral("合計,400,12,0.03,")));
        QVERIFY(csv[6].startsWith(QStringLiteral("平均,100,3,0.03,")));
        QVERIFY(summaryIn(out).startsWith(QStringLiteral("Graph1 CL 0.03\n")));
        QVERIFY(QFile::exists(out + QStringLiteral("/pkanri-Graph1.png")));
        QVERIFY(QFile::exists(out + QStringLiteral("/pkanri-Graph2.pdf")));
        QVERIFY(QFile::exists(m_folder.path(QStringLiteral("lots.QCK"))));

        // The dialog's checks: the same variable twice, a lot with more defectives than its size.
        const QString again = m_folder.path(QStringLiteral("out-p2"));
        run = runReport({QStringLiteral("--report=p-pn"), QStringLiteral("--var=1"),
                         QStringLiteral("--var=検査数"), QStringLiteral("--output=") + again, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("独立変数と従属変数が同じです｡\n"));
        run = runReport({QStringLiteral("--report=p-pn"), QStringLiteral("--var=2"),
                         QStringLiteral("--var=1"), QStringLiteral("--output=") + again, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err,
                 std::string(
                     "不良個数がサンプルサイズより大きい、またはサンプルサイズがゼロのデータがあります。\n"));
        QVERIFY(!QFile::exists(again));
    }

    void defectsDrawOneChartAndWriteNoTable() {
        const QString dataset =
            m_folder.writeDataset(QStringLiteral("counts"), {"欠点"}, {{4}, {9}, {2}, {1}});
        const QString out = m_folder.path(QStringLiteral("out-k"));
        ReportRun run =
            runReport({QStringLiteral("--report=defects"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out), (QStringList{"kanri1-Graph1.pdf", "kanri1-Graph1.png", "kanri1-Graph1.svg",
                                            "kanri1-rules.csv", "summary.txt"}));
        // c-bar = 4: UCL 4 + 3 * 2 = 10, LCL below zero gives 0.
        QCOMPARE(summaryIn(out), QStringLiteral("Graph1 CL 4\nGraph1 UCL 10\nGraph1 LCL 0\n"));
        QVERIFY(readAll(out + QStringLiteral("/kanri1-Graph1.svg")).contains("欠点数データ"));
        QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("counts.QCK"))));

        // Entered limits: the summary lists the lines drawn (midpoint, upper, lower), not c-bar's.
        run = runReport({QStringLiteral("--report=defects"), QStringLiteral("--set=upper=7"),
                         QStringLiteral("--set=lower=2"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(summaryIn(out), QStringLiteral("Graph1 CL 4.5\nGraph1 UCL 7\nGraph1 LCL 2\n"));
        // Accepted when equal, refused upside down with the chart's message.
        run = runReport({QStringLiteral("--report=defects"), QStringLiteral("--set=upper=6"),
                         QStringLiteral("--set=lower=6"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        const QString refused = m_folder.path(QStringLiteral("out-k2"));
        run = runReport({QStringLiteral("--report=defects"), QStringLiteral("--set=kind=規格の入力"),
                         QStringLiteral("--set=upper=1"), QStringLiteral("--set=lower=5"),
                         QStringLiteral("--output=") + refused, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("UCLとLCLのデータを確認してください。\n"));
        QVERIFY(!QFile::exists(refused));
        // Entered limits belong to the defect-count chart only; saved limits do not.
        run = runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--set=upper=1"),
                         QStringLiteral("--set=lower=0"), QStringLiteral("--output=") + refused,
                         xbarRDataset()});
        QCOMPARE(run.exitCode, 2);
        run = runReport({QStringLiteral("--report=defects"),
                         QStringLiteral("--set=limits=") + m_folder.path("shaft.QCK"),
                         QStringLiteral("--output=") + refused, dataset});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(refused));
    }

    void shownDecimalsRoundTheValueAsItReads() {
        // 1.015 and 1.025 lie just below their halves in binary; they show as read.
        const QString dataset = m_folder.writeDataset(QStringLiteral("round"), {"a", "b"},
                                                      {{1.015, 1.025}, {1.0, 1.02}, {1.0, 1.0}});
        const QString out = m_folder.path(QStringLiteral("out-round"));
        const ReportRun run =
            runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        const QStringList shown = shownLines(out + QStringLiteral("/XR1.txt"));
        QCOMPARE(shown[1], QStringLiteral("a\t1.02\t1.03\t1.02\t0.01"));
    }

    void resultsBeyondTheNumbersAreRefusedAndNothingIsWritten() {
        const std::string outOfRange =
            std::string("計算結果が数値の範囲を超えたため、解析できません。データの値を確認してください。\n");
        struct Case {
            const char* id;
            std::vector<std::vector<double>> rows;
        };
        const Case cases[] = {
            {"xbar-r", {{1e308, 1.5e308}, {-1e308, 1e308}}},
            {"x-rs", {{1e308, 0}, {-1e308, 0}}},
            {"p-pn", {{1e308, 1}, {1e308, 2}}},
            {"defects", {{1e308, 0}, {1e308, 0}}},
        };
        for (const Case& c : cases) {
            const QString name = QStringLiteral("huge-") + QLatin1String(c.id);
            const QString dataset = m_folder.writeDataset(name, {"x", "y"}, c.rows);
            const QString out = m_folder.path(QStringLiteral("out-") + name);
            const ReportRun run = runReport({QStringLiteral("--report=") + QLatin1String(c.id),
                                             QStringLiteral("--output=") + out, dataset});
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.err, outOfRange);
            QVERIFY(!QFile::exists(out));
            QVERIFY(!QFile::exists(m_folder.path(name + QStringLiteral(".QCK"))));
        }
    }

    void loadedLinesThatOverflowTheChartAreRefused() {
        // The pn chart's centre line: a loaded p-bar of 1E+300 times lots of 1E+10.
        const QString dataset =
            m_folder.writeDataset(QStringLiteral("bigLots"), {"n", "d"}, {{1e10, 1}, {1e10, 2}});
        const QString saved = m_folder.path(QStringLiteral("hugeLines.QCK"));
        QVERIFY(
            zel::writeLimitsFile(saved.toStdString(), "/old", {{{{1e300, 2e300, 0}}, {{1, 2, 0}}}}).isOk());
        const QString out = m_folder.path(QStringLiteral("out-bigLots"));
        const ReportRun run =
            runReport({QStringLiteral("--report=p-pn"), QStringLiteral("--set=limits=") + saved,
                       QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err,
                 std::string(
                     "計算結果が数値の範囲を超えたため、解析できません。データの値を確認してください。\n"));
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("bigLots.QCK"))));
    }

    void xRsWithoutVariablesIsRefused() {
        const QString dataset = m_folder.writeDataset(QStringLiteral("novars"), {}, {{}, {}, {}});
        const QString out = m_folder.path(QStringLiteral("out-novars"));
        const ReportRun run =
            runReport({QStringLiteral("--report=x-rs"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("X-Rs 管理図を作成するには１つ以上の変数が必要です。\n"));
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("novars.QCK"))));
    }

    // --format adds one document of the same run beside the other files: the
    // analysis's name, the dataset, the table as XR1.txt shows it under its window's
    // caption, both charts.
    void formatWritesOneDocumentBesideTheFiles() {
        const QString dataset = xbarRDataset();
        const QString pdfOut = m_folder.path(QStringLiteral("out-doc-pdf"));
        ReportRun run = runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--format=pdf"),
                                   QStringLiteral("--output=") + pdfOut, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(pdfOut).size(), 11);
        QVERIFY(entries(pdfOut).contains(QStringLiteral("report.pdf")));
        QVERIFY(!entries(pdfOut).contains(QStringLiteral("report.html")));
        const QString pdf = pdfOut + QStringLiteral("/report.pdf");
        QCOMPARE(uitest::pdfPageCount(pdf), 2);
        const QString text = uitest::pdfText(pdf);
        for (const QString& s : {QStringLiteral("Xbar-R 管理図"), QStringLiteral("shaft"), dataset,
                                 QStringLiteral("すべての変数"), QStringLiteral("Xbar-R管理図"),
                                 QStringLiteral("平均値"), QStringLiteral("範囲")})
            QVERIFY2(text.contains(s), qPrintable(s));
        // Every shown number of the table is in the document.
        const QStringList shown =
            QString::fromUtf8(readAll(pdfOut + QStringLiteral("/XR1.txt")))
                .split(QRegularExpression(QStringLiteral("[\\t\\n]")), Qt::SkipEmptyParts);
        for (const QString& cell : shown)
            QVERIFY2(text.contains(cell), qPrintable(cell));

        const QString htmlOut = m_folder.path(QStringLiteral("out-doc-html"));
        run = runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--format=html"),
                         QStringLiteral("--output=") + htmlOut, dataset});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!entries(htmlOut).contains(QStringLiteral("report.pdf")));
        const QString html = QString::fromUtf8(readAll(htmlOut + QStringLiteral("/report.html")));
        QCOMPARE(html.count(QStringLiteral("<svg")), 2);
        QCOMPARE(html.count(QStringLiteral("<table>")), 1);
        QVERIFY(html.contains(QStringLiteral("<h1>Xbar-R 管理図</h1>")));
        // The table is headed by its window's caption, not the window's name.
        QVERIFY(html.contains(QStringLiteral("<h2>Xbar-R管理図</h2>")));
        QVERIFY(!html.contains(QStringLiteral("XR1")));
        QVERIFY(html.contains(QStringLiteral("<dt>データセット</dt><dd>shaft</dd>")));
        for (const QString& cell : shown)
            QVERIFY2(html.contains(QLatin1Char('>') + cell + QLatin1Char('<')), qPrintable(cell));

        // A refused run writes no document either.
        const QString refused = m_folder.path(QStringLiteral("out-doc-refused"));
        run = runReport({QStringLiteral("--report=x-rs"), QStringLiteral("--var=なし"),
                         QStringLiteral("--format=pdf"), QStringLiteral("--output=") + refused, dataset});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(refused));
    }

    // The mean chart's labels (about 12345.6) are wider than the range chart's (below 2):
    // the two pictures, and the two PDF pages, still have one plot-area left and right
    // edge, and name the data's mean and sigma lines.
    // In the one-file report each table is headed by the caption of the window
    // that shows it; the window's own name (XR1, kaibun ...) is the files' name only.
    void documentTablesAreHeadedByTheirWindowCaptions_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("lots");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("xbar-r") << QStringList{"--report=xbar-r"} << false << QStringList{"Xbar-R管理図"};
        QTest::newRow("x-rs") << QStringList{"--report=x-rs", "--var=1"} << false
                              << QStringList{"X-Rs管理図"};
        QTest::newRow("p-pn") << QStringList{"--report=p-pn"} << true << QStringList{"P-Pn 管理図"};
        QTest::newRow("histogram") << QStringList{"--report=histogram", "--var=1"} << false
                                   << QStringList{"度数分布表"};
        QTest::newRow("variable-stats")
            << QStringList{"--report=variable-stats"} << false << QStringList{"変数別統計量"};
        QTest::newRow("stratified-stats") << QStringList{"--report=stratified-stats", "--var=1", "--var=2"}
                                          << false << QStringList{"層別統計量"};
        QTest::newRow("pareto") << QStringList{"--report=pareto"} << false << QStringList{"パレート図"};
        QTest::newRow("scatter") << QStringList{"--report=scatter", "--var=1", "--var=2"} << false
                                 << QStringList{"回帰分析－分散分析表", "回帰直線"};
    }
    void documentTablesAreHeadedByTheirWindowCaptions() {
        QFETCH(QStringList, options);
        QFETCH(bool, lots);
        QFETCH(QStringList, headings);
        const QString dataset = lots
                                    ? QStringLiteral(ZEL_TEST_DATA_DIR "/report-golden/lots.QCS")
                                    : m_folder.writeDataset(QStringLiteral("captions"), {"外径", "内径"},
                                                            {{1, 3}, {2, 6}, {4, 4}, {1, 5}, {2, 2}, {4, 7}});
        QString out;
        const ReportRun run =
            m_folder.run(QStringLiteral("captions-") + QString::fromLatin1(QTest::currentDataTag()),
                         options << QStringLiteral("--format=html"), dataset, &out);
        QCOMPARE(run.exitCode, 0);
        const QString html = QString::fromUtf8(readAll(out + QStringLiteral("/report.html")));
        const QRegularExpression heading(QStringLiteral("<h2>([^<]*)</h2>\\n<table>"));
        QStringList found;
        for (const QRegularExpressionMatch& m : heading.globalMatch(html))
            found << m.captured(1);
        QCOMPARE(found, headings);
    }

    void twoChartsShareThePlotEdgesInEveryFile() {
        const QString dataset =
            m_folder.writeDataset(QStringLiteral("aligned"), {"外径1", "外径2"},
                                  {{12345.61, 12345.02}, {12346.3, 12345.9}, {12344.8, 12345.5}});
        const QString out = m_folder.path(QStringLiteral("out-edges"));
        const ReportRun run =
            runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        const QString base = out + QStringLiteral("/xrkanri-Graph");
        const uitest::PlotEdges png1 = uitest::plotEdges(QImage(base + QStringLiteral("1.png")));
        const uitest::PlotEdges png2 = uitest::plotEdges(QImage(base + QStringLiteral("2.png")));
        QVERIFY(png1.left > 0);
        QCOMPARE(png1.left, png2.left);
        QCOMPARE(png1.right, png2.right);
        const uitest::PlotEdges pdf1 =
            uitest::plotEdges(uitest::pdfPage(base + QStringLiteral("1.pdf"), 1, 96));
        const uitest::PlotEdges pdf2 =
            uitest::plotEdges(uitest::pdfPage(base + QStringLiteral("2.pdf"), 1, 96));
        QVERIFY(pdf1.left > 0);
        QCOMPARE(pdf1.left, pdf2.left);
        QCOMPARE(pdf1.right, pdf2.right);
        const QString svg = QString::fromUtf8(readAll(base + QStringLiteral("1.svg")));
        QVERIFY(svg.contains(QStringLiteral(">平均<")));
        QVERIFY(svg.contains(QStringLiteral(">+σ<")));
        QVERIFY(svg.contains(QStringLiteral(">\u2212σ<")));
    }

    // The four control-chart reports write the tables, the summary and the limits
    // file exactly as recorded (tests/data/report-golden): a reshaping of the report
    // command must not change a byte of them. Pictures are not compared.
    void reportsWriteTheRecordedFiles_data() {
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("dataset");
        QTest::addColumn<QStringList>("options");
        const QString examples = QStringLiteral(ZEL_EXAMPLES_DIR "/");
        const QString golden = QStringLiteral(ZEL_TEST_DATA_DIR "/report-golden/");
        const QString shaft = examples + QStringLiteral("shaft_diameter");
        const QString hardening = examples + QStringLiteral("hardening_masked");
        const QString lots = golden + QStringLiteral("lots");
        QTest::newRow("xbar-r") << "xbar-r_shaft" << shaft << QStringList{"--report=xbar-r"};
        QTest::newRow("xbar-r decimals")
            << "xbar-r_hardening_decimals" << hardening << QStringList{"--report=xbar-r", "--set=decimals=3"};
        QTest::newRow("xbar-r saved limits")
            << "xbar-r_hardening_saved" << hardening << QStringList{"--report=xbar-r", "--set=limits=SAVED"};
        QTest::newRow("x-rs") << "x-rs_shaft" << shaft << QStringList{"--report=x-rs", "--var=2"};
        QTest::newRow("x-rs of the means")
            << "x-rs_shaft_mean" << shaft << QStringList{"--report=x-rs", "--var=Xbar"};
        QTest::newRow("p-pn") << "p-pn_lots" << lots << QStringList{"--report=p-pn", "--var=1", "--var=2"};
        QTest::newRow("defects") << "defects_lots" << lots << QStringList{"--report=defects", "--var=3"};
        QTest::newRow("defects entered")
            << "defects_lots_entered" << lots
            << QStringList{"--report=defects", "--var=3", "--set=upper=9", "--set=lower=1"};
    }
    void reportsWriteTheRecordedFiles() {
        QFETCH(QString, recorded);
        QFETCH(QString, dataset);
        QFETCH(QStringList, options);
        const QString golden = QStringLiteral(ZEL_TEST_DATA_DIR "/report-golden/") + recorded;
        const QString dir = m_folder.path(QStringLiteral("golden-") + recorded);
        QVERIFY(QDir().mkpath(dir));
        const QString base = dir + QStringLiteral("/") + QFileInfo(dataset).fileName();
        for (const char* ext : {".QCN", ".QCS"})
            QVERIFY(QFile::copy(dataset + QLatin1String(ext), base + QLatin1String(ext)));
        // Saved limits: the recorded limits file of the shaft data, under any path.
        const QString saved = dir + QStringLiteral("/saved.QCK");
        const QByteArray savedLines =
            readAll(QStringLiteral(ZEL_TEST_DATA_DIR "/report-golden/xbar-r_shaft/limits.QCK"));
        QFile savedFile(saved);
        QVERIFY(savedFile.open(QIODevice::WriteOnly));
        savedFile.write(QByteArray("/old/shaft_diameter\r\n") + savedLines);
        savedFile.close();
        for (QString& o : options)
            o.replace(QStringLiteral("SAVED"), saved);

        const QString out = dir + QStringLiteral("/out");
        const ReportRun run = runReport(
            options + QStringList{QStringLiteral("--output=") + out, base + QStringLiteral(".QCS")});
        QCOMPARE(run.exitCode, 0);
        QStringList written;
        for (const QString& f : entries(out))
            if (!f.endsWith(QLatin1String(".png")) && !f.endsWith(QLatin1String(".svg")) &&
                !f.endsWith(QLatin1String(".pdf")))
                written << f;
        QStringList expected = entries(golden);
        expected.removeAll(QStringLiteral("limits.QCK"));
        QCOMPARE(written, expected);
        for (const QString& f : expected)
            QVERIFY2(readAll(out + QStringLiteral("/") + f) == readAll(golden + QStringLiteral("/") + f),
                     qPrintable(f));
        // The limits file: the dataset's base path, then the recorded lines.
        const QString limits = base + QStringLiteral(".QCK");
        if (QFile::exists(golden + QStringLiteral("/limits.QCK"))) {
            const QByteArray bytes = readAll(limits);
            const qsizetype eol = bytes.indexOf("\r\n");
            QVERIFY(eol > 0);
            QCOMPARE(QString::fromUtf8(bytes.left(eol)),
                     dir + QStringLiteral("/") + QFileInfo(dataset).fileName());
            QCOMPARE(bytes.mid(eol + 2), readAll(golden + QStringLiteral("/limits.QCK")));
        } else {
            QVERIFY(!QFile::exists(limits));
        }
    }

    void launchRefusalsWriteNothing() {
        std::vector<std::vector<double>> rows(3, std::vector<double>(11, 1.0));
        const QString wide = m_folder.writeDataset(
            QStringLiteral("wide"), {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, rows);
        const QString out = m_folder.path(QStringLiteral("out-refused"));
        ReportRun run =
            runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--output=") + out, wide});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("標本の大きさは２から１０に設定して下さい。\n"));
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("wide.QCK"))));

        // The sample count comes first, whatever the analysis.
        const QString masked =
            m_folder.writeDataset(QStringLiteral("masked"), {"x", "y"}, {{1, 2}, {3, 4}, {5, 6}}, {1, 3});
        for (const char* id : {"xbar-r", "x-rs", "p-pn", "defects"}) {
            run = runReport(
                {QStringLiteral("--report=") + QLatin1String(id), QStringLiteral("--output=") + out, masked});
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.err, std::string("解析を行うには、データを２つ以上選択してください。\n"));
        }
        QVERIFY(!QFile::exists(out));

        // A dataset that cannot be read, and a bad setting.
        run = runReport(
            {QStringLiteral("--report=x-rs"), QStringLiteral("--output=") + out, m_folder.path("none.QCS")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.empty());
        run = runReport({QStringLiteral("--report=x-rs"), QStringLiteral("--set=kind=円"),
                         QStringLiteral("--output=") + out, masked});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(out));
    }

    void savedLimitsReplaceTheChartLinesButNotTheTable() {
        const QString dataset = xbarRDataset();
        const QString saved = m_folder.path(QStringLiteral("earlier.QCK"));
        zel::ControlLines earlier{{{{50, 60, 40}}, {{5, 9, 1}}}};
        QVERIFY(zel::writeLimitsFile(saved.toStdString(), "/old/data", earlier).isOk());

        const QString out = m_folder.path(QStringLiteral("out-saved"));
        QDir().mkpath(out);
        QFile keep(out + QStringLiteral("/notes.txt"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("mine");
        keep.close();
        ReportRun run =
            runReport({QStringLiteral("--report=xbar-r"), QStringLiteral("--set=limits=") + saved,
                       QStringLiteral("--set=decimals=0"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(summaryIn(out),
                 QStringLiteral(
                     "Graph1 CL 50\nGraph1 UCL 60\nGraph1 LCL 40\nGraph2 CL 5\nGraph2 UCL 9\nGraph2 LCL 1\n"
                     // The run rules judge the points against the loaded lines: means 2, 4, 4
                     // lie below 40, the range 0 below 1.
                     "rule Graph1-1 1\nrule Graph1-2 1\nrule Graph1-3 1\nrule Graph2-3 1\n"));
        // The table and the dataset's own limits file keep this data's lines.
        QCOMPARE(csvLines(out + QStringLiteral("/XR1.csv"))[5], QStringLiteral("平均,,,3.33333333333333,2"));
        QCOMPARE(shownLines(out + QStringLiteral("/XR1.txt"))[5], QStringLiteral("平均\t\t\t3\t2"));
        QCOMPARE(zel::readLimitsFile(m_folder.path(QStringLiteral("shaft.QCK")).toStdString()).value()[0][0],
                 10.0 / 3);
        // Files already in the folder stay; nothing of the staging is left behind.
        QCOMPARE(readAll(out + QStringLiteral("/notes.txt")), QByteArray("mine"));
        QCOMPARE(entries(out).size(), 11); // ten files of the report, and notes.txt

        // A limits file that cannot be read: its message, and nothing written.
        const QString other = m_folder.path(QStringLiteral("out-saved2"));
        QFile::remove(m_folder.path(QStringLiteral("shaft.QCK")));
        run = runReport({QStringLiteral("--report=xbar-r"),
                         QStringLiteral("--set=limits=") + m_folder.path("missing.QCK"),
                         QStringLiteral("--output=") + other, dataset});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(QString::fromStdString(run.err).contains(QStringLiteral("missing.QCK")));
        QVERIFY(!QFile::exists(other));
        QVERIFY(!QFile::exists(m_folder.path(QStringLiteral("shaft.QCK"))));
        QFile bad(m_folder.path(QStringLiteral("short.QCK")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("/x\r\n 1 \r\n 2 \r\n");
        bad.close();
        run = runReport({QStringLiteral("--report=xbar-r"),
                         QStringLiteral("--set=limits=") + m_folder.path("short.QCK"),
                         QStringLiteral("--output=") + other, dataset});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(other));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
