// The report command of the Pareto chart, run from its command line as a user
// types it: the table before folding, the chart after folding, the summary of
// the items drawn, "合計", keep= and every refusal, which writes nothing.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ReportSupport.h"

using namespace uitest;

class TestParetoReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;
    QString m_defects; // items a..d: 件数 5, 20, 10, 15 and 手直し 1, 1, 12, 0

    ReportRun report(const QString& out, const QStringList& args, const QString& dataset,
                     QString* dir = nullptr) {
        return m_folder.run(out, args, dataset, dir);
    }
    void expectRefused(const QStringList& args, const std::string& message, const QString& dataset = {}) {
        uitest::expectRefused(m_folder, args, dataset.isEmpty() ? m_defects : dataset, message);
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        m_defects = m_folder.writeDataset(QStringLiteral("defects"), {"件数", "手直し"},
                                          {{5, 1}, {20, 1}, {10, 12}, {15, 0}});
    }

    void theTableBeforeFoldingAndTheChartAfterIt() {
        QString out;
        const ReportRun run = report(
            QStringLiteral("keep2"),
            {QStringLiteral("--report=pareto"), QStringLiteral("--var=件数"), QStringLiteral("--set=keep=2")},
            m_defects, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out), (QStringList{"oresen-Graph1.pdf", "oresen-Graph1.png", "oresen-Graph1.svg",
                                            "pareko.csv", "pareko.txt", "summary.txt"}));
        QCOMPARE(csvLines(out + QStringLiteral("/pareko.csv")),
                 (QStringList{"項目no.,項　目,データ,％,累積％", "NO.1,b,20,40,40", "NO.2,d,15,30,70",
                              "NO.3,c,10,20,90", "NO.4,a,5,10,100"}));
        const QStringList shown = shownLines(out + QStringLiteral("/pareko.txt"));
        QCOMPARE(shown[1], QStringLiteral("NO.1\tb\t20\t40.0000\t40.0000"));
        QCOMPARE(shown[4], QStringLiteral("NO.4\ta\t5\t10.0000\t100.0000"));
        QCOMPARE(summaryIn(out), QStringLiteral("item 1 20\ncumulative 1 40\nlabel 1 b\n"
                                                "item 2 15\ncumulative 2 70\nlabel 2 d\n"
                                                "item 3 15\ncumulative 3 100\nlabel 3 その他\n"));
        const QByteArray svg = readAll(out + QStringLiteral("/oresen-Graph1.svg"));
        QVERIFY(svg.contains("100")); // the right axis' top
        QCOMPARE(QImage(out + QStringLiteral("/oresen-Graph1.png")).isNull(), false);
        QVERIFY(readAll(out + QStringLiteral("/oresen-Graph1.pdf")).startsWith("%PDF"));
    }

    void everyItemByDefaultAndTheTotalOfEachSample() {
        QString out;
        ReportRun run = report(QStringLiteral("all"), {QStringLiteral("--report=pareto")}, m_defects, &out);
        QCOMPARE(run.exitCode, 0);
        // The first variable, all four items: no "その他".
        QString summary = summaryIn(out);
        QCOMPARE(summary.count(QStringLiteral("label ")), 4);
        QVERIFY(summary.endsWith(QStringLiteral("item 4 5\ncumulative 4 100\nlabel 4 a\n")));

        // 合計: 6, 21, 22, 15 of 64; c and b change places.
        run = report(QStringLiteral("total"),
                     {QStringLiteral("--report=pareto"), QStringLiteral("--var=合計")}, m_defects, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            csvLines(out + QStringLiteral("/pareko.csv")),
            (QStringList{"項目no.,項　目,データ,％,累積％", "NO.1,c,22,34.375,34.375",
                         "NO.2,b,21,32.8125,67.1875", "NO.3,d,15,23.4375,90.625", "NO.4,a,6,9.375,100"}));
    }

    void refusals() {
        const QString zero = m_folder.writeDataset(QStringLiteral("zero"), {"件数"}, {{-2}, {1}, {1}});
        expectRefused({QStringLiteral("--report=pareto")}, "データを確認して下さい。", zero);
        expectRefused({QStringLiteral("--report=pareto"), QStringLiteral("--set=keep=1")},
                      "keep= には 2 以上の整数を指定してください: 1");
        expectRefused({QStringLiteral("--report=pareto"), QStringLiteral("--set=keep=two")},
                      "keep= には 2 以上の整数を指定してください: two");
        expectRefused({QStringLiteral("--report=pareto"), QStringLiteral("--set=keep=5")},
                      "keep= には 2 から 4 の整数を指定してください: 5");
        expectRefused({QStringLiteral("--report=pareto"), QStringLiteral("--var=不良")},
                      "変数が見つかりません: 不良");
    }
};

QTEST_MAIN(TestParetoReports)
#include "tst_pareto_reports.moc"
