// The report command of the statistics by variable and by stratum, run from
// its command line as a user types it: the table with its headings and full
// precision, the table as shown, the chart of each kind, the summary, and the
// stratification refusals that write nothing.
#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "common/NumberText.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ReportSupport.h"

#include <cmath>
#include <sstream>

using namespace uitest;

class TestStatisticsReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;

    QString strataDataset() {
        return m_folder.writeDataset(QStringLiteral("strata"), {"因子", "値"},
                                     {{1, 10}, {2, 1}, {1, 20}, {2.5, 2}, {1.5, 3}});
    }

  private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void variableStatsWritesTheTableTheFigureChartAndTheSummary() {
        const QString dataset = m_folder.writeDataset(QStringLiteral("sizes"), {"長さ", "幅"},
                                                      {{2, 1}, {100, 100}, {4, 2}, {6, 4}}, {2});
        const QString out = m_folder.path(QStringLiteral("out-vs"));
        const ReportRun run = runReport(
            {QStringLiteral("--report=variable-stats"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out), (QStringList{"hakoh.csv", "hakoh.txt", "hakohg-Graph1.pdf",
                                            "hakohg-Graph1.png", "hakohg-Graph1.svg", "summary.txt"}));

        const QStringList csv = csvLines(out + QStringLiteral("/hakoh.csv"));
        QCOMPARE(csv.size(), 3);
        QCOMPARE(csv[0],
                 QStringLiteral("変数no.,変数名,データ数,ＭＡＸ,ＭＩＮ,平均値,分　散,標準偏差,合　計"));
        QCOMPARE(csv[1], QStringLiteral("NO.1,長さ,3,6,2,4,4,2,12"));
        QCOMPARE(csv[2], QStringLiteral("NO.2,幅,3,4,1,") +
                             QString::fromStdString(zel::generalNumberText(7.0 / 3)) + QStringLiteral(",") +
                             QString::fromStdString(zel::generalNumberText(7.0 / 3)) + QStringLiteral(",") +
                             QString::fromStdString(zel::generalNumberText(std::sqrt(7.0 / 3))) +
                             QStringLiteral(",7"));

        // As the window shows it: whole counts, four places for the figures.
        const QStringList shown = shownLines(out + QStringLiteral("/hakoh.txt"));
        QCOMPARE(
            shown[0],
            QStringLiteral("変数no.\t変数名\tデータ数\tＭＡＸ\tＭＩＮ\t平均値\t分　散\t標準偏差\t合　計"));
        QCOMPARE(shown[1], QStringLiteral("NO.1\t長さ\t3\t6.0000\t2.0000\t4.0000\t4.0000\t2.0000\t12.0000"));

        const QString summary = summaryIn(out);
        QVERIFY(summary.startsWith(
            QStringLiteral("n 1 3\nmax 1 6\nmin 1 2\nmean 1 4\nvariance 1 4\nsd 1 2\nsum 1 12\n"
                           "n 2 3\nmax 2 4\n")));
        QCOMPARE(summary.count('\n'), 14);

        // One figure per variable, labelled by its name, under the analysis's title.
        const QByteArray svg = readAll(out + QStringLiteral("/hakohg-Graph1.svg"));
        QVERIFY(svg.contains("幅"));
        QVERIFY(svg.contains("変数別統計量"));
        QCOMPARE(QImage(out + QStringLiteral("/hakohg-Graph1.png")).isNull(), false);
        QVERIFY(readAll(out + QStringLiteral("/hakohg-Graph1.pdf")).startsWith("%PDF"));
    }

    void variableStatsTakesTheKindsOfItsListOnly() {
        const QString dataset =
            m_folder.writeDataset(QStringLiteral("kinds"), {"x", "y"}, {{1, 2}, {3, 4}, {5, 7}});
        const QString out = m_folder.path(QStringLiteral("out-kinds"));
        ReportRun run = runReport({QStringLiteral("--report=variable-stats"),
                                   QStringLiteral("--set=kind=生データプロット"),
                                   QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFile::exists(out + QStringLiteral("/hakohg-Graph1.png")));

        const QString refused = m_folder.path(QStringLiteral("out-kind-refused"));
        run = runReport({QStringLiteral("--report=variable-stats"),
                         QStringLiteral("--set=kind=層別データプロット"),
                         QStringLiteral("--output=") + refused, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("不明なグラフの種類です: 層別データプロット\n"));
        QVERIFY(!QFile::exists(refused));

        // Every variable takes part: no --var.
        run = runReport({QStringLiteral("--report=variable-stats"), QStringLiteral("--var=x"),
                         QStringLiteral("--output=") + refused, dataset});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(refused));
    }

    void stratifiedStatsWritesOneRowPerStratum() {
        const QString dataset = strataDataset();
        const QString out = m_folder.path(QStringLiteral("out-ss"));
        const ReportRun run =
            runReport({QStringLiteral("--report=stratified-stats"), QStringLiteral("--var=因子"),
                       QStringLiteral("--var=値"), QStringLiteral("--set=kind=層別データプロット"),
                       QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out), (QStringList{"hakohg-Graph1.pdf", "hakohg-Graph1.png", "hakohg-Graph1.svg",
                                            "hakohso.csv", "hakohso.txt", "summary.txt"}));
        const QStringList csv = csvLines(out + QStringLiteral("/hakohso.csv"));
        QCOMPARE(csv.size(), 3);
        QCOMPARE(csv[1], QStringLiteral("1,a,2,20,10,15,50,") +
                             QString::fromStdString(zel::generalNumberText(std::sqrt(50.0))) +
                             QStringLiteral(",30"));
        QCOMPARE(csv[2], QStringLiteral("2,b,3,3,1,2,1,1,6"));
        const QStringList shown = shownLines(out + QStringLiteral("/hakohso.txt"));
        QVERIFY(shown[0].startsWith(QStringLiteral("層別 no.\t変数名\tデータ数")));
        QCOMPARE(shown[2], QStringLiteral("2\tb\t3\t3.0000\t1.0000\t2.0000\t1.0000\t1.0000\t6.0000"));
        const QString summary = summaryIn(out);
        QVERIFY(summary.contains(QStringLiteral("n 1 2\n")));
        QVERIFY(summary.contains(QStringLiteral("mean 2 2\n")));
        QVERIFY(summary.contains(QStringLiteral("variance 1 50\n")));
    }

    void stratificationRefusalsWriteNothing() {
        const QString out = m_folder.path(QStringLiteral("out-strata-refused"));
        const QString dataset = strataDataset();
        ReportRun run = runReport({QStringLiteral("--report=stratified-stats"), QStringLiteral("--var=値"),
                                   QStringLiteral("--var=値"), QStringLiteral("--output=") + out, dataset});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("層別変数と解析変数が同じです｡\n"));

        const QString outside = m_folder.writeDataset(QStringLiteral("outside"), {"因子", "値"},
                                                      {{1, 10}, {1, 20}, {5.5, 1}, {5, 2}});
        run = runReport(
            {QStringLiteral("--report=stratified-stats"), QStringLiteral("--output=") + out, outside});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("層別因子として使用できるデータは１～５の整数です。\n"));

        const QString single = m_folder.writeDataset(QStringLiteral("single"), {"因子", "値"},
                                                     {{1, 10}, {1, 20}, {4, 1}, {2, 2}, {2, 3}});
        run = runReport(
            {QStringLiteral("--report=stratified-stats"), QStringLiteral("--output=") + out, single});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, std::string("一つのグループのデータは「２」以上にして下さい。\n"));

        // The stratified statistics need two variables.
        const QString one = m_folder.writeDataset(QStringLiteral("one"), {"値"}, {{1}, {2}, {3}});
        run =
            runReport({QStringLiteral("--report=stratified-stats"), QStringLiteral("--output=") + out, one});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err,
                 std::string("層別グラフを作成するには最低２つの変数（層別因子と解析変数）が必要です。\n"));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(TestStatisticsReports)
#include "tst_statistics_reports.moc"
