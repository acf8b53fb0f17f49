// The report command of the variable graphs, run from its command line as a
// user types it: the oresen chart, the summary per series (with the 3-sigma
// lines for "３σ線"), the series count following the --var given, the entered
// limits and the statistics-line code, and every refusal, which writes nothing.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ReportSupport.h"

using namespace uitest;

class TestVariableGraphReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;
    QString m_data; // 長さ 1..10, 幅 10..1, 高さ alternating -5 / 20

    // The variable graph's report of m_data.
    ReportRun report(const QString& out, const QStringList& args, QString* dir = nullptr) {
        return m_folder.run(out, QStringList{QStringLiteral("--report=variable-graph")} + args, m_data, dir);
    }
    void expectRefused(const QStringList& args, const std::string& message) {
        uitest::expectRefused(m_folder, QStringList{QStringLiteral("--report=variable-graph")} + args, m_data,
                              message);
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        std::vector<std::vector<double>> rows;
        for (int i = 1; i <= 10; ++i)
            rows.push_back({double(i), double(11 - i), i % 2 == 0 ? 20.0 : -5.0});
        m_data = m_folder.writeDataset(QStringLiteral("data"), {"長さ", "幅", "高さ"}, rows);
    }

    void oneVariableLineWithTheChartAndTheSummary() {
        QString out;
        const ReportRun run = report(QStringLiteral("one"), {QStringLiteral("--var=長さ")}, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out),
                 (QStringList{"oresen-Graph1.pdf", "oresen-Graph1.png", "oresen-Graph1.svg", "summary.txt"}));
        QCOMPARE(summaryIn(out), QStringLiteral("mean 1 5.5\nsd 1 3.02765035409749\nn 1 10\n"));
        QVERIFY(!QImage(out + QStringLiteral("/oresen-Graph1.png")).isNull());
        QVERIFY(readAll(out + QStringLiteral("/oresen-Graph1.pdf")).startsWith("%PDF"));
        // The legend names the series.
        QVERIFY(readAll(out + QStringLiteral("/oresen-Graph1.svg")).contains("長"));
    }

    void threeVariablesGiveThreeSeries() {
        QString out;
        const ReportRun run = report(QStringLiteral("three"),
                                     {QStringLiteral("--var=長さ"), QStringLiteral("--var=幅"),
                                      QStringLiteral("--var=高さ"), QStringLiteral("--set=kind=積層型")},
                                     &out);
        QCOMPARE(run.exitCode, 0);
        const QString s = summaryIn(out);
        QVERIFY(s.contains(QStringLiteral("mean 2 5.5\n")));
        QVERIFY(s.contains(QStringLiteral("mean 3 7.5\n")));
        QVERIFY(s.endsWith(QStringLiteral("n 3 10\n")));
    }

    void threeSigmaAddsItsLines() {
        QString out;
        const ReportRun run =
            report(QStringLiteral("sigma"),
                   {QStringLiteral("--var=長さ"), QStringLiteral("--set=kind=３σ線")}, &out);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(
            summaryIn(out).endsWith(QStringLiteral("upper 1 14.5829510622925\nlower 1 -3.58295106229247\n")));
    }

    void enteredLimitsAndStatisticsLines() {
        QString out;
        ReportRun run = report(QStringLiteral("limits"),
                               {QStringLiteral("--var=長さ"), QStringLiteral("--set=kind=規格の入力"),
                                QStringLiteral("--set=upper=8"), QStringLiteral("--set=lower=2")},
                               &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(readAll(out + QStringLiteral("/oresen-Graph1.svg")).contains("UCL"));
        run = report(QStringLiteral("trend"),
                     {QStringLiteral("--var=長さ"), QStringLiteral("--set=statlines=8")});
        QCOMPARE(run.exitCode, 0);
    }

    void refusalsWriteNothing() {
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--set=kind=規格の入力")},
                      "kind=規格の入力 には upper= と lower= を指定してください。");
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--set=kind=規格の入力"),
                       QStringLiteral("--set=upper=2"), QStringLiteral("--set=lower=8")},
                      "UCLとLCLのデータを確認してください。");
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--set=upper=2")},
                      "upper= と lower= は kind=規格の入力 のときに使います。");
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--set=statlines=16")},
                      "statlines= には 0 から 15 の整数を指定してください: 16");
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--set=kind=パレート図")},
                      "不明なグラフの種類です: パレート図");
        // A kind of the other series counts.
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--set=kind=エリアグラフ（積層）")},
                      "この変数の数では選べないグラフの種類です: エリアグラフ（積層）");
        expectRefused(
            {QStringLiteral("--var=長さ"), QStringLiteral("--var=幅"), QStringLiteral("--set=kind=３σ線")},
            "この変数の数では選べないグラフの種類です: ３σ線");
        expectRefused({QStringLiteral("--var=長さ"), QStringLiteral("--var=長さ")},
                      "変数１と変数２が同じです｡");
    }
};

QTEST_MAIN(TestVariableGraphReports)
#include "tst_variable_graph_reports.moc"
