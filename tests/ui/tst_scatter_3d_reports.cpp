// The report command of the three-dimensional scatter, run from its command
// line as a user types it: the chart of rsanpu in PNG, SVG and PDF with its
// default titles, the summary of the unmasked samples, the kinds, and the
// refusals that write nothing.
#include "app/CommandLine.h"
#include "app/ReportCommand.h"

#include <QFile>
#include <QImage>
#include <QtTest>

#include "ReportSupport.h"

using namespace uitest;

class TestScatter3DReports : public QObject {
    Q_OBJECT

  private:
    ReportFolder m_folder;

  private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void writesTheChartAndTheSummaryOfTheUnmaskedSamples() {
        const QString dataset =
            m_folder.writeDataset(QStringLiteral("heat"), {"硬さ", "温度", "時間"},
                                  {{41.5, 820, 20}, {99, 99, 99}, {-2.5, 830, 30}, {43, 840, 25}}, {2});
        QString out;
        // Y 温度, X 時間, Z 硬さ: the variables in the order given.
        const ReportRun run =
            m_folder.run(QStringLiteral("out"),
                         {QStringLiteral("--report=scatter-3d"), QStringLiteral("--var=温度"),
                          QStringLiteral("--var=時間"), QStringLiteral("--var=硬さ")},
                         dataset, &out);
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(entries(out),
                 (QStringList{"rsanpu-Graph1.pdf", "rsanpu-Graph1.png", "rsanpu-Graph1.svg", "summary.txt"}));
        QCOMPARE(summaryIn(out), QStringLiteral("n 3\n"
                                                "min Y 820\nmax Y 840\nmean Y 830\n"
                                                "min X 20\nmax X 30\nmean X 25\n"
                                                "min Z -2.5\nmax Z 43\nmean Z 27.3333333333333\n"));
        // The default titles: the analysis above, X below, Y left, Z right (the
        // right one stands upright, a text per character).
        const QString svg = QString::fromUtf8(readAll(out + QStringLiteral("/rsanpu-Graph1.svg")));
        for (const char* title : {"立体散布図", "温度", "時間"})
            QVERIFY2(svg.contains(QStringLiteral(">%1<").arg(QString::fromUtf8(title))), title);
        QVERIFY(svg.contains(QStringLiteral(">硬<")) && svg.contains(QStringLiteral(">さ<")));
        QVERIFY(!QImage(out + QStringLiteral("/rsanpu-Graph1.png")).isNull());
        QVERIFY(readAll(out + QStringLiteral("/rsanpu-Graph1.pdf")).startsWith("%PDF"));

        // Without --var hensi3's preselection (variables 1, 2, 3); each kind draws its own picture.
        QStringList pictures;
        for (const char* kind : {"立体散布図", "立体散布図（縦棒）", "立体散布図（線）"}) {
            QString dir;
            const ReportRun k = m_folder.run(QStringLiteral("kind-%1").arg(pictures.size()),
                                             {QStringLiteral("--report=scatter-3d"),
                                              QStringLiteral("--set=kind=") + QString::fromUtf8(kind)},
                                             dataset, &dir);
            QCOMPARE(k.exitCode, 0);
            QVERIFY(summaryIn(dir).startsWith(QStringLiteral("n 3\nmin Y -2.5\nmax Y 43\n")));
            pictures << dir + QStringLiteral("/rsanpu-Graph1.png");
        }
        QVERIFY(QImage(pictures[0]) != QImage(pictures[1]));
        QVERIFY(QImage(pictures[1]) != QImage(pictures[2]));
        QVERIFY(QImage(pictures[0]) != QImage(pictures[2]));
    }

    void refusalsPrintTheirMessageAndWriteNothing() {
        const QString two = m_folder.writeDataset(QStringLiteral("two"), {"a", "b"}, {{1, 2}, {2, 4}});
        expectRefused(m_folder, {QStringLiteral("--report=scatter-3d")}, two,
                      "立体散布図を作成するには３つ以上の変数が必要です。");
        const QString one =
            m_folder.writeDataset(QStringLiteral("one"), {"a", "b", "c"}, {{1, 2, 3}, {2, 4, 6}}, {1});
        expectRefused(m_folder, {QStringLiteral("--report=scatter-3d")}, one,
                      "解析を行うには、データを２つ以上選択してください。");
        const QString three =
            m_folder.writeDataset(QStringLiteral("three"), {"a", "b", "c"}, {{1, 2, 3}, {2, 4, 5}});
        expectRefused(m_folder,
                      {QStringLiteral("--report=scatter-3d"), QStringLiteral("--set=kind=回帰直線")}, three,
                      "不明なグラフの種類です: 回帰直線");
        expectRefused(m_folder,
                      {QStringLiteral("--report=scatter-3d"), QStringLiteral("--var=a"),
                       QStringLiteral("--var=b"), QStringLiteral("--var=b")},
                      three, "変数２と変数３が同じです｡");
        expectRefused(
            m_folder,
            {QStringLiteral("--report=scatter-3d"), QStringLiteral("--var=c"), QStringLiteral("--var=c")},
            three, "変数１と変数２が同じです｡");
    }
};

QTEST_MAIN(TestScatter3DReports)
#include "tst_scatter_3d_reports.moc"
